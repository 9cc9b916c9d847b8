#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <compare>
#include <optional>

// Fixed-point decimal with four places, held as a 64-bit count of ten-thousandths. The game clock's
// readings and presets and the team-name font size are kept in it, so that sums of tenths never drift.
class Currency
{
public:
    static constexpr qint64 TicksPerUnit = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromTicks(qint64 ticks) { return Currency(ticks); }
    static constexpr Currency fromInteger(qint64 units) { return Currency(units * TicksPerUnit); }
    // Decimal text with an optional sign and surrounding blanks; digits beyond the fourth decimal place
    // are rounded half to even. Nothing when the text is not a decimal number or does not fit.
    static std::optional<Currency> parse(QStringView text);

    constexpr qint64 ticks() const { return m_ticks; }
    double toDouble() const { return static_cast<double>(m_ticks) / TicksPerUnit; }
    // Nearest whole number, a tie going to the even neighbour (24.5 gives 24, 25.5 gives 26).
    qint64 roundToInteger() const;
    // Plain decimal text without trailing zeros: "24", "24.5", "-0.0001".
    QString toString() const;

    constexpr Currency operator+(Currency other) const { return Currency(m_ticks + other.m_ticks); }
    constexpr Currency operator-(Currency other) const { return Currency(m_ticks - other.m_ticks); }
    constexpr auto operator<=>(const Currency &) const = default;

private:
    constexpr explicit Currency(qint64 ticks)
        : m_ticks(ticks)
    {
    }

    qint64 m_ticks = 0;
};
