#include "match/Match.h"
#include "support/ManualClock.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr qint16 F5Key = 116;
constexpr qint16 F6Key = 117;
constexpr qint16 F7Key = 118;
constexpr qint16 F8Key = 119;

void press(Match &match, qint16 keyCode)
{
    match.AllKeyCode(keyCode, CommandKeys {});
}

MatchState scored(qint16 home, qint16 visitor, qint16 homeGames = 0, qint16 visitorGames = 0)
{
    MatchState state;
    state.homeScore = home;
    state.visitorScore = visitor;
    state.homeGamesWon = homeGames;
    state.visitorGamesWon = visitorGames;
    return state;
}

bool wonSet(SetPair set, int target, bool winByTwo)
{
    const int winner = std::max(set.home, set.visitor);
    const int loser = std::min(set.home, set.visitor);
    return winner >= target && winner - loser >= (winByTwo ? 2 : 1)
        && (winner == target || (winByTwo && winner - loser == 2));
}

} // namespace

// The match under a rule set: the set end it asks to confirm and closes in one undoable step, the
// timeouts and their countdown, serve following the point, side switch reminders, and whole matches of
// random rallies played from 0–0 to their end.
class TestMatchRules : public QObject
{
    Q_OBJECT

private slots:
    void confirmedSetEndClosesTheSet();
    void undoAcrossASetEndRestoresEverything();
    void notYetWaitsForTheScoresToChange();
    void matchWinningSetKeepsTheScores();
    void fifthSetGoesBesideTheFourBoxes();
    void noSetEndWithTheRulesOff();
    void serveFollowsThePoint();
    void sideSwitchIsDueAfterTheRally();
    void timeoutsPerSetWithCountdown_data();
    void timeoutsPerSetWithCountdown();
    void timeoutTakenBackStopsTheCountdown();
    void wholeMatchesOfRandomRallies_data();
    void wholeMatchesOfRandomRallies();

private:
    ManualClock m_clock;
};

void TestMatchRules::confirmedSetEndClosesTheSet()
{
    Match match(m_clock);
    match.setRules(RuleSet::indoor());
    MatchState played = scored(24, 23, 0, 1);
    played.sets[0] = {20, 25};
    played.WhoPoss = 1;
    played.visitorTimeouts = 2;
    match.restore(played);
    QVERIFY(!match.pendingSetEnd());
    press(match, F5Key);
    QCOMPARE(match.pendingSetEnd(), (SetEnd {2, Side::Home, {25, 23}}));

    QSignalSpy changes(&match, &Match::changed);
    QVERIFY(match.confirmSetEnd());
    QCOMPARE(changes.count(), 1);
    MatchState expected = played;
    expected.sets[1] = {25, 23};
    expected.homeGamesWon = 1;
    expected.homeScore = 0;
    expected.visitorScore = 0;
    expected.WhoPoss = 0;
    expected.visitorTimeouts = 0;
    QCOMPARE(match.state(), expected);
    QVERIFY(!match.pendingSetEnd());
    QVERIFY(!match.confirmSetEnd());
}

void TestMatchRules::undoAcrossASetEndRestoresEverything()
{
    Match match(m_clock);
    match.setRules(RuleSet::beach());
    match.restore(scored(20, 18));
    press(match, F8Key);
    match.clickVisitorArrow();
    press(match, F5Key);
    const MatchState won = match.state();
    QVERIFY(match.confirmSetEnd());
    const MatchState confirmed = match.state();
    QCOMPARE(confirmed.sets[0], (SetPair {21, 18}));

    QVERIFY(match.undo());
    QCOMPARE(match.state(), won);
    QVERIFY(match.pendingSetEnd());
    QVERIFY(match.redo());
    QCOMPARE(match.state(), confirmed);
    while (match.undo()) { }
    QCOMPARE(match.state(), scored(20, 18));
}

void TestMatchRules::notYetWaitsForTheScoresToChange()
{
    Match match(m_clock);
    match.setRules(RuleSet::indoor());
    match.restore(scored(25, 23));
    QSignalSpy assistance(&match, &Match::assistanceChanged);
    match.declineSetEnd();
    QCOMPARE(assistance.count(), 1);
    QVERIFY(!match.pendingSetEnd());
    QVERIFY(!match.confirmSetEnd());
    QCOMPARE(match.state().homeScore, 25);
    // A typed correction that still wins the set asks again.
    press(match, F5Key);
    QCOMPARE(match.pendingSetEnd(), (SetEnd {1, Side::Home, {26, 23}}));
}

