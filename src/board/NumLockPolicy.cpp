#include "board/NumLockPolicy.h"

#include "platform/NumLockState.h"

namespace NumLockPolicy {

void ForceNumLock(NumLockState &keyboard, bool wanted)
{
    const std::optional<bool> on = keyboard.isOn();
    if (on.has_value() && *on != wanted)
        keyboard.pressNumLock();
}

void UpdateNumLock(NumLockState &keyboard, qint32 numLockForce)
{
    if (numLockForce == KeepOn)
        ForceNumLock(keyboard, true);
    else if (numLockForce == KeepOff)
        ForceNumLock(keyboard, false);
}

} // namespace NumLockPolicy
