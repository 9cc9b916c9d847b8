#include "widgets/Shape.h"

#include "core/Numbers.h"
#include "widgets/ColorValue.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

Shape::Shape(QWidget *parent)
    : Element(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::setShape(int figure)
{
    m_shape = figure;
    update();
}

void Shape::setBorderColor(int color)
{
    if (color == m_borderColor)
        return;
    m_borderColor = color;
    update();
}

void Shape::setBorderWidth(double pixels)
{
    m_borderWidth = Numbers::toInt16(pixels).value_or(1);
    m_borderWidth = std::max(m_borderWidth, 1);
    update();
}

void Shape::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void Shape::setFillColor(int color)
{
    if (color == m_fillColor)
        return;
    m_fillColor = color;
    update();
}

void Shape::setFillStyle(int style)
{
    m_fillStyle = style;
    update();
}

QRectF Shape::figureRect() const
{
    QRectF area = rect();
    if (m_shape == Square || m_shape == Circle || m_shape == RoundedSquare) {
        const qreal side = std::min(area.width(), area.height());
        area = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }
    return area;
}

void Shape::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QVariantList look {m_shape, m_borderColor, m_borderWidth, m_borderStyle, m_fillColor, m_fillStyle};
    m_paintCache.paint(painter, *this, event->region(), look, [this](QPainter &target) { paintLook(target); });
}

void Shape::paintLook(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const bool outlined = m_borderStyle != NoOutline;
    // The outline lies inside the element's bounds, as the design positions assume.
    const qreal inset = outlined ? m_borderWidth / 2.0 : 0.0;
    const QRectF area = figureRect().adjusted(inset, inset, -inset, -inset);
    painter.setPen(outlined ? QPen(ColorValue::toQColor(m_borderColor), m_borderWidth) : QPen(Qt::NoPen));
    painter.setBrush(m_fillStyle == SolidFill ? QBrush(ColorValue::toQColor(m_fillColor)) : QBrush(Qt::NoBrush));
    switch (m_shape) {
    case Oval:
    case Circle:
        painter.drawEllipse(area);
        break;
    case RoundedRectangle:
    case RoundedSquare: {
        const qreal radius = std::min(area.width(), area.height()) / 8;
        painter.drawRoundedRect(area, radius, radius);
        break;
    }
    default:
        painter.drawRect(area);
        break;
    }
}
