#pragma once

#include <QtGlobal>

class NumLockState;

// Holds NumLock where the operator wants it. The setting `NumLockForce` is 0 to leave NumLock alone,
// 1 to keep it on and 2 to keep it off; any other value acts like 0.
namespace NumLockPolicy {

constexpr qint32 Normal = 0;
constexpr qint32 KeepOn = 1;
constexpr qint32 KeepOff = 2;

// Brings NumLock to the wanted state with one real key press, if it is not there already and the
// platform can tell.
void ForceNumLock(NumLockState &keyboard, bool wanted);

// Applies the policy once: called whenever a NumLock release reaches the board. The press that
// ForceNumLock synthesises comes back as such a release and then finds the state right, so it
// cannot loop.
void UpdateNumLock(NumLockState &keyboard, qint32 numLockForce);

} // namespace NumLockPolicy
