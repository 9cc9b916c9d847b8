#pragma once

#include "platform/NumLockState.h"

// A keyboard whose NumLock the test sets; it counts the presses the program synthesises.
class FakeNumLock final : public NumLockState
{
public:
    std::optional<bool> isOn() const override { return on; }
    bool pressNumLock() override
    {
        ++presses;
        on = !on;
        return true;
    }

    bool on = false;
    int presses = 0;
};
