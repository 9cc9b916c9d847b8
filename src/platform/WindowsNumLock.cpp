#include <QtGlobal>

#ifdef Q_OS_WIN

#include "platform/WindowsNumLock.h"

#include <windows.h>

namespace {

constexpr BYTE NumLockScanCode = 0x45;

} // namespace

std::optional<bool> WindowsNumLock::isOn() const
{
    BYTE state[256];
    if (!GetKeyboardState(state))
        return std::nullopt;
    // The low bit is the toggle; the high bit only says the key is held down at this moment.
    return (state[VK_NUMLOCK] & 0x01) != 0;
}

bool WindowsNumLock::pressNumLock()
{
    keybd_event(VK_NUMLOCK, NumLockScanCode, KEYEVENTF_EXTENDEDKEY, 0);
    keybd_event(VK_NUMLOCK, NumLockScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    return true;
}

#endif
