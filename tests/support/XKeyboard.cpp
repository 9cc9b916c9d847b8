#include "support/XKeyboard.h"

// After every Qt header: Xlib's macros would clash with Qt's names.
#include "support/XInput.h"

namespace {

// One connection for the test's whole run, opened at the first key.
XInput &input()
{
    static XInput connection;
    return connection;
}

} // namespace

namespace XKeyboard {

QString missing()
{
    if (!input().isOpen())
        return QStringLiteral("needs an X server (run through scripts/test)");
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(input().display(), &event, &error, &major, &minor))
        return QStringLiteral("the X server has no XTest extension");
    return {};
}

void press(unsigned long keysym, unsigned long modifierKeysym)
{
    input().key(keysym, modifierKeysym ? modifierKeysym : NoSymbol);
}

} // namespace XKeyboard
