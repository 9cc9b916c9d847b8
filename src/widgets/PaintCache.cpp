#include "widgets/PaintCache.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <cstring>

namespace {

// Rows drawn at a time: a window-wide strip of them is a few megabytes at most.
constexpr int ChunkHeight = 256;
// Rows per band, a divisor of ChunkHeight: a few, so that a frame's edges leave little empty space in
// their runs.
constexpr int BandHeight = 32;
// Columns without paint shorter than this do not split a run: each piece costs a call to draw.
constexpr int SmallestGap = 64;
// Columns of one colour narrower than this stay in the image beside them, for the same reason.
constexpr int SmallestFill = 16;

// The paint of one column of a band: the rows from its first to its last painted pixel, and whether
// all of those hold the same opaque colour.
struct ColumnPaint
{
    int top = 0;
    int bottom = -1;
    int count = 0;
    QRgb colour = 0;
    bool oneColour = true;

    bool painted() const { return count > 0; }
    bool filled() const { return oneColour && qAlpha(colour) == 255 && count == bottom - top + 1; }
    bool fillsLike(const ColumnPaint &other) const
    {
        return filled() && top == other.top && bottom == other.bottom && colour == other.colour;
    }
};

// Pixels checked together for paint: most of a large element's area holds none, and a block of them
// is passed over at once.
constexpr int BlankBlock = 8;

bool blank(const QRgb *pixels)
{
    QRgb any = 0;
    for (int i = 0; i < BlankBlock; ++i)
        any |= pixels[i];
    return any == 0;
}

QList<ColumnPaint> columnPaint(const QImage &image, const QRect &band)
{
    QList<ColumnPaint> columns(band.width());
    for (int y = band.top(); y <= band.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y)) + band.left();
        for (int x = 0; x < band.width(); ++x) {
            if (x % BlankBlock == 0 && x + BlankBlock <= band.width() && blank(line + x)) {
                x += BlankBlock - 1;
                continue;
            }
            const QRgb pixel = line[x];
            if (pixel == 0)
                continue;
            ColumnPaint &column = columns[x];
            if (column.count++ == 0) {
                column.top = y;
                column.colour = pixel;
            }
            column.oneColour = column.oneColour && pixel == column.colour;
            column.bottom = y;
        }
    }
    return columns;
}

// The runs of painted columns, gaps narrower than SmallestGap bridged.
QList<std::pair<int, int>> paintedRuns(const QList<ColumnPaint> &columns)
{
    QList<std::pair<int, int>> found;
    for (int x = 0; x < columns.size(); ++x) {
        if (!columns[x].painted())
            continue;
        if (!found.isEmpty() && x - found.last().second <= SmallestGap)
            found.last().second = x + 1;
        else
            found.append({x, x + 1});
    }
    return found;
}

// The part of area that holds paint; empty when none does.
QRect paintedPart(const QList<ColumnPaint> &columns, int left, const QRect &area)
{
    QRect part;
    for (int x = area.left(); x <= area.right(); ++x) {
        const ColumnPaint &column = columns[x - left];
        if (column.painted())
            part |= QRect(x, column.top, 1, column.bottom - column.top + 1);
    }
    return part;
}

// A run of a band cut into the parts kept as one colour (a valid colour) and the parts kept as images.
QList<std::pair<QRect, QColor>> runParts(const QList<ColumnPaint> &columns, int left, const QRect &run)
{
    QList<std::pair<QRect, QColor>> parts;
    int imageStart = -1;
    const auto endImage = [&](int end) {
        if (imageStart < 0)
            return;
        const QRect part = paintedPart(columns, left, QRect(imageStart, run.top(), end - imageStart, run.height()));
        if (!part.isEmpty())
            parts.append({part, QColor()});
        imageStart = -1;
    };
    for (int x = run.left(); x <= run.right();) {
        const ColumnPaint &column = columns[x - left];
        int end = x + 1;
        while (column.filled() && end <= run.right() && columns[end - left].fillsLike(column))
            ++end;
        if (column.filled() && end - x >= SmallestFill) {
            endImage(x);
            parts.append({QRect(x, column.top, end - x, column.bottom - column.top + 1), QColor(column.colour)});
        } else if (imageStart < 0) {
            imageStart = x;
        }
        x = end;
    }
    endImage(run.right() + 1);
    return parts;
}

} // namespace

