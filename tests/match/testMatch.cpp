#include "match/Match.h"
#include "support/ManualClock.h"
#include "support/OperatorKeys.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr qint16 F5Key = 116;
constexpr qint16 F6Key = 117;

// A field of the state by its element name, as the board shows it.
QString valueOf(const MatchState &state, const QString &name)
{
    if (name.startsWith(u"nledSet")) {
        const SetPair &set = state.sets[name.mid(7, 1).toInt() - 1];
        return QString::number(name.endsWith(u'H') ? set.home : set.visitor);
    }
    const QHash<QString, QString> fields {
        {u"nledHomeScore"_s, QString::number(state.homeScore)},
        {u"nledVisitorScore"_s, QString::number(state.visitorScore)},
        {u"nledHomeGamesWon"_s, QString::number(state.homeGamesWon)},
        {u"nledVisitorGamesWon"_s, QString::number(state.visitorGamesWon)},
        {u"WhoPoss"_s, QString::number(state.WhoPoss)},
        {u"Running"_s, QString::number(int(state.Running))},
        {u"Seconds"_s, state.Seconds.toString()},
        {u"ClockPreset"_s, state.ClockPreset.toString()},
        {u"ClockTime"_s, QString::number(int(state.ClockTime))},
    };
    if (!fields.contains(name))
        qFatal("no field %s", qPrintable(name));
    return fields.value(name);
}

// "name=value" pairs separated by blanks, written into a fresh state.
MatchState stateFrom(const QString &fields)
{
    MatchState state;
    for (const QString &pair : fields.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = pair.section(u'=', 0, 0);
        const QString value = pair.section(u'=', 1);
        const qint16 number = value.toShort();
        if (name.startsWith(u"nledSet")) {
            SetPair &set = state.sets[name.mid(7, 1).toInt() - 1];
            (name.endsWith(u'H') ? set.home : set.visitor) = number;
        } else if (name == u"nledHomeScore") {
            state.homeScore = number;
        } else if (name == u"nledHomeGamesWon") {
            state.homeGamesWon = number;
        } else if (name == u"WhoPoss") {
            state.WhoPoss = number;
        } else if (name == u"Seconds") {
            state.Seconds = *Currency::parse(value);
        } else if (name == u"ClockPreset") {
            state.ClockPreset = *Currency::parse(value);
        } else {
            qFatal("no field %s", qPrintable(name));
        }
    }
    return state;
}

// Key presses as the board hands them over: the command dispatch, then the focused element's entry.
void press(Match &match, const QString &element, qint16 keyCode, const CommandKeys &keys = {})
{
    match.AllKeyCode(keyCode, keys);
    match.typedEntry(element, keyCode, keys.ClearKey);
}

void type(Match &match, const QString &element, QStringView keys)
{
    for (const QChar key : keys)
        press(match, element, OperatorKeys::keyCode(key));
}

} // namespace

// The match core on its own, without any window: the command keys, the typed entry as it reaches each
// element, the clock's run-out, undo and redo, and what it tells the journal and the views.
class TestMatch : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void scoreKeysAddOneUpTo99();
    void commandKeyThatIsAlsoADigitDoesBoth();
    void possessionArrowsToggle();
    void runOutStopsAndBuzzesOnce();
    void resetRearmsTheBuzz();
    void timeOfDayStillStopsAtZero();
    void runningClockReportsWhatItShows();
    void undoRedo_data();
    void undoRedo();
    void undoKeepsARunningClockRunning();
    void undoReachesBackTwoHundredSteps();
    void randomSessionsUndoToAFreshBoard();
    void recorderSeesAChangeBeforeTheViews();
    void recorderKeepsTheReadingTheViewsShow();
    void restoredMatchWaitsForTheStartKey();

private:
    ManualClock m_clock;
};

