#include "widgets/Line.h"

#include "core/Numbers.h"
#include "widgets/ColorValue.h"
#include "widgets/Element.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

int toTwips(double value)
{
    return Numbers::toInt32(value).value_or(0);
}

} // namespace

Line::Line(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Line::setX1(double twips)
{
    m_x1 = toTwips(twips);
    applyGeometry();
}

void Line::setY1(double twips)
{
    m_y1 = toTwips(twips);
    applyGeometry();
}

void Line::setX2(double twips)
{
    m_x2 = toTwips(twips);
    applyGeometry();
}

void Line::setY2(double twips)
{
    m_y2 = toTwips(twips);
    applyGeometry();
}

void Line::setBorderColor(int color)
{
    m_borderColor = color;
    update();
}

void Line::setBorderWidth(double pixels)
{
    m_borderWidth = std::max(1, int(Numbers::toInt16(pixels).value_or(1)));
    applyGeometry();
}

void Line::applyGeometry()
{
    const double pixel = Element::TwipsPerPixel;
    const int margin = (m_borderWidth + 1) / 2 + 1;
    const int left = int(std::floor(std::min(m_x1, m_x2) / pixel)) - margin;
    const int top = int(std::floor(std::min(m_y1, m_y2) / pixel)) - margin;
    const int right = int(std::ceil(std::max(m_x1, m_x2) / pixel)) + margin;
    const int bottom = int(std::ceil(std::max(m_y1, m_y2) / pixel)) + margin;
    setGeometry(left, top, right - left, bottom - top);
    update();
}

QPointF Line::endPoint(int xTwips, int yTwips) const
{
    // Snapped to the pixel grid (pixel centres for odd widths) so that the line stays crisp.
    const double centre = m_borderWidth % 2 ? 0.5 : 0.0;
    return QPointF(std::round(xTwips / double(Element::TwipsPerPixel)) - x() + centre,
                   std::round(yTwips / double(Element::TwipsPerPixel)) - y() + centre);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ColorValue::toQColor(m_borderColor), m_borderWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(endPoint(m_x1, m_y1), endPoint(m_x2, m_y2));
}
