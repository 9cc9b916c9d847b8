#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// Shrinks a font until a text fits a box: the designs give every caption a fixed box sized for the English
// text, and a longer translation must be drawn smaller rather than cut off.
namespace FontFit {

// True when the text, drawn in the font with the Qt::TextFlag and alignment flags, fits the room.
bool fits(const QFont &font, const QString &text, const QSize &room, int flags = 0);

// The font itself when the text fits, else the largest smaller point size in which it does, but never
// below a size that is still readable.
QFont fitted(const QFont &font, const QString &text, const QSize &room, int flags = 0);

} // namespace FontFit
