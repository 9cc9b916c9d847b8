#pragma once

// The volleyball rules the match follows when the operator asks for rules assistance, as a plain value:
// the match is handed one and never reads the settings itself. With the mode Off the match is the plain
// scoreboard and the numbers mean nothing.
struct RuleSet
{
    enum class Mode { Off, Indoor, Beach, Custom };

    // Four set boxes and the main score hold at most five sets.
    static constexpr int MostSetsToWin = 3;
    // The largest score the board's score fields hold.
    static constexpr int MostPoints = 99;
    static constexpr int TimeoutSeconds = 30;

    Mode mode = Mode::Off;
    int setsToWin = 3;
    int setPoints = 25;
    int decidingSetPoints = 15;
    bool winByTwo = true;
    int timeoutsPerSet = 2;
    // Reminders to switch sides: after every so many points of a set, and in the deciding set after every
    // so many points or once, when the first side reaches a score; 0 where there is none.
    int sideSwitchEvery = 0;
    int decidingSideSwitchEvery = 0;
    int decidingSideSwitchAt = 0;
    // The side that scores with its +1 key gets the serve.
    bool serveFollowsPoint = false;
    // The buzzer sounds when a timeout's countdown has run out.
    bool timeoutBuzzer = false;

    bool operator==(const RuleSet &) const = default;

    bool isOn() const { return mode != Mode::Off; }

    static RuleSet off() { return {}; }
    // Best of 5, sets to 25, the deciding set to 15, sides switched when a side reaches 8 in it.
    static RuleSet indoor();
    // Best of 3, sets to 21, the deciding set to 15, sides switched every 7 points (every 5 in the
    // deciding set), one timeout per set.
    static RuleSet beach();
    // The operator's numbers, each taken to its nearest sensible value (1 to 3 sets to win, 1 to 99 points);
    // two timeouts per set and, like indoor, one side switch in the deciding set at half its points.
    static RuleSet custom(int setsToWin, int setPoints, int decidingSetPoints, bool winByTwo);
};
