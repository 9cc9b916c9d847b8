#include "dialogs/RichTextBox.h"
#include "dialogs/frmOptions.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include "support/XInput.h"

using namespace Qt::StringLiterals;

namespace {

int optionsDialogs()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.cbegin(), windows.cend(),
                             [](const QWidget *window) { return qobject_cast<const frmOptions *>(window); }));
}

} // namespace

// The program's windows on a real X server with a real window manager (openbox), where frames, window
// placement, activation, minimizing and maximizing are the window manager's doing. One run goes through
// a whole session: splash, help, board, help again, closing the board.
class TestProgramX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeSession();
    void f2AgainWhileTheOptionsOpenOpensNoSecondDialog();

private:
    void splashIsPlacedBorderless(frmSplash *splash);
    void helpFollowsItsResizeRule(frmHelp *viewer);
};

void TestProgramX11::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb"_s)
        QSKIP("needs an X server with a window manager (run through scripts/test)");
}

void TestProgramX11::splashIsPlacedBorderless(frmSplash *splash)
{
    const QRect screen = splash->screen()->geometry();
    const QPointF topLeft = frmSplash::startPosition(QSizeF(screen.size()) * 15, 6240);
    QTRY_COMPARE(splash->frameGeometry().topLeft(),
                 screen.topLeft() + QPoint(qRound(topLeft.x() / 15), qRound(topLeft.y() / 15)));
    QCOMPARE(splash->frameGeometry().size(), QSize(416, 216));
    QVERIFY(QTest::qWaitForWindowActive(splash));
    QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdHelp"_s);
}

void TestProgramX11::helpFollowsItsResizeRule(frmHelp *viewer)
{
    const auto fitted = [viewer] {
        const QSize outer = viewer->outerSizeTwips();
        const RichTextBox *box = viewer->rtbHelp();
        return box->widthTwips() == outer.width() - 240 && box->heightTwips() == outer.height() - 420
            && box->rightMargin() == box->widthTwips() - 450;
    };
    // The window manager's frame is known once the window is mapped.
    QTRY_VERIFY(viewer->frameGeometry().size() != viewer->size());
    QTRY_VERIFY2(fitted(),
                 qPrintable(u"outer %1 x %2, client %3 x %4, box %5 x %6"_s.arg(viewer->frameGeometry().width())
                                .arg(viewer->frameGeometry().height())
                                .arg(viewer->width())
                                .arg(viewer->height())
                                .arg(viewer->rtbHelp()->width())
                                .arg(viewer->rtbHelp()->height())));

    const QSize frame = viewer->frameGeometry().size() - viewer->size();
    viewer->resize(QSize(60, 40) - frame);
    QTRY_VERIFY(viewer->outerSizeTwips().width() >= 2700 && viewer->outerSizeTwips().height() >= 1700);
    QTRY_VERIFY(fitted());
    QVERIFY2(viewer->outerSizeTwips().width() < 2700 + 15 * 2,
             qPrintable(QString::number(viewer->frameGeometry().width())));
    QVERIFY(viewer->outerSizeTwips().height() < 1700 + 15 * 2);

    viewer->resize(QSize(640, 480) - frame);
    QTRY_COMPARE(viewer->frameGeometry().size(), QSize(640, 480));
    QTRY_VERIFY(fitted());

    viewer->showMinimized();
    QTRY_VERIFY(viewer->isMinimized());
    viewer->showNormal();
    QTRY_VERIFY(!viewer->isMinimized() && viewer->isVisible());
    QTRY_COMPARE(viewer->frameGeometry().size(), QSize(640, 480));
    QTRY_VERIFY(fitted());
}

void TestProgramX11::wholeSession()
{
    ProgramFixture fixture;
    fixture.start();
    Program &program = *fixture.program;
    QPointer<frmSplash> splash = program.splash();
    splashIsPlacedBorderless(splash);
    if (QTest::currentTestFailed())
        return;

    // Help by its access key, twice: one viewer.
    QTest::keyClick(splash, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(program.help().viewer());
    QPointer<frmHelp> viewer = program.help().viewer();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(viewer->rtbHelp()->text().startsWith(u"Vantaro Help"_s));
    helpFollowsItsResizeRule(viewer);
    if (QTest::currentTestFailed())
        return;
    splash->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(splash));
    QTest::keyClick(splash, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(viewer->isActiveWindow());
    QCOMPARE(program.help().viewer(), viewer.data());

    // A click on the splash opens the board, maximized; the help viewer stays open.
    fixture.clickSplash();
    QTRY_VERIFY(splash.isNull());
    frmScoreboard *board = program.board();
    QVERIFY(board);
    QTRY_VERIFY(board->isMaximized());
    QTRY_COMPARE(board->frameGeometry().united(board->screen()->availableGeometry()), board->frameGeometry());
    QVERIFY(viewer && viewer->isVisible());

    // F1 on the board brings the same viewer forward.
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(program.help().viewer(), viewer.data());
    QTRY_VERIFY(viewer->isActiveWindow());

    // Closing the board ends the program and takes the viewer with it.
    QSignalSpy finished(&program, &Program::finished);
    bool stoppedFromOutside = false;
    QTimer::singleShot(0, board, [board] { board->close(); });
    QTimer::singleShot(15000, [&stoppedFromOutside] {
        stoppedFromOutside = true;
        QCoreApplication::exit(99);
    });
    const int result = QApplication::exec();
    QVERIFY2(!stoppedFromOutside, "the program did not end when the board was closed");
    QCOMPARE(result, 0);
    QCOMPARE(finished.size(), 1);
    QTRY_VERIFY(viewer.isNull());
}

// F2 pressed three times in a row on the board: the first opens the options dialog; the others arrive
// while it is still opening (measuring a long team name lets pending events run) and open nothing.
void TestProgramX11::f2AgainWhileTheOptionsOpenOpensNoSecondDialog()
{
    XInput x;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!x.isOpen() || !XTestQueryExtension(x.display(), &event, &error, &major, &minor))
        QSKIP("the X server has no XTest extension");
    ProgramFixture fixture;
    fixture.realOptionsDialog = true;
    fixture.writeSettings("[TextSettings]\nHomeText=WWWWWWWWWWWWWWWWWWWW\nVisitorText=Mountain Lions\n");
    fixture.start();
    fixture.clickSplash();
    QTRY_VERIFY(fixture.program->board());
    frmScoreboard *board = fixture.program->board();
    QTRY_VERIFY(board->isActiveWindow());

    // Watches from whichever event loop runs; closes each dialog once it has been up for a while.
    int most = 0;
    int opened = 0;
    QPointer<QWidget> current;
    QElapsedTimer up;
    QTimer watch;
    watch.setInterval(5);
    connect(&watch, &QTimer::timeout, [&] {
        most = std::max(most, optionsDialogs());
        auto *dialog = qobject_cast<frmOptions *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (dialog != current) {
            current = dialog;
            ++opened;
            up.start();
        } else if (up.elapsed() > 700) {
            dialog->reject();
        }
    });
    watch.start();
    for (int press = 0; press < 3; ++press)
        x.key(XK_F2);
    QTRY_VERIFY_WITH_TIMEOUT(opened > 0 && optionsDialogs() == 0, 10000);
    QTest::qWait(500);
    QCOMPARE(optionsDialogs(), 0);
    QCOMPARE(most, 1);
    QCOMPARE(opened, 1);
}

QTEST_MAIN(TestProgramX11)
#include "testProgramX11.moc"