void TestMatch::keys_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("start/stop key runs the clock") << u""_s << u"nledHomeScore"_s << u"S"_s << u"Running=1"_s;
    QTest::newRow("start/stop twice stands still") << u""_s << u"nledHomeScore"_s << u"SS"_s << u"Running=0"_s;
    QTest::newRow("clock keys type nothing on the clock")
        << u""_s << u"tledGame"_s << u"SS1\r"_s << u"Seconds=60 ClockPreset=60 Running=0"_s;
    QTest::newRow("reset stops at the preset")
        << u"Seconds=100 ClockPreset=300"_s << u"picSet1"_s << u"SR"_s << u"Seconds=300 Running=0"_s;
    QTest::newRow("clock switch") << u""_s << u"picPossBack"_s << u"C"_s << u"ClockTime=1 Seconds=600"_s;
    QTest::newRow("typed clock sets value and preset")
        << u""_s << u"tledGame"_s << u"25\r"_s << u"Seconds=1500 ClockPreset=1500"_s;
    QTest::newRow("typed clock keeps running") << u""_s << u"tledGame"_s << u"S5\r"_s << u"Seconds=300 Running=1"_s;
    QTest::newRow("clock refuses 100 minutes") << u""_s << u"tledGame"_s << u"100\r"_s << u"Seconds=600"_s;
    QTest::newRow("clock Enter alone gives 0 and stops")
        << u""_s << u"tledGame"_s << u"S\r"_s << u"Seconds=0 ClockPreset=0 Running=0"_s;
    QTest::newRow("score clear") << u"nledHomeScore=3"_s << u"nledHomeScore"_s << u"#"_s << u"nledHomeScore=-1"_s;
    QTest::newRow("games won clear") << u"nledHomeGamesWon=3"_s << u"nledHomeGamesWon"_s << u"#"_s
                                     << u"nledHomeGamesWon=-1"_s;
    QTest::newRow("set pair clear") << u"nledSet1H=3 nledSet1V=4"_s << u"picSet1"_s << u"#"_s
                                    << u"nledSet1H=-1 nledSet1V=-1"_s;
    QTest::newRow("clear on the clock does nothing") << u""_s << u"tledGame"_s << u"#"_s << u"Seconds=600"_s;
    QTest::newRow("clear on the possession box does nothing")
        << u"WhoPoss=1"_s << u"picPossBack"_s << u"#"_s << u"WhoPoss=1"_s;
    QTest::newRow("clear on a picture box does nothing")
        << u"nledHomeScore=3"_s << u"picHomeContainer"_s << u"#"_s << u"nledHomeScore=3"_s;
    QTest::newRow("left arrow: home") << u""_s << u"picPossBack"_s << u"<"_s << u"WhoPoss=1"_s;
    QTest::newRow("right arrow: visitor") << u""_s << u"picPossBack"_s << u">"_s << u"WhoPoss=2"_s;
    QTest::newRow("up arrow: nobody") << u"WhoPoss=2"_s << u"picPossBack"_s << u"^"_s << u"WhoPoss=0"_s;
    QTest::newRow("down arrow: nobody") << u"WhoPoss=1"_s << u"picPossBack"_s << u"v"_s << u"WhoPoss=0"_s;
    QTest::newRow("letter keeps possession") << u"WhoPoss=2"_s << u"picPossBack"_s << u"A"_s << u"WhoPoss=2"_s;
    QTest::newRow("arrows elsewhere do nothing") << u""_s << u"nledHomeScore"_s << u"<"_s << u"WhoPoss=0"_s;
    QTest::newRow("games won entry by name")
        << u""_s << u"nledVisitorGamesWon"_s << u"7"_s << u"nledVisitorGamesWon=7 nledHomeGamesWon=0"_s;
    QTest::newRow("set entry by name") << u""_s << u"picSet3"_s << u"25.23\r"_s
                                       << u"nledSet3H=25 nledSet3V=23 nledSet2H=-1"_s;
    QTest::newRow("entry into a set field itself does nothing")
        << u""_s << u"nledSet3H"_s << u"25.23\r"_s << u"nledSet3H=-1"_s;
}

