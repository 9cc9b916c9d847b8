#include "core/MonotonicClock.h"

#include <chrono>

namespace {

class SteadyClock final : public MonotonicClock
{
public:
    qint64 nanoseconds() const override
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    }
};

} // namespace

const MonotonicClock &MonotonicClock::steady()
{
    static const SteadyClock clock;
    return clock;
}
