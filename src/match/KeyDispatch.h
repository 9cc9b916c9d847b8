#pragma once

#include <QtGlobal>

// The command keys of the board: which command a key press triggers, before the focused field sees the
// key as typed entry. The configured keys come from the settings; F1 and F2 are fixed.
enum class KeyCommand {
    None,
    StartStopClock,
    ResetClock,
    ClockSwitch,
    HomeOne,
    VisitorOne,
    Buzzer,
    TimeoutHome,
    TimeoutVisitor,
    ShowHelp,
    ShowOptions,
};

// The configurable keys, as key codes, preset to the default assignment (S, R, C, Delete, B, F5, F6, and
// F7 and F8 for the timeouts of the rules assistance). ClearKey is no command; it is listed here because
// the typed entry needs it (see KeyCodeToAsci).
struct CommandKeys
{
    qint16 StartStopClockKey = 83;
    qint16 ResetClockKey = 82;
    qint16 ClockSwitchKey = 67;
    qint16 ClearKey = 46;
    qint16 BuzzerKey = 66;
    qint16 HomeOneKey = 116;
    qint16 VisitorOneKey = 117;
    qint16 TimeoutKeyHome = 118;
    qint16 TimeoutKeyVisitor = 119;
};

// The decision of `AllKeyCode`: the keys are compared in a fixed order and the first match wins, so a
// key assigned twice triggers only the earlier command, and a command key set to F1 or F2 hides them.
KeyCommand commandForKey(qint16 keyCode, const CommandKeys &keys);

// The decision of `AllKeyUp`: only the release of NumLock matters.
bool isNumLockRelease(qint16 keyCode);
