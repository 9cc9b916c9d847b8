#include "platform/VirtualKey.h"

#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace {

constexpr qint16 KeypadZero = 96;
constexpr qint16 FirstFunctionKey = 112;
constexpr int FunctionKeyCount = 24;

const QHash<int, qint16> &keypadKeys()
{
    static const QHash<int, qint16> keys = {
        {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
        {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, // the decimal key of locales that write a decimal comma
        {Qt::Key_Slash, 111},
    };
    return keys;
}

// The shifted top row of a US layout, for keys whose place on the keyboard is unknown.
const QHash<int, qint16> &usShiftedDigits()
{
    static const QHash<int, qint16> keys = {
        {Qt::Key_ParenRight, 48}, {Qt::Key_Exclam, 49},    {Qt::Key_At, 50},          {Qt::Key_NumberSign, 51},
        {Qt::Key_Dollar, 52},     {Qt::Key_Percent, 53},   {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},
        {Qt::Key_Asterisk, 56},   {Qt::Key_ParenLeft, 57},
    };
    return keys;
}

const QHash<int, qint16> &mainKeys()
{
    static const QHash<int, qint16> keys = {
        // Punctuation, shifted or not.
        {Qt::Key_Semicolon, 186},
        {Qt::Key_Colon, 186},
        {Qt::Key_Equal, 187},
        {Qt::Key_Plus, 187},
        {Qt::Key_Comma, 188},
        {Qt::Key_Less, 188},
        {Qt::Key_Minus, 189},
        {Qt::Key_Underscore, 189},
        {Qt::Key_Period, 190},
        {Qt::Key_Greater, 190},
        {Qt::Key_Slash, 191},
        {Qt::Key_Question, 191},
        {Qt::Key_QuoteLeft, 192},
        {Qt::Key_AsciiTilde, 192},
        {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219},
        {Qt::Key_Backslash, 220},
        {Qt::Key_Bar, 220},
        {Qt::Key_BracketRight, 221},
        {Qt::Key_BraceRight, 221},
        {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
        // Editing, navigation and lock keys.
        {Qt::Key_Backspace, 8},
        {Qt::Key_Tab, 9},
        {Qt::Key_Backtab, 9},
        {Qt::Key_Clear, 12},
        {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18},
        {Qt::Key_AltGr, 18},
        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},
        {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},
        {Qt::Key_Print, 44},
        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
        {Qt::Key_Meta, 91},
        {Qt::Key_Super_L, 91},
        {Qt::Key_Super_R, 92},
        {Qt::Key_Menu, 93},
        {Qt::Key_NumLock, 144},
        {Qt::Key_ScrollLock, 145},
    };
    return keys;
}

qint16 fromKeypadKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return qint16(KeypadZero + (key - Qt::Key_0));
    return keypadKeys().value(key, 0);
}

qint16 fromMainKey(int key, bool placeKnown)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return qint16(key);
    // Some sources report a letter by its lower-case character.
    if (key >= 'a' && key <= 'z')
        return qint16(key - 'a' + Qt::Key_A);
    if (key >= Qt::Key_F1 && key < Qt::Key_F1 + FunctionKeyCount)
        return qint16(FirstFunctionKey + (key - Qt::Key_F1));
    // A symbol from a key that is known not to be a top-row digit key is no digit.
    if (!placeKnown) {
        if (const qint16 digit = usShiftedDigits().value(key, 0))
            return digit;
    }
    return mainKeys().value(key, 0);
}

qint16 fromKey(int key, Qt::KeyboardModifiers modifiers, bool placeKnown)
{
    if (modifiers & Qt::KeypadModifier) {
        if (const qint16 code = fromKeypadKey(key))
            return code;
    }
    return fromMainKey(key, placeKnown);
}

// X key codes of the PC keyboard: the top row's 1 to 9 and 0 are 10 to 19; the keypad's digit keys by
// their digit, keypad 0 first.
constexpr quint32 TopRowOne = 10;
constexpr quint32 TopRowZero = 19;
constexpr std::array<quint32, 10> KeypadDigitKeys {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};

// Whether the platform reports the X key code of a key event as its native scan code.
bool reportsXKeyCodes()
{
    static const bool xKeyCodes = QGuiApplication::platformName() == QLatin1String("xcb")
        || QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return xKeyCodes;
}

} // namespace

qint16 VirtualKey::fromKeyEvent(const QKeyEvent &event)
{
    if (event.nativeScanCode() != 0 && reportsXKeyCodes())
        return fromXKey(event.nativeScanCode(), event.key(), event.modifiers());
    return fromQtKey(event.key(), event.modifiers());
}

qint16 VirtualKey::fromXKey(quint32 xKeyCode, int key, Qt::KeyboardModifiers modifiers)
{
    if (xKeyCode >= TopRowOne && xKeyCode < TopRowZero)
        return qint16(Qt::Key_1 + (xKeyCode - TopRowOne));
    if (xKeyCode == TopRowZero)
        return qint16(Qt::Key_0);
    // A keypad digit key gives its digit with NumLock on; with NumLock off Qt reports its navigation key.
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const auto keypad = std::find(KeypadDigitKeys.cbegin(), KeypadDigitKeys.cend(), xKeyCode);
        if (keypad != KeypadDigitKeys.cend())
            return qint16(KeypadZero + (keypad - KeypadDigitKeys.cbegin()));
    }
    return fromKey(key, modifiers, true);
}

qint16 VirtualKey::fromQtKey(int key, Qt::KeyboardModifiers modifiers)
{
    return fromKey(key, modifiers, false);
}

int VirtualKey::shiftState(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        state |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        state |= AltMask;
    return state;
}
