#include "match/ClockDisplay.h"
#include "match/ZeroWatch.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Currency seconds(const QString &text)
{
    const auto value = Currency::parse(text);
    if (!value)
        qFatal("Bad reading in a test row");
    return *value;
}

} // namespace

class TestClockDisplay : public QObject
{
    Q_OBJECT

private slots:
    void gameClock_data();
    void gameClock();
    void timeOfDay_data();
    void timeOfDay();
    void zeroWatch_data();
    void zeroWatch();
};

void TestClockDisplay::gameClock_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("fieldUnits");
    QTest::addColumn<float>("caption");

    QTest::newRow("10:00") << u"600"_s << u"60,1"_s << 600.0f;
    QTest::newRow("0.3 s run still shows 10:00") << u"599.7"_s << u"60,1"_s << 600.0f;
    QTest::newRow("0.4 s run still shows 10:00") << u"599.6"_s << u"60,1"_s << 600.0f;
    QTest::newRow("a tick above 599 shows 10:00") << u"599.0001"_s << u"60,1"_s << 600.0f;
    QTest::newRow("9:59 from 599.0") << u"599.0"_s << u"60,1"_s << 599.0f;
    QTest::newRow("a tick above a half") << u"599.5001"_s << u"60,1"_s << 600.0f;
    QTest::newRow("tie goes to the even second") << u"598.0001"_s << u"60,1"_s << 598.0f;
    QTest::newRow("just above the last minute") << u"59.9001"_s << u"60,1"_s << 60.0f;
    QTest::newRow("60.0 still minutes") << u"60.0"_s << u"60,1"_s << 60.0f;
    QTest::newRow("59.9 shows tenths") << u"59.9"_s << u"1,.1"_s << 59.9f;
    QTest::newRow("12.3 shows tenths") << u"12.3"_s << u"1,.1"_s << 12.3f;
    QTest::newRow("zero") << u"0"_s << u"1,.1"_s << 0.0f;
    QTest::newRow("below zero") << u"-0.05"_s << u"1,.1"_s << -0.05f;
    QTest::newRow("99:59") << u"5999"_s << u"60,1"_s << 5999.0f;
}

void TestClockDisplay::gameClock()
{
    QFETCH(QString, reading);
    QFETCH(QString, fieldUnits);
    QFETCH(float, caption);
    const ClockDisplay display = ClockDisplay::choose(false, seconds(reading), QTime(13, 45));
    QCOMPARE(display.FieldUnits, fieldUnits);
    QCOMPARE(display.Caption, caption);
}

void TestClockDisplay::timeOfDay_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<float>("caption");

    QTest::newRow("13:45") << QTime(13, 45, 30) << u"600"_s << 825.0f;
    QTest::newRow("midnight") << QTime(0, 0) << u"600"_s << 0.0f;
    QTest::newRow("23:59") << QTime(23, 59, 59) << u"600"_s << 1439.0f;
    QTest::newRow("in the game's last minute") << QTime(9, 5) << u"30.5"_s << 545.0f;
    QTest::newRow("after the run-out") << QTime(9, 5) << u"-0.1"_s << 545.0f;
}

void TestClockDisplay::timeOfDay()
{
    QFETCH(QTime, time);
    QFETCH(QString, reading);
    QFETCH(float, caption);
    const ClockDisplay display = ClockDisplay::choose(true, seconds(reading), time);
    QCOMPARE(display.FieldUnits, u"60,1"_s);
    QCOMPARE(display.Caption, caption);
}

void TestClockDisplay::zeroWatch_data()
{
    // One reading per refresh; per refresh "S" stops the timer, "B" buzzes, "-" does neither.
    QTest::addColumn<QString>("readings");
    QTest::addColumn<QString>("actions");

    QTest::newRow("running down") << u"600 0.2 0.1"_s << u"- - -"_s;
    QTest::newRow("run-out buzzes once") << u"0.1 0 -0.05 -0.05"_s << u"- SB S S"_s;
    QTest::newRow("start again at zero: stopped, no buzz") << u"0.1 -0.02 -0.02 -0.1"_s << u"- SB S S"_s;
    QTest::newRow("reset re-arms the buzz") << u"0.1 0 600 599.9 0"_s << u"- SB - - SB"_s;
    QTest::newRow("first reading at zero buzzes") << u"0"_s << u"SB"_s;
    QTest::newRow("a tick above zero re-arms") << u"0 0.0001 0"_s << u"SB - SB"_s;
}

void TestClockDisplay::zeroWatch()
{
    QFETCH(QString, readings);
    QFETCH(QString, actions);
    const QStringList values = readings.split(u' ');
    const QStringList expected = actions.split(u' ');
    QCOMPARE(values.size(), expected.size());
    ZeroWatch watch;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const ZeroWatch::Action action = watch.check(seconds(values[i]));
        QString got = action.stopTimer ? u"S"_s : QString();
        if (action.buzz)
            got += u'B';
        QCOMPARE(got.isEmpty() ? u"-"_s : got, expected[i]);
        QCOMPARE(watch.ZeroBuzzed(), action.stopTimer);
    }
}

QTEST_GUILESS_MAIN(TestClockDisplay)
#include "testClockDisplay.moc"
