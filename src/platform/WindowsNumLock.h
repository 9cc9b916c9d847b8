#pragma once

#include "platform/NumLockState.h"

// NumLock on Windows: the toggle bit of the thread's keyboard state, and a synthesized press and
// release of the extended NumLock key, which Windows treats exactly like the operator's own.
class WindowsNumLock final : public NumLockState
{
public:
    std::optional<bool> isOn() const override;
    bool pressNumLock() override;
};
