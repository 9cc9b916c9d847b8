#include "match/RuleSet.h"

#include <algorithm>

RuleSet RuleSet::indoor()
{
    RuleSet rules;
    rules.mode = Mode::Indoor;
    rules.decidingSideSwitchAt = 8;
    return rules;
}

RuleSet RuleSet::beach()
{
    RuleSet rules;
    rules.mode = Mode::Beach;
    rules.setsToWin = 2;
    rules.setPoints = 21;
    rules.timeoutsPerSet = 1;
    rules.sideSwitchEvery = 7;
    rules.decidingSideSwitchEvery = 5;
    return rules;
}

RuleSet RuleSet::custom(int setsToWin, int setPoints, int decidingSetPoints, bool winByTwo)
{
    RuleSet rules;
    rules.mode = Mode::Custom;
    rules.setsToWin = std::clamp(setsToWin, 1, MostSetsToWin);
    rules.setPoints = std::clamp(setPoints, 1, MostPoints);
    rules.decidingSetPoints = std::clamp(decidingSetPoints, 1, MostPoints);
    rules.winByTwo = winByTwo;
    rules.decidingSideSwitchAt = (rules.decidingSetPoints + 1) / 2;
    return rules;
}
