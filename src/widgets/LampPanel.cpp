#include "widgets/LampPanel.h"

#include "widgets/TwipsProperty.h"

#include <QPainter>

namespace {

const QColor LampColour(0x80, 0x50, 0x10);

} // namespace

LampPanel::LampPanel(QWidget *parent)
    : Element(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void LampPanel::setLightDiameter(double twips)
{
    setLampProperty(m_lightDiameter, twips);
}

void LampPanel::setLightSpacing(double twips)
{
    setLampProperty(m_lightSpacing, twips);
}

void LampPanel::setLampProperty(int &field, double twips)
{
    if (!TwipsProperty::assign(field, twips))
        return;
    rebuild();
    update();
}

void LampPanel::rebuild()
{
    m_lamps = QPainterPath();
    const qreal diameter = qreal(m_lightDiameter) / TwipsPerPixel;
    const qreal pitch = diameter + qreal(m_lightSpacing) / TwipsPerPixel;
    // Lamps smaller than a pixel would not show, only cost.
    if (diameter < 1)
        return;
    for (qreal left = 0; left + diameter <= width(); left += pitch)
        m_lamps.addEllipse(QRectF(left, (height() - diameter) / 2, diameter, diameter));
}

void LampPanel::resizeEvent(QResizeEvent *event)
{
    Element::resizeEvent(event);
    rebuild();
}

void LampPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(m_lamps, LampColour);
}