void TestMatchRules::matchWinningSetKeepsTheScores()
{
    Match match(m_clock);
    match.setRules(RuleSet::indoor());
    MatchState played = scored(24, 20, 2, 1);
    played.sets = {SetPair {25, 20}, {22, 25}, {25, 17}, {}};
    played.WhoPoss = 2;
    match.restore(played);
    press(match, F5Key);
    QVERIFY(match.confirmSetEnd());
    const MatchState state = match.state();
    QCOMPARE(state.sets[3], (SetPair {25, 20}));
    QCOMPARE(state.homeGamesWon, 3);
    QCOMPARE(state.homeScore, 25);
    QCOMPARE(state.visitorScore, 20);
    QCOMPARE(state.WhoPoss, 2);
    QVERIFY(match.assessment().matchOver);
    QCOMPARE(match.assessment().matchWinner, Side::Home);
    QVERIFY(!match.pendingSetEnd());
}

void TestMatchRules::fifthSetGoesBesideTheFourBoxes()
{
    Match match(m_clock);
    match.setRules(RuleSet::indoor());
    MatchState played = scored(13, 14, 2, 2);
    played.sets = {SetPair {25, 20}, {22, 25}, {25, 17}, {18, 25}};
    match.restore(played);
    QVERIFY(match.assessment().decidingSet);
    QVERIFY(match.assessment().visitor.matchPoint);
    press(match, F6Key);
    QVERIFY(match.confirmSetEnd());
    QCOMPARE(match.state().fifthSet, (SetPair {13, 15}));
    QCOMPARE(match.state().sets, played.sets);
    QCOMPARE(match.state().visitorGamesWon, 3);
    QCOMPARE(match.assessment().matchWinner, Side::Visitor);
}

void TestMatchRules::noSetEndWithTheRulesOff()
{
    Match match(m_clock);
    match.restore(scored(24, 23));
    press(match, F5Key);
    press(match, F7Key);
    QVERIFY(!match.pendingSetEnd());
    QVERIFY(!match.confirmSetEnd());
    QVERIFY(!match.timeoutCountdown());
    QCOMPARE(match.state(), scored(25, 23));
    // Switched on, the board as it stands is a won set; switched off again, it is not.
    QSignalSpy assistance(&match, &Match::assistanceChanged);
    match.setRules(RuleSet::indoor());
    QVERIFY(match.pendingSetEnd());
    match.setRules(RuleSet::off());
    QVERIFY(!match.pendingSetEnd());
    QCOMPARE(assistance.count(), 2);
}

void TestMatchRules::serveFollowsThePoint()
{
    Match match(m_clock);
    RuleSet rules = RuleSet::indoor();
    press(match, F6Key);
    QCOMPARE(match.state().WhoPoss, Possession::Nobody);
    rules.serveFollowsPoint = true;
    match.setRules(rules);
    press(match, F6Key);
    QCOMPARE(match.state().WhoPoss, Possession::Visitor);
    press(match, F5Key);
    QCOMPARE(match.state().WhoPoss, Possession::Home);
    // The point and the serve are one step.
    QVERIFY(match.undo());
    QCOMPARE(match.state().WhoPoss, Possession::Visitor);
    QCOMPARE(match.state().homeScore, 0);
}

void TestMatchRules::sideSwitchIsDueAfterTheRally()
{
    Match match(m_clock);
    match.setRules(RuleSet::beach());
    match.restore(scored(4, 2));
    QVERIFY(!match.sideSwitchDue());
    press(match, F6Key);
    QVERIFY(match.sideSwitchDue());
    press(match, F6Key);
    QVERIFY(!match.sideSwitchDue());
    match.undo();
    QVERIFY(!match.sideSwitchDue());
    match.redo();
    QVERIFY(!match.sideSwitchDue());
    match.undo();
    match.undo();
    match.redo();
    QVERIFY(match.sideSwitchDue());
}

void TestMatchRules::timeoutsPerSetWithCountdown_data()
{
    QTest::addColumn<RuleSet>("rules");
    QTest::addColumn<int>("perSet");
    QTest::addColumn<bool>("buzzer");
    RuleSet indoor = RuleSet::indoor();
    indoor.timeoutBuzzer = true;
    QTest::newRow("indoor, two, with the buzzer") << indoor << 2 << true;
    QTest::newRow("beach, one, silent") << RuleSet::beach() << 1 << false;
}

