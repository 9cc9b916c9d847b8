#pragma once

#include <QString>

// The remote control's PIN: six decimal digits. A new one is drawn from the system's random source, so
// that nobody can guess the next PIN from the last.
namespace FeedPin {

constexpr int Digits = 6;

bool isValid(const QString &pin);
QString random();

} // namespace FeedPin
