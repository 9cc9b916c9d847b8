#include "dialogs/RichTextBox.h"
#include "support/ProgramFixture.h"
#include "widgets/Label.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool anyWindowVisible()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            return true;
    }
    return false;
}

// Runs the application's event loop as the program does, with timeout as the limit; the result of
// exec(), or -1 when the loop had to be stopped from outside.
int runEventLoop(int timeout)
{
    bool stoppedFromOutside = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&stoppedFromOutside] {
        stoppedFromOutside = true;
        QCoreApplication::exit(99);
    });
    guard.start(timeout);
    const int result = QApplication::exec();
    return stoppedFromOutside ? -1 : result;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTheSplash();
    void storedValueThatDoesNotConvertStopsTheStart_data();
    void storedValueThatDoesNotConvertStopsTheStart();
    void loadErrorIsShownWithItsRemedy();
    void settingsAreLoadedOnce();
    void optionsFromTheSplashReachTheBoard();
    void cancelledOptionsLeaveTheSplashWaiting();
    void helpStaysOpenWhenTheBoardOpens();
    void boardSharesTheHelpViewerAndTheOptionsHook();
    void realOptionsDialogSavesAndUpdatesTheBoard_data();
    void realOptionsDialogSavesAndUpdatesTheBoard();
    void closingTheBoardEndsTheProgram();
    void closingTheSplashEndsTheProgramOnceNoWindowIsLeft();
    void everyWindowCarriesTheProgramIcon();
};

void TestProgram::startsWithTheSplash()
{
    ProgramFixture fixture;
    Program &program = fixture.create();
    QVERIFY(!program.start());
    QVERIFY(program.splash());
    QVERIFY(program.splash()->isVisible());
    QVERIFY(!program.board());
    QCOMPARE(fixture.settings.TimeColor, 33023);
    QCOMPARE(fixture.settings.BuzzerFile, QCoreApplication::applicationDirPath() + u"/buzzer.wav"_s);
}

void TestProgram::storedValueThatDoesNotConvertStopsTheStart_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("letters for a key") << "[KeySettings]\nBuzzerKey=abc\n"_ba << u"KeySettings"_s << u"BuzzerKey"_s
                                       << u"abc"_s;
    QTest::newRow("empty colour") << "[ColorSettings]\nTimeColor=\n"_ba << u"ColorSettings"_s << u"TimeColor"_s
                                  << QString();
    QTest::newRow("key code past 16 bits")
        << "[KeySettings]\nClearKey=40000\n"_ba << u"KeySettings"_s << u"ClearKey"_s << u"40000"_s;
    QTest::newRow("team size") << "[TextSettings]\nHomeText=Eagles\nTeamSize=big\n"_ba << u"TextSettings"_s
                               << u"TeamSize"_s << u"big"_s;
}

void TestProgram::storedValueThatDoesNotConvertStopsTheStart()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    ProgramFixture fixture;
    fixture.writeSettings(contents);
    Program &program = fixture.create();
    const auto error = program.start();
    QVERIFY(error);
    QCOMPARE(error->fileName, fixture.settingsFile());
    QCOMPARE(error->section, section);
    QCOMPARE(error->key, key);
    QCOMPARE(error->storedText, value);
    QVERIFY(!program.splash());
    QVERIFY(!program.board());
    QVERIFY(!anyWindowVisible());
    // Nothing is repaired or overwritten, and the record is left as it was.
    QCOMPARE(fileContents(fixture.settingsFile()), contents);
    QCOMPARE(fixture.settings.TimeColor, 0);
    QVERIFY(fixture.settings.HomeText.isEmpty());
}

