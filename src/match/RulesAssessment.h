#pragma once

#include "match/MatchState.h"
#include "match/RuleSet.h"
#include "match/Side.h"

#include <optional>

// What the rules make of a match as the board shows it. The operator may type any value into any field,
// so nothing here is remembered: the set in play is the one after the sets won so far (the games-won
// fields), its points are the two scores, and empty fields count as 0. Under the mode Off every answer
// is "nothing".
struct RulesAssessment
{
    // What winning the next rally would bring a side.
    struct Chances
    {
        bool setPoint = false;
        bool matchPoint = false;
    };

    // The set in play, from 1.
    int set = 1;
    bool decidingSet = false;
    // The points that win the set in play (before any lead of two is needed).
    int target = 0;
    Chances home;
    Chances visitor;
    // The set in play is won and waits for the operator to confirm it.
    std::optional<Side> setWinner;
    // A side has won the sets it needs; nothing more is asked.
    bool matchOver = false;
    // Who won it; nobody when the games won are level (typed so by hand).
    std::optional<Side> matchWinner;

    const Chances &chancesOf(Side side) const { return side == Side::Home ? home : visitor; }

    static RulesAssessment assess(const MatchState &state, const RuleSet &rules);
    // True when the scores going from before to after reach a point at which the teams switch sides.
    static bool sideSwitchCrossed(const MatchState &before, const MatchState &after, const RuleSet &rules);
};
