#include "feed/RemoteControl.h"
#include "match/Match.h"
#include "support/ManualClock.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Result = RemoteControl::Result;
const QString Pin = u"123456"_s;

QByteArray body(const QString &pin, const QString &command)
{
    return u"{\"pin\": \"%1\", \"command\": \"%2\"}"_s.arg(pin, command).toUtf8();
}

} // namespace

Q_DECLARE_METATYPE(MatchState)
Q_DECLARE_METATYPE(RemoteControl::Result)

// The phone remote's commands through the match's own rules, and the PIN with its lock-out.
class TestRemoteControl : public QObject
{
    Q_OBJECT

private slots:
    void commandsRunThroughTheMatch_data();
    void commandsRunThroughTheMatch();
    void buzzerAsksForTheBuzzer();
    void malformedBodiesChangeNothing_data();
    void malformedBodiesChangeNothing();
    void fiveWrongPinsLockOutForAMinute();
    void aRightPinEndsTheRunOfWrongOnes();
    void noValidPinTakesNoCommand_data();
    void noValidPinTakesNoCommand();
};

void TestRemoteControl::commandsRunThroughTheMatch_data()
{
    QTest::addColumn<MatchState>("before");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<MatchState>("after");

    MatchState scored;
    scored.homeScore = 24;
    scored.visitorScore = 23;
    MatchState homePlus = scored;
    homePlus.homeScore = 25;
    QTest::newRow("homePlus") << scored << QStringList {u"homePlus"_s} << homePlus;
    MatchState visitorMinus = scored;
    visitorMinus.visitorScore = 22;
    QTest::newRow("visitorMinus") << scored << QStringList {u"visitorMinus"_s} << visitorMinus;
    MatchState emptied;
    emptied.homeScore = MatchState::Empty;
    QTest::newRow("homeMinus at 0 empties the field, as -1 typed does")
        << MatchState {} << QStringList {u"homeMinus"_s} << emptied;
    MatchState full;
    full.visitorScore = 99;
    QTest::newRow("visitorPlus at 99 is refused") << full << QStringList {u"visitorPlus"_s} << full;
    MatchState serving;
    serving.WhoPoss = 2;
    QTest::newRow("possessionVisitor") << MatchState {} << QStringList {u"possessionVisitor"_s} << serving;
    QTest::newRow("possessionHome then possessionNone")
        << serving << QStringList {u"possessionHome"_s, u"possessionNone"_s} << MatchState {};
    QTest::newRow("undo and redo") << scored
                                   << QStringList {u"homePlus"_s, u"homePlus"_s, u"undo"_s, u"undo"_s, u"redo"_s}
                                   << homePlus;
    MatchState running;
    running.Running = true;
    QTest::newRow("startStop starts the clock") << MatchState {} << QStringList {u"startStop"_s} << running;
    QTest::newRow("startStop twice stops it")
        << MatchState {} << QStringList {u"startStop"_s, u"startStop"_s} << MatchState {};
    MatchState typed;
    typed.Seconds = Currency::fromInteger(125);
    typed.ClockPreset = Currency::fromInteger(300);
    MatchState reset = typed;
    reset.Seconds = Currency::fromInteger(300);
    QTest::newRow("resetClock goes back to the preset") << typed << QStringList {u"resetClock"_s} << reset;
}

void TestRemoteControl::commandsRunThroughTheMatch()
{
    QFETCH(MatchState, before);
    QFETCH(QStringList, commands);
    QFETCH(MatchState, after);
    ManualClock clock;
    Match match(clock);
    match.restore(before);
    RemoteControl remote(match, clock);
    remote.setPin(Pin);
    for (const QString &command : commands) {
        const RemoteControl::Outcome outcome = remote.run(body(Pin, command));
        QCOMPARE(outcome.result, Result::Done);
    }
    QCOMPARE(match.state(), after);
}

void TestRemoteControl::buzzerAsksForTheBuzzer()
{
    ManualClock clock;
    Match match(clock);
    RemoteControl remote(match, clock);
    remote.setPin(Pin);
    QSignalSpy buzzer(&match, &Match::buzzerRequested);
    QCOMPARE(remote.run(body(Pin, u"buzzer"_s)).result, Result::Done);
    QCOMPARE(buzzer.size(), 1);
}

