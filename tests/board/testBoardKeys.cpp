#include "match/GameTimer.h"
#include "support/BoardFixture.h"
#include "widgets/ColorValue.h"
#include "widgets/Label.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"

#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace {

// Auto-repeated presses arrive as further key-down events without releases in between.
void holdKey(Qt::Key key, int repeats)
{
    QWidget *target = QApplication::focusWidget();
    for (int i = 0; i < repeats; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(target, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

} // namespace

class TestBoardKeys : public QObject
{
    Q_OBJECT

private slots:
    void heldStartStopKeyTogglesOnEveryRepeat();
    void homeOneKey_data();
    void homeOneKey();
    void modifiersNeverChangeAKey_data();
    void modifiersNeverChangeAKey();
    void commandKeyThatIsAlsoADigitDoesBoth();
    void undoKeysComeBeforeTheCommandKeys();
    void boardItselfDispatchesWhenNothingHasFocus();
    void numLockIsEnforcedOnReleaseNotOnPress();
    void helpAndOptionsHooks();
    void cancelledOptionsDialogStillReopensTheBuzzer();
    void typedTextSurvivesFocusChanges();
    void clickingASetFieldSelectsThePair();
    void highlightMargin_data();
    void highlightMargin();
    void highlightStaysForClickOnlyBoxesAndHidesForNothing();
    void arrowKeysDoNotMoveTheFocus();
    void possessionByClicks();
    void creditLineOnlyMovesTheFocus();
};

void TestBoardKeys::heldStartStopKeyTogglesOnEveryRepeat()
{
    BoardFixture fixture;
    fixture.open();
    auto *timer = fixture.find<GameTimer>(u"tkGame"_s);
    holdKey(Qt::Key_S, 3);
    QVERIFY(timer->running());
    holdKey(Qt::Key_S, 4);
    QVERIFY(timer->running());
}

void TestBoardKeys::homeOneKey_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("from the clock field") << u"tledGame"_s << u"7"_s << u"8"_s;
    QTest::newRow("from a set box") << u"picSet3"_s << u"0"_s << u"1"_s;
    QTest::newRow("from a picture box") << u"picBoardContainer"_s << u"12"_s << u"13"_s;
}

void TestBoardKeys::homeOneKey()
{
    QFETCH(QString, focused);
    QFETCH(QString, before);
    QFETCH(QString, after);
    BoardFixture fixture;
    fixture.open();
    fixture.setCaption(u"nledHomeScore"_s, before);
    fixture.focus(focused);
    BoardFixture::press(Qt::Key_F5);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), after);
    QCOMPARE(fixture.caption(u"nledVisitorScore"_s), u"0"_s);
    BoardFixture::press(Qt::Key_F6);
    QCOMPARE(fixture.caption(u"nledVisitorScore"_s), u"1"_s);
}

void TestBoardKeys::modifiersNeverChangeAKey_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Shift") << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl") << int(Qt::ControlModifier);
    QTest::newRow("Alt") << int(Qt::AltModifier);
}

void TestBoardKeys::modifiersNeverChangeAKey()
{
    QFETCH(int, modifiers);
    BoardFixture fixture;
    fixture.open();
    const auto held = Qt::KeyboardModifiers(modifiers);
    BoardFixture::press(Qt::Key_F5, held);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"1"_s);
    BoardFixture::press(Qt::Key_S, held);
    QVERIFY(fixture.find<GameTimer>(u"tkGame"_s)->running());
    BoardFixture::press(Qt::Key_7, held);
    BoardFixture::press(Qt::Key_Return, held);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"7"_s);
}

void TestBoardKeys::commandKeyThatIsAlsoADigitDoesBoth()
{
    BoardFixture fixture;
    fixture.settings.BuzzerKey = 53; // the top-row 5
    fixture.settings.BuzzerFile = QString::fromLatin1(VANTARO_ASSETS_DIR "/buzzer.wav");
    fixture.open();
    fixture.type(u"5\r");
    QCOMPARE(fixture.sound->plays(), 1);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"5"_s);
}

