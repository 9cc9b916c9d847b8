#include "match/ZeroWatch.h"

ZeroWatch::Action ZeroWatch::check(Currency reading)
{
    if (reading > Currency()) {
        m_zeroBuzzed = false;
        return {false, false};
    }
    const bool buzz = !m_zeroBuzzed;
    m_zeroBuzzed = true;
    return {true, buzz};
}
