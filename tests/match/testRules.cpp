#include "match/RulesAssessment.h"
#include "match/SetEnd.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A board with these games won and scores, everything else fresh.
MatchState board(qint16 homeGames, qint16 visitorGames, qint16 home, qint16 visitor)
{
    MatchState state;
    state.homeGamesWon = homeGames;
    state.visitorGamesWon = visitorGames;
    state.homeScore = home;
    state.visitorScore = visitor;
    return state;
}

// What the assessment says, in a few words: "set 2", "deciding", "home SP", "visitor MP", "set to home",
// "match to visitor", "match over".
QString said(const RulesAssessment &assessment)
{
    QStringList words {u"set %1"_s.arg(assessment.set)};
    const auto side = [](Side s) { return s == Side::Home ? u"home"_s : u"visitor"_s; };
    if (assessment.matchOver)
        return assessment.matchWinner ? u"match to "_s + side(*assessment.matchWinner) : u"match over"_s;
    if (assessment.decidingSet)
        words << u"deciding"_s;
    for (const Side s : {Side::Home, Side::Visitor}) {
        if (assessment.chancesOf(s).matchPoint)
            words << side(s) + u" MP"_s;
        else if (assessment.chancesOf(s).setPoint)
            words << side(s) + u" SP"_s;
    }
    if (assessment.setWinner)
        words << u"set to "_s + side(*assessment.setWinner);
    return words.join(u", "_s);
}

} // namespace

// The volleyball rules on their own: what a board means under each rule set, and where sides switch.
class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void assess_data();
    void assess();
    void sideSwitch_data();
    void sideSwitch();
    void customNumbersAreTakenIntoRange();
    void setEndQuestion();
};

void TestRules::assess_data()
{
    QTest::addColumn<RuleSet>("rules");
    QTest::addColumn<MatchState>("state");
    QTest::addColumn<QString>("expected");
    const RuleSet indoor = RuleSet::indoor();
    const RuleSet beach = RuleSet::beach();
    QTest::newRow("indoor 0-0") << indoor << board(0, 0, 0, 0) << u"set 1"_s;
    QTest::newRow("indoor 24-23 set point") << indoor << board(0, 0, 24, 23) << u"set 1, home SP"_s;
    QTest::newRow("indoor 25-23 ends the set") << indoor << board(0, 0, 25, 23) << u"set 1, set to home"_s;
    QTest::newRow("indoor 25-24 does not") << indoor << board(0, 0, 25, 24) << u"set 1, home SP"_s;
    QTest::newRow("indoor 24-24 needs two") << indoor << board(0, 0, 24, 24) << u"set 1"_s;
    QTest::newRow("indoor 26-24 does") << indoor << board(1, 0, 24, 26) << u"set 2, set to visitor"_s;
    QTest::newRow("indoor 31-33 long set") << indoor << board(1, 1, 31, 33) << u"set 3, set to visitor"_s;
    QTest::newRow("indoor 2-1 24-20 match point") << indoor << board(2, 1, 24, 20) << u"set 4, home MP"_s;
    QTest::newRow("indoor 2-1 20-24 only set point") << indoor << board(2, 1, 20, 24) << u"set 4, visitor SP"_s;
    QTest::newRow("indoor 2-2 deciding set to 15")
        << indoor << board(2, 2, 15, 13) << u"set 5, deciding, set to home"_s;
    QTest::newRow("indoor deciding 14-13 match point")
        << indoor << board(2, 2, 14, 13) << u"set 5, deciding, home MP"_s;
    QTest::newRow("indoor deciding 15-14 not yet") << indoor << board(2, 2, 15, 14) << u"set 5, deciding, home MP"_s;
    QTest::newRow("indoor 3-1 match over") << indoor << board(3, 1, 25, 20) << u"match to home"_s;
    QTest::newRow("indoor 1-3 match over") << indoor << board(1, 3, 0, 0) << u"match to visitor"_s;
    QTest::newRow("indoor 3-3 typed by hand") << indoor << board(3, 3, 0, 0) << u"match over"_s;
    QTest::newRow("beach 20-19 set point") << beach << board(0, 0, 20, 19) << u"set 1, home SP"_s;
    QTest::newRow("beach 21 ends the set") << beach << board(0, 0, 21, 19) << u"set 1, set to home"_s;
    QTest::newRow("beach 21-20 does not") << beach << board(0, 0, 21, 20) << u"set 1, home SP"_s;
    QTest::newRow("beach 1-0 20-15 match point") << beach << board(1, 0, 20, 15) << u"set 2, home MP"_s;
    QTest::newRow("beach 1-1 deciding set to 15")
        << beach << board(1, 1, 13, 15) << u"set 3, deciding, set to visitor"_s;
    QTest::newRow("beach 2-0 match over") << beach << board(2, 0, 0, 0) << u"match to home"_s;
    QTest::newRow("beach 0-2 best of 3") << beach << board(0, 2, 21, 3) << u"match to visitor"_s;
    const RuleSet eleven = RuleSet::custom(1, 11, 5, false);
    QTest::newRow("custom one set to 11, no lead of two") << eleven << board(0, 0, 11, 10) << u"set 1, set to home"_s;
    QTest::newRow("custom 10-10 both at match point")
        << eleven << board(0, 0, 10, 10) << u"set 1, home MP, visitor MP"_s;
    QTest::newRow("custom one set is no deciding set") << eleven << board(0, 0, 5, 0) << u"set 1"_s;
    QTest::newRow("custom 1-0 after one set to win") << eleven << board(1, 0, 0, 0) << u"match to home"_s;
    const RuleSet threeSets = RuleSet::custom(2, 15, 7, true);
    QTest::newRow("custom deciding set to 7") << threeSets << board(1, 1, 7, 5) << u"set 3, deciding, set to home"_s;
    QTest::newRow("custom deciding 7-6") << threeSets << board(1, 1, 7, 6) << u"set 3, deciding, home MP"_s;
    QTest::newRow("empty fields count as 0") << indoor << board(-1, -1, 24, -1) << u"set 1, home SP"_s;
    QTest::newRow("off knows nothing") << RuleSet::off() << board(0, 0, 25, 23) << u"set 1"_s;
}

