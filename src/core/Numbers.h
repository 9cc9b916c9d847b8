#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

// Number rules shared by every subsystem: the lenient "numeric value" that typed entry reads, the strict
// decimal reading of stored settings, rounding with ties to the even neighbour, and range-checked
// narrowing to the 16- and 32-bit fields of the board and the settings record.
namespace Numbers {

// The number at the start of text, after leading blanks: an optional sign, then digits with at most one
// decimal point. Reading stops at the first other character; a text that starts with no number gives 0.
// Overlong digit strings give an infinite value rather than wrapping, so range checks refuse them.
double numericValue(QStringView text);

// The largest integer not above value (kept as a double so that huge values cannot overflow).
double integerPart(double value);

// Nearest integer, a tie going to the even neighbour: 2.5 gives 2, 3.5 gives 4.
double roundHalfEven(double value);

// Round half to even, then check the range; nothing when the value does not fit or is not finite.
std::optional<qint16> toInt16(double value);
std::optional<qint32> toInt32(double value);

// text without the blanks (spaces and tabs) around it.
QStringView trimBlanks(QStringView text);

// Whole text as a decimal number: surrounding blanks, an optional sign, digits with at most one point.
// Nothing when the text holds anything else or is empty.
std::optional<double> parseDecimal(QStringView text);

} // namespace Numbers