void TestMatch::keys()
{
    QFETCH(QString, start);
    QFETCH(QString, element);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    Match match(m_clock);
    match.restore(stateFrom(start));
    type(match, element, keys);
    const MatchState state = match.state();
    for (const QString &pair : expected.split(u' '))
        QCOMPARE(pair.section(u'=', 0, 0) + u'=' + valueOf(state, pair.section(u'=', 0, 0)), pair);
}

void TestMatch::scoreKeysAddOneUpTo99()
{
    Match match(m_clock);
    match.restore(stateFrom(u"nledHomeScore=-1"_s));
    press(match, u"picSet1"_s, F5Key);
    QCOMPARE(match.state().homeScore, 1);
    for (int i = 0; i < 120; ++i)
        press(match, u"tledGame"_s, F6Key);
    QCOMPARE(match.state().visitorScore, 99);
    QCOMPARE(match.state().Seconds, Currency::fromInteger(600));
}

void TestMatch::commandKeyThatIsAlsoADigitDoesBoth()
{
    Match match(m_clock);
    QSignalSpy buzzes(&match, &Match::buzzerRequested);
    CommandKeys keys;
    keys.BuzzerKey = '5';
    press(match, u"nledHomeScore"_s, '5', keys);
    press(match, u"nledHomeScore"_s, 13, keys);
    QCOMPARE(buzzes.count(), 1);
    QCOMPARE(match.state().homeScore, 5);
}

void TestMatch::possessionArrowsToggle()
{
    Match match(m_clock);
    match.clickHomeArrow();
    QCOMPARE(match.state().WhoPoss, Possession::Home);
    match.clickVisitorArrow();
    QCOMPARE(match.state().WhoPoss, Possession::Visitor);
    match.clickVisitorArrow();
    QCOMPARE(match.state().WhoPoss, Possession::Nobody);
}

void TestMatch::runOutStopsAndBuzzesOnce()
{
    Match match(m_clock);
    QSignalSpy buzzes(&match, &Match::buzzerRequested);
    type(match, u"tledGame"_s, u"0.01\rS");
    m_clock.advanceMilliseconds(1050);
    match.refreshClock({});
    QVERIFY(!match.state().Running);
    QCOMPARE(buzzes.count(), 1);
    // Started again at zero: stopped at the next refresh, without a second buzz.
    type(match, u"tledGame"_s, u"S");
    m_clock.advanceMilliseconds(100);
    match.refreshClock({});
    QVERIFY(!match.state().Running);
    QCOMPARE(buzzes.count(), 1);
}

void TestMatch::resetRearmsTheBuzz()
{
    Match match(m_clock);
    QSignalSpy buzzes(&match, &Match::buzzerRequested);
    type(match, u"tledGame"_s, u"0.01\rS");
    m_clock.advanceMilliseconds(1100);
    match.refreshClock({});
    type(match, u"tledGame"_s, u"RS");
    QCOMPARE(match.state().Running, true);
    m_clock.advanceMilliseconds(1100);
    match.refreshClock({});
    QCOMPARE(buzzes.count(), 2);
}

void TestMatch::timeOfDayStillStopsAtZero()
{
    Match match(m_clock);
    QSignalSpy buzzes(&match, &Match::buzzerRequested);
    type(match, u"tledGame"_s, u"0.01\rCS");
    m_clock.advanceMilliseconds(1100);
    const ClockDisplay shown = match.refreshClock(QTime(14, 5));
    QCOMPARE(shown.Caption, 14.0f * 60 + 5);
    QVERIFY(!match.state().Running);
    QCOMPARE(buzzes.count(), 1);
}

void TestMatch::runningClockReportsWhatItShows()
{
    Match match(m_clock);
    QSignalSpy changes(&match, &Match::changed);
    match.refreshClock({});
    QCOMPARE(changes.count(), 0);
    type(match, u"tledGame"_s, u"S");
    changes.clear();
    m_clock.advanceMilliseconds(400); // 9:59.6 still shows 10:00
    match.refreshClock({});
    QCOMPARE(changes.count(), 0);
    m_clock.advanceMilliseconds(600);
    match.refreshClock({});
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().first().value<MatchChanges>(), MatchChanges(MatchChange::ClockReading));
}