void TestRemoteControl::malformedBodiesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Result>("result");
    QTest::newRow("empty") << QByteArray() << Result::Malformed;
    QTest::newRow("not JSON") << QByteArray("pin=123456&command=homePlus") << Result::Malformed;
    QTest::newRow("an array") << QByteArray("[\"123456\", \"homePlus\"]") << Result::Malformed;
    QTest::newRow("truncated") << QByteArray("{\"pin\": \"123456\", \"command\": \"home") << Result::Malformed;
    QTest::newRow("command a number") << QByteArray("{\"pin\": \"123456\", \"command\": 1}") << Result::Malformed;
    QTest::newRow("pin a number") << QByteArray("{\"pin\": 123456, \"command\": \"homePlus\"}") << Result::Malformed;
    QTest::newRow("no command") << QByteArray("{\"pin\": \"123456\"}") << Result::Malformed;
    QTest::newRow("unknown command") << body(Pin, u"setScore"_s) << Result::UnknownCommand;
    QTest::newRow("command in another case") << body(Pin, u"HOMEPLUS"_s) << Result::UnknownCommand;
    QTest::newRow("no PIN") << QByteArray("{\"command\": \"homePlus\"}") << Result::WrongPin;
    QTest::newRow("wrong PIN") << body(u"654321"_s, u"homePlus"_s) << Result::WrongPin;
    QTest::newRow("PIN with more digits") << body(u"1234567"_s, u"homePlus"_s) << Result::WrongPin;
    QTest::newRow("wrong PIN and unknown command") << body(u"000000"_s, u"nonsense"_s) << Result::WrongPin;
}

void TestRemoteControl::malformedBodiesChangeNothing()
{
    QFETCH(QByteArray, body);
    QFETCH(Result, result);
    ManualClock clock;
    Match match(clock);
    RemoteControl remote(match, clock);
    remote.setPin(Pin);
    QSignalSpy changes(&match, &Match::changed);
    const RemoteControl::Outcome outcome = remote.run(body);
    QCOMPARE(outcome.result, result);
    QVERIFY(!outcome.message.isEmpty());
    QCOMPARE(changes.size(), 0);
}

void TestRemoteControl::fiveWrongPinsLockOutForAMinute()
{
    ManualClock clock;
    Match match(clock);
    RemoteControl remote(match, clock);
    remote.setPin(Pin);
    for (int attempt = 1; attempt < RemoteControl::AllowedWrongPins; ++attempt)
        QCOMPARE(remote.run(body(u"000000"_s, u"homePlus"_s)).result, Result::WrongPin);
    const RemoteControl::Outcome fifth = remote.run(body(u"000000"_s, u"homePlus"_s));
    QCOMPARE(fifth.result, Result::LockedOut);
    QCOMPARE(fifth.retryAfterSeconds, 60);
    // Locked, even for the right PIN.
    clock.advanceMilliseconds(59'500);
    const RemoteControl::Outcome locked = remote.run(body(Pin, u"homePlus"_s));
    QCOMPARE(locked.result, Result::LockedOut);
    QCOMPARE(locked.retryAfterSeconds, 1);
    QCOMPARE(match.state().homeScore, 0);
    clock.advanceMilliseconds(500);
    QCOMPARE(remote.run(body(Pin, u"homePlus"_s)).result, Result::Done);
    QCOMPARE(match.state().homeScore, 1);
    // After the lock-out a new run of five starts.
    for (int attempt = 1; attempt < RemoteControl::AllowedWrongPins; ++attempt)
        QCOMPARE(remote.run(body(u"000000"_s, u"homePlus"_s)).result, Result::WrongPin);
}

void TestRemoteControl::aRightPinEndsTheRunOfWrongOnes()
{
    ManualClock clock;
    Match match(clock);
    RemoteControl remote(match, clock);
    remote.setPin(Pin);
    for (int round = 0; round < 3; ++round) {
        for (int attempt = 1; attempt < RemoteControl::AllowedWrongPins; ++attempt)
            QCOMPARE(remote.run(body(u"000000"_s, u"homePlus"_s)).result, Result::WrongPin);
        QCOMPARE(remote.run(body(Pin, u"homePlus"_s)).result, Result::Done);
    }
    QVERIFY(!remote.lockedOut());
    QCOMPARE(match.state().homeScore, 3);
}

void TestRemoteControl::noValidPinTakesNoCommand_data()
{
    QTest::addColumn<QString>("pin");
    QTest::newRow("none") << QString();
    QTest::newRow("five digits") << u"12345"_s;
    QTest::newRow("letters") << u"abcdef"_s;
}

void TestRemoteControl::noValidPinTakesNoCommand()
{
    QFETCH(QString, pin);
    ManualClock clock;
    Match match(clock);
    RemoteControl remote(match, clock);
    remote.setPin(pin);
    QCOMPARE(remote.run(body(pin, u"homePlus"_s)).result, Result::WrongPin);
    QCOMPARE(match.state().homeScore, 0);
}

QTEST_GUILESS_MAIN(TestRemoteControl)
#include "testRemoteControl.moc"