void TestMatchRules::timeoutsPerSetWithCountdown()
{
    QFETCH(RuleSet, rules);
    QFETCH(int, perSet);
    QFETCH(bool, buzzer);
    Match match(m_clock);
    match.setRules(rules);
    QSignalSpy buzzes(&match, &Match::buzzerRequested);
    QSignalSpy assistance(&match, &Match::assistanceChanged);
    for (int taken = 1; taken <= perSet + 1; ++taken) {
        press(match, F7Key);
        // Pressed again, or held, during the countdown: still one timeout.
        press(match, F7Key);
        QCOMPARE(match.state().homeTimeouts, std::min(taken, perSet));
        if (taken > perSet) {
            QVERIFY(!match.timeoutCountdown());
            break;
        }
        QCOMPARE(match.timeoutCountdown()->side, Side::Home);
        QCOMPARE(match.timeoutCountdown()->remaining, Currency::fromInteger(30));
        m_clock.advanceMilliseconds(29'900);
        match.refreshClock({});
        QCOMPARE(match.timeoutCountdown()->remaining, Currency::fromTicks(1000));
        m_clock.advanceMilliseconds(100);
        match.refreshClock({});
        QVERIFY(!match.timeoutCountdown());
        QCOMPARE(buzzes.count(), buzzer ? taken : 0);
        QCOMPARE(assistance.count(), taken);
    }
    QCOMPARE(match.state().visitorTimeouts, 0);
    // The game clock is not touched.
    QCOMPARE(match.state().Seconds, Currency::fromInteger(600));
}

void TestMatchRules::timeoutTakenBackStopsTheCountdown()
{
    Match match(m_clock);
    match.setRules(RuleSet::indoor());
    press(match, F8Key);
    QCOMPARE(match.timeoutCountdown()->side, Side::Visitor);
    QVERIFY(match.undo());
    QVERIFY(!match.timeoutCountdown());
    QCOMPARE(match.state().visitorTimeouts, 0);
}

void TestMatchRules::wholeMatchesOfRandomRallies_data()
{
    QTest::addColumn<RuleSet>("rules");
    RuleSet indoor = RuleSet::indoor();
    indoor.serveFollowsPoint = true;
    QTest::newRow("indoor") << indoor;
    QTest::newRow("beach") << RuleSet::beach();
    RuleSet custom = RuleSet::custom(2, 15, 7, false);
    custom.serveFollowsPoint = true;
    QTest::newRow("custom best of 3 to 15, no lead of two") << custom;
    QTest::newRow("custom one set to 5") << RuleSet::custom(1, 5, 3, true);
}

// Random rallies from 0–0 until the match is won, with a set end now and then answered "not yet" and the
// point taken back. After every step the board must be one the rules can reach.
void TestMatchRules::wholeMatchesOfRandomRallies()
{
    QFETCH(RuleSet, rules);
    QRandomGenerator random(20261215);
    for (int played = 0; played < 30; ++played) {
        Match match(m_clock);
        match.setRules(rules);
        int steps = 0;
        while (!match.assessment().matchOver) {
            QVERIFY2(++steps < 2000, "the match does not end");
            if (match.pendingSetEnd() && random.bounded(4) == 0) {
                match.declineSetEnd();
                QVERIFY(!match.pendingSetEnd());
                QVERIFY(match.undo());
            } else if (const std::optional<SetEnd> end = match.pendingSetEnd()) {
                const MatchState before = match.state();
                QVERIFY(match.confirmSetEnd());
                const MatchState after = match.state();
                const qint16 &games = end->winner == Side::Home ? after.homeGamesWon : after.visitorGamesWon;
                const qint16 &gamesBefore = end->winner == Side::Home ? before.homeGamesWon : before.visitorGamesWon;
                QCOMPARE(games, gamesBefore + 1);
                QVERIFY(match.assessment().matchOver || (after.homeScore == 0 && after.visitorScore == 0));
            } else {
                const bool home = random.bounded(2) == 0;
                press(match, home ? F5Key : F6Key);
                if (rules.serveFollowsPoint)
                    QCOMPARE(match.state().WhoPoss, home ? Possession::Home : Possession::Visitor);
            }
            const MatchState state = match.state();
            const RulesAssessment now = match.assessment();
            QCOMPARE(now.setWinner.has_value(), match.pendingSetEnd().has_value());
            if (!now.matchOver) {
                // No score runs past the end of its set.
                const int lead = std::max(state.homeScore, state.visitorScore);
                const int behind = std::min(state.homeScore, state.visitorScore);
                QVERIFY(lead <= now.target || (rules.winByTwo && lead - behind <= 2));
            }
            QList<SetPair> recorded;
            for (const SetPair &set : state.sets) {
                if (set != SetPair {})
                    recorded.append(set);
            }
            if (state.fifthSet != SetPair {})
                recorded.append(state.fifthSet);
            QCOMPARE(recorded.size(), state.homeGamesWon + state.visitorGamesWon);
            for (qsizetype set = 0; set < recorded.size(); ++set) {
                const bool deciding = rules.setsToWin > 1 && set == 2 * rules.setsToWin - 2;
                QVERIFY(wonSet(recorded[set], deciding ? rules.decidingSetPoints : rules.setPoints, rules.winByTwo));
            }
        }
        const MatchState end = match.state();
        QCOMPARE(std::max(end.homeGamesWon, end.visitorGamesWon), rules.setsToWin);
        QVERIFY(std::min(end.homeGamesWon, end.visitorGamesWon) < rules.setsToWin);
        QCOMPARE(end.fifthSet != SetPair {}, end.homeGamesWon + end.visitorGamesWon == 5);
        // The last set stays on the board.
        QVERIFY(end.homeScore + end.visitorScore > 0);
    }
}

QTEST_GUILESS_MAIN(TestMatchRules)
#include "testMatchRules.moc"
