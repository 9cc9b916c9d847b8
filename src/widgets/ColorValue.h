#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as the settings and the element properties hold them: a 32-bit integer 0x00BBGGRR with red in
// the low byte. Widgets paint with QColor; these conversions are the one place the two layouts meet.
class ColorValue
{
public:
    static constexpr int Black = 0x000000;
    static constexpr int Red = 0x0000FF;
    static constexpr int White = 0xFFFFFF;

    // The colour a value stands for: its low 24 bits. A value below 0 or above 0xFFFFFF (a system colour,
    // a hand-edited setting) is not refused anywhere; every element shows the same colour for it.
    static constexpr int rgb(qint64 value) { return int(value & White); }
    // Only the low 24 bits count; the result is always opaque.
    static QColor toQColor(int value);
    // The colour's red, green and blue; alpha is dropped.
    static int fromQColor(const QColor &colour);
};