void TestMatch::undoRedo_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("undos");
    QTest::addColumn<int>("redos");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a typed score") << u"nledHomeScore"_s << u"15\r"_s << 1 << 0 << u"nledHomeScore=0"_s;
    QTest::newRow("two steps back") << u"nledHomeScore"_s << u"+3+4"_s << 2 << 0 << u"nledHomeScore=0"_s;
    QTest::newRow("one of two steps back") << u"nledHomeScore"_s << u"+3+4"_s << 1 << 0 << u"nledHomeScore=3"_s;
    QTest::newRow("undo then redo") << u"nledHomeScore"_s << u"+3+4"_s << 2 << 1 << u"nledHomeScore=3"_s;
    QTest::newRow("a cleared field comes back") << u"nledHomeScore"_s << u"9\r#"_s << 1 << 0 << u"nledHomeScore=9"_s;
    QTest::newRow("a set pair") << u"picSet2"_s << u"25.23\r"_s << 1 << 0 << u"nledSet2H=-1 nledSet2V=-1"_s;
    QTest::newRow("possession") << u"picPossBack"_s << u"<>"_s << 1 << 0 << u"WhoPoss=1"_s;
    QTest::newRow("games won") << u"nledHomeGamesWon"_s << u"12"_s << 1 << 0 << u"nledHomeGamesWon=1"_s;
    QTest::newRow("a typed clock value, stopped")
        << u"tledGame"_s << u"S5\r"_s << 1 << 0 << u"Seconds=600 ClockPreset=600 Running=0"_s;
    QTest::newRow("redo a clock value, stopped")
        << u"tledGame"_s << u"5\rS"_s << 1 << 1 << u"Seconds=300 ClockPreset=300 Running=0"_s;
    QTest::newRow("start and stop are not undone") << u"tledGame"_s << u"S"_s << 1 << 0 << u"Running=1"_s;
    QTest::newRow("nothing to undo beyond the first step")
        << u"nledVisitorScore"_s << u"+1"_s << 5 << 0 << u"nledVisitorScore=0"_s;
    QTest::newRow("nothing to redo") << u"nledVisitorScore"_s << u"+1"_s << 0 << 3 << u"nledVisitorScore=1"_s;
}

void TestMatch::undoRedo()
{
    QFETCH(QString, element);
    QFETCH(QString, keys);
    QFETCH(int, undos);
    QFETCH(int, redos);
    QFETCH(QString, expected);
    Match match(m_clock);
    type(match, element, keys);
    for (int i = 0; i < undos; ++i)
        match.undo();
    for (int i = 0; i < redos; ++i)
        match.redo();
    const MatchState state = match.state();
    for (const QString &pair : expected.split(u' '))
        QCOMPARE(pair.section(u'=', 0, 0) + u'=' + valueOf(state, pair.section(u'=', 0, 0)), pair);
}

void TestMatch::undoKeepsARunningClockRunning()
{
    Match match(m_clock);
    type(match, u"nledHomeScore"_s, u"S");
    m_clock.advanceMilliseconds(5000);
    press(match, u"nledHomeScore"_s, F5Key);
    m_clock.advanceMilliseconds(2000);
    QVERIFY(match.undo());
    QCOMPARE(match.state().homeScore, 0);
    QVERIFY(match.state().Running);
    QCOMPARE(match.state().Seconds, Currency::fromInteger(593));
    QVERIFY(match.redo());
    QCOMPARE(match.state().homeScore, 1);
    QVERIFY(match.state().Running);
    // A reset is undone to the reading it replaced, stopped.
    type(match, u"nledHomeScore"_s, u"R");
    QVERIFY(match.undo());
    QCOMPARE(match.state().Seconds, Currency::fromInteger(593));
    QVERIFY(!match.state().Running);
    // A new change forgets what could be redone.
    type(match, u"nledHomeScore"_s, u"+2");
    QVERIFY(!match.redo());
    QCOMPARE(match.state().homeScore, 3);
}

