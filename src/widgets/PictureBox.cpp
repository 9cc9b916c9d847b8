#include "widgets/PictureBox.h"

#include "platform/VirtualKey.h"
#include "widgets/ColorValue.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

PictureBox::PictureBox(QWidget *parent)
    : Element(parent)
{
    setFocusPolicy(focusPolicyFor(false));
}

Qt::FocusPolicy PictureBox::focusPolicyFor(bool tabStop)
{
    // Qt's StrongFocus without its click part: the bit left over keeps the box in the focus chain even
    // when Tab does not visit it.
    const int policy = Qt::StrongFocus & ~Qt::ClickFocus;
    return Qt::FocusPolicy(tabStop ? policy : policy & ~Qt::TabFocus);
}

void PictureBox::setBackColor(int color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void PictureBox::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // The region, not its bounding rectangle: the LED panels inside paint their own areas.
    const QColor back = ColorValue::toQColor(m_backColor);
    for (const QRect &part : event->region())
        painter.fillRect(part, back);
    if (m_borderStyle == 1)
        qDrawWinPanel(&painter, rect(), palette(), true);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    Element::mousePressEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    qint16 keyCode = VirtualKey::fromKeyEvent(*event);
    emit KeyDown(keyCode, VirtualKey::shiftState(event->modifiers()));
    event->accept();
}

void PictureBox::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        emit KeyUp(VirtualKey::fromKeyEvent(*event), VirtualKey::shiftState(event->modifiers()));
    event->accept();
}
