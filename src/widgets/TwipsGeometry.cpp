#include "widgets/TwipsGeometry.h"

#include "core/Numbers.h"

#include <QWidget>

#include <algorithm>
#include <limits>

namespace {

int roundTwips(double twips)
{
    const double rounded = Numbers::roundHalfEven(twips);
    if (!(rounded >= std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (!(rounded <= std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

} // namespace

TwipsGeometry::TwipsGeometry(QWidget *widget)
    : m_widget(widget)
{
}

int TwipsGeometry::twipsToPixels(double twips)
{
    return roundTwips(twips / TwipsPerPixel);
}

void TwipsGeometry::setLeftTwips(double twips)
{
    m_left = roundTwips(twips);
    applyGeometry();
}

void TwipsGeometry::setTopTwips(double twips)
{
    m_top = roundTwips(twips);
    applyGeometry();
}

void TwipsGeometry::setWidthTwips(double twips)
{
    m_width = roundTwips(twips);
    applyGeometry();
}

void TwipsGeometry::setHeightTwips(double twips)
{
    m_height = roundTwips(twips);
    applyGeometry();
}

void TwipsGeometry::setTwipsGeometry(double left, double top, double width, double height)
{
    m_left = roundTwips(left);
    m_top = roundTwips(top);
    m_width = roundTwips(width);
    m_height = roundTwips(height);
    applyGeometry();
}

void TwipsGeometry::applyGeometry()
{
    // Both edges are rounded, not the size, so that neighbouring elements meet without gaps.
    const int x = twipsToPixels(m_left);
    const int y = twipsToPixels(m_top);
    const int right = twipsToPixels(static_cast<double>(m_left) + m_width);
    const int bottom = twipsToPixels(static_cast<double>(m_top) + m_height);
    m_widget->setGeometry(x, y, std::max(0, right - x), std::max(0, bottom - y));
}
