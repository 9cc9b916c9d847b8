#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

// Turns fuzz input into what an operator does to a typed entry: most bytes are entry character codes
// from the set the keyboard can produce (digits, signs, point, space, Enter, clear, nothing), some are
// arbitrary codes far outside it, and the highest ones move to another of four elements.
namespace FuzzKeyCodes {

struct Step
{
    bool switchElement;
    int element;
    qint16 code;
};

inline Step decode(std::uint8_t byte)
{
    static constexpr qint16 Alphabet[]
        = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '+', '-', '.', ' ', 13, 0, -1};
    constexpr std::size_t AlphabetSize = sizeof(Alphabet) / sizeof(Alphabet[0]);
    if (byte >= 0xF0)
        return {true, byte & 3, 0};
    if (byte >= 0x80)
        return {false, 0, static_cast<qint16>((byte - 0x80) * 300 - 16000)};
    return {false, 0, Alphabet[byte % AlphabetSize]};
}

} // namespace FuzzKeyCodes
