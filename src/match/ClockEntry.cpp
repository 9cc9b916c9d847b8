#include "match/ClockEntry.h"

#include "core/Numbers.h"
#include "match/KeyTranslation.h"

#include <QList>

namespace {

constexpr qsizetype MaxClockTextLength = 8;
constexpr double MaxMinutes = 99;
constexpr double MaxSeconds = 99;
constexpr double MaxTenths = 9;

bool isClockCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'.';
}

} // namespace

std::optional<Currency> ParseClockText(QStringView text)
{
    if (text.size() > MaxClockTextLength)
        return std::nullopt;
    for (QChar c : text) {
        if (!isClockCharacter(c))
            return std::nullopt;
    }
    const auto parts = text.split(u'.');
    if (parts.size() > 2)
        return std::nullopt;
    const double minutes = Numbers::numericValue(parts[0]);
    double seconds = 0;
    double tenths = 0;
    if (parts.size() == 2) {
        const QStringView fraction = parts[1];
        seconds = Numbers::numericValue(fraction.left(2));
        // A third character is the tenth of a second; any further ones are ignored.
        if (fraction.size() > 2)
            tenths = Numbers::numericValue(fraction.mid(2, 1));
    }
    if (minutes > MaxMinutes || seconds > MaxSeconds || tenths > MaxTenths)
        return std::nullopt;
    const qint64 wholeSeconds = static_cast<qint64>(minutes) * 60 + static_cast<qint64>(seconds);
    return Currency::fromTicks(wholeSeconds * Currency::TicksPerUnit
                               + static_cast<qint64>(tenths) * (Currency::TicksPerUnit / 10));
}

std::optional<Currency> ClockEntry::keyDown(const QString &element, qint16 code, Currency maximum)
{
    m_typed.claim(element);
    m_typed.type(code, u"0123456789.");
    if (code != EntryCode::Enter)
        return std::nullopt;
    const auto value = ParseClockText(m_typed.take());
    if (!value || *value > maximum)
        return std::nullopt;
    return value;
}
