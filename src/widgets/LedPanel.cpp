#include "widgets/LedPanel.h"

#include "widgets/ColorValue.h"
#include "widgets/TwipsProperty.h"

#include <QPainter>

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
    if (currentCells() != m_builtCells)
        layoutChanged();
}

void LedPanel::layoutChanged()
{
    rebuild();
    update();
}

void LedPanel::updateColours()
{
    m_back = ColorValue::toQColor(m_backColor);
    m_lit = ColorValue::toQColor(m_litColor);
    m_unlit = blend(m_back, m_lit, UnlitShare);
    update();
}

void LedPanel::rebuild()
{
    m_builtCells = currentCells();
    m_litPath = QPainterPath();
    m_unlitPath = QPainterPath();
    m_separatorPath = QPainterPath();
    const LedLayout::Arrangement arrangement = LedLayout::arrange(
        size(), spacing(), m_style, twipsToPixelsF(m_size * TwipsPerSizeUnit), referenceCells(), m_builtCells);
    for (const LedLayout::Cell &cell : arrangement.cells) {
        if (LedGlyph::isSeparator(cell.character)) {
            m_separatorPath.addPath(LedGlyph::separatorShape(m_style, cell.character, cell.box, arrangement.stroke));
            continue;
        }
        const quint64 lit = LedGlyph::litMask(m_style, cell.character);
        const QList<QPainterPath> lamps = LedGlyph::lampShapes(m_style, cell.box, arrangement.stroke);
        for (qsizetype i = 0; i < lamps.size(); ++i)
            (lit & (quint64(1) << i) ? m_litPath : m_unlitPath).addPath(lamps[i]);
    }
}

void LedPanel::resizeEvent(QResizeEvent *event)
{
    Element::resizeEvent(event);
    rebuild();
}

void LedPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(m_unlitPath, m_unlit);
    painter.fillPath(m_litPath, m_lit);
    painter.fillPath(m_separatorPath, separatorColor());
}
