#include "dialogs/frmChooseKey.h"
#include "dialogs/frmOptions.h"
#include "match/GameTimer.h"
#include "support/ProgramFixture.h"
#include "widgets/ComboBox.h"
#include "widgets/Label.h"
#include "widgets/NumberPanel.h"
#include "widgets/OptionButton.h"
#include "widgets/PictureBox.h"
#include "widgets/TabControl.h"
#include "widgets/TextBox.h"
#include "widgets/TimePanel.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QTimer>

#include <functional>

// After every Qt header: Xlib's macros (None, KeyPress, Bool...) would clash with Qt's names.
#include "support/XInput.h"

using namespace Qt::StringLiterals;

namespace {

// Runs action once, from whichever event loop is running, as soon as the active modal window is a T:
// modal dialogs block in exec(), so whoever drives one has to be waiting inside it.
template<typename T> void whenModal(std::function<void(T *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start();
}

} // namespace

// The whole program under a real X server and window manager, driven only by real key presses and
// mouse clicks as an operator would: splash, a scripted match, the options dialog, closing, and a second
// start on the same settings. Screenshots of the main steps go to the build folder.
class TestAcceptance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scriptedMatchAndRestart();
    void rulesThroughASetEnd();

private:
    template<typename Element = QWidget> Element *board(const QString &name) const
    {
        for (QObject *element : m_fixture->program->board()->elements()) {
            if (element->objectName() == name)
                return qobject_cast<Element *>(element);
        }
        return nullptr;
    }
    QString caption(const QString &field) const { return board<NumberPanel>(field)->caption(); }
    FakeSoundDevice *buzzer() const { return board<FakeSoundDevice>(u"mmcBuzzer"_s); }
    GameTimer *gameTimer() const { return board<GameTimer>(u"tkGame"_s); }
    TimePanel *clock() const { return board<TimePanel>(u"tledGame"_s); }
    void screenshot(const QString &step);

    void openBoard();
    void playScores();
    void playSets();
    void playPossession();
    void playClock();
    void playRunOutAndBuzzer();
    void pressUntilClosed(QWidget *dialog, unsigned long key);
    void changeOptions(frmOptions *dialog);
    void closeBoard();

    std::unique_ptr<XInput> m_x;
    std::unique_ptr<ProgramFixture> m_fixture;
    int m_screenshots = 0;
};

void TestAcceptance::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb"_s)
        QSKIP("needs an X server with a window manager (run through scripts/test)");
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    int event = 0, error = 0, major = 0, minor = 0;
    if (!x11 || !XTestQueryExtension(x11->display(), &event, &error, &major, &minor))
        QSKIP("the X server has no XTest extension");
    m_x = std::make_unique<XInput>();
    QVERIFY(m_x->isOpen());
    QDir(QStringLiteral(VANTARO_BUILD_DIR)).mkpath(u"screenshots"_s);
}

void TestAcceptance::screenshot(const QString &step)
{
    QCoreApplication::processEvents();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString name = u"%1/screenshots/acceptance-%2-%3.png"_s.arg(QStringLiteral(VANTARO_BUILD_DIR))
                             .arg(++m_screenshots, 2, 10, QChar(u'0'))
                             .arg(step);
    QVERIFY2(shot.save(name), qPrintable(name));
}

// A click on the splash, away from its buttons, opens the board maximized with the home score focused.
void TestAcceptance::openBoard()
{
    Program &program = *m_fixture->program;
    QVERIFY(QTest::qWaitForWindowActive(program.splash()));
    m_x->click(program.splash()->findChild<Frame *>(u"frameSplash"_s), QPoint(20, 195));
    QTRY_VERIFY(program.board() && program.board()->isMaximized());
    QTRY_VERIFY(program.board()->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"nledHomeScore"_s);
}

