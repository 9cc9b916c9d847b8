#pragma once

#include "core/Currency.h"

// Watches the game timer's reading at each refresh: at or below zero the timer is to be stopped, and
// the buzzer sounds once per run-out. The latch `ZeroBuzzed` re-arms at the first reading above zero.
class ZeroWatch
{
public:
    struct Action
    {
        bool stopTimer;
        bool buzz;
    };

    Action check(Currency reading);
    bool ZeroBuzzed() const { return m_zeroBuzzed; }

private:
    bool m_zeroBuzzed = false;
};
