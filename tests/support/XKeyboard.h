#pragma once

#include <QString>

// Real key presses through the X server's XTest extension, as a keyboard gives them: they travel to the
// server and come back to whichever window has the focus. Kept apart from Xlib's headers, whose macros
// clash with Qt's names.
namespace XKeyboard {

// Why no key can be pressed here (not on X, no XTest), or the empty text.
QString missing();
// Presses and releases the key with the X keysym, with the modifier's keysym held when it is not 0.
void press(unsigned long keysym, unsigned long modifierKeysym = 0);

// Keysyms the tests use, so that they need not include Xlib.
constexpr unsigned long F2 = 0xffbf;
constexpr unsigned long F5 = 0xffc2;
constexpr unsigned long F6 = 0xffc3;
constexpr unsigned long Tab = 0xff09;
constexpr unsigned long Left = 0xff51;

} // namespace XKeyboard
