#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QVariantList>

#include <functional>

class QPainter;
class QRegion;
class QWidget;

// An element's painting kept as pixels, so that a repaint copies them instead of drawing large text or
// figures anew: at projector sizes Qt fills every glyph outline and every rounded frame on each repaint.
// The painting is drawn on a transparent background at the widget's size and device pixel ratio, a few
// hundred rows at a time so that a window-sized element needs no window-sized image, from the second
// repaint at a size and look on (the first is drawn directly), and cut into bands of a few rows. Each
// band keeps only the runs of columns that hold paint, and within a run, columns painted in one opaque
// colour over the same rows are kept as that colour and filled; the rest is kept as images trimmed to
// their painted rows and columns. So a frame around a large area keeps little more than its rounded
// corners as pixels, and a repaint reads little more than those: the repaint of a large window is bound
// by memory, and every byte read from a kept image counts. A piece that continues one of the band above
// lengthens it. It is drawn again when the widget's size or its look (the values the painting depends
// on, as the element lists them) changes.
//
// Caching can be switched off process-wide: elements then paint directly on every repaint, and LED panels
// fill each lamp's shape and repaint whole, as they did before; the pixel tests and the benchmarks compare
// the two.
class PaintCache
{
public:
    using Painter = std::function<void(QPainter &)>;

    static void setEnabled(bool enabled) { s_enabled = enabled; }
    static bool enabled() { return s_enabled; }

    // Paints widget's look with paint into painter, the widget's own, for the repaint of region.
    void paint(QPainter &painter, const QWidget &widget, const QRegion &region, const QVariantList &look,
               const Painter &paint);

private:
    // Painted pixels in device pixels: an image, or for one opaque colour a fill. While it is built, the
    // image is kept as the strips of the bands it spans.
    struct Piece
    {
        QRect area;
        QImage image;
        QColor colour;
        QList<QImage> strips;
    };

    void redraw(QSize deviceSize, qreal ratio, const Painter &paint);
    // Adds the painted pieces of one band of chunk, whose first row is the widget's row chunkTop.
    void addBand(const QImage &chunk, int chunkTop, const QRect &band, QList<qsizetype> &above);
    // Adds the part inChunk of chunk, one opaque colour or (colour invalid) an image, as a piece of its own
    // or as the continuation of one of the band above; returns the piece's index.
    qsizetype addPiece(const QImage &chunk, int chunkTop, const QRect &inChunk, const QColor &colour,
                       const QList<qsizetype> &above);
    static QImage joined(const Piece &piece);

    static inline bool s_enabled = true;

    // Whether m_pieces hold the painting of m_look at m_size and m_ratio.
    bool m_kept = false;
    QVariantList m_look;
    QSize m_size;
    qreal m_ratio = 0;
    // What the last repaint asked for; kept as pixels once a repaint asks for it again.
    QVariantList m_pendingLook;
    QSize m_pendingSize;
    qreal m_pendingRatio = 0;
    QList<Piece> m_pieces;
};
