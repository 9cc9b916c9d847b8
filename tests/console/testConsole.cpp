#include "console/ChangeDescription.h"
#include "console/FocusMark.h"
#include "console/frmConsole.h"
#include "support/BoardFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

// The operator console beside a board on one match: its miniature takes keys as the board does, its
// mark follows the field the keys go to, and its lists follow the match.
class TestConsole : public QObject
{
    Q_OBJECT

private slots:
    void describesChanges_data();
    void describesChanges();
    void keysTypedInTheConsoleReachTheBoard();
    void buzzerSoundsOnTheBoardOnly();
    void clickInTheMiniatureMovesTheMark();
    void latestChangesAndUndo();
    void warningsComeAndGo();
    void rulesAndTheSetEndQuestion();

private:
    static frmConsole &openConsole(BoardFixture &fixture, std::unique_ptr<frmConsole> &console)
    {
        fixture.open();
        console = std::make_unique<frmConsole>(fixture.settings, fixture.match, fixture.services());
        console->show();
        console->activateWindow();
        if (!QTest::qWaitForWindowActive(console.get()))
            qWarning("the console did not become active");
        return *console;
    }
};

void TestConsole::describesChanges_data()
{
    QTest::addColumn<int>("what");
    QTest::addColumn<int>("origin");
    QTest::addColumn<MatchState>("after");
    QTest::addColumn<QString>("text");
    const auto with = [](auto change) {
        MatchState state;
        change(state);
        return state;
    };
    const int operatorOrigin = int(MatchEvent::Origin::Operator);
    QTest::newRow("home score") << int(MatchChange::Scores) << operatorOrigin
                                << with([](MatchState &s) { s.homeScore = 15; }) << u"Eagles score 15"_s;
    QTest::newRow("cleared visitor games")
        << int(MatchChange::GamesWon) << operatorOrigin << with([](MatchState &s) { s.visitorGamesWon = -1; })
        << u"Hawks games won cleared"_s;
    QTest::newRow("set pair") << int(MatchChange::Sets) << operatorOrigin << with([](MatchState &s) {
        s.sets[1] = {25, 23};
    }) << u"Set 2: 25–23"_s;
    QTest::newRow("fifth set and a timeout")
        << int(MatchChange::Sets | MatchChange::Timeouts) << operatorOrigin << with([](MatchState &s) {
               s.fifthSet = {15, 13};
               s.visitorTimeouts = 1;
           })
        << u"Set 5: 15–13; Hawks timeouts 1"_s;
    QTest::newRow("serve") << int(MatchChange::Possession) << int(MatchEvent::Origin::Undo)
                           << with([](MatchState &s) { s.WhoPoss = 2; }) << u"Undo: Serve: Hawks"_s;
    QTest::newRow("clock typed") << int(MatchChange::ClockValue | MatchChange::ClockPreset) << operatorOrigin
                                 << with([](MatchState &s) { s.Seconds = s.ClockPreset = Currency::fromInteger(300); })
                                 << u"Clock set to 5:00"_s;
    QTest::newRow("clock reset") << int(MatchChange::ClockValue | MatchChange::ClockRunning) << operatorOrigin
                                 << MatchState() << u"Clock reset to 10:00"_s;
    QTest::newRow("clock started") << int(MatchChange::ClockRunning) << operatorOrigin
                                   << with([](MatchState &s) { s.Running = true; }) << u"Clock started at 10:00"_s;
    QTest::newRow("time of day") << int(MatchChange::ClockMode) << operatorOrigin
                                 << with([](MatchState &s) { s.ClockTime = true; }) << u"Board shows the time of day"_s;
    QTest::newRow("resumed") << 0xFF << int(MatchEvent::Origin::Resume) << MatchState()
                             << u"Interrupted match resumed"_s;
}

void TestConsole::describesChanges()
{
    QFETCH(int, what);
    QFETCH(int, origin);
    QFETCH(MatchState, after);
    QFETCH(QString, text);
    const MatchEvent event {QDateTime::currentDateTime(), MatchChanges::fromInt(what), MatchEvent::Origin(origin),
                            MatchState(), after};
    QCOMPARE(describeChange(event, u"Eagles"_s, u"Hawks"_s), text);
}

void TestConsole::keysTypedInTheConsoleReachTheBoard()
{
    BoardFixture fixture;
    std::unique_ptr<frmConsole> console;
    openConsole(fixture, console);
    console->miniature()->selectField(u"nledVisitorScore"_s);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"nledVisitorScore"_s);
    fixture.type(u"12\r");
    QCOMPARE(fixture.caption(u"nledVisitorScore"_s), u"12"_s);
    // A key that reaches the console outside the miniature still counts.
    QApplication::focusWidget()->clearFocus();
    QTest::keyClick(console.get(), Qt::Key_F5);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"1"_s);
    QCOMPARE(console->miniature()->findChild<NumberPanel *>(u"nledVisitorScore"_s)->caption(), u"12"_s);
}

