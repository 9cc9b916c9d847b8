#pragma once

#include "widgets/Element.h"
#include "widgets/LedGlyph.h"
#include "widgets/LedGlyphCache.h"
#include "widgets/LedLayout.h"

#include <QColor>

#include <optional>

// Common ground of the LED display panels: background and lit colours, the digit style and the stroke
// size, and the painting of a row of digit and separator cells like an electronic scoreboard. Lit lamps
// take the lit colour; unlit lamps stay faintly visible, the lit colour blended a little into the
// background. The cells are placed whenever the size, a property or the shown cells change; a repaint
// copies each cell from the glyph cache, and a new value repaints only the cells that show something
// else (a clock refresh mostly one digit). A write that changes nothing does not repaint. With caching
// switched off (PaintCache::setEnabled) the panel fills every lamp's shape on each repaint and repaints
// whole on any change.
//
// Size is the stroke in tenths of a point (2 twips each): the thickness of a segment in the Lines style
// or the diameter of a dot in the Dots style (Size 80 is an 8-point stroke, about 11 pixels on a board of
// its design size: a bold scoreboard digit), clamped to what the cells allow (a bar at most a quarter of
// the digit's width, dots at most 0.9 of their pitch, never under one pixel). LedType 0 is "Lines", 1 is
// "Dots"; any other style is refused and leaves the panel as it is. A colour outside 0 to 0xFFFFFF counts
// by its low 24 bits, as it does for the labels, shapes and arrows beside the panel.
class LedPanel : public Element
{
    Q_OBJECT
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int LitColor READ litColor WRITE setLitColor)
    Q_PROPERTY(int LedType READ ledType WRITE setLedType)
    Q_PROPERTY(double Size READ sizeTwips WRITE setSizeTwips)

public:
    static constexpr int DefaultSize = 45;
    static constexpr int TwipsPerSizeUnit = 2;

    int backColor() const { return m_backColor; }
    void setBackColor(int colour);
    int litColor() const { return m_litColor; }
    void setLitColor(int colour);
    int ledType() const { return static_cast<int>(m_style); }
    void setLedType(int type);
    int sizeTwips() const { return m_size; }
    void setSizeTwips(double twips);

    // What the cells show now, one character per cell: digits and '-', a blank for a dark cell, ':' and
    // '.' for separators.
    QString cellText() const { return currentCells(); }

    // Whether the last paint copied its cells from the glyph cache rather than filling their shapes.
    bool paintedFromCache() const { return m_paintedFromCache; }
    // How many cell images the glyph cache holds.
    qsizetype cachedCellImages() const { return m_cache.imageCount(); }

protected:
    explicit LedPanel(QWidget *parent = nullptr);

    virtual QString currentCells() const = 0;
    // The cell text that sizes the digits; by default the current one.
    virtual QString referenceCells() const { return currentCells(); }
    // Margins and gaps in pixels for the present size.
    virtual LedLayout::Spacing spacing() const = 0;
    virtual QColor separatorColor() const { return m_palette.lit; }

    // The shown value changed: rebuilds and repaints only when the cells show something else.
    void contentChanged();
    // A property that shapes the lamps changed.
    void layoutChanged();
    static qreal twipsToPixelsF(int twips) { return qreal(twips) / TwipsPerPixel; }

    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void rebuild();
    void updateColours();
    QRect changedArea(const LedLayout::Arrangement &before) const;
    bool cellsOnPixelGrid(qreal ratio) const;
    void paintFromShapes(QPainter &painter);
    // False, having drawn nothing, when a cell has no image.
    bool paintFromCache(QPainter &painter, const QRegion &region);

    int m_backColor = 0;
    int m_litColor = 0;
    LedGlyph::Style m_style = LedGlyph::Style::Lines;
    int m_size = DefaultSize;

    LedGlyphCache::Palette m_palette;
    QString m_builtCells;
    LedLayout::Arrangement m_arrangement;
    // Built on the first paint that needs them: the cache draws its cells from shapes of its own.
    std::optional<LedGlyph::Shapes> m_shapes;
    LedGlyphCache m_cache;
    bool m_paintedFromCache = false;
    QSize m_paintedSize;
};
