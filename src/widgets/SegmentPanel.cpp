#include "widgets/SegmentPanel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal MarginShare = 0.1;

} // namespace

SegmentPanel::SegmentPanel(QWidget *parent)
    : LedPanel(parent)
{
}

void SegmentPanel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    contentChanged();
}

QString SegmentPanel::currentCells() const
{
    return m_caption.isEmpty() ? QStringLiteral(" ") : m_caption;
}

LedLayout::Spacing SegmentPanel::spacing() const
{
    const qreal margin = std::round(MarginShare * std::min(width(), height()));
    return {margin, margin, margin, margin};
}
