#include "match/ClockDisplay.h"

using namespace Qt::StringLiterals;

namespace {

constexpr Currency LastMinute = Currency::fromTicks(599000); // 59.9 s
// Added before rounding so that the display shows the next whole second until it is reached.
constexpr Currency AlmostHalf = Currency::fromTicks(4999);

} // namespace

ClockDisplay ClockDisplay::choose(bool clockTime, Currency reading, QTime localTime)
{
    if (clockTime)
        return {u"60,1"_s, static_cast<float>(localTime.hour() * 60 + localTime.minute())};
    if (reading > LastMinute)
        return {u"60,1"_s, static_cast<float>((reading + AlmostHalf).roundToInteger())};
    return {u"1,.1"_s, static_cast<float>(reading.toDouble())};
}
