#pragma once

#include "match/NumberEdit.h"
#include "match/TypedText.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// Typed entry into the score and games-won fields, one key at a time. One instance serves all four
// fields: digits collect until Enter and then replace the value; a sign and one digit add or subtract
// at once; in a single-digit field every digit replaces the value at once; the clear code empties the
// field but keeps a partly typed number.
class NumberEntry
{
public:
    // One key-down in the field named field, whose caption is caption, with the entry character code
    // code. Returns the caption to write to the field, or nothing when the field keeps its value.
    std::optional<QString> keyDown(const QString &field, const QString &caption, qint16 code, NumberLimits limits);

private:
    // Applies the typed text to caption and empties it; true when caption changed.
    bool commit(QString &caption, NumberLimits limits);
    bool startsWithSignAndDigit() const;
    bool startsWithSign() const;

    TypedText m_typed;
};
