#include "widgets/LedPanel.h"

#include "widgets/ColorValue.h"
#include "widgets/PaintCache.h"
#include "widgets/TwipsProperty.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// How much of the lit colour shows in an unlit lamp: enough to see the idle digits, as on a real board.
constexpr qreal UnlitShare = 0.13;

QColor blend(const QColor &from, const QColor &to, qreal share)
{
    const auto mix = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

} // namespace

LedPanel::LedPanel(QWidget *parent)
    : Element(parent)
    , m_litColor(ColorValue::Red)
{
    setFocusPolicy(Qt::StrongFocus);
    // The panel paints every pixel, so Qt need not repaint what lies beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateColours();
}

void LedPanel::setBackColor(int colour)
{
    colour = ColorValue::rgb(colour);
    if (colour == m_backColor)
        return;
    m_backColor = colour;
    updateColours();
}

void LedPanel::setLitColor(int colour)
{
    colour = ColorValue::rgb(colour);
    if (colour == m_litColor)
        return;
    m_litColor = colour;
    updateColours();
}

void LedPanel::setLedType(int type)
{
    if ((type != int(LedGlyph::Style::Lines) && type != int(LedGlyph::Style::Dots)) || type == ledType())
        return;
    m_style = static_cast<LedGlyph::Style>(type);
    layoutChanged();
}

void LedPanel::setSizeTwips(double twips)
{
    if (TwipsProperty::assign(m_size, twips))
        layoutChanged();
}

void LedPanel::contentChanged()
{
    if (currentCells() == m_builtCells)
        return;
    if (!PaintCache::enabled()) {
        layoutChanged();
        return;
    }
    const LedLayout::Arrangement before = m_arrangement;
    rebuild();
    update(changedArea(before));
}

void LedPanel::layoutChanged()
{
    rebuild();
    update();
}

void LedPanel::updateColours()
{
    m_palette.back = ColorValue::toQColor(m_backColor);
    m_palette.lit = ColorValue::toQColor(m_litColor);
    m_palette.unlit = blend(m_palette.back, m_palette.lit, UnlitShare);
    update();
}

void LedPanel::rebuild()
{
    m_builtCells = currentCells();
    m_arrangement = LedLayout::arrange(size(), spacing(), m_style, twipsToPixelsF(m_size * TwipsPerSizeUnit),
                                       referenceCells(), m_builtCells);
    m_shapes.reset();
    QList<QSizeF> sizes;
    for (const LedLayout::Cell &cell : std::as_const(m_arrangement.cells))
        sizes.append(cell.box.size());
    m_cache.keepSizes(sizes);
}

// The cells that show another character or moved, or the whole panel when the lamps changed size.
QRect LedPanel::changedArea(const LedLayout::Arrangement &before) const
{
    const QList<LedLayout::Cell> &cells = m_arrangement.cells;
    if (before.stroke != m_arrangement.stroke || before.cells.size() != cells.size())
        return rect();
    QRectF area;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (cells[i].character != before.cells[i].character || cells[i].box != before.cells[i].box)
            area |= cells[i].box | before.cells[i].box;
    }
    return area.toAlignedRect();
}

bool LedPanel::cellsOnPixelGrid(qreal ratio) const
{
    const auto whole = [ratio](qreal logical) {
        const qreal device = logical * ratio;
        return std::abs(device - std::round(device)) < 1e-6;
    };
    return std::all_of(m_arrangement.cells.begin(), m_arrangement.cells.end(), [&](const LedLayout::Cell &cell) {
        return whole(cell.box.left()) && whole(cell.box.top()) && whole(cell.box.width()) && whole(cell.box.height());
    });
}

void LedPanel::resizeEvent(QResizeEvent *event)
{
    Element::resizeEvent(event);
    rebuild();
}

void LedPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Cells off the pixel grid (dots finer than three pixels, fractional scale factors) would blur as
    // copied images; they, and cells without an image, are few and small, and drawn from their shapes.
    // The first repaint at a new size draws the shapes, so that a window being dragged to new sizes does
    // not draw glyph images for sizes it leaves at once.
    const bool newSize = std::exchange(m_paintedSize, size()) != size();
    m_paintedFromCache = !newSize && PaintCache::enabled() && cellsOnPixelGrid(devicePixelRatioF())
        && paintFromCache(painter, event->region());
    if (!m_paintedFromCache)
        paintFromShapes(painter);
}

void LedPanel::paintFromShapes(QPainter &painter)
{
    if (!m_shapes) {
        m_shapes.emplace();
        for (const LedLayout::Cell &cell : std::as_const(m_arrangement.cells))
            LedGlyph::addCell(*m_shapes, m_style, cell.character, cell.box, m_arrangement.stroke);
    }
    LedGlyphCache::Palette palette = m_palette;
    palette.separator = separatorColor();
    painter.fillRect(rect(), palette.back);
    LedGlyphCache::fillShapes(painter, *m_shapes, palette);
}

bool LedPanel::paintFromCache(QPainter &painter, const QRegion &region)
{
    LedGlyphCache::Look look {m_style, m_arrangement.stroke, m_palette, devicePixelRatioF()};
    look.palette.separator = separatorColor();
    // Copies share the pixels; references would not survive the cache growing.
    QList<std::pair<QRect, QImage>> images;
    for (const LedLayout::Cell &cell : std::as_const(m_arrangement.cells)) {
        const QRect box = cell.box.toRect();
        if (!region.intersects(box))
            continue;
        QImage image = m_cache.cell(look, cell.character, cell.box.size());
        if (image.isNull())
            return false;
        images.append({box, std::move(image)});
    }
    QRegion background = region;
    for (const auto &[box, image] : std::as_const(images)) {
        painter.drawImage(box.topLeft(), image);
        background -= box;
    }
    for (const QRect &part : background)
        painter.fillRect(part, look.palette.back);
    return true;
}
