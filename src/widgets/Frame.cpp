#include "widgets/Frame.h"

#include "widgets/FontFit.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace {

// The caption stands this far in from the frame's left edge, with a gap in the line on either side.
constexpr int CaptionInset = 8;
constexpr int CaptionGap = 2;

} // namespace

Frame::Frame(QWidget *parent)
    : QGroupBox(parent)
    , TwipsGeometry(this)
{
}

QFont Frame::captionFont() const
{
    // Not the frame's own font, which the elements inside it inherit.
    // One line: only the width limits it.
    const QSize room(width() - 2 * CaptionInset, 2 * fontMetrics().height());
    return FontFit::fitted(font(), title(), room, Qt::TextShowMnemonic);
}

QRect Frame::captionRect() const
{
    if (title().isEmpty())
        return {};
    const QSize text = QFontMetrics(captionFont()).size(Qt::TextShowMnemonic, title());
    return {CaptionInset, 0, text.width(), text.height()};
}

int Frame::lineTop() const
{
    return fontMetrics().height() / 2;
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect caption = captionRect();
    if (caption.isValid())
        painter.setClipRegion(QRegion(rect()) - caption.adjusted(-CaptionGap, 0, CaptionGap, 0));
    // An etched line, as Qt draws a sunken box; the styles' own group-box frames bring their own
    // distance from the caption.
    qDrawShadeRect(&painter, rect().adjusted(0, lineTop(), 0, 0), palette(), true);
    painter.setClipping(false);
    painter.setFont(captionFont());
    if (caption.isValid())
        style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, palette(),
                              isEnabled(), title(), QPalette::WindowText);
}
