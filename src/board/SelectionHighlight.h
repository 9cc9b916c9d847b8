#pragma once

#include <QtGlobal>

// A rectangle in twips, wide enough that margins added to any element geometry cannot overflow.
struct TwipsRect
{
    qint64 left;
    qint64 top;
    qint64 width;
    qint64 height;
};

// Where the selection highlight goes around an element: selectedWidth pixels (the setting
// `LEDSelectedWidth`) beyond it on every side, and one pixel more on the right and bottom.
TwipsRect selectionHighlightRect(const TwipsRect &element, qint16 selectedWidth);