void TestBoardKeys::undoKeysComeBeforeTheCommandKeys()
{
    BoardFixture fixture;
    fixture.settings.StartStopClockKey = 90; // Z
    fixture.settings.ResetClockKey = 89; // Y
    fixture.open();
    fixture.type(u"15\r");
    BoardFixture::press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"0"_s);
    BoardFixture::press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"15"_s);
    BoardFixture::press(Qt::Key_Z, Qt::ControlModifier);
    BoardFixture::press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"15"_s);
    QVERIFY(!fixture.match.state().Running);
    // Without Ctrl the assigned command keys work as ever.
    BoardFixture::press(Qt::Key_Z);
    QVERIFY(fixture.match.state().Running);
    QApplication::focusWidget()->clearFocus();
    QTest::keyClick(fixture.board.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"0"_s);
}

void TestBoardKeys::boardItselfDispatchesWhenNothingHasFocus()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    QApplication::focusWidget()->clearFocus();
    QVERIFY(!QApplication::focusWidget());
    QTest::keyClick(&board, Qt::Key_F5);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"1"_s);
}

void TestBoardKeys::numLockIsEnforcedOnReleaseNotOnPress()
{
    BoardFixture fixture;
    fixture.settings.NumLockForce = 1;
    fixture.numLock.on = false;
    fixture.open();
    // The operator's press turned it off: nothing happens until the key is released.
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_NumLock);
    QCOMPARE(fixture.numLock.presses, 0);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_NumLock);
    QCOMPARE(fixture.numLock.presses, 1);
    QVERIFY(fixture.numLock.on);
    // The synthesised press comes back as a release and finds the state right: no loop.
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_NumLock);
    QCOMPARE(fixture.numLock.presses, 1);
    // Other keys never touch it.
    fixture.numLock.on = false;
    fixture.type(u"A");
    QCOMPARE(fixture.numLock.presses, 1);
}

void TestBoardKeys::helpAndOptionsHooks()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    int helps = 0;
    int options = 0;
    board.setShowHelp([&helps] { ++helps; });
    board.setShowOptions([&options] { ++options; });
    fixture.focus(u"picSet2"_s);
    BoardFixture::press(Qt::Key_F1);
    BoardFixture::press(Qt::Key_F1);
    BoardFixture::press(Qt::Key_F2);
    QCOMPARE(helps, 2);
    QCOMPARE(options, 1);
}

void TestBoardKeys::cancelledOptionsDialogStillReopensTheBuzzer()
{
    BoardFixture fixture;
    fixture.settings.BuzzerFile = u"/no/such/buzzer.wav"_s;
    frmScoreboard &board = fixture.open();
    QCOMPARE(fixture.sound->fileName(), QString());
    QVERIFY(fixture.sound->commands.isEmpty());
    board.setShowOptions([] { /* the operator cancels */ });
    BoardFixture::press(Qt::Key_F2);
    // The reopen tests the file as the load does, off the GUI thread: a file that is not there
    // is not opened (it used to be opened on the GUI thread untested, which froze the board on a pipe).
    QVERIFY(settleBackgroundWork());
    QCOMPARE(fixture.sound->commands, (QStringList {u"Close"_s}));
    QCOMPARE(fixture.sound->fileName(), QString());
    // Once the file is there, the next close of the dialog opens it.
    fixture.settings.BuzzerFile = QStringLiteral(VANTARO_ASSETS_DIR "/buzzer.wav");
    BoardFixture::press(Qt::Key_F2);
    QVERIFY(settleBackgroundWork());
    QCOMPARE(fixture.sound->commands, (QStringList {u"Close"_s, u"Close"_s, u"Open"_s}));
    QCOMPARE(fixture.sound->fileName(), fixture.settings.BuzzerFile);
}

void TestBoardKeys::typedTextSurvivesFocusChanges()
{
    BoardFixture fixture;
    fixture.open();
    fixture.type(u"1");
    QTest::mouseClick(fixture.find(u"nledVisitorScore"_s), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"nledVisitorScore"_s);
    QTest::mouseClick(fixture.find(u"nledHomeScore"_s), Qt::LeftButton);
    fixture.type(u"2\r");
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"12"_s);
}