void TestAcceptance::playScores()
{
    // F5 three times, then 1, 5, Enter typed into the focused home score.
    for (int i = 0; i < 3; ++i)
        m_x->key(XK_F5);
    QTRY_COMPARE(caption(u"nledHomeScore"_s), u"3"_s);
    m_x->type(u"15");
    m_x->key(XK_Return);
    QTRY_COMPARE(caption(u"nledHomeScore"_s), u"15"_s);

    // F6 twice wherever the focus is; in the visitor score plus and 3 add at once.
    m_x->key(XK_F6);
    m_x->key(XK_F6);
    QTRY_COMPARE(caption(u"nledVisitorScore"_s), u"2"_s);
    m_x->click(board(u"nledVisitorScore"_s));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"nledVisitorScore"_s);
    m_x->key(XK_KP_Add);
    m_x->type(u"3");
    QTRY_COMPARE(caption(u"nledVisitorScore"_s), u"5"_s);

    // Games won: every digit counts at once; Delete empties the field.
    m_x->click(board(u"nledHomeGamesWon"_s));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"nledHomeGamesWon"_s);
    m_x->type(u"2");
    QTRY_COMPARE(caption(u"nledHomeGamesWon"_s), u"2"_s);
    m_x->click(board(u"nledVisitorGamesWon"_s));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"nledVisitorGamesWon"_s);
    m_x->type(u"1");
    QTRY_COMPARE(caption(u"nledVisitorGamesWon"_s), u"1"_s);
    m_x->key(XK_Delete);
    QTRY_COMPARE(caption(u"nledVisitorGamesWon"_s), u"-1"_s);
    m_x->type(u"1");
    QTRY_COMPARE(caption(u"nledVisitorGamesWon"_s), u"1"_s);
}

// A click on either field of a set gives the pair the focus; "home.visitor" and Enter fill both.
void TestAcceptance::playSets()
{
    const QStringList typed {u"25.23"_s, u"21.25"_s, u"25.19"_s, u"15.12"_s};
    for (int set = 1; set <= 4; ++set) {
        const QString field = u"nledSet%1%2"_s.arg(set).arg(set % 2 ? u"H"_s : u"V"_s);
        m_x->click(board(field));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"picSet%1"_s.arg(set));
        m_x->type(typed[set - 1]);
        m_x->key(XK_Return);
        const QStringList points = typed[set - 1].split(u'.');
        QTRY_COMPARE(caption(u"nledSet%1H"_s.arg(set)), points[0]);
        QCOMPARE(caption(u"nledSet%1V"_s.arg(set)), points[1]);
    }
}

void TestAcceptance::playPossession()
{
    frmScoreboard *scoreboard = m_fixture->program->board();
    const int lit = m_fixture->settings.TimeColor;
    const int unlit = m_fixture->settings.LEDBack;
    auto *home = board<Label>(u"lblPossH"_s);
    auto *visitor = board<Label>(u"lblPossV"_s);
    m_x->click(home);
    QTRY_COMPARE(scoreboard->WhoPoss(), qint16(1));
    QCOMPARE(home->foreColor(), lit);
    QCOMPARE(visitor->foreColor(), unlit);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"picPossBack"_s);
    m_x->click(visitor);
    QTRY_COMPARE(scoreboard->WhoPoss(), qint16(2));
    QCOMPARE(home->foreColor(), unlit);
    QCOMPARE(visitor->foreColor(), lit);

    const QList<std::pair<KeySym, qint16>> arrows {{XK_Left, 1}, {XK_Right, 2}, {XK_Up, 0}, {XK_Right, 2}};
    for (const auto &[arrow, who] : arrows) {
        m_x->key(arrow);
        QTRY_COMPARE(scoreboard->WhoPoss(), who);
    }
}

