#include "platform/NumLockState.h"
#include "platform/UnsupportedNumLock.h"

#include <QGuiApplication>

#ifdef Q_OS_WIN
#include "platform/WindowsNumLock.h"
#endif
#ifdef VANTARO_HAVE_X11
#include "platform/X11NumLock.h"
#endif

std::unique_ptr<NumLockState> NumLockState::forPlatform()
{
#ifdef Q_OS_WIN
    // On another platform plugin (offscreen tests) the real keyboard must stay untouched.
    if (QGuiApplication::platformName() == QLatin1String("windows"))
        return std::make_unique<WindowsNumLock>();
#endif
#ifdef VANTARO_HAVE_X11
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto x11 = X11NumLock::fromApplication())
            return x11;
    }
#endif
    return std::make_unique<UnsupportedNumLock>();
}
