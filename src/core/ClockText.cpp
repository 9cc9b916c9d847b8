#include "core/ClockText.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any clock reading; keeps the arithmetic below in range for absurd values.
constexpr double LargestShown = 1e9;
// Share of a shown step below which a value counts as exactly on the step.
constexpr double StepTolerance = 1e-3;

bool showsTenths(QStringView fieldUnits)
{
    QString units = fieldUnits.toString();
    units.remove(u' ');
    return units == u"1,.1" || units == u"1,0.1";
}

} // namespace

namespace ClockText {

QString of(double seconds, QStringView fieldUnits)
{
    const bool tenths = showsTenths(fieldUnits);
    const double shown = std::isfinite(seconds) ? std::clamp(seconds, 0.0, LargestShown) : 0.0;
    const int stepsPerUnit = tenths ? 10 : 1;
    const auto steps = static_cast<qint64>(std::ceil(shown * stepsPerUnit - StepTolerance));
    if (tenths)
        return QStringLiteral("%1.%2").arg(steps / 10).arg(steps % 10);
    return QStringLiteral("%1:%2").arg(steps / 60).arg(steps % 60, 2, 10, QLatin1Char('0'));
}

} // namespace ClockText
