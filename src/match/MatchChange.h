#pragma once

#include <QFlags>

// What a change of the match touched, so that a view redraws only that and undo restores only that.
enum class MatchChange {
    Scores = 0x01,
    GamesWon = 0x02,
    // The set boxes and the fifth set.
    Sets = 0x04,
    Possession = 0x08,
    // The clock's reading was set (typed, reset, restored), as opposed to time passing.
    ClockValue = 0x10,
    ClockRunning = 0x20,
    ClockMode = 0x40,
    ClockPreset = 0x80,
    // Time passed on a running clock far enough to change what it shows.
    ClockReading = 0x100,
    // Timeouts taken in the set in play.
    Timeouts = 0x200,
};
Q_DECLARE_FLAGS(MatchChanges, MatchChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(MatchChanges)