void PaintCache::paint(QPainter &painter, const QWidget &widget, const QRegion &region, const QVariantList &look,
                       const Painter &paint)
{
    if (!s_enabled) {
        paint(painter);
        return;
    }
    const qreal ratio = widget.devicePixelRatioF();
    if (!m_kept || look != m_look || widget.size() != m_size || ratio != m_ratio) {
        // A new size or look is painted directly the first time and kept from the next repaint on: while
        // a window is dragged to a new size every repaint has a size of its own, and keeping pixels for
        // a size about to change would cost more than drawing them. What was kept is dropped either
        // way, so that returning to it draws it again.
        const bool settled = look == m_pendingLook && widget.size() == m_pendingSize && ratio == m_pendingRatio;
        m_pendingLook = look;
        m_pendingSize = widget.size();
        m_pendingRatio = ratio;
        m_kept = false;
        m_pieces.clear();
        if (!settled) {
            paint(painter);
            return;
        }
        m_look = look;
        m_size = widget.size();
        m_ratio = ratio;
        redraw((QSizeF(m_size) * ratio).toSize(), ratio, paint);
        m_kept = true;
    }
    for (const Piece &piece : std::as_const(m_pieces)) {
        const QRectF area(QPointF(piece.area.topLeft()) / ratio, QSizeF(piece.area.size()) / ratio);
        if (!region.intersects(area.toAlignedRect()))
            continue;
        if (piece.colour.isValid())
            painter.fillRect(area, piece.colour);
        else
            painter.drawImage(area.topLeft(), piece.image);
    }
}

void PaintCache::redraw(QSize deviceSize, qreal ratio, const Painter &paint)
{
    if (deviceSize.isEmpty())
        return;
    QImage chunk(deviceSize.width(), std::min(deviceSize.height(), ChunkHeight), QImage::Format_ARGB32_Premultiplied);
    chunk.setDevicePixelRatio(ratio);
    QList<qsizetype> above;
    for (int top = 0; top < deviceSize.height(); top += ChunkHeight) {
        chunk.fill(Qt::transparent);
        {
            QPainter painter(&chunk);
            painter.translate(0, -top / ratio);
            paint(painter);
        }
        const int rows = std::min(ChunkHeight, deviceSize.height() - top);
        for (int y = 0; y < rows; y += BandHeight)
            addBand(chunk, top, QRect(0, y, deviceSize.width(), std::min(BandHeight, rows - y)), above);
    }
    for (Piece &piece : m_pieces) {
        if (piece.colour.isValid())
            continue;
        piece.image = joined(piece);
        piece.image.setDevicePixelRatio(ratio);
        piece.strips.clear();
    }
}

void PaintCache::addBand(const QImage &chunk, int chunkTop, const QRect &band, QList<qsizetype> &above)
{
    const QList<ColumnPaint> columns = columnPaint(chunk, band);
    QList<qsizetype> current;
    for (const auto &[left, right] : paintedRuns(columns)) {
        const QRect run(left, band.top(), right - left, band.height());
        for (const auto &[part, colour] : runParts(columns, band.left(), run))
            current.append(addPiece(chunk, chunkTop, part, colour, above));
    }
    above = current;
}

qsizetype PaintCache::addPiece(const QImage &chunk, int chunkTop, const QRect &inChunk, const QColor &colour,
                               const QList<qsizetype> &above)
{
    const QRect area = inChunk.translated(0, chunkTop);
    const auto continued = std::find_if(above.begin(), above.end(), [&](qsizetype index) {
        const Piece &piece = m_pieces[index];
        return piece.area.left() == area.left() && piece.area.right() == area.right()
            && piece.area.bottom() + 1 == area.top() && piece.colour == colour;
    });
    const qsizetype index = continued != above.end() ? *continued : m_pieces.size();
    if (continued == above.end())
        m_pieces.append({area, QImage(), colour, {}});
    else
        m_pieces[index].area.setBottom(area.bottom());
    if (!colour.isValid())
        m_pieces[index].strips.append(chunk.copy(inChunk));
    return index;
}

QImage PaintCache::joined(const Piece &piece)
{
    if (piece.strips.size() == 1)
        return piece.strips.first();
    QImage image(piece.area.size(), QImage::Format_ARGB32_Premultiplied);
    int y = 0;
    for (const QImage &strip : piece.strips) {
        for (int row = 0; row < strip.height(); ++row, ++y)
            std::memcpy(image.scanLine(y), strip.constScanLine(row), size_t(strip.bytesPerLine()));
    }
    return image;
}
