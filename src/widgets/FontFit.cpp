#include "widgets/FontFit.h"

#include <QFontMetrics>
#include <QRect>

#include <algorithm>

namespace {

constexpr double SmallestPoints = 5.0;
constexpr double Step = 0.25;

} // namespace

namespace FontFit {

bool fits(const QFont &font, const QString &text, const QSize &room, int flags)
{
    const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(), room), flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

QFont fitted(const QFont &font, const QString &text, const QSize &room, int flags)
{
    if (text.isEmpty() || room.isEmpty() || font.pointSizeF() <= 0 || fits(font, text, room, flags))
        return font;
    QFont smaller = font;
    double size = font.pointSizeF();
    // Text width is nearly proportional to the size: start at the proportional guess, then step down.
    const double width = QFontMetrics(font).boundingRect(QRect(QPoint(), room), flags, text).width();
    if (width > room.width() && !(flags & Qt::TextWordWrap))
        size = size * room.width() / width + Step;
    while (size > SmallestPoints) {
        size = std::max(size - Step, SmallestPoints);
        smaller.setPointSizeF(size);
        if (fits(smaller, text, room, flags))
            break;
    }
    return smaller;
}

} // namespace FontFit