void TestMatch::undoReachesBackTwoHundredSteps()
{
    Match match(m_clock);
    for (int i = 0; i < 250; ++i)
        match.clickHomeArrow();
    for (int i = 0; i < 250; ++i)
        QVERIFY2(match.undo(), qPrintable(QString::number(i)));
    QVERIFY(!match.canUndo());
    QCOMPARE(match.state().WhoPoss, Possession::Nobody);
}

// Random keys into random fields (the start/stop and clock switch keys left out, since they are not
// undone): undoing everything gives the fresh board, redoing everything the state before.
void TestMatch::randomSessionsUndoToAFreshBoard()
{
    const QString keys = u"0123456789+-.\r #<>^vRAB"_s;
    const QStringList elements {
        u"nledHomeScore"_s, u"nledVisitorScore"_s, u"nledHomeGamesWon"_s, u"nledVisitorGamesWon"_s, u"picSet1"_s,
        u"picSet4"_s,       u"tledGame"_s,         u"picPossBack"_s,      u"picBoardContainer"_s};
    QRandomGenerator random(20261208);
    for (int session = 0; session < 200; ++session) {
        Match match(m_clock);
        for (int i = 0; i < 100; ++i) {
            const QString element = elements[random.bounded(elements.size())];
            if (random.bounded(10) == 0)
                press(match, element, random.bounded(2) ? F5Key : F6Key);
            else
                type(match, element, QString(keys[random.bounded(keys.size())]));
        }
        const MatchState played = match.state();
        while (match.undo()) { }
        QCOMPARE(match.state(), MatchState::fresh());
        while (match.redo()) { }
        QCOMPARE(match.state(), played);
    }
}

void TestMatch::recorderSeesAChangeBeforeTheViews()
{
    Match match(m_clock);
    QList<MatchState> recorded;
    match.setRecorder([&recorded](const MatchState &state, MatchChanges) { recorded.append(state); });
    int viewsSawRecorded = 0;
    connect(&match, &Match::changed, this, [&] {
        if (!recorded.isEmpty() && recorded.last() == match.state())
            ++viewsSawRecorded;
    });
    type(match, u"nledHomeScore"_s, u"7\rS");
    match.undo();
    QCOMPARE(match.version(), quint64(3));
    QCOMPARE(recorded.size(), 3);
    QCOMPARE(viewsSawRecorded, 3);
    QCOMPARE(recorded.last().homeScore, 0);
}

// Between refreshes a running clock still shows the last reading; a score changed then is recorded with
// that reading, so that a match resumed from the record has its clock where the board showed it.
void TestMatch::recorderKeepsTheReadingTheViewsShow()
{
    Match match(m_clock);
    QList<MatchState> recorded;
    match.setRecorder([&recorded](const MatchState &state, MatchChanges) { recorded.append(state); });
    type(match, u"nledHomeScore"_s, u"S");
    m_clock.advanceMilliseconds(1000);
    match.refreshClock({});
    m_clock.advanceMilliseconds(60);
    press(match, u"nledHomeScore"_s, F5Key);
    QCOMPARE(recorded.last().homeScore, 1);
    QCOMPARE(recorded.last().Seconds, Currency::fromInteger(599));
    QCOMPARE(match.state().Seconds, Currency::fromTicks(5'989'400));
}

void TestMatch::restoredMatchWaitsForTheStartKey()
{
    Match match(m_clock);
    QSignalSpy buzzes(&match, &Match::buzzerRequested);
    MatchState interrupted = stateFrom(u"nledHomeScore=18 Seconds=0"_s);
    interrupted.Running = true;
    match.restore(interrupted);
    match.refreshClock({});
    QVERIFY(!match.state().Running);
    QCOMPARE(match.state().homeScore, 18);
    QVERIFY(!match.canUndo());
    // A match resumed at 0:00 has had its buzz.
    QCOMPARE(buzzes.count(), 0);
}

QTEST_GUILESS_MAIN(TestMatch)
#include "testMatch.moc"