void TestBoardKeys::clickingASetFieldSelectsThePair()
{
    BoardFixture fixture;
    fixture.open();
    QTest::mouseClick(fixture.find(u"nledSet3V"_s), Qt::LeftButton);
    auto *box = fixture.find<PictureBox>(u"picSet3"_s);
    auto *highlight = fixture.find<Shape>(u"shpObjectSelected"_s);
    QVERIFY(highlight->isVisible());
    QCOMPARE(highlight->leftTwips(), box->leftTwips());
    QCOMPARE(highlight->widthTwips(), box->widthTwips() + 15);
    fixture.type(u"15.13\r");
    QCOMPARE(fixture.caption(u"nledSet3H"_s), u"15"_s);
    QCOMPARE(fixture.caption(u"nledSet3V"_s), u"13"_s);
}

void TestBoardKeys::highlightMargin_data()
{
    QTest::addColumn<int>("selectedWidth");
    QTest::addColumn<QString>("field");
    QTest::newRow("width 0 on the home score") << 0 << u"nledHomeScore"_s;
    QTest::newRow("width 3 on the clock") << 3 << u"tledGame"_s;
    QTest::newRow("width 5 on the possession box") << 5 << u"picPossBack"_s;
}

void TestBoardKeys::highlightMargin()
{
    QFETCH(int, selectedWidth);
    QFETCH(QString, field);
    BoardFixture fixture;
    fixture.settings.LEDSelectedWidth = qint16(selectedWidth);
    fixture.open();
    fixture.focus(field);
    auto *element = fixture.find<Element>(field);
    auto *highlight = fixture.find<Shape>(u"shpObjectSelected"_s);
    QVERIFY(highlight->isVisible());
    const int margin = selectedWidth * 15;
    QCOMPARE(
        (QList<int> {highlight->leftTwips(), highlight->topTwips(), highlight->widthTwips(), highlight->heightTwips()}),
        (QList<int> {element->leftTwips() - margin, element->topTwips() - margin,
                     element->widthTwips() + 2 * margin + 15, element->heightTwips() + 2 * margin + 15}));
    // Beneath the field: only the margin shows.
    QVERIFY(highlight->parentWidget()->children().indexOf(highlight)
            < highlight->parentWidget()->children().indexOf(element));
}

void TestBoardKeys::highlightStaysForClickOnlyBoxesAndHidesForNothing()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    auto *highlight = fixture.find<Shape>(u"shpObjectSelected"_s);
    fixture.focus(u"nledVisitorGamesWon"_s);
    const QRect around = highlight->geometry();
    QTest::mouseClick(fixture.find(u"picHomeTeamName"_s), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"picHomeTeamName"_s);
    QVERIFY(highlight->isVisible());
    QCOMPARE(highlight->geometry(), around);
    board.ObjectSelected(nullptr);
    QVERIFY(!highlight->isVisible());
}

void TestBoardKeys::arrowKeysDoNotMoveTheFocus()
{
    BoardFixture fixture;
    fixture.open();
    fixture.type(u"<>^v");
    QCOMPARE(QApplication::focusWidget()->objectName(), u"nledHomeScore"_s);
    QCOMPARE(fixture.board->WhoPoss(), 0);
}

void TestBoardKeys::possessionByClicks()
{
    BoardFixture fixture;
    fixture.open();
    auto *home = fixture.find<Label>(u"lblPossH"_s);
    auto *visitor = fixture.find<Label>(u"lblPossV"_s);
    const int lit = fixture.settings.TimeColor;
    const int unlit = fixture.settings.LEDBack;
    QCOMPARE(home->foreColor(), unlit);
    QTest::mouseClick(home, Qt::LeftButton);
    QCOMPARE(fixture.board->WhoPoss(), 1);
    QCOMPARE(home->foreColor(), lit);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"picPossBack"_s);
    QTest::mouseClick(home, Qt::LeftButton);
    QCOMPARE(fixture.board->WhoPoss(), 0);
    QTest::mouseClick(home, Qt::LeftButton);
    QTest::mouseClick(visitor, Qt::LeftButton);
    QCOMPARE(fixture.board->WhoPoss(), 2);
    QCOMPARE(home->foreColor(), unlit);
    QCOMPARE(visitor->foreColor(), lit);
}

void TestBoardKeys::creditLineOnlyMovesTheFocus()
{
    BoardFixture fixture;
    fixture.open();
    QTest::mouseClick(fixture.find(u"lblCreatedBy"_s), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"picPossBack"_s);
    QCOMPARE(fixture.board->WhoPoss(), 0);
}

QTEST_MAIN(TestBoardKeys)
#include "testBoardKeys.moc"
