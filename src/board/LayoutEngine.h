#pragma once

#include "board/LayoutTable.h"

class LayoutWindow;

// Keeps a window's elements in proportion with the window. RecordLayout takes the elements' present
// geometry, fonts and LED sizes and the window's size as the baseline; RescaleLayout then scales every
// recorded quantity by the ratio of the window's present size to the recorded one: horizontal
// quantities by the width ratio, vertical ones, fonts and LED dot sizes by the height ratio. Which
// quantities an element has follows from its kind name; elements of other kinds are left alone.
//
// The engine does not round: each property receives the real value and rounds it itself if it holds
// whole numbers.
class LayoutEngine
{
public:
    // Rebuilds the table from the window's present state, replacing the previous one whole. A value that
    // is not a number or does not fit 32 bits once rounded is not recorded, so it is never rescaled. A
    // window that is minimized, or smaller than the smallest recorded size, is not recorded: its elements
    // are squeezed out of their proportions, and the previous table stays, so that the window returns to
    // its proportions once it is large again.
    void RecordLayout(const LayoutWindow &window);

    // The smallest window size, in twips, that RecordLayout takes as its baseline: the design size of a
    // window that opens at it. Nothing by default.
    void setSmallestRecordedSize(double widthTwips, double heightTwips);

    // Applies the table to the window's present size, painting once at the end. Does nothing while the
    // window is minimized, nor when no ratio can be formed: a window recorded with no size (or never
    // recorded), or a present size that is negative, not a number or beyond 32 bits.
    void RescaleLayout(LayoutWindow &window) const;

    const LayoutTable &table() const { return m_table; }

    // x when x is at least 1, otherwise 1 (also when x is not a number).
    static double AtLeastOne(double x);

private:
    LayoutTable m_table;
    double m_smallestWidth = 0;
    double m_smallestHeight = 0;
};
