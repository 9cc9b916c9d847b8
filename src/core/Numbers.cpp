#include "core/Numbers.h"

#include <QLocale>
#include <QString>

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Length of the longest prefix of text shaped as digits with at most one decimal point.
qsizetype decimalDigitsLength(QStringView text, bool *sawDigit)
{
    qsizetype length = 0;
    bool sawPoint = false;
    *sawDigit = false;
    for (QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            *sawDigit = true;
        } else if (c == u'.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        ++length;
    }
    return length;
}

// Always with a decimal point, whatever the user's locale (QCoreApplication adopts it for the C library, so
// strtod would stop at the point under a German locale). Overflow gives an infinity, underflow 0.
double toDouble(QStringView sign, QStringView digits)
{
    return QLocale::c().toDouble(sign.toString() + digits.toString());
}

template<typename Integer> std::optional<Integer> toRangedInteger(double value)
{
    const double rounded = Numbers::roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<Integer>::min()
        || rounded > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(rounded);
}

} // namespace

namespace Numbers {

double numericValue(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    QStringView rest = text.mid(start);
    QStringView sign;
    if (!rest.isEmpty() && (rest[0] == u'+' || rest[0] == u'-')) {
        sign = rest.left(1);
        rest = rest.mid(1);
    }
    bool sawDigit = false;
    const qsizetype length = decimalDigitsLength(rest, &sawDigit);
    if (!sawDigit)
        return 0.0;
    return toDouble(sign, rest.left(length));
}

double integerPart(double value)
{
    return std::floor(value);
}

double roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode; make sure it is the ties-to-even default.
    const int previous = std::fegetround();
    if (previous != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (previous != FE_TONEAREST)
        std::fesetround(previous);
    return rounded;
}

std::optional<qint16> toInt16(double value)
{
    return toRangedInteger<qint16>(value);
}

std::optional<qint32> toInt32(double value)
{
    return toRangedInteger<qint32>(value);
}

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

std::optional<double> parseDecimal(QStringView text)
{
    QStringView trimmed = trimBlanks(text);
    QStringView sign;
    if (!trimmed.isEmpty() && (trimmed[0] == u'+' || trimmed[0] == u'-')) {
        sign = trimmed.left(1);
        trimmed = trimmed.mid(1);
    }
    bool sawDigit = false;
    if (decimalDigitsLength(trimmed, &sawDigit) != trimmed.size() || !sawDigit)
        return std::nullopt;
    const double value = toDouble(sign, trimmed);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace Numbers
