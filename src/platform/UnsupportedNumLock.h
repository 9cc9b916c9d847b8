#pragma once

#include "platform/NumLockState.h"

// NumLock where the platform lets a program neither read nor press it (Wayland, offscreen, minimal):
// it reports nothing and refuses every press, so the NumLock policy leaves the keyboard alone.
class UnsupportedNumLock final : public NumLockState
{
public:
    std::optional<bool> isOn() const override;
    bool pressNumLock() override;
};
