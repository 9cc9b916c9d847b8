#pragma once

#include "widgets/LedGlyph.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QSizeF>

class QPainter;

// Ready-drawn cells of an LED panel, so that a repaint copies pixels instead of filling antialiased lamp
// shapes: one opaque image per character and cell size, background included, drawn once with the very
// shapes and colours the panel would fill and kept until the look (digit style, stroke, colours or
// device pixel ratio) changes. The images match direct drawing pixel for pixel where a cell lies on
// whole device pixels, which the panel checks before it draws from here, and where its lamps stay inside
// its box, which they do but in panels squeezed to a few pixels: such cells have no image.
class LedGlyphCache
{
public:
    struct Palette
    {
        QColor back;
        QColor lit;
        QColor unlit;
        QColor separator;

        bool operator==(const Palette &) const = default;
    };
    struct Look
    {
        LedGlyph::Style style = LedGlyph::Style::Lines;
        qreal stroke = 0;
        Palette palette;
        qreal devicePixelRatio = 1;

        bool operator==(const Look &) const = default;
    };

    // The image of a cell showing c in a box of size (logical pixels) for look, drawn on first use; a null
    // image when the cell's lamps reach out of its box.
    const QImage &cell(const Look &look, QChar c, QSizeF size);
    // Drops the images of cells of any other size: a panel resized again and again keeps the images of
    // the cells it shows now, not of every size it ever had.
    void keepSizes(const QList<QSizeF> &sizes);
    qsizetype imageCount() const { return m_entries.size(); }

    // Fills shapes in palette's colours, unlit lamps first, on a background already painted.
    static void fillShapes(QPainter &painter, const LedGlyph::Shapes &shapes, const Palette &palette);

private:
    struct Entry
    {
        QChar character;
        QSizeF size;
        QImage image;
    };

    QImage draw(QChar c, QSizeF size) const;

    Look m_look;
    QList<Entry> m_entries;
};
