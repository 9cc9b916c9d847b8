#pragma once

#include "core/Currency.h"

#include <QString>
#include <QTime>

// What the clock field shows on a refresh: the unit text for its `FieldUnits` and the value for its
// `Caption`. Minutes and seconds while more than 59.9 s remain (rounded up to the next whole second),
// seconds and tenths in the last minute, or hours and minutes when the time of day is shown.
struct ClockDisplay
{
    QString FieldUnits;
    float Caption;

    bool operator==(const ClockDisplay &) const = default;

    // clockTime is the board's `ClockTime`; reading the game timer's `Seconds`; localTime the time of day.
    static ClockDisplay choose(bool clockTime, Currency reading, QTime localTime);
};
