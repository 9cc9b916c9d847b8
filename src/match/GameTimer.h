#pragma once

#include "core/Currency.h"

#include <QObject>

class MonotonicClock;

// The board's countdown. Its reading is always derived as "value at the last write minus the time
// run since", never by summing ticks, so it cannot drift however often or rarely it is read. It keeps
// counting below zero; stopping at zero is the board's business.
class GameTimer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "GameTimer")
    Q_PROPERTY(bool Running READ running WRITE setRunning)
    Q_PROPERTY(Currency Seconds READ seconds WRITE setSeconds)

public:
    explicit GameTimer(QObject *parent = nullptr);
    // The clock must outlive the timer.
    explicit GameTimer(const MonotonicClock &clock, QObject *parent = nullptr);

    bool running() const { return m_running; }
    void setRunning(bool running);

    Currency seconds() const;
    void setSeconds(Currency seconds);

private:
    Currency elapsedSinceStart() const;

    const MonotonicClock &m_clock;
    bool m_running = false;
    Currency m_secondsAtStart;
    qint64 m_startNanoseconds = 0;
};
