#include "widgets/Label.h"

#include "widgets/ColorValue.h"
#include "widgets/DesignFont.h"
#include "widgets/FontFit.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

Label::Label(QWidget *parent)
    : Element(parent)
{
    setFocusPolicy(Qt::NoFocus);
    applyFont();
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    fitToText();
    showFittedFont();
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

void Label::setBackColor(int color)
{
    m_backColor = color;
    update();
}

void Label::setAlignment(int alignment)
{
    m_alignment = alignment;
    update();
}

void Label::setBackStyle(int style)
{
    m_backStyle = style;
    update();
}

void Label::setBorderStyle(int style)
{
    m_borderStyle = style;
    fitToText();
    showFittedFont();
}

void Label::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    showFittedFont();
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToText();
}

void Label::fitToText()
{
    if (!m_autoSize)
        return;
    const QSize text = QFontMetrics(m_designFont).size(0, m_caption);
    const int border = 2 * borderPixels();
    setWidthTwips(double(text.width() + border) * TwipsPerPixel);
    setHeightTwips(double(text.height() + border) * TwipsPerPixel);
}

void Label::setClickable(bool clickable)
{
    m_clickable = clickable;
}

void Label::setShrinkToFit(bool shrink)
{
    m_shrinkToFit = shrink;
    showFittedFont();
}

void Label::applyFont()
{
    m_designFont = DesignFont::font(m_fontName, m_fontSize, m_fontBold);
    fitToText();
    showFittedFont();
}

void Label::showFittedFont()
{
    const QFont shown
        = m_shrinkToFit ? FontFit::fitted(m_designFont, m_caption, textRect().size(), textFlags()) : m_designFont;
    if (shown != font())
        setFont(shown);
    update();
}

void Label::resizeEvent(QResizeEvent *)
{
    if (m_shrinkToFit)
        showFittedFont();
}

void Label::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QVariantList look {m_caption,   font(),        m_foreColor, m_backColor,         m_alignment,
                             m_backStyle, m_borderStyle, m_wordWrap,  palette().cacheKey()};
    m_paintCache.paint(painter, *this, event->region(), look, [this](QPainter &target) { paintLook(target); });
}

void Label::paintLook(QPainter &painter) const
{
    if (m_backStyle == Opaque)
        painter.fillRect(rect(), ColorValue::toQColor(m_backColor));
    if (m_borderStyle == FixedSingle)
        qDrawWinPanel(&painter, rect(), palette(), true);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // A painter on the cache's image does not take the widget's font.
    painter.setFont(font());
    painter.setPen(ColorValue::toQColor(m_foreColor));
    painter.drawText(textRect(), textFlags(), m_caption);
}

QRect Label::textRect() const
{
    const int border = borderPixels();
    return rect().adjusted(border, border, -border, -border);
}

int Label::textFlags() const
{
    Qt::Alignment horizontal = Qt::AlignHCenter;
    if (m_alignment == LeftJustify)
        horizontal = Qt::AlignLeft;
    else if (m_alignment == RightJustify)
        horizontal = Qt::AlignRight;
    // Text starts at the top like the classic label, so design positions keep their meaning; inside a
    // frame it is centred, as a native dialog centres a read-out in its box.
    const Qt::Alignment vertical = m_borderStyle == FixedSingle ? Qt::AlignVCenter : Qt::AlignTop;
    return int(horizontal | vertical) | (m_wordWrap ? int(Qt::TextWordWrap) : 0);
}

bool Label::captionFits() const
{
    return FontFit::fits(m_designFont, m_caption, textRect().size(), textFlags());
}

void Label::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_clickable && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}