void TestAcceptance::playClock()
{
    frmScoreboard *scoreboard = m_fixture->program->board();
    m_x->click(clock());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"tledGame"_s);
    QCOMPARE(clock()->caption(), 600.0f);
    m_x->type(u"25");
    m_x->key(XK_Return);
    QTRY_COMPARE(clock()->caption(), 1500.0f);
    QCOMPARE(scoreboard->ClockPreset(), Currency::fromInteger(1500));

    m_x->key(XK_s);
    QTRY_VERIFY(gameTimer()->running());
    QTRY_COMPARE(clock()->caption(), 1499.0f);
    m_x->key(XK_s);
    QTRY_VERIFY(!gameTimer()->running());
    const Currency stoppedAt = gameTimer()->seconds();
    QVERIFY(stoppedAt < Currency::fromInteger(1500));
    QTest::qWait(300);
    QCOMPARE(gameTimer()->seconds(), stoppedAt);
    m_x->key(XK_r);
    QTRY_COMPARE(gameTimer()->seconds(), Currency::fromInteger(1500));
    QCOMPARE(clock()->caption(), 1500.0f);

    // The time of day as hours times 60 plus minutes, and back to the game clock.
    m_x->key(XK_c);
    QTRY_VERIFY(scoreboard->ClockTime());
    // The minute may turn between the refresh and the check, midnight included.
    const auto showsTimeOfDay = [this] {
        const QTime now = QTime::currentTime();
        const int behind = (now.hour() * 60 + now.minute() - qRound(clock()->caption()) + 1440) % 1440;
        return behind <= 1;
    };
    QTRY_VERIFY(showsTimeOfDay());
    QCOMPARE(clock()->fieldUnits(), u"60,1"_s);
    screenshot(u"time-of-day"_s);
    m_x->key(XK_c);
    QTRY_VERIFY(!scoreboard->ClockTime());
    QTRY_COMPARE(clock()->caption(), 1500.0f);
}

// Two seconds typed and started: the clock stops itself at zero and sounds the buzzer once; the buzzer
// key sounds it again once the first sound has ended.
void TestAcceptance::playRunOutAndBuzzer()
{
    frmScoreboard *scoreboard = m_fixture->program->board();
    FakeSoundDevice *sound = buzzer();
    QCOMPARE(sound->fileName(), m_fixture->settings.BuzzerFile);
    m_x->type(u"0.02");
    m_x->key(XK_Return);
    QTRY_COMPARE(clock()->caption(), 2.0f);
    QCOMPARE(clock()->fieldUnits(), u"1,.1"_s);
    m_x->key(XK_s);
    QTRY_VERIFY_WITH_TIMEOUT(sound->plays() == 1, 5000);
    QVERIFY(scoreboard->BuzzerPlaying());
    QTRY_VERIFY(!gameTimer()->running());
    QVERIFY(gameTimer()->seconds() <= Currency());
    QTRY_VERIFY(clock()->caption() <= 0.0f);
    screenshot(u"run-out"_s);
    QTest::qWait(300);
    QCOMPARE(sound->plays(), 1);

    // The buzzer key while the run-out buzz still sounds does nothing; after it, it plays again.
    m_x->key(XK_b);
    QTest::qWait(100);
    QCOMPARE(sound->plays(), 1);
    sound->finishPlay();
    QVERIFY(!scoreboard->BuzzerPlaying());
    m_x->key(XK_b);
    QTRY_COMPARE(sound->plays(), 2);
    sound->finishPlay();
    QCOMPARE(sound->commands.mid(sound->commands.size() - 3), QStringList({u"Play"_s, u"Stop"_s, u"Prev"_s}));
}

// A dialog that has just been mapped can be active for Qt a moment before the window manager has handed
// it the keyboard; a key that went nowhere is pressed again.
void TestAcceptance::pressUntilClosed(QWidget *dialog, unsigned long key)
{
    QPointer<QWidget> open = dialog;
    const auto closed = [&open] { return !open || !open->isVisible(); };
    for (int attempt = 0; attempt < 5 && !closed(); ++attempt) {
        QTest::qWait(100);
        m_x->key(key);
        if (QTest::qWaitFor(closed, 1000))
            return;
    }
    if (!closed())
        qWarning("%s did not take the key", qPrintable(dialog->objectName()));
}

