#include "widgets/LedLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Paddings may take at most this share of the panel, so that a huge padding cannot erase the digits.
constexpr qreal MaxPaddingShare = 0.6;
// Dots may not touch, and separator dots of the Lines style are a little bolder than the bars.
constexpr qreal MaxDotShare = 0.9;
constexpr qreal SeparatorWeight = 1.3;
// Below this pitch the dots are not snapped to whole pixels: rounding would shrink them too much.
constexpr qreal SnapPitch = 3;

struct Counts
{
    int digits = 0;
    int separators = 0;
};

Counts countCells(QStringView cells)
{
    Counts counts;
    for (QChar c : cells)
        ++(LedGlyph::isSeparator(c) ? counts.separators : counts.digits);
    return counts;
}

bool touchesSeparator(QStringView cells, qsizetype index)
{
    return LedGlyph::isSeparator(cells[index - 1]) || LedGlyph::isSeparator(cells[index]);
}

qreal paddingWidth(QStringView cells, const LedLayout::Spacing &spacing)
{
    qreal width = 0;
    for (qsizetype i = 1; i < cells.size(); ++i)
        width += touchesSeparator(cells, i) ? spacing.separator : spacing.inner;
    return width;
}

LedLayout::Spacing fittedSpacing(QSize panel, LedLayout::Spacing spacing, QStringView reference)
{
    const qreal across = 2 * spacing.outerH + paddingWidth(reference, spacing);
    if (across > MaxPaddingShare * panel.width()) {
        const qreal factor = MaxPaddingShare * panel.width() / across;
        spacing.outerH *= factor;
        spacing.inner *= factor;
        spacing.separator *= factor;
    }
    spacing.outerV = std::min(spacing.outerV, MaxPaddingShare * panel.height() / 2);
    return spacing;
}

// The digit box, separator width and stroke that let one cell text fill the content area.
struct Fit
{
    qreal cellWidth = 0;
    qreal digitWidth = 0;
    qreal digitHeight = 0;
    qreal separatorWidth = 0;
    qreal stroke = 0;
};

Fit fitSegments(Counts counts, qreal freeWidth, qreal height, qreal stroke)
{
    Fit fit;
    const qreal boldest = LedGlyph::SegmentAspect * height / 4;
    fit.separatorWidth = std::max(1.0, std::round(std::min(stroke, boldest) * SeparatorWeight));
    fit.cellWidth = (freeWidth - counts.separators * fit.separatorWidth) / counts.digits;
    const qreal digitHeight = std::min(height, fit.cellWidth / LedGlyph::SegmentAspect);
    fit.digitHeight = std::floor(digitHeight);
    fit.digitWidth = std::floor(digitHeight * LedGlyph::SegmentAspect);
    fit.stroke = std::clamp(stroke, 1.0, std::max(1.0, fit.digitWidth / 4));
    if (fit.stroke >= 2)
        fit.stroke = std::min(std::round(fit.stroke), std::floor(fit.digitWidth / 4));
    return fit;
}

Fit fitDots(Counts counts, qreal freeWidth, qreal height, qreal stroke)
{
    Fit fit;
    // A separator column is one dot pitch wide.
    fit.cellWidth = freeWidth / (counts.digits + qreal(counts.separators) / LedGlyph::DotColumns);
    qreal pitch = std::min(fit.cellWidth / LedGlyph::DotColumns, height / LedGlyph::DotRows);
    if (pitch >= SnapPitch)
        pitch = std::floor(pitch);
    fit.separatorWidth = pitch;
    fit.digitWidth = pitch * LedGlyph::DotColumns;
    fit.digitHeight = pitch * LedGlyph::DotRows;
    fit.stroke = std::min(std::max(stroke, 1.0), MaxDotShare * pitch);
    return fit;
}

Fit fitCells(QStringView cells, QSizeF content, const LedLayout::Spacing &spacing, LedGlyph::Style style, qreal stroke)
{
    const Counts counts = countCells(cells);
    if (counts.digits == 0)
        return {};
    const qreal freeWidth = content.width() - paddingWidth(cells, spacing);
    return style == LedGlyph::Style::Dots ? fitDots(counts, freeWidth, content.height(), stroke)
                                          : fitSegments(counts, freeWidth, content.height(), stroke);
}

} // namespace

LedLayout::Arrangement LedLayout::arrange(QSize panel, Spacing spacing, LedGlyph::Style style, qreal stroke,
                                          QStringView reference, QStringView cells)
{
    spacing = fittedSpacing(panel, spacing, reference);
    // Whole-pixel content edges keep every lamp inside the paddings, antialiased rims included.
    const QRectF content(
        QPointF(std::ceil(spacing.outerH), std::ceil(spacing.outerV)),
        QPointF(panel.width() - std::ceil(spacing.outerH), panel.height() - std::ceil(spacing.outerV)));
    if (cells.isEmpty() || !content.isValid())
        return {};
    // The reference sizes the digits unless the cells need more room than it.
    Fit fit = fitCells(reference, content.size(), spacing, style, stroke);
    const Fit own = fitCells(cells, content.size(), spacing, style, stroke);
    if (own.cellWidth < fit.cellWidth)
        fit = own;
    if (fit.digitWidth < 1 || fit.digitHeight < 1)
        return {};

    // The slack of each cell goes to the gaps, whole pixels each so that every digit sits alike.
    const qreal slack = std::max(0.0, fit.cellWidth - fit.digitWidth);
    const qreal digitGap = std::floor(spacing.inner + slack);
    const qreal separatorGap = std::floor(spacing.separator + slack / 2);
    QList<qreal> widths;
    qreal total = 0;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        widths.append(LedGlyph::isSeparator(cells[i]) ? fit.separatorWidth : fit.digitWidth);
        total += widths.last() + (i == 0 ? 0 : touchesSeparator(cells, i) ? separatorGap : digitGap);
    }
    qreal x = content.left() + std::max(0.0, std::floor((content.width() - total) / 2));
    const qreal y = content.top() + std::floor((content.height() - fit.digitHeight) / 2);
    Arrangement arrangement;
    arrangement.stroke = fit.stroke;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            x += touchesSeparator(cells, i) ? separatorGap : digitGap;
        arrangement.cells.append({cells[i], QRectF(x, y, widths[i], fit.digitHeight)});
        x += widths[i];
    }
    return arrangement;
}
