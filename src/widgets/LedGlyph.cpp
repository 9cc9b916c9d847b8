#include "widgets/LedGlyph.h"

#include <QPolygonF>

#include <array>

namespace {

// Segments a (top), b (top right), c (bottom right), d (bottom), e (bottom left), f (top left), g (middle).
constexpr std::array<quint8, 10> SegmentDigits = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr quint8 SegmentMinus = 0x40;

// Rows of the 5 x 7 font, top first; the high bit of the five is the left column.
using DotGlyph = std::array<quint8, LedGlyph::DotRows>;
constexpr std::array<DotGlyph, 10> DotDigits = {{
    {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E},
    {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F},
    {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02},
    {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E},
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E},
    {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
}};
constexpr DotGlyph DotMinus = {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00};

quint64 dotMask(const DotGlyph &glyph)
{
    quint64 mask = 0;
    for (int row = 0; row < LedGlyph::DotRows; ++row) {
        for (int column = 0; column < LedGlyph::DotColumns; ++column) {
            if (glyph[row] & (0x10 >> column))
                mask |= quint64(1) << (row * LedGlyph::DotColumns + column);
        }
    }
    return mask;
}

QPainterPath polygonPath(const QPolygonF &polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath dotPath(QPointF centre, qreal diameter)
{
    QPainterPath path;
    path.addEllipse(centre, diameter / 2, diameter / 2);
    return path;
}

// A bar between two corner points with 45-degree bevelled tips, kept gap short of each corner so that
// neighbouring segments stay apart.
QPainterPath horizontalBar(qreal left, qreal right, qreal y, qreal half, qreal gap)
{
    left += gap;
    right -= gap;
    return polygonPath(QPolygonF({{left, y},
                                  {left + half, y - half},
                                  {right - half, y - half},
                                  {right, y},
                                  {right - half, y + half},
                                  {left + half, y + half}}));
}

QPainterPath verticalBar(qreal x, qreal top, qreal bottom, qreal half, qreal gap)
{
    top += gap;
    bottom -= gap;
    return polygonPath(QPolygonF({{x, top},
                                  {x + half, top + half},
                                  {x + half, bottom - half},
                                  {x, bottom},
                                  {x - half, bottom - half},
                                  {x - half, top + half}}));
}

// Centre line of the middle bar, on the pixel grid when the box is, so that its edges stay crisp.
qreal middleLine(const QRectF &box, qreal stroke)
{
    return box.top() + std::floor((box.height() - stroke) / 2) + stroke / 2;
}

} // namespace

void LedGlyph::addCell(Shapes &shapes, Style style, QChar c, const QRectF &box, qreal stroke)
{
    if (isSeparator(c)) {
        shapes.separators.addPath(separatorShape(style, c, box, stroke));
        return;
    }
    const quint64 lit = litMask(style, c);
    const QList<QPainterPath> lamps = lampShapes(style, box, stroke);
    for (qsizetype i = 0; i < lamps.size(); ++i)
        (lit & (quint64(1) << i) ? shapes.lit : shapes.unlit).addPath(lamps[i]);
}

QList<QPainterPath> LedGlyph::lampShapes(Style style, const QRectF &box, qreal stroke)
{
    return style == Style::Dots ? dotShapes(box, stroke) : segmentShapes(box, stroke);
}

QList<QPainterPath> LedGlyph::segmentShapes(const QRectF &box, qreal stroke)
{
    const qreal half = stroke / 2;
    const qreal gap = stroke * 0.1 + 0.35;
    const qreal left = box.left() + half;
    const qreal right = box.right() - half;
    const qreal top = box.top() + half;
    const qreal middle = middleLine(box, stroke);
    const qreal bottom = box.bottom() - half;
    return {horizontalBar(left, right, top, half, gap),    verticalBar(right, top, middle, half, gap),
            verticalBar(right, middle, bottom, half, gap), horizontalBar(left, right, bottom, half, gap),
            verticalBar(left, middle, bottom, half, gap),  verticalBar(left, top, middle, half, gap),
            horizontalBar(left, right, middle, half, gap)};
}

QList<QPainterPath> LedGlyph::dotShapes(const QRectF &box, qreal diameter)
{
    const qreal pitch = box.width() / DotColumns;
    QList<QPainterPath> dots;
    dots.reserve(DotRows * DotColumns);
    for (int row = 0; row < DotRows; ++row) {
        for (int column = 0; column < DotColumns; ++column)
            dots.append(dotPath(box.topLeft() + QPointF((column + 0.5) * pitch, (row + 0.5) * pitch), diameter));
    }
    return dots;
}

quint64 LedGlyph::litMask(Style style, QChar c)
{
    const bool dots = style == Style::Dots;
    if (c >= u'0' && c <= u'9') {
        const int digit = c.unicode() - u'0';
        return dots ? dotMask(DotDigits[digit]) : SegmentDigits[digit];
    }
    if (c == u'-')
        return dots ? dotMask(DotMinus) : SegmentMinus;
    return 0;
}

QPainterPath LedGlyph::separatorShape(Style style, QChar separator, const QRectF &box, qreal stroke)
{
    QList<qreal> centres;
    qreal diameter = box.width();
    if (style == Style::Dots) {
        const qreal pitch = box.width();
        const auto rowCentre = [&](int row) { return box.top() + (row + 0.5) * pitch; };
        centres = separator == u':' ? QList<qreal> {rowCentre(2), rowCentre(4)} : QList<qreal> {rowCentre(DotRows - 1)};
        diameter = stroke;
    } else if (separator == u':') {
        // Halfway between the bars' centre lines, above and below the middle bar.
        const qreal middle = middleLine(box, stroke);
        centres = {(box.top() + stroke / 2 + middle) / 2, (middle + box.bottom() - stroke / 2) / 2};
    } else {
        centres = {box.bottom() - diameter / 2};
    }
    QPainterPath path;
    for (qreal y : centres)
        path.addPath(dotPath(QPointF(box.center().x(), y), diameter));
    return path;
}