// Runs inside the options dialog's exec(): a colour through the colour picker, the buzzer key through the
// key-capture dialog, the home team's name, the digit style and the NumLock policy, then OK.
void TestAcceptance::changeOptions(frmOptions *dialog)
{
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    auto *tabs = dialog->findChild<TabControl *>(u"SSTab1"_s);
    // Once a nested dialog has gone, the window manager gives the options dialog back its place first.
    const auto showTab = [&](int index) {
        if (!QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }))
            return false;
        QTest::qWait(100);
        m_x->click(tabs, tabs->tabRect(index).center());
        return QTest::qWaitFor([&] { return tabs->currentTab() == index; });
    };

    QVERIFY(showTab(1));
    whenModal<QColorDialog>([this](QColorDialog *picker) {
        if (!QTest::qWaitForWindowActive(picker))
            qWarning("the colour picker did not become active");
        picker->setCurrentColor(QColor(0, 255, 0));
        QTest::qWait(200);
        screenshot(u"colour-picker"_s);
        // Enter takes the picker's default button, OK.
        pressUntilClosed(picker, XK_Return);
    });
    m_x->click(dialog->findChild<QWidget *>(u"cmdTimeC"_s));
    QTRY_COMPARE_WITH_TIMEOUT(dialog->findChild<PictureBox *>(u"picTimeC"_s)->backColor(), 0x00FF00, 10000);

    QVERIFY(showTab(0));
    whenModal<frmChooseKey>([this](frmChooseKey *chooser) {
        if (!QTest::qWaitForWindowActive(chooser))
            qWarning("the key-capture dialog did not become active");
        pressUntilClosed(chooser, XK_g);
    });
    m_x->click(dialog->findChild<QWidget *>(u"cmdBuzzer"_s));
    QTRY_COMPARE_WITH_TIMEOUT(dialog->findChild<Label *>(u"lblBuzzer"_s)->caption(), u"G"_s, 10000);
    QTRY_VERIFY(dialog->isActiveWindow());
    m_x->click(dialog->findChild<OptionButton *>(u"optKeepOn"_s));
    QTRY_VERIFY(dialog->findChild<OptionButton *>(u"optKeepOn"_s)->isChecked());

    QVERIFY(showTab(2));
    auto *homeName = dialog->findChild<TextBox *>(u"txtHomeText"_s);
    m_x->click(homeName);
    QTRY_VERIFY(homeName->hasFocus());
    m_x->key(XK_a, XK_Control_L);
    m_x->type(u"Eagles");
    QTRY_COMPARE(homeName->text(), u"Eagles"_s);

    // The digit style list, stepped with the arrow key once it has the focus.
    QVERIFY(showTab(3));
    auto *digits = dialog->findChild<ComboBox *>(u"cmbLedType"_s);
    QCOMPARE(digits->currentIndex(), 0);
    digits->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(digits->hasFocus());
    m_x->key(XK_Down);
    QTRY_COMPARE(digits->currentIndex(), 1);
    screenshot(u"options"_s);

    m_x->click(dialog->findChild<QWidget *>(u"cmdOk"_s));
}

// The operator closes the board through the window manager (Alt+F4 in openbox): the program ends and
// the application's event loop returns 0.
void TestAcceptance::closeBoard()
{
    Program &program = *m_fixture->program;
    program.board()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.board()));
    bool stoppedFromOutside = false;
    QTimer::singleShot(0, [this] { m_x->key(XK_F4, XK_Alt_L); });
    QTimer::singleShot(15000, [&stoppedFromOutside] {
        stoppedFromOutside = true;
        QCoreApplication::exit(99);
    });
    const int result = QApplication::exec();
    QVERIFY2(!stoppedFromOutside, "the program did not end when the board was closed");
    QCOMPARE(result, 0);
}

