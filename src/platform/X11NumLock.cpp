#include "platform/X11NumLock.h"

#ifdef VANTARO_HAVE_X11

#include "platform/X11Library.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, Status, KeyPress...) clash with Qt's headers, so these come last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

unsigned int numLockModifierMask(Display *display)
{
    // Num_Lock sits on Mod2 in nearly every keymap, but the keymap decides.
    const unsigned int mask = XkbKeysymToModifiers(display, XK_Num_Lock);
    return mask ? mask : Mod2Mask;
}

// XTest's key press, or null when the server or the machine lacks the extension.
decltype(&XTestFakeKeyEvent) fakeKeyEvent(Display *display)
{
    const auto queryExtension = x11Function<decltype(XTestQueryExtension)>("Xtst", 6, "XTestQueryExtension");
    int eventBase, errorBase, major, minor;
    if (!queryExtension || !queryExtension(display, &eventBase, &errorBase, &major, &minor))
        return nullptr;
    return x11Function<decltype(XTestFakeKeyEvent)>("Xtst", 6, "XTestFakeKeyEvent");
}

} // namespace

std::unique_ptr<X11NumLock> X11NumLock::fromApplication()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return nullptr;
    return std::make_unique<X11NumLock>(x11->display());
}

X11NumLock::X11NumLock(Display *display)
    : m_display(display)
    , m_modifierMask(numLockModifierMask(display))
    , m_keycode(XKeysymToKeycode(display, XK_Num_Lock))
    , m_fakeKeyEvent(fakeKeyEvent(display))
{
}

std::optional<bool> X11NumLock::isOn() const
{
    XkbStateRec state;
    if (XkbGetState(m_display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return (state.locked_mods & m_modifierMask) != 0;
}

bool X11NumLock::pressNumLock()
{
    if (!m_fakeKeyEvent || m_keycode == 0)
        return false;
    m_fakeKeyEvent(m_display, m_keycode, True, CurrentTime);
    m_fakeKeyEvent(m_display, m_keycode, False, CurrentTime);
    XFlush(m_display);
    return true;
}

#endif
