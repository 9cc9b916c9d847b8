#pragma once

#include <Qt>
#include <QtGlobal>

class QKeyEvent;

// Maps Qt key events to the Windows virtual-key codes in which the board's key handling and the stored
// key settings are written, and Qt modifiers to the Windows shift state.
//
// Where the window system reports the physical key (an X key code, on X11 and Wayland), the top-row
// digit keys give 48 to 57 and the keypad's digit keys 96 to 105 by their place on the keyboard, whatever
// the layout prints on them (AZERTY's "&" key is 49, QWERTZ-CZ's "ě" key 50). Every other key, letters
// included, follows the layout through Qt's key code: the key a French layout labels A gives 65.
//
// Without a physical key (other platforms, synthesized events) a fixed table on Qt's key code and its
// keypad flag serves: Qt's codes for A to Z and the top-row digits equal the Windows ones, and the
// shifted symbols of a US top row (! @ # $ % ^ & * ( )) map back to their digit key.
//
// Either way the punctuation keys give the same code whatever Shift does, as on Windows; keypad digits
// and operators take the keypad codes; keypad keys that arrive as navigation keys (NumLock off) take the
// navigation codes, the keypad's Del key Delete (46) among them, while that key with NumLock on is the
// keypad decimal key (110). Keys without a Windows code give 0.
class VirtualKey
{
public:
    static constexpr int ShiftMask = 1;
    static constexpr int CtrlMask = 2;
    static constexpr int AltMask = 4;

    static qint16 fromKeyEvent(const QKeyEvent &event);
    // A key known by its X key code (evdev or xfree86 numbering, which agree on the keys mapped here).
    static qint16 fromXKey(quint32 xKeyCode, int key, Qt::KeyboardModifiers modifiers);
    // A key known only by Qt's key code.
    static qint16 fromQtKey(int key, Qt::KeyboardModifiers modifiers);
    // Windows-style bit mask: 1 Shift, 2 Ctrl, 4 Alt.
    static int shiftState(Qt::KeyboardModifiers modifiers);
};
