#include "platform/ScreenSaver.h"

#include <QGuiApplication>

#ifdef VANTARO_HAVE_XSS
#include "platform/X11Library.h"

// Xlib's macros clash with Qt's headers, so these come last.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#endif

ScreenSaver::~ScreenSaver()
{
    release();
}

bool ScreenSaver::inhibit()
{
    if (!m_inhibited)
        m_inhibited = suspend(true);
    return m_inhibited;
}

void ScreenSaver::release()
{
    if (m_inhibited)
        suspend(false);
    m_inhibited = false;
}

bool ScreenSaver::suspend([[maybe_unused]] bool suspended)
{
#ifdef VANTARO_HAVE_XSS
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return false;
    static const auto queryExtension
        = x11Function<decltype(XScreenSaverQueryExtension)>("Xss", 1, "XScreenSaverQueryExtension");
    static const auto suspendSaver = x11Function<decltype(XScreenSaverSuspend)>("Xss", 1, "XScreenSaverSuspend");
    int eventBase = 0;
    int errorBase = 0;
    if (!queryExtension || !suspendSaver || !queryExtension(x11->display(), &eventBase, &errorBase))
        return false;
    suspendSaver(x11->display(), suspended ? True : False);
    XFlush(x11->display());
    return true;
#else
    return false;
#endif
}
