#include "Label.h"

#include "ColorValue.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

Label::Label(QWidget *parent)
    : Element(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    applyFont();
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void Label::setFontSize(double points)
{
    // A font of size 0 or a nonsense size would make Qt fall back to its default; keep it tiny instead.
    // Above the largest sensible size (far taller than any screen) it is capped, so that a hand-edited
    // setting cannot make the font engine rasterise absurd glyphs.
    constexpr double LargestSize = 2000.0;
    const double size = std::isfinite(points) ? std::clamp(points, 1.0, LargestSize) : 1.0;
    if (size == m_fontSize)
        return;
    m_fontSize = size;
    applyFont();
}

void Label::setFontName(const QString &name)
{
    m_fontName = name;
    applyFont();
}

void Label::setFontBold(bool bold)
{
    m_fontBold = bold;
    applyFont();
}

void Label::setForeColor(int color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    update();
}

void Label::setAlignment(int alignment)
{
    m_alignment = alignment;
    update();
}

void Label::setClickable(bool clickable)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, !clickable);
}

void Label::applyFont()
{
    QFont labelFont(m_fontName);
    labelFont.setPointSizeF(m_fontSize);
    labelFont.setBold(m_fontBold);
    setFont(labelFont);
    update();
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(ColorValue::toQColor(m_foreColor));
    Qt::Alignment horizontal = Qt::AlignHCenter;
    if (m_alignment == LeftJustify)
        horizontal = Qt::AlignLeft;
    else if (m_alignment == RightJustify)
        horizontal = Qt::AlignRight;
    // Text starts at the top like the classic label, so design positions keep their meaning.
    painter.drawText(rect(), int(horizontal | Qt::AlignTop), m_caption);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}
