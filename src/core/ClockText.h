#pragma once

#include <QString>
#include <QStringView>

// The text a clock field shows for a value in seconds and its `FieldUnits`: "1,.1" gives whole units, a
// point and tenths (59.9); "60,1" or any other text gives whole sixties, a colon and the two-digit
// remainder (754 gives 12:34). The value is taken up to the next shown step, as a countdown clock
// counts, after forgiving float noise of a thousandth of a step; values below zero and values that are
// not numbers give 0. Shared by the board's clock field and the live feed, so that both read alike.
namespace ClockText {

QString of(double seconds, QStringView fieldUnits);

} // namespace ClockText
