#pragma once

#include <QtGlobal>

// Source of monotonic time for the game timer. The real one follows the steady system clock; tests
// inject one that they advance by hand, so that no test has to sleep.
class MonotonicClock
{
public:
    virtual ~MonotonicClock() = default;
    virtual qint64 nanoseconds() const = 0;

    // The process-wide clock on std::chrono::steady_clock.
    static const MonotonicClock &steady();
};
