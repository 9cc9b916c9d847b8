#pragma once

#include <QFunctionPointer>
#include <QString>

// A module of the program: a shared library in the folder modules beside the executable, which the
// program loads when it first needs it, so that the large libraries it brings stay out of the program's
// start. The module finds the classes it shares with the program in the program itself.
namespace ProgramModule {

// The entry point symbol of the module named name (without the platform's prefix and suffix) in the
// program's folder; null when the module cannot be loaded or lacks it, which is then said on standard
// error with Qt's reason. Every symbol is resolved on loading, so that a module that does not fit the
// program is refused here rather than failing later.
QFunctionPointer entry(const QString &name, const char *symbol);

// The entry point as a function of the type the module gives it; see entry().
template<typename Function> Function *function(const QString &name, const char *symbol)
{
    return reinterpret_cast<Function *>(entry(name, symbol));
}

} // namespace ProgramModule
