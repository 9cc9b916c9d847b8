#include "widgets/LedGlyphCache.h"

#include <QPainter>

const QImage &LedGlyphCache::cell(const Look &look, QChar c, QSizeF size)
{
    if (!(look == m_look)) {
        m_look = look;
        m_entries.clear();
    }
    // A panel shows a dozen different cells at most, so a list beats a hash.
    for (const Entry &entry : std::as_const(m_entries)) {
        if (entry.character == c && entry.size == size)
            return entry.image;
    }
    m_entries.append({c, size, draw(c, size)});
    return m_entries.last().image;
}

void LedGlyphCache::keepSizes(const QList<QSizeF> &sizes)
{
    m_entries.removeIf([&sizes](const Entry &entry) { return !sizes.contains(entry.size); });
}

QImage LedGlyphCache::draw(QChar c, QSizeF size) const
{
    const QRectF box(QPointF(), size);
    LedGlyph::Shapes shapes;
    LedGlyph::addCell(shapes, m_look.style, c, box, m_look.stroke);
    for (const QPainterPath *path : {&shapes.lit, &shapes.unlit, &shapes.separators}) {
        if (!path->isEmpty() && !box.contains(path->boundingRect()))
            return {};
    }
    QImage image((size * m_look.devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(m_look.devicePixelRatio);
    image.fill(m_look.palette.back);
    QPainter painter(&image);
    fillShapes(painter, shapes, m_look.palette);
    return image;
}

void LedGlyphCache::fillShapes(QPainter &painter, const LedGlyph::Shapes &shapes, const Palette &palette)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shapes.unlit, palette.unlit);
    painter.fillPath(shapes.lit, palette.lit);
    painter.fillPath(shapes.separators, palette.separator);
}
