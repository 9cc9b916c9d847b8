#include "match/GameTimer.h"
#include "support/ManualClock.h"

#include <QTest>

namespace {

Currency seconds(qint64 whole)
{
    return Currency::fromInteger(whole);
}

} // namespace

class TestGameTimer : public QObject
{
    Q_OBJECT

private slots:
    void countsDownAtRealTimeRate();
    void togglingTwiceKeepsTheReading();
    void stoppedTimerStandsStill();
    void writingSecondsTakesEffectAtOnce_data();
    void writingSecondsTakesEffectAtOnce();
    void countsOnBelowZero();
    void frequentReadsLoseNothing();
    void propertiesByName();
    void realClockMovesForward();
};

void TestGameTimer::countsDownAtRealTimeRate()
{
    ManualClock clock;
    GameTimer timer(clock);
    timer.setSeconds(seconds(600));
    timer.setRunning(true);
    clock.advanceMilliseconds(1500);
    QCOMPARE(timer.seconds(), Currency::parse(u"598.5").value());
}

void TestGameTimer::togglingTwiceKeepsTheReading()
{
    ManualClock clock;
    GameTimer timer(clock);
    timer.setSeconds(seconds(600));
    timer.setRunning(true);
    clock.advanceMilliseconds(2000);
    timer.setRunning(false);
    clock.advanceMilliseconds(5000);
    timer.setRunning(true);
    // Only the time that passed while running counts.
    QCOMPARE(timer.seconds(), seconds(598));
    clock.advanceMilliseconds(300);
    timer.setRunning(false);
    timer.setRunning(true);
    QCOMPARE(timer.seconds(), Currency::parse(u"597.7").value());
}

void TestGameTimer::stoppedTimerStandsStill()
{
    ManualClock clock;
    GameTimer timer(clock);
    timer.setSeconds(seconds(75));
    clock.advanceMilliseconds(60'000);
    QCOMPARE(timer.seconds(), seconds(75));
    QVERIFY(!timer.running());
    timer.setRunning(false);
    QCOMPARE(timer.seconds(), seconds(75));
}

void TestGameTimer::writingSecondsTakesEffectAtOnce_data()
{
    QTest::addColumn<bool>("running");
    QTest::newRow("while running") << true;
    QTest::newRow("while stopped") << false;
}

void TestGameTimer::writingSecondsTakesEffectAtOnce()
{
    QFETCH(bool, running);
    ManualClock clock;
    GameTimer timer(clock);
    timer.setSeconds(seconds(600));
    timer.setRunning(running);
    clock.advanceMilliseconds(10'000);
    timer.setSeconds(seconds(25));
    QCOMPARE(timer.seconds(), seconds(25));
    clock.advanceMilliseconds(1000);
    QCOMPARE(timer.seconds(), running ? seconds(24) : seconds(25));
    QCOMPARE(timer.running(), running);
}

void TestGameTimer::countsOnBelowZero()
{
    ManualClock clock;
    GameTimer timer(clock);
    timer.setSeconds(Currency::parse(u"0.05").value());
    timer.setRunning(true);
    clock.advanceMilliseconds(100);
    QCOMPARE(timer.seconds(), Currency::parse(u"-0.05").value());
}

void TestGameTimer::frequentReadsLoseNothing()
{
    // Ten simulated minutes read every 100 ms, with an odd nanosecond remainder in every step.
    ManualClock clock;
    GameTimer timer(clock);
    timer.setSeconds(seconds(600));
    timer.setRunning(true);
    for (int read = 0; read < 6000; ++read) {
        clock.advanceNanoseconds(99'999'999);
        // One nanosecond short of the tenth: the reading is still a tick above the exact value.
        QCOMPARE(timer.seconds().ticks(), 6'000'000 - (read + 1) * 1000 + 1);
        clock.advanceNanoseconds(1);
    }
    QCOMPARE(timer.seconds(), seconds(0));
}

void TestGameTimer::propertiesByName()
{
    ManualClock clock;
    GameTimer timer(clock);
    QVERIFY(timer.setProperty("Seconds", QVariant::fromValue(seconds(42))));
    QVERIFY(timer.setProperty("Running", true));
    clock.advanceMilliseconds(2000);
    QCOMPARE(timer.property("Seconds").value<Currency>(), seconds(40));
    QCOMPARE(timer.property("Running").toBool(), true);
}

void TestGameTimer::realClockMovesForward()
{
    GameTimer timer;
    timer.setSeconds(seconds(10));
    timer.setRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(timer.seconds() < seconds(10), 1000);
}

QTEST_GUILESS_MAIN(TestGameTimer)
#include "testGameTimer.moc"