void TestProgram::loadErrorIsShownWithItsRemedy()
{
    ProgramFixture fixture;
    fixture.writeSettings("[KeySettings]\nBuzzerKey=abc\n");
    const auto error = fixture.create().start();
    QVERIFY(error);
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = static_cast<QMessageBox *>(QApplication::activeModalWidget());
        shown = box->text() + u'\n' + box->informativeText();
        QCOMPARE(box->icon(), QMessageBox::Critical);
        box->accept();
    });
    Program::reportLoadError(*error);
    QVERIFY(shown.contains(error->message()));
    for (const QString &part :
         {fixture.settingsFile(), u"[KeySettings]"_s, u"BuzzerKey"_s, u"\"abc\""_s, u"delete the file"_s})
        QVERIFY2(shown.contains(part), qPrintable(part));
}

void TestProgram::settingsAreLoadedOnce()
{
    ProgramFixture fixture;
    fixture.writeSettings("[TextSettings]\nHomeText=First\n");
    fixture.start();
    QCOMPARE(fixture.settings.HomeText, u"First"_s);
    // Whatever happens to the file after start-up, the board shows what was loaded then.
    fixture.writeSettings("[TextSettings]\nHomeText=Second\n");
    fixture.clickSplash();
    QVERIFY(fixture.program->board());
    QCOMPARE(fixture.program->board()->windowTitle(), u"Vantaro - First"_s);
    QCOMPARE(fixture.settings.HomeText, u"First"_s);
}

void TestProgram::optionsFromTheSplashReachTheBoard()
{
    ProgramFixture fixture;
    fixture.options = [](Settings &settings) { settings.HomeText = u"Eagles"_s; };
    fixture.start();
    frmSplash *splash = fixture.program->splash();
    QTest::mouseClick(splash->findChild<QWidget *>(u"cmdOptions"_s), Qt::LeftButton);
    QCOMPARE(fixture.optionsOwners, QList<QWidget *>({splash}));
    QVERIFY(splash->isVisible());
    fixture.clickSplash();
    QCOMPARE(fixture.program->board()->windowTitle(), u"Vantaro - Eagles"_s);
}

void TestProgram::cancelledOptionsLeaveTheSplashWaiting()
{
    ProgramFixture fixture;
    fixture.start();
    QPointer<frmSplash> splash = fixture.program->splash();
    QTest::mouseClick(splash->findChild<QWidget *>(u"cmdOptions"_s), Qt::LeftButton);
    QCOMPARE(fixture.optionsOwners.size(), 1);
    QCoreApplication::processEvents();
    QVERIFY(splash && splash->isVisible());
    QVERIFY(!fixture.program->board());
    QCOMPARE(fixture.settings.HomeText, u"Home"_s);
}

void TestProgram::helpStaysOpenWhenTheBoardOpens()
{
    ProgramFixture fixture;
    fixture.start();
    QPointer<frmSplash> splash = fixture.program->splash();
    QTest::mouseClick(splash->findChild<QWidget *>(u"cmdHelp"_s), Qt::LeftButton);
    QPointer<frmHelp> viewer = fixture.program->help().viewer();
    QVERIFY(viewer && viewer->isVisible());
    fixture.clickSplash();
    QTRY_VERIFY(splash.isNull());
    QVERIFY(fixture.program->board()->isVisible());
    QVERIFY(viewer && viewer->isVisible());
}

void TestProgram::boardSharesTheHelpViewerAndTheOptionsHook()
{
    ProgramFixture fixture;
    fixture.writeHelp("{\\rtf1 as loaded}");
    fixture.start();
    QTest::mouseClick(fixture.program->splash()->findChild<QWidget *>(u"cmdHelp"_s), Qt::LeftButton);
    frmHelp *viewer = fixture.program->help().viewer();
    fixture.writeHelp("{\\rtf1 changed since}");
    fixture.clickSplash();
    frmScoreboard *board = fixture.program->board();
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(fixture.program->help().viewer(), viewer);
    QCOMPARE(viewer->rtbHelp()->text(), u"as loaded"_s);

    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QCOMPARE(fixture.optionsOwners, QList<QWidget *>({board}));
}

void TestProgram::realOptionsDialogSavesAndUpdatesTheBoard_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

