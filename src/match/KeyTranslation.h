#pragma once

#include <QtGlobal>

// Entry character codes: what a key means to the typed entry of a field, whatever key typed it.
namespace EntryCode {

constexpr qint16 Nothing = -1;
constexpr qint16 Clear = 0;
constexpr qint16 Enter = 13;
constexpr qint16 Space = 32;
constexpr qint16 Plus = 43;
constexpr qint16 Minus = 45;
constexpr qint16 Point = 46;
constexpr qint16 Digit0 = 48;
constexpr qint16 Digit9 = 57;

constexpr bool isDigit(qint16 code)
{
    return code >= Digit0 && code <= Digit9;
}

} // namespace EntryCode

// Translates a key code (Windows virtual-key numbering) into the entry character code of the key:
// Space and Enter first, so that a clear key assigned to them keeps their meaning; then the clear key,
// so that a clear key assigned to a digit, sign or point key clears instead of typing.
qint16 KeyCodeToAsci(qint16 keyCode, qint16 clearKey);
