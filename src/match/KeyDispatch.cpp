#include "match/KeyDispatch.h"

#include <array>
#include <utility>

namespace {

constexpr qint16 F1Key = 112;
constexpr qint16 F2Key = 113;
constexpr qint16 NumLockKey = 144;

} // namespace

KeyCommand commandForKey(qint16 keyCode, const CommandKeys &keys)
{
    const std::array<std::pair<qint16, KeyCommand>, 10> table {{
        {keys.StartStopClockKey, KeyCommand::StartStopClock},
        {keys.ResetClockKey, KeyCommand::ResetClock},
        {keys.ClockSwitchKey, KeyCommand::ClockSwitch},
        {keys.HomeOneKey, KeyCommand::HomeOne},
        {keys.VisitorOneKey, KeyCommand::VisitorOne},
        {keys.BuzzerKey, KeyCommand::Buzzer},
        {keys.TimeoutKeyHome, KeyCommand::TimeoutHome},
        {keys.TimeoutKeyVisitor, KeyCommand::TimeoutVisitor},
        {F1Key, KeyCommand::ShowHelp},
        {F2Key, KeyCommand::ShowOptions},
    }};
    for (const auto &[key, command] : table) {
        if (key == keyCode)
            return command;
    }
    return KeyCommand::None;
}

bool isNumLockRelease(qint16 keyCode)
{
    return keyCode == NumLockKey;
}
