#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The one rule through which every change of a score or games-won field passes.
struct NumberLimits
{
    qint16 minimum;
    qint16 maximum;
};

constexpr NumberLimits ScoreLimits {-1, 99};
constexpr NumberLimits GamesWonLimits {-1, 9};

// The character of code 0 that the clear key types: as an edit text it empties a field.
constexpr QChar ClearCharacter {u'\0'};

// Applies one edit text to a number field's caption ("-1" is the empty field and counts as 0 in sums):
// the clear character empties the field, a digit text replaces the value, "+n" and "-n" add and
// subtract the integer part of n. Returns the new caption, or nothing when the text is no edit or the
// result falls outside the limits. Sums are formed in floating point, so that a long digit string is
// refused as out of range instead of overflowing.
std::optional<QString> ApplyNumberEdit(const QString &caption, const QString &text, NumberLimits limits);
