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

// Which columns of the band hold a pixel that is not fully transparent.
QList<bool> paintedColumns(const QImage &image, const QRect &band)
{
    QList<bool> painted(band.width(), false);
    for (int y = band.top(); y <= band.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < band.width(); ++x)
            painted[x] = painted[x] || line[x] != 0;
    }
    return painted;
}

// The runs of painted columns, gaps narrower than SmallestGap bridged.
QList<std::pair<int, int>> runs(const QList<bool> &painted)
{
    QList<std::pair<int, int>> found;
    for (int x = 0; x < painted.size(); ++x) {
        if (!painted[x])
            continue;
        if (!found.isEmpty() && x - found.last().second <= SmallestGap)
            found.last().second = x + 1;
        else
            found.append({x, x + 1});
    }
    return found;
}

// The rows of area that hold paint: a band's run of a horizontal edge keeps only the edge's rows.
QRect trimmedRows(const QImage &image, QRect area)
{
    const auto painted = [&](int y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y)) + area.left();
        return std::any_of(line, line + area.width(), [](QRgb pixel) { return pixel != 0; });
    };
    while (!painted(area.top()))
        area.setTop(area.top() + 1);
    while (!painted(area.bottom()))
        area.setBottom(area.bottom() - 1);
    return area;
}

// The colour of an area whose pixels are all one opaque colour, or an invalid colour.
QColor uniformColour(const QImage &image, const QRect &area)
{
    const QRgb first = image.pixel(area.topLeft());
    if (qAlpha(first) != 255)
        return {};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y)) + area.left();
        if (!std::all_of(line, line + area.width(), [first](QRgb pixel) { return pixel == first; }))
            return {};
    }
    return QColor(first);
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
    if (look != m_look || widget.size() != m_size || ratio != m_ratio) {
        // A new size or look is painted directly the first time and kept from the next repaint on: while
        // a window is dragged to a new size every repaint has a size of its own, and keeping pixels for
        // a size about to change would cost more than drawing them.
        const bool settled = look == m_pendingLook && widget.size() == m_pendingSize && ratio == m_pendingRatio;
        m_pendingLook = look;
        m_pendingSize = widget.size();
        m_pendingRatio = ratio;
        if (!settled) {
            m_pieces.clear();
            paint(painter);
            return;
        }
        m_look = look;
        m_size = widget.size();
        m_ratio = ratio;
        redraw((QSizeF(m_size) * ratio).toSize(), ratio, paint);
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
    m_pieces.clear();
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
    QList<qsizetype> current;
    for (const auto &[left, right] : runs(paintedColumns(chunk, band))) {
        const QRect inChunk = trimmedRows(chunk, QRect(left, band.top(), right - left, band.height()));
        const QRect area = inChunk.translated(0, chunkTop);
        const QColor colour = uniformColour(chunk, inChunk);
        const auto continued = std::find_if(above.begin(), above.end(), [&](qsizetype index) {
            const Piece &piece = m_pieces[index];
            return piece.area.left() == area.left() && piece.area.right() == area.right()
                && piece.area.bottom() + 1 == area.top() && piece.colour == colour;
        });
        qsizetype index = continued != above.end() ? *continued : m_pieces.size();
        if (continued == above.end())
            m_pieces.append({area, QImage(), colour, {}});
        else
            m_pieces[index].area.setBottom(area.bottom());
        if (!colour.isValid())
            m_pieces[index].strips.append(chunk.copy(inChunk));
        current.append(index);
    }
    above = current;
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
