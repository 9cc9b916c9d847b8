#pragma once

#include <QLibrary>

// A function of an X11 extension library, loaded when first asked for: linked, the library would load
// before the splash, and only the board uses it. Null when the library or the function is missing.
// The library stays loaded until the program ends.
template<typename Function> Function *x11Function(const char *library, int version, const char *name)
{
    QLibrary loaded(QString::fromLatin1(library), version);
    return reinterpret_cast<Function *>(loaded.resolve(name));
}
