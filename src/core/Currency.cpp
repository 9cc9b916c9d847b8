#include "core/Currency.h"

#include "core/Numbers.h"

#include <limits>

namespace {

constexpr qint64 MaxTicks = std::numeric_limits<qint64>::max();

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Appends one decimal digit to value; false when the result would not fit.
bool appendDigit(qint64 &value, int digit)
{
    if (value > (MaxTicks - digit) / 10)
        return false;
    value = value * 10 + digit;
    return true;
}

} // namespace

std::optional<Currency> Currency::parse(QStringView text)
{
    QStringView rest = Numbers::trimBlanks(text);
    bool negative = false;
    if (!rest.isEmpty() && (rest[0] == u'+' || rest[0] == u'-')) {
        negative = rest[0] == u'-';
        rest = rest.mid(1);
    }
    qint64 ticks = 0;
    int fractionDigits = 0;
    bool sawDigit = false;
    bool sawPoint = false;
    int firstDroppedDigit = -1;
    bool droppedNonZero = false;
    for (QChar c : rest) {
        if (c == u'.' && !sawPoint) {
            sawPoint = true;
            continue;
        }
        if (!isAsciiDigit(c))
            return std::nullopt;
        sawDigit = true;
        const int digit = c.unicode() - u'0';
        if (sawPoint && fractionDigits == 4) {
            if (firstDroppedDigit < 0)
                firstDroppedDigit = digit;
            else
                droppedNonZero = droppedNonZero || digit != 0;
            continue;
        }
        if (!appendDigit(ticks, digit))
            return std::nullopt;
        if (sawPoint)
            ++fractionDigits;
    }
    if (!sawDigit)
        return std::nullopt;
    for (; fractionDigits < 4; ++fractionDigits) {
        if (!appendDigit(ticks, 0))
            return std::nullopt;
    }
    const bool roundUp = firstDroppedDigit > 5 || (firstDroppedDigit == 5 && (droppedNonZero || ticks % 2 != 0));
    if (roundUp) {
        if (ticks == MaxTicks)
            return std::nullopt;
        ++ticks;
    }
    return Currency(negative ? -ticks : ticks);
}

qint64 Currency::roundToInteger() const
{
    const qint64 whole = m_ticks / TicksPerUnit;
    const qint64 remainder = m_ticks % TicksPerUnit;
    const qint64 twice = 2 * (remainder < 0 ? -remainder : remainder);
    const qint64 away = remainder < 0 ? whole - 1 : whole + 1;
    if (twice > TicksPerUnit || (twice == TicksPerUnit && whole % 2 != 0))
        return away;
    return whole;
}

QString Currency::toString() const
{
    const bool negative = m_ticks < 0;
    // Built from the magnitude digit by digit so that the most negative count prints correctly too.
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(m_ticks) : static_cast<quint64>(m_ticks);
    QString text = QString::number(magnitude / TicksPerUnit);
    QString fraction = QString::number(magnitude % TicksPerUnit).rightJustified(4, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return negative ? u'-' + text : text;
}
