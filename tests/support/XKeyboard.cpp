#include "support/XKeyboard.h"

#include <QGuiApplication>

// After every Qt header: Xlib's macros would clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

Display *display()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

void send(Display *x, unsigned long keysym, bool down)
{
    XTestFakeKeyEvent(x, XKeysymToKeycode(x, keysym), down ? True : False, CurrentTime);
}

} // namespace

namespace XKeyboard {

QString missing()
{
    Display *x = display();
    if (!x)
        return QStringLiteral("needs an X server (run through scripts/test)");
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(x, &event, &error, &major, &minor))
        return QStringLiteral("the X server has no XTest extension");
    return {};
}

void press(unsigned long keysym, unsigned long modifierKeysym)
{
    Display *x = display();
    if (modifierKeysym)
        send(x, modifierKeysym, true);
    send(x, keysym, true);
    send(x, keysym, false);
    if (modifierKeysym)
        send(x, modifierKeysym, false);
    XFlush(x);
}

} // namespace XKeyboard
