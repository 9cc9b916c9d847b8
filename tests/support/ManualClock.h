#pragma once

#include "core/MonotonicClock.h"

// A monotonic clock that tests advance by hand, so that timing tests never sleep.
class ManualClock final : public MonotonicClock
{
public:
    qint64 nanoseconds() const override { return m_now; }
    void advanceMilliseconds(qint64 ms) { m_now += ms * 1'000'000; }
    void advanceNanoseconds(qint64 ns) { m_now += ns; }

private:
    qint64 m_now = 123'456'789;
};