void TestConsole::buzzerSoundsOnTheBoardOnly()
{
    BoardFixture fixture;
    fixture.settings.BuzzerFile = QString::fromLatin1(VANTARO_ASSETS_DIR "/buzzer.wav");
    fixture.open();
    FakeSoundDevice *boardSound = fixture.sound;
    frmConsole console(fixture.settings, fixture.match, fixture.services());
    QVERIFY(fixture.sound != boardSound);
    fixture.match.AllKeyCode(fixture.settings.BuzzerKey, {});
    QCOMPARE(boardSound->plays(), 1);
    QCOMPARE(fixture.sound->plays(), 0);
}

void TestConsole::clickInTheMiniatureMovesTheMark()
{
    BoardFixture fixture;
    std::unique_ptr<frmConsole> console;
    openConsole(fixture, console);
    auto *mark = console->miniature()->findChild<FocusMark *>();
    auto *setField = console->miniature()->findChild<QWidget *>(u"nledSet3V"_s);
    QTest::mouseClick(setField, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"picSet3"_s);
    QVERIFY(mark->isVisible());
    const QWidget *pair = QApplication::focusWidget();
    QVERIFY(mark->geometry().contains(QRect(pair->mapTo(console->miniature(), QPoint()), pair->size())));
    fixture.type(u"25.23\r");
    QCOMPARE(fixture.caption(u"nledSet3H"_s), u"25"_s);
}

void TestConsole::latestChangesAndUndo()
{
    BoardFixture fixture;
    std::unique_ptr<frmConsole> console;
    openConsole(fixture, console);
    auto *changes = console->findChild<QListWidget *>(u"lstChanges"_s);
    auto *undo = console->findChild<QPushButton *>(u"cmdUndo"_s);
    QVERIFY(!undo->isEnabled());
    for (int point = 0; point < 25; ++point)
        BoardFixture::press(Qt::Key_F5);
    QCOMPARE(changes->count(), Match::RecentEventCount);
    QVERIFY(changes->item(0)->text().endsWith(u"Home score 25"_s));
    undo->click();
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"24"_s);
    QVERIFY(changes->item(0)->text().endsWith(u"Undo: Home score 24"_s));
    QVERIFY(console->findChild<QPushButton *>(u"cmdRedo"_s)->isEnabled());
}

void TestConsole::warningsComeAndGo()
{
    BoardFixture fixture;
    std::unique_ptr<frmConsole> console;
    openConsole(fixture, console);
    auto *warnings = console->findChild<QLabel *>(u"lblWarnings"_s);
    QVERIFY(!warnings->isVisible());
    console->setWarning(u"sound"_s, u"No audio device: the buzzer cannot sound."_s);
    QVERIFY(warnings->isVisible());
    QVERIFY(warnings->text().contains(u"No audio device"_s));
    console->setWarning(u"sound"_s, {});
    QVERIFY(!warnings->isVisible());
}

// With the rules on, the console tells the operator where the set stands and asks to close a won set;
// its buttons answer as Enter and Esc do.
void TestConsole::rulesAndTheSetEndQuestion()
{
    BoardFixture fixture;
    fixture.settings.Mode = u"Indoor"_s;
    fixture.settings.HomeText = u"Eagles"_s;
    std::unique_ptr<frmConsole> console;
    openConsole(fixture, console);
    auto *rules = console->findChild<QLabel *>(u"lblRules"_s);
    auto *question = console->findChild<QLabel *>(u"lblSetEndQuestion"_s);
    QVERIFY(rules->isVisible());
    QVERIFY2(rules->text().startsWith(u"Set 1: to 25 points."_s), qPrintable(rules->text()));
    for (int point = 0; point < 24; ++point)
        BoardFixture::press(Qt::Key_F5);
    QVERIFY2(rules->text().contains(u"Set point Eagles."_s), qPrintable(rules->text()));
    QVERIFY(!question->isVisible());
    BoardFixture::press(Qt::Key_F5);
    QVERIFY(question->isVisible());
    QCOMPARE(question->text(), u"<b>Set 1 to Eagles, 25–0?</b>"_s);
    console->findChild<QPushButton *>(u"cmdDeclineSetEnd"_s)->click();
    QVERIFY(!question->isVisible());
    BoardFixture::press(Qt::Key_F5);
    console->findChild<QPushButton *>(u"cmdConfirmSetEnd"_s)->click();
    QCOMPARE(fixture.caption(u"nledSet1H"_s), u"26"_s);
    QCOMPARE(fixture.caption(u"nledHomeGamesWon"_s), u"1"_s);
    QVERIFY2(rules->text().startsWith(u"Set 2: to 25 points."_s), qPrintable(rules->text()));
}

QTEST_MAIN(TestConsole)
#include "testConsole.moc"
