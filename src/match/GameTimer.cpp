#include "match/GameTimer.h"

#include "core/MonotonicClock.h"

namespace {

constexpr qint64 NanosecondsPerTick = 1'000'000'000 / Currency::TicksPerUnit;

} // namespace

GameTimer::GameTimer(QObject *parent)
    : GameTimer(MonotonicClock::steady(), parent)
{
}

GameTimer::GameTimer(const MonotonicClock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
{
}

void GameTimer::setRunning(bool running)
{
    if (running == m_running)
        return;
    // Freeze or resume from the present reading; the count never restarts.
    m_secondsAtStart = seconds();
    m_startNanoseconds = m_clock.nanoseconds();
    m_running = running;
}

Currency GameTimer::seconds() const
{
    if (!m_running)
        return m_secondsAtStart;
    return m_secondsAtStart - elapsedSinceStart();
}

void GameTimer::setSeconds(Currency seconds)
{
    m_secondsAtStart = seconds;
    m_startNanoseconds = m_clock.nanoseconds();
}

Currency GameTimer::elapsedSinceStart() const
{
    return Currency::fromTicks((m_clock.nanoseconds() - m_startNanoseconds) / NanosecondsPerTick);
}