void TestAcceptance::scriptedMatchAndRestart()
{
    m_fixture = std::make_unique<ProgramFixture>();
    ProgramFixture &fixture = *m_fixture;
    fixture.realOptionsDialog = true;
    const QString buzzerFile = QStringLiteral(VANTARO_ASSETS_DIR "/buzzer.wav");
    fixture.writeSettings("[KeySettings]\nBuzzerFile=" + buzzerFile.toUtf8() + '\n');
    fixture.start();
    QVERIFY(fixture.program->splash());
    screenshot(u"splash"_s);
    openBoard();
    if (QTest::currentTestFailed())
        return;
    QStringList fields {u"nledHomeScore"_s, u"nledVisitorScore"_s, u"nledHomeGamesWon"_s, u"nledVisitorGamesWon"_s};
    for (int set = 1; set <= 4; ++set)
        fields << u"nledSet%1H"_s.arg(set) << u"nledSet%1V"_s.arg(set);
    QStringList initial;
    for (const QString &field : fields)
        initial << caption(field);
    screenshot(u"board"_s);

    for (const auto step : {&TestAcceptance::playScores, &TestAcceptance::playSets, &TestAcceptance::playPossession,
                            &TestAcceptance::playClock, &TestAcceptance::playRunOutAndBuzzer}) {
        (this->*step)();
        if (QTest::currentTestFailed())
            return;
    }
    screenshot(u"match"_s);

    // F2 on the board: the options dialog, driven from inside its own event loop.
    bool optionsDriven = false;
    whenModal<frmOptions>([this, &optionsDriven](frmOptions *dialog) {
        changeOptions(dialog);
        if (QTest::currentTestFailed())
            dialog->reject();
        optionsDriven = true;
    });
    m_x->key(XK_F2);
    QTRY_VERIFY_WITH_TIMEOUT(optionsDriven, 30000);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY(!QApplication::activeModalWidget());
    frmScoreboard *scoreboard = fixture.program->board();
    QTRY_VERIFY(scoreboard->isActiveWindow());
    QCOMPARE(fixture.settings.TimeColor, 0x00FF00);
    QCOMPARE(clock()->litColor(), 0x00FF00);
    QCOMPARE(fixture.settings.BuzzerKey, qint16(71));
    QCOMPARE(scoreboard->windowTitle(), u"Vantaro - Eagles"_s);
    QCOMPARE(board<Label>(u"lblHomeTeam"_s)->caption(), u"Eagles"_s);
    QCOMPARE(board<NumberPanel>(u"nledHomeScore"_s)->ledType(), 1);
    QCOMPARE(fixture.settings.NumLockForce, 1);
    QVERIFY(fixture.numLock.on);
    // The match is untouched by the dialog, and the new buzzer key sounds the buzzer.
    QCOMPARE(caption(u"nledHomeScore"_s), u"15"_s);
    QCOMPARE(caption(u"nledSet4V"_s), u"12"_s);
    const int plays = buzzer()->plays();
    // The dialog's close reopens the buzzer once its file has been looked at, off the GUI thread.
    QTRY_COMPARE(buzzer()->fileName(), m_fixture->settings.BuzzerFile);
    m_x->key(XK_g);
    QTRY_COMPARE(buzzer()->plays(), plays + 1);
    screenshot(u"after-options"_s);

    closeBoard();
    if (QTest::currentTestFailed())
        return;

    // Start again on the same settings file: the settings are back, the match is not.
    fixture.program.reset();
    fixture.settings = Settings();
    fixture.start();
    QVERIFY(fixture.program->splash());
    openBoard();
    if (QTest::currentTestFailed())
        return;
    screenshot(u"restarted"_s);
    QCOMPARE(fixture.settings.TimeColor, 0x00FF00);
    QCOMPARE(fixture.settings.BuzzerKey, qint16(71));
    QCOMPARE(fixture.settings.NumLockForce, 1);
    QCOMPARE(fixture.program->board()->windowTitle(), u"Vantaro - Eagles"_s);
    QCOMPARE(clock()->litColor(), 0x00FF00);
    QCOMPARE(board<NumberPanel>(u"nledHomeScore"_s)->ledType(), 1);
    QStringList restarted;
    for (const QString &field : fields)
        restarted << caption(field);
    QCOMPARE(restarted, initial);
    QCOMPARE(clock()->caption(), 600.0f);
    QCOMPARE(fixture.program->board()->WhoPoss(), qint16(0));
    closeBoard();
}

