#include "app/BoardPlacement.h"
#include "console/frmConsole.h"
#include "support/ProgramFixture.h"
#include "widgets/NumberPanel.h"

#include <QLabel>
#include <QScreen>

using namespace Qt::StringLiterals;

// The program on a laptop with a projector (two offscreen screens, the laptop primary): the board fills
// the projector without a frame, the console opens on the laptop, and the operator's dialogs open over
// the console.
class TestTwoScreens : public QObject
{
    Q_OBJECT

private slots:
    void boardOnTheProjectorConsoleOnTheLaptop_data();
    void boardOnTheProjectorConsoleOnTheLaptop();
    void operatorDialogsOpenOverTheConsole();
    void consoleTypingReachesTheBoard();
    void setEndIsAskedOnTheConsoleOnly();
};

void TestTwoScreens::boardOnTheProjectorConsoleOnTheLaptop_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("boardScreen");
    QTest::addColumn<QString>("consoleScreen");
    QTest::addColumn<bool>("warned");
    QTest::newRow("automatic") << u""_s << u"Projector"_s << u"Laptop"_s << false;
    QTest::newRow("the laptop chosen") << u"Laptop"_s << u"Laptop"_s << u"Projector"_s << false;
    QTest::newRow("chosen screen unplugged") << u"HDMI-2"_s << u"Laptop"_s << u"Projector"_s << true;
}

void TestTwoScreens::boardOnTheProjectorConsoleOnTheLaptop()
{
    QFETCH(QString, chosen);
    QFETCH(QString, boardScreen);
    QFETCH(QString, consoleScreen);
    QFETCH(bool, warned);
    ProgramFixture fixture;
    fixture.writeSettings("[Screens]\nBoardScreen=" + chosen.toUtf8() + '\n');
    fixture.start();
    fixture.clickSplash();
    frmScoreboard *board = fixture.program->board();
    frmConsole *console = fixture.program->console();
    QTRY_COMPARE(board->screen()->name(), boardScreen);
    QTRY_COMPARE(board->geometry(), board->screen()->geometry());
    QVERIFY(board->windowFlags().testFlag(Qt::FramelessWindowHint));
    QTRY_VERIFY(console->isVisible());
    QCOMPARE(console->screen()->name(), consoleScreen);
    QCOMPARE(console->warnings().join(u' ').contains(u"HDMI-2 is not connected"_s), warned);
}

void TestTwoScreens::operatorDialogsOpenOverTheConsole()
{
    ProgramFixture fixture;
    fixture.start();
    fixture.clickSplash();
    frmConsole *console = fixture.program->console();
    QTRY_VERIFY(console->isVisible());
    fixture.program->board()->AllKeyCode(113);
    console->miniature()->AllKeyCode(113);
    QCOMPARE(fixture.optionsOwners, (QList<QWidget *> {console, console}));
    fixture.program->board()->AllKeyCode(112);
    QCOMPARE(fixture.program->help().viewer()->screen()->name(), u"Laptop"_s);
}

void TestTwoScreens::consoleTypingReachesTheBoard()
{
    ProgramFixture fixture;
    fixture.start();
    fixture.clickSplash();
    frmConsole *console = fixture.program->console();
    QTRY_VERIFY(console->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"nledHomeScore"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"nledVisitorScore"_s);
    QTest::keyClicks(QApplication::focusWidget(), u"17\r"_s);
    auto *shown = fixture.program->board()->findChild<NumberPanel *>(u"nledVisitorScore"_s);
    QCOMPARE(shown->caption(), u"17"_s);
    // The board's own focus followed, so that its highlight (when the options show one) agrees.
    QCOMPARE(fixture.program->board()->focusWidget()->objectName(), u"nledVisitorScore"_s);
}

// The projector shows no question; the console asks it, in its side panel and its miniature.
void TestTwoScreens::setEndIsAskedOnTheConsoleOnly()
{
    ProgramFixture fixture;
    fixture.writeSettings("[Rules]\nMode=Indoor\n");
    fixture.start();
    fixture.clickSplash();
    frmConsole *console = fixture.program->console();
    QTRY_VERIFY(console->isVisible());
    for (int point = 0; point < 25; ++point)
        fixture.program->board()->AllKeyCode(116);
    QVERIFY(fixture.program->match().pendingSetEnd());
    QVERIFY(console->findChild<QLabel *>(u"lblSetEndQuestion"_s)->isVisible());
    QVERIFY(console->miniature()->findChild<QWidget *>(u"lblSetEndPrompt"_s)->isVisible());
    QVERIFY(!fixture.program->board()->findChild<QWidget *>(u"lblSetEndPrompt"_s)->isVisible());
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VANTARO_TEST_DATA_DIR "/../offscreen-two-screens.json");
    QApplication app(argc, argv);
    TestTwoScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "testTwoScreens.moc"
