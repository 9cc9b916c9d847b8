#pragma once

#include "widgets/LedGlyph.h"

#include <QList>
#include <QRectF>
#include <QSize>
#include <QStringView>

// Places the cells of an LED panel: digit cells share the width left by the paddings, digits keep their
// style's aspect and are centred in their cells, and every box lands on the pixel grid with equal gaps,
// so that all digits render alike at any size. Pure geometry, in logical pixels.
class LedLayout
{
public:
    struct Spacing
    {
        qreal outerH = 0; // left and right margin inside the panel
        qreal outerV = 0; // top and bottom margin
        qreal inner = 0; // between two digit cells
        qreal separator = 0; // on each side of a colon or point cell
    };
    struct Cell
    {
        QChar character;
        QRectF box;
    };
    struct Arrangement
    {
        QList<Cell> cells;
        qreal stroke = 0; // segment thickness or dot diameter, clamped to what the cells allow
    };

    // cells: one character per cell, separators included. reference: a cell text that sizes the digits
    // (a panel keeps its digit size while its value changes shape); the digits are never larger than
    // cells needs to fit. stroke is the wanted segment thickness or dot diameter.
    static Arrangement arrange(QSize panel, Spacing spacing, LedGlyph::Style style, qreal stroke, QStringView reference,
                               QStringView cells);
};
