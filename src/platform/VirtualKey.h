#pragma once

#include <Qt>
#include <QtGlobal>

class QKeyEvent;

// Maps Qt key events to the Windows virtual-key codes in which the board's key handling and the stored
// key settings are written, and Qt modifiers to the Windows shift state. The mapping is a fixed table on
// Qt's key code and its keypad flag: Qt's codes for A to Z and the top-row digits equal the Windows ones;
// the shifted symbols of the top row on a US layout (! @ # $ % ^ & * ( )) map back to their digit key,
// and the punctuation keys give the same code whatever Shift does, as on Windows. Keypad digits and
// operators take the keypad codes; keypad keys that arrive as navigation keys (NumLock off) take the
// navigation codes, except the keypad Delete, which stays the keypad decimal key. Keys without a Windows
// code give 0.
class VirtualKey
{
public:
    static constexpr int ShiftMask = 1;
    static constexpr int CtrlMask = 2;
    static constexpr int AltMask = 4;

    static qint16 fromKeyEvent(const QKeyEvent &event);
    static qint16 fromQtKey(int key, Qt::KeyboardModifiers modifiers);
    // Windows-style bit mask: 1 Shift, 2 Ctrl, 4 Alt.
    static int shiftState(Qt::KeyboardModifiers modifiers);
};
