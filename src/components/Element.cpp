#include "Element.h"

#include "Numbers.h"

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

Element::Element(QWidget *parent)
    : QWidget(parent)
{
}

int Element::twipsToPixels(double twips)
{
    return roundTwips(twips / TwipsPerPixel);
}

void Element::setLeftTwips(double twips)
{
    m_left = roundTwips(twips);
    applyGeometry();
}

void Element::setTopTwips(double twips)
{
    m_top = roundTwips(twips);
    applyGeometry();
}

void Element::setWidthTwips(double twips)
{
    m_width = roundTwips(twips);
    applyGeometry();
}

void Element::setHeightTwips(double twips)
{
    m_height = roundTwips(twips);
    applyGeometry();
}

void Element::setTwipsGeometry(double left, double top, double width, double height)
{
    m_left = roundTwips(left);
    m_top = roundTwips(top);
    m_width = roundTwips(width);
    m_height = roundTwips(height);
    applyGeometry();
}

void Element::applyGeometry()
{
    // Both edges are rounded, not the size, so that neighbouring elements meet without gaps.
    const int x = twipsToPixels(m_left);
    const int y = twipsToPixels(m_top);
    const int right = twipsToPixels(static_cast<double>(m_left) + m_width);
    const int bottom = twipsToPixels(static_cast<double>(m_top) + m_height);
    setGeometry(x, y, std::max(0, right - x), std::max(0, bottom - y));
}
