#include "match/GameTimer.h"
#include "support/BoardFixture.h"

#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

// Resident memory of this process in kilobytes.
qint64 residentKilobytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

struct StormKey
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// Every key the operator could plausibly hit, commands and entry keys alike, with and without modifiers.
QList<StormKey> stormKeys()
{
    QList<StormKey> keys;
    for (int key = Qt::Key_0; key <= Qt::Key_9; ++key) {
        keys.append({Qt::Key(key), Qt::NoModifier});
        keys.append({Qt::Key(key), Qt::KeypadModifier});
    }
    for (Qt::Key key :
         {Qt::Key_Plus,   Qt::Key_Minus,      Qt::Key_Period,  Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space,
          Qt::Key_Delete, Qt::Key_S,          Qt::Key_R,       Qt::Key_C,      Qt::Key_B,     Qt::Key_A,
          Qt::Key_F5,     Qt::Key_F6,         Qt::Key_Left,    Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,
          Qt::Key_Equal,  Qt::Key_Underscore, Qt::Key_NumLock, Qt::Key_Tab,    Qt::Key_Escape})
        keys.append({key, Qt::NoModifier});
    keys.append({Qt::Key_Plus, Qt::KeypadModifier});
    keys.append({Qt::Key_Minus, Qt::ShiftModifier});
    keys.append({Qt::Key_F5, Qt::ControlModifier});
    return keys;
}

} // namespace

// A million random key presses, spread over every focusable element of the board in turn: the board
// never crashes, every field stays within its limits after every key, and memory stays flat.
class TestKeyStorm : public QObject
{
    Q_OBJECT

private slots:
    void storm();

private:
    void checkLimits(BoardFixture &fixture, qint64 step);
};

void TestKeyStorm::checkLimits(BoardFixture &fixture, qint64 step)
{
    const auto within = [&](const QString &field, int maximum) {
        const int value = fixture.caption(field).toInt();
        if (value < -1 || value > maximum)
            QFAIL(qPrintable(u"%1 holds %2 after key %3"_s.arg(field).arg(value).arg(step)));
    };
    within(u"nledHomeScore"_s, 99);
    within(u"nledVisitorScore"_s, 99);
    within(u"nledHomeGamesWon"_s, 9);
    within(u"nledVisitorGamesWon"_s, 9);
    const Currency clock = fixture.find<GameTimer>(u"tkGame"_s)->seconds();
    if (clock > Currency::fromInteger(5999) && clock != Currency::fromInteger(600))
        QFAIL(qPrintable(u"The clock holds %1 after key %2"_s.arg(clock.toString()).arg(step)));
}

void TestKeyStorm::storm()
{
    const qint64 events = qEnvironmentVariableIsSet("VANTARO_KEY_STORM_EVENTS")
        ? qEnvironmentVariableIntValue("VANTARO_KEY_STORM_EVENTS")
        : 1'000'000;
    BoardFixture fixture;
    fixture.settings.BuzzerFile = QString::fromLatin1(VANTARO_ASSETS_DIR "/buzzer.wav");
    fixture.open();
    const QStringList targets {u"nledHomeScore"_s,     u"tledGame"_s,         u"nledVisitorScore"_s,
                               u"picPossBack"_s,       u"nledHomeGamesWon"_s, u"nledVisitorGamesWon"_s,
                               u"picSet1"_s,           u"picSet2"_s,          u"picSet3"_s,
                               u"picSet4"_s,           u"picHomeContainer"_s, u"picVisitorContainer"_s,
                               u"picBoardContainer"_s, u"picHomeTeamName"_s,  u"picVisitorTeamName"_s};
    const QList<StormKey> keys = stormKeys();
    QRandomGenerator random(20261208);
    qint64 residentAfterWarmUp = 0;
    for (qint64 step = 0; step < events; ++step) {
        QWidget *target = fixture.find(targets[int(step / 100 % targets.size())]);
        const StormKey &stormKey = keys[int(random.bounded(qsizetype(keys.size())))];
        const bool repeat = random.bounded(8) == 0;
        QKeyEvent press(QEvent::KeyPress, stormKey.key, stormKey.modifiers, QString(), repeat);
        QKeyEvent release(QEvent::KeyRelease, stormKey.key, stormKey.modifiers);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        if (step % 997 == 0) {
            fixture.clock.advanceMilliseconds(random.bounded(3000));
            fixture.board->RefreshTime();
            fixture.sound->finishPlay();
        }
        checkLimits(fixture, step);
        if (QTest::currentTestFailed())
            return;
        if (step == events / 10)
            residentAfterWarmUp = residentKilobytes();
    }
    qInfo("Home %s, visitor %s, set 2 %s:%s, clock %s", qPrintable(fixture.caption(u"nledHomeScore"_s)),
          qPrintable(fixture.caption(u"nledVisitorScore"_s)), qPrintable(fixture.caption(u"nledSet2H"_s)),
          qPrintable(fixture.caption(u"nledSet2V"_s)),
          qPrintable(fixture.find<GameTimer>(u"tkGame"_s)->seconds().toString()));
    const qint64 residentAtEnd = residentKilobytes();
    qInfo("%lld key presses; resident memory %lld kB after a tenth, %lld kB at the end", events, residentAfterWarmUp,
          residentAtEnd);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back in quarantine, so resident memory says nothing there.
    QSKIP("resident memory is not measured under AddressSanitizer");
#endif
    // Flat: no more than a few megabytes of growth over nine tenths of the storm.
    QVERIFY2(residentAtEnd - residentAfterWarmUp < 8 * 1024, "memory grew during the key storm");
}

QTEST_MAIN(TestKeyStorm)
#include "testKeyStorm.moc"
