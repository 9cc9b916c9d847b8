#include "board/SelectionHighlight.h"

namespace {

constexpr qint64 TwipsPerPixel = 15;

} // namespace

TwipsRect selectionHighlightRect(const TwipsRect &element, qint16 selectedWidth)
{
    const qint64 margin = static_cast<qint64>(selectedWidth) * TwipsPerPixel;
    return {element.left - margin, element.top - margin, element.width + 2 * margin + TwipsPerPixel,
            element.height + 2 * margin + TwipsPerPixel};
}
