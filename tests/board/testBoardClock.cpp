#include "match/GameTimer.h"
#include "support/BoardFixture.h"

#include <QTime>

using namespace Qt::StringLiterals;

// The game clock on the real board, driven by a hand-advanced clock: each "tick" advances the time
// and runs the refresh that tmrClock1 runs every 100 ms.
class TestBoardClock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadShowsTenMinutesStandingStill();
    void displayFollowsTheReading_data();
    void displayFollowsTheReading();
    void runOutStopsAndBuzzesOnce();
    void resetRestoresThePresetAndRearmsTheBuzz();
    void timeOfDay();
    void refreshTimerDrivesTheDisplay();

private:
    void tick(int milliseconds = 100);
    TimePanel *clockPanel() const { return m_fixture->find<TimePanel>(u"tledGame"_s); }
    GameTimer *timer() const { return m_fixture->find<GameTimer>(u"tkGame"_s); }

    std::unique_ptr<BoardFixture> m_fixture;
};

void TestBoardClock::init()
{
    m_fixture = std::make_unique<BoardFixture>();
    // An existing sound file, so that the buzzer can sound.
    m_fixture->settings.BuzzerFile = QString::fromLatin1(VANTARO_ASSETS_DIR "/buzzer.wav");
    m_fixture->open();
}

void TestBoardClock::cleanup()
{
    m_fixture.reset();
}

void TestBoardClock::tick(int milliseconds)
{
    m_fixture->clock.advanceMilliseconds(milliseconds);
    m_fixture->board->RefreshTime();
}

void TestBoardClock::loadShowsTenMinutesStandingStill()
{
    QCOMPARE(clockPanel()->fieldUnits(), u"60,1"_s);
    QCOMPARE(clockPanel()->caption(), 600.0f);
    QCOMPARE(m_fixture->board->ClockPreset(), Currency::fromInteger(600));
    tick(5000);
    QCOMPARE(clockPanel()->caption(), 600.0f);
    QVERIFY(!timer()->running());
}

void TestBoardClock::displayFollowsTheReading_data()
{
    QTest::addColumn<int>("runMilliseconds");
    QTest::addColumn<QString>("fieldUnits");
    QTest::addColumn<float>("caption");
    QTest::newRow("0.4 s run still shows 10:00") << 400 << u"60,1"_s << 600.0f;
    QTest::newRow("0.9 s run still shows 10:00") << 900 << u"60,1"_s << 600.0f;
    QTest::newRow("at 599.0 it shows 9:59") << 1000 << u"60,1"_s << 599.0f;
    QTest::newRow("at 60.0 still minutes") << 540'000 << u"60,1"_s << 60.0f;
    QTest::newRow("at 59.9 tenths") << 540'100 << u"1,.1"_s << 59.9f;
    QTest::newRow("at 0.5 tenths") << 599'500 << u"1,.1"_s << 0.5f;
}

void TestBoardClock::displayFollowsTheReading()
{
    QFETCH(int, runMilliseconds);
    QFETCH(QString, fieldUnits);
    QFETCH(float, caption);
    m_fixture->type(u"S");
    tick(runMilliseconds);
    QCOMPARE(clockPanel()->fieldUnits(), fieldUnits);
    QCOMPARE(clockPanel()->caption(), caption);
    QVERIFY(timer()->running());
    QCOMPARE(m_fixture->sound->plays(), 0);
}

void TestBoardClock::runOutStopsAndBuzzesOnce()
{
    m_fixture->focus(u"tledGame"_s);
    m_fixture->type(u"0.02\rS");
    tick(1900);
    QVERIFY(timer()->running());
    QCOMPARE(m_fixture->sound->plays(), 0);
    tick(100);
    QVERIFY(!timer()->running());
    QVERIFY(timer()->seconds() <= Currency());
    QCOMPARE(m_fixture->sound->plays(), 1);
    tick();
    tick();
    QCOMPARE(m_fixture->sound->plays(), 1);
}

void TestBoardClock::resetRestoresThePresetAndRearmsTheBuzz()
{
    m_fixture->focus(u"tledGame"_s);
    m_fixture->type(u"0.01\rS");
    tick(1000);
    m_fixture->sound->finishPlay();
    m_fixture->type(u"R");
    QCOMPARE(timer()->seconds(), Currency::fromInteger(1));
    QCOMPARE(clockPanel()->caption(), 1.0f);
    m_fixture->type(u"S");
    tick(1000);
    QCOMPARE(m_fixture->sound->plays(), 2);
}

void TestBoardClock::timeOfDay()
{
    m_fixture->type(u"C");
    QVERIFY(m_fixture->board->ClockTime());
    const QTime before = QTime::currentTime();
    tick();
    const QTime after = QTime::currentTime();
    QCOMPARE(clockPanel()->fieldUnits(), u"60,1"_s);
    const float shown = clockPanel()->caption();
    QVERIFY(shown == float(before.hour() * 60 + before.minute()) || shown == float(after.hour() * 60 + after.minute()));
    m_fixture->type(u"C");
    tick();
    QCOMPARE(clockPanel()->caption(), 600.0f);
}

void TestBoardClock::refreshTimerDrivesTheDisplay()
{
    m_fixture->type(u"S");
    m_fixture->clock.advanceMilliseconds(61'000);
    QTRY_COMPARE(clockPanel()->caption(), 539.0f);
}

QTEST_MAIN(TestBoardClock)
#include "testBoardClock.moc"