void TestRules::assess()
{
    QFETCH(RuleSet, rules);
    QFETCH(MatchState, state);
    QFETCH(QString, expected);
    QCOMPARE(said(RulesAssessment::assess(state, rules)), expected);
}

void TestRules::sideSwitch_data()
{
    QTest::addColumn<RuleSet>("rules");
    QTest::addColumn<MatchState>("before");
    QTest::addColumn<MatchState>("after");
    QTest::addColumn<bool>("expected");
    const RuleSet indoor = RuleSet::indoor();
    const RuleSet beach = RuleSet::beach();
    QTest::newRow("beach at 7 points") << beach << board(0, 0, 4, 2) << board(0, 0, 5, 2) << true;
    QTest::newRow("beach at 8 points") << beach << board(0, 0, 5, 2) << board(0, 0, 5, 3) << false;
    QTest::newRow("beach at 14 points") << beach << board(1, 0, 10, 3) << board(1, 0, 10, 4) << true;
    QTest::newRow("beach a point taken back") << beach << board(0, 0, 5, 2) << board(0, 0, 4, 2) << false;
    QTest::newRow("beach typed past 7") << beach << board(0, 0, 3, 3) << board(0, 0, 13, 3) << true;
    QTest::newRow("beach set won at 35 points") << beach << board(0, 0, 21, 13) << board(0, 0, 21, 14) << false;
    QTest::newRow("beach deciding at 5") << beach << board(1, 1, 3, 1) << board(1, 1, 3, 2) << true;
    QTest::newRow("beach deciding at 10") << beach << board(1, 1, 6, 3) << board(1, 1, 6, 4) << true;
    QTest::newRow("beach deciding not at 7") << beach << board(1, 1, 4, 2) << board(1, 1, 5, 2) << false;
    QTest::newRow("indoor deciding at 8") << indoor << board(2, 2, 7, 5) << board(2, 2, 8, 5) << true;
    QTest::newRow("indoor deciding from 7-7") << indoor << board(2, 2, 7, 7) << board(2, 2, 7, 8) << true;
    QTest::newRow("indoor deciding once only") << indoor << board(2, 2, 8, 6) << board(2, 2, 8, 7) << false;
    QTest::newRow("indoor not in other sets") << indoor << board(2, 1, 7, 5) << board(2, 1, 8, 5) << false;
    QTest::newRow("custom deciding at half")
        << RuleSet::custom(2, 25, 15, true) << board(1, 1, 7, 5) << board(1, 1, 8, 5) << true;
    QTest::newRow("off never") << RuleSet::off() << board(0, 0, 4, 2) << board(0, 0, 5, 2) << false;
}

void TestRules::sideSwitch()
{
    QFETCH(RuleSet, rules);
    QFETCH(MatchState, before);
    QFETCH(MatchState, after);
    QFETCH(bool, expected);
    QCOMPARE(RulesAssessment::sideSwitchCrossed(before, after, rules), expected);
}

void TestRules::customNumbersAreTakenIntoRange()
{
    const RuleSet rules = RuleSet::custom(7, 0, 150, false);
    QCOMPARE(rules.setsToWin, 3);
    QCOMPARE(rules.setPoints, 1);
    QCOMPARE(rules.decidingSetPoints, 99);
    QCOMPARE(rules.decidingSideSwitchAt, 50);
    QCOMPARE(RuleSet::custom(0, 25, 15, true).setsToWin, 1);
}

void TestRules::setEndQuestion()
{
    QCOMPARE((SetEnd {2, Side::Home, {25, 23}}).question(u"Home"_s, u"Visitor"_s), u"Set 2 to Home, 25–23?"_s);
    QCOMPARE((SetEnd {3, Side::Visitor, {20, 25}}).question(u"Eagles"_s, u"Hawks"_s), u"Set 3 to Hawks, 25–20?"_s);
}

QTEST_GUILESS_MAIN(TestRules)
#include "testRules.moc"