// F2 opens the program's own dialog over the board; OK saves the change to the program's store and the
// board shows it, Cancel changes neither.
void TestProgram::realOptionsDialogSavesAndUpdatesTheBoard()
{
    QFETCH(bool, ok);
    ProgramFixture fixture;
    fixture.realOptionsDialog = true;
    fixture.start();
    fixture.clickSplash();
    frmScoreboard *board = fixture.program->board();
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));

    QWidget *owner = nullptr;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        QWidget *dialog = QApplication::activeModalWidget();
        owner = dialog->parentWidget();
        auto *visitor = dialog->findChild<QLineEdit *>(u"txtVisitorText"_s);
        QVERIFY(visitor);
        visitor->setText(u"Falcons"_s);
        QTest::mouseClick(dialog->findChild<QWidget *>(ok ? u"cmdOk"_s : u"cmdCancel"_s), Qt::LeftButton);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QCOMPARE(owner, board);
    const QString expected = ok ? u"Falcons"_s : u"Visitor"_s;
    QCOMPARE(fixture.settings.VisitorText, expected);
    QCOMPARE(board->findChild<Label *>(u"lblVisitorTeam"_s)->caption(), expected);
    QCOMPARE(fileContents(fixture.settingsFile()).contains("VisitorText=Falcons"), ok);
}

void TestProgram::closingTheBoardEndsTheProgram()
{
    ProgramFixture fixture;
    fixture.start();
    QSignalSpy finished(fixture.program.get(), &Program::finished);
    QPointer<frmHelp> viewer;
    // The operator opens help from the splash, goes to the board, presses F1 there and closes the board.
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(fixture.program->splash()->findChild<QWidget *>(u"cmdHelp"_s), Qt::LeftButton);
        viewer = fixture.program->help().viewer();
        fixture.clickSplash();
        QTest::keyClick(fixture.program->board(), Qt::Key_F1);
        fixture.program->board()->close();
    });
    QCOMPARE(runEventLoop(10000), 0);
    QCOMPARE(finished.size(), 1);
    QVERIFY(!viewer || !viewer->isVisible());
    QTRY_VERIFY(viewer.isNull());
    QVERIFY(!anyWindowVisible());
}

void TestProgram::closingTheSplashEndsTheProgramOnceNoWindowIsLeft()
{
    ProgramFixture fixture;
    fixture.start();
    QPointer<frmHelp> viewer;
    // Closed by the window system while help is open: the program goes on until help is closed too.
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(fixture.program->splash()->findChild<QWidget *>(u"cmdHelp"_s), Qt::LeftButton);
        viewer = fixture.program->help().viewer();
        fixture.program->splash()->close();
        QTimer::singleShot(200, [&viewer] {
            QVERIFY(viewer && viewer->isVisible());
            viewer->close();
        });
    });
    QCOMPARE(runEventLoop(10000), 0);
    QVERIFY(!fixture.program->board());
    QVERIFY(!anyWindowVisible());
}

void TestProgram::everyWindowCarriesTheProgramIcon()
{
    ProgramFixture fixture;
    for (const int size : {16, 32, 48, 256})
        QFile::copy(QStringLiteral(VANTARO_ASSETS_DIR "/vantaro-%1.png").arg(size),
                    fixture.folder() + u"/vantaro-%1.png"_s.arg(size));
    Program::describeApplication(fixture.folder());
    QCOMPARE(QApplication::applicationName(), u"Vantaro"_s);
    QCOMPARE(QApplication::organizationName(), u"Vantaro"_s);
    QCOMPARE(QApplication::applicationVersion(), u"1.0.1"_s);
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 256}) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        const QImage drawn = QApplication::windowIcon().pixmap(QSize(size, size)).toImage();
        QCOMPARE(drawn.size(), QSize(size, size));
        QVERIFY(drawn.pixelColor(size / 2, size / 2).alpha() == 255);
    }
    fixture.start();
    QCOMPARE(fixture.program->splash()->windowIcon().availableSizes(), sizes);
}

QTEST_MAIN(TestProgram)
#include "testProgram.moc"
