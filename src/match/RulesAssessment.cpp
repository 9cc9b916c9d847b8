#include "match/RulesAssessment.h"

#include <algorithm>

namespace {

// Empty fields count as 0.
int counted(qint16 value)
{
    return std::max<int>(value, 0);
}

bool winsSet(int own, int other, int target, bool winByTwo)
{
    return own >= target && own - other >= (winByTwo ? 2 : 1);
}

} // namespace

RulesAssessment RulesAssessment::assess(const MatchState &state, const RuleSet &rules)
{
    RulesAssessment result;
    if (!rules.isOn())
        return result;
    const int homeGames = counted(state.homeGamesWon);
    const int visitorGames = counted(state.visitorGamesWon);
    result.set = homeGames + visitorGames + 1;
    result.matchOver = std::max(homeGames, visitorGames) >= rules.setsToWin;
    if (result.matchOver) {
        if (homeGames != visitorGames)
            result.matchWinner = homeGames > visitorGames ? Side::Home : Side::Visitor;
        return result;
    }
    // A match of one set plays it to the set points; otherwise the set at level games decides.
    result.decidingSet = rules.setsToWin > 1 && homeGames == rules.setsToWin - 1 && visitorGames == homeGames;
    result.target = result.decidingSet ? rules.decidingSetPoints : rules.setPoints;

    const int home = counted(state.homeScore);
    const int visitor = counted(state.visitorScore);
    if (winsSet(home, visitor, result.target, rules.winByTwo))
        result.setWinner = Side::Home;
    else if (winsSet(visitor, home, result.target, rules.winByTwo))
        result.setWinner = Side::Visitor;
    if (result.setWinner)
        return result;
    result.home.setPoint = winsSet(home + 1, visitor, result.target, rules.winByTwo);
    result.home.matchPoint = result.home.setPoint && homeGames + 1 >= rules.setsToWin;
    result.visitor.setPoint = winsSet(visitor + 1, home, result.target, rules.winByTwo);
    result.visitor.matchPoint = result.visitor.setPoint && visitorGames + 1 >= rules.setsToWin;
    return result;
}

bool RulesAssessment::sideSwitchCrossed(const MatchState &before, const MatchState &after, const RuleSet &rules)
{
    const RulesAssessment now = assess(after, rules);
    // A set that has just ended is not played on; the next one starts on the other side anyway.
    if (!rules.isOn() || now.matchOver || now.setWinner)
        return false;
    const int every = now.decidingSet ? rules.decidingSideSwitchEvery : rules.sideSwitchEvery;
    const int at = now.decidingSet ? rules.decidingSideSwitchAt : 0;
    const int totalBefore = counted(before.homeScore) + counted(before.visitorScore);
    const int totalAfter = counted(after.homeScore) + counted(after.visitorScore);
    if (every > 0 && totalAfter / every > totalBefore / every)
        return true;
    const int leadBefore = std::max(counted(before.homeScore), counted(before.visitorScore));
    const int leadAfter = std::max(counted(after.homeScore), counted(after.visitorScore));
    return at > 0 && leadBefore < at && leadAfter >= at;
}
