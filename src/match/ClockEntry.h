#pragma once

#include "core/Currency.h"
#include "match/TypedText.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// The largest value the board accepts as a typed clock entry: 99:59.
constexpr Currency ClockEntryMaximum = Currency::fromInteger(5999);

// Reads typed clock text "minutes.secondstenths" as seconds: "5" is 5:00, "10.30" is 10:30, "0.455"
// is 45.5 s. At most 8 characters of digits and one point; minutes and seconds up to 99 each. Nothing
// when the text does not fit these rules; an empty text is 0.
std::optional<Currency> ParseClockText(QStringView text);

// Typed entry into the clock field, one key at a time, with a typed text of its own: digits and the
// point collect until Enter, which reads them with ParseClockText. Signs and the clear code type nothing.
class ClockEntry
{
public:
    // One key-down in the element named element with the entry character code code. Returns the new
    // clock value in seconds, or nothing when there is none or it lies above maximum.
    std::optional<Currency> keyDown(const QString &element, qint16 code, Currency maximum);

private:
    TypedText m_typed;
};
