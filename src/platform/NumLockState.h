#pragma once

#include <QtGlobal>

#include <memory>
#include <optional>

// The keyboard's NumLock as the board needs it: read whether it is on, and toggle it as a real key
// press would, so that the press also reaches the program's own key handling. Implemented per
// platform; where the platform offers neither (Wayland, offscreen), isOn() tells nothing and the
// NumLock policy does nothing.
class NumLockState
{
public:
    virtual ~NumLockState() = default;

    virtual std::optional<bool> isOn() const = 0;
    // Synthesises one press and release of NumLock; false when the platform cannot.
    virtual bool pressNumLock() = 0;

    // The implementation for the platform the application runs on.
    static std::unique_ptr<NumLockState> forPlatform();
};
