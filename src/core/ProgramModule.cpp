#include "core/ProgramModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace ProgramModule {

QFunctionPointer entry(const QString &name, const char *symbol)
{
    QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(u"modules/"_s + name));
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const QFunctionPointer found = module.load() ? module.resolve(symbol) : nullptr;
    if (!found) {
        std::fprintf(stderr, "Vantaro: the module %s cannot be used: %s\n", qPrintable(name),
                     qPrintable(module.errorString()));
    }
    return found;
}

} // namespace ProgramModule
