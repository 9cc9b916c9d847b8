#include "platform/UnsupportedNumLock.h"

std::optional<bool> UnsupportedNumLock::isOn() const
{
    return std::nullopt;
}

bool UnsupportedNumLock::pressNumLock()
{
    return false;
}
