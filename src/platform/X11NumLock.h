#pragma once

#include "platform/NumLockState.h"

typedef struct _XDisplay Display;

// NumLock on an X server, through the display connection Qt's xcb platform already holds: the state
// is the NumLock modifier among XKB's locked modifiers, and a press is an XTest key press and release
// of the Num_Lock key, so the server toggles the lock and sends the key events to the focused window
// as for a real key. Which modifier NumLock sets and which key carries it are read from the keymap
// once, when the object is made.
class X11NumLock final : public NumLockState
{
public:
    // Null unless the application runs on xcb with an Xlib display.
    static std::unique_ptr<X11NumLock> fromApplication();

    explicit X11NumLock(Display *display);

    std::optional<bool> isOn() const override;
    bool pressNumLock() override;

private:
    Display *m_display;
    unsigned int m_modifierMask;
    unsigned char m_keycode;
    // XTest's key press, loaded with its library when the object is made; null without XTest.
    int (*m_fakeKeyEvent)(Display *, unsigned int, int, unsigned long);
};
