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

    // True for 0 to 0xFFFFFF; anything else (system colours, garbage) is not a colour value.
    static constexpr bool isValid(qint64 value) { return value >= 0 && value <= White; }
    // Only the low 24 bits count; the result is always opaque.
    static QColor toQColor(int value);
    // The colour's red, green and blue; alpha is dropped.
    static int fromQColor(const QColor &colour);
};