// With the indoor rules on: scores typed and points added with real keys until the set is won; the
// question at the board's bottom edge is answered "not yet" with Esc, the set played on and confirmed
// with Enter, undone with Ctrl+Z and redone with Ctrl+Y; a timeout key counts a timeout.
void TestAcceptance::rulesThroughASetEnd()
{
    m_fixture = std::make_unique<ProgramFixture>();
    m_fixture->writeSettings("[Rules]\nMode=Indoor\nServeFollowsPoint=Yes\n");
    m_fixture->start();
    openBoard();
    if (QTest::currentTestFailed())
        return;
    Match &match = m_fixture->program->match();
    const auto *prompt = m_fixture->program->board()->findChild<QWidget *>(u"lblSetEndPrompt"_s);
    const auto *marker = m_fixture->program->board()->findChild<Label *>(u"lblHomeMarker"_s);
    QVERIFY(prompt && marker);

    m_x->type(u"24");
    m_x->key(XK_Return);
    m_x->click(board(u"nledVisitorScore"_s));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"nledVisitorScore"_s);
    m_x->type(u"23");
    m_x->key(XK_Return);
    QTRY_COMPARE(caption(u"nledVisitorScore"_s), u"23"_s);
    QTRY_VERIFY(marker->isVisible());
    QCOMPARE(marker->caption(), u"SET POINT"_s);
    screenshot(u"rules-set-point"_s);

    m_x->key(XK_F5);
    QTRY_VERIFY(prompt->isVisible());
    QCOMPARE(caption(u"nledHomeScore"_s), u"25"_s);
    QCOMPARE(m_fixture->program->board()->WhoPoss(), qint16(1));
    screenshot(u"rules-set-end-question"_s);
    m_x->key(XK_Escape);
    QTRY_VERIFY(!prompt->isVisible());
    m_x->key(XK_F6);
    m_x->key(XK_F5);
    QTRY_VERIFY(prompt->isVisible());
    QCOMPARE(match.pendingSetEnd(), (SetEnd {1, Side::Home, {26, 24}}));

    m_x->key(XK_Return);
    QTRY_VERIFY(!prompt->isVisible());
    const QStringList confirmed {u"0"_s, u"0"_s, u"1"_s, u"0"_s, u"26"_s, u"24"_s};
    const auto shown = [this] {
        return QStringList {caption(u"nledHomeScore"_s),    caption(u"nledVisitorScore"_s),
                            caption(u"nledHomeGamesWon"_s), caption(u"nledVisitorGamesWon"_s),
                            caption(u"nledSet1H"_s),        caption(u"nledSet1V"_s)};
    };
    QCOMPARE(shown(), confirmed);
    QCOMPARE(m_fixture->program->board()->WhoPoss(), qint16(0));
    screenshot(u"rules-set-confirmed"_s);
    m_x->key(XK_z, XK_Control_L);
    QTRY_VERIFY(prompt->isVisible());
    QCOMPARE(shown(), (QStringList {u"26"_s, u"24"_s, u"0"_s, u"0"_s, u"-1"_s, u"-1"_s}));
    m_x->key(XK_y, XK_Control_L);
    QTRY_VERIFY(!prompt->isVisible());
    QCOMPARE(shown(), confirmed);

    m_x->key(XK_F7);
    QTRY_COMPARE(match.state().homeTimeouts, qint16(1));
    QVERIFY(match.timeoutCountdown());
    closeBoard();
}

QTEST_MAIN(TestAcceptance)
#include "testAcceptance.moc"
