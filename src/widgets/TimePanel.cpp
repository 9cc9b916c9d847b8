#include "widgets/TimePanel.h"

#include "core/ClockText.h"
#include "widgets/ColorValue.h"
#include "widgets/TwipsProperty.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int LeadingCells = 2;

qsizetype separatorIndex(QStringView cells)
{
    const auto separator = std::find_if(cells.begin(), cells.end(), LedGlyph::isSeparator);
    return separator - cells.begin();
}

} // namespace

TimePanel::TimePanel(QWidget *parent)
    : LedFieldPanel(parent)
    , m_frameColor(litColor())
{
}

void TimePanel::setCaption(float seconds)
{
    if (!std::isfinite(seconds) || seconds == m_caption)
        return;
    m_caption = seconds;
    contentChanged();
}

void TimePanel::setFieldUnits(const QString &units)
{
    if (units == m_fieldUnits)
        return;
    m_fieldUnits = units;
    contentChanged();
}

void TimePanel::setFrameColor(int colour)
{
    colour = ColorValue::rgb(colour);
    if (colour == m_frameColor)
        return;
    m_frameColor = colour;
    update();
}

void TimePanel::setPaddingD(double twips)
{
    if (TwipsProperty::assign(m_paddingD, twips))
        layoutChanged();
}

QString TimePanel::displayText(double seconds, QStringView fieldUnits)
{
    return ClockText::of(seconds, fieldUnits);
}

QString TimePanel::currentCells() const
{
    const QString text = displayText(m_caption, m_fieldUnits);
    return QString(std::max<qsizetype>(0, LeadingCells - separatorIndex(text)), u' ') + text;
}

QString TimePanel::referenceCells() const
{
    // Always sized as minutes and seconds, so that the digits do not jump when the last minute shows tenths.
    return QString(separatorIndex(currentCells()), u'8') + QStringLiteral(":88");
}

LedLayout::Spacing TimePanel::spacing() const
{
    LedLayout::Spacing spacing = LedFieldPanel::spacing();
    spacing.separator = twipsToPixelsF(m_paddingD);
    return spacing;
}

QColor TimePanel::separatorColor() const
{
    return ColorValue::toQColor(m_frameColor);
}
