#include "app/SettingsWarning.h"
#include "dialogs/RichTextBox.h"
#include "dialogs/frmOptions.h"
#include "support/ProgramFixture.h"
#include "widgets/Label.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

#include <sys/stat.h>

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
    void cleanup();
    void startsWithTheSplash();
    void storedValueThatDoesNotConvertTakesItsDefault_data();
    void storedValueThatDoesNotConvertTakesItsDefault();
    void oneWarningNamesEveryProblem();
    void unreadableSettingsFileStartsWithDefaults_data();
    void unreadableSettingsFileStartsWithDefaults();
    void okAfterProblemsKeepsTheFileBesideItself();
    void cleanSettingsGiveNoWarning();
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

// A warning a test left open must not be taken for the next test's.
void TestProgram::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(SettingsWarning::ObjectName))
            delete window;
    }
}

void TestProgram::startsWithTheSplash()
{
    ProgramFixture fixture;
    Program &program = fixture.create();
    program.start();
    QVERIFY(program.splash());
    QVERIFY(program.splash()->isVisible());
    QVERIFY(!program.board());
    QCOMPARE(fixture.settings.TimeColor, 33023);
    QCOMPARE(fixture.settings.BuzzerFile, QCoreApplication::applicationDirPath() + u"/buzzer.wav"_s);
}

void TestProgram::storedValueThatDoesNotConvertTakesItsDefault_data()
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

// A value that does not convert no longer stops the start: the program starts
// with that value's default, the other values as stored, and says so once the splash is up.
void TestProgram::storedValueThatDoesNotConvertTakesItsDefault()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    ProgramFixture fixture;
    fixture.writeSettings(contents);
    fixture.start();
    Program &program = *fixture.program;
    QVERIFY(program.splash() && program.splash()->isVisible());
    const SettingsLoadReport &report = program.splash()->loadReport();
    QCOMPARE(report.fileName, fixture.settingsFile());
    QCOMPARE(report.problems.size(), 1);
    QCOMPARE(report.problems[0].section, section);
    QCOMPARE(report.problems[0].key, key);
    QCOMPARE(report.problems[0].storedText, value);
    // Defaults where the file said nothing usable, the file's values elsewhere.
    QCOMPARE(fixture.settings.TimeColor, 33023);
    QCOMPARE(fixture.settings.BuzzerKey, qint16(66));
    QCOMPARE(fixture.settings.ClearKey, qint16(46));
    QCOMPARE(fixture.settings.TeamSize, Currency::fromInteger(24));
    QCOMPARE(fixture.settings.HomeText, contents.contains("Eagles") ? u"Eagles"_s : u"Home"_s);
    // The board opens on them, and nothing is repaired or overwritten.
    fixture.clickSplash();
    QVERIFY(program.board() && program.board()->isVisible());
    QCOMPARE(fileContents(fixture.settingsFile()), contents);
    QVERIFY(QDir(fixture.folder()).entryList({u"Vantaro.ini.bak*"_s}).isEmpty());
}

namespace {

QMessageBox *settingsWarning()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(SettingsWarning::ObjectName) && window->isVisible())
            return qobject_cast<QMessageBox *>(window);
    }
    return nullptr;
}

int settingsWarnings()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String(SettingsWarning::ObjectName) && window->isVisible() ? 1 : 0;
    return count;
}

} // namespace

void TestProgram::oneWarningNamesEveryProblem()
{
    ProgramFixture fixture;
    fixture.writeSettings("[ColorSettings]\nTimeColor=abc\nScoreColor 255\n[KeySettings]\nBuzzerKey=\n"
                          "ClearKey=46\n");
    fixture.start();
    QTRY_VERIFY(settingsWarning());
    QMessageBox *box = settingsWarning();
    QCOMPARE(settingsWarnings(), 1);
    QCOMPARE(box->icon(), QMessageBox::Warning);
    // Not modal: the operator can go on to the board with the warning still open.
    QCOMPARE(box->windowModality(), Qt::NonModal);
    const QString shown = box->text() + u'\n' + box->informativeText();
    const SettingsLoadReport &report = fixture.program->splash()->loadReport();
    QVERIFY(shown.contains(report.message()));
    for (const QString &part :
         {fixture.settingsFile(), u"[ColorSettings] TimeColor"_s, u"\"abc\""_s, u"\"33023\" is used instead"_s,
          u"Line 3"_s, u"\"ScoreColor 255\""_s, u"it is skipped"_s, u"[KeySettings] BuzzerKey"_s,
          u"\"66\" is used instead"_s, report.backupFileName, u"OK in the options dialog"_s})
        QVERIFY2(shown.contains(part), qPrintable(part + u" in:\n"_s + shown));
    QCOMPARE(fixture.settings.ClearKey, qint16(46));
    fixture.clickSplash();
    QVERIFY(fixture.program->board());
    QCOMPARE(settingsWarnings(), 1);
    box->close();
    QTRY_COMPARE(settingsWarnings(), 0);
}

void TestProgram::unreadableSettingsFileStartsWithDefaults_data()
{
    QTest::addColumn<QString>("shape");
    QTest::newRow("a folder in its place") << u"folder"_s;
    QTest::newRow("a named pipe in its place") << u"fifo"_s;
    QTest::newRow("over 16 MB") << u"huge"_s;
}

// A settings file that cannot be read at all: defaults, one warning, the file left alone (and never
// opened, for a named pipe, which would keep the start waiting for a writer).
void TestProgram::unreadableSettingsFileStartsWithDefaults()
{
    QFETCH(QString, shape);
    ProgramFixture fixture;
    if (shape == u"folder"_s) {
        QVERIFY(QDir().mkdir(fixture.settingsFile()));
    } else if (shape == u"fifo"_s) {
        QCOMPARE(::mkfifo(QFile::encodeName(fixture.settingsFile()).constData(), 0600), 0);
    } else {
        QFile file(fixture.settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(17 * 1024 * 1024));
    }
    QElapsedTimer started;
    started.start();
    fixture.start();
    QVERIFY2(started.elapsed() < 3000, qPrintable(QString::number(started.elapsed())));
    QVERIFY(fixture.program->splash()->isVisible());
    QVERIFY(!fixture.program->splash()->loadReport().fileProblem.isEmpty());
    QCOMPARE(fixture.settings.TimeColor, 33023);
    QTRY_VERIFY(settingsWarning());
    const QString shown = settingsWarning()->informativeText();
    QVERIFY2(shown.contains(fixture.settingsFile()) && shown.contains(u"default settings"_s), qPrintable(shown));
    settingsWarning()->close();
    const QFileInfo after(fixture.settingsFile());
    QCOMPARE(after.isDir(), shape == u"folder"_s);
    QCOMPARE(after.isFile(), shape == u"huge"_s);
}

// The file is not rewritten at start; OK in the options dialog replaces it, keeping the file as it was
// beside it under the name the warning gave.
void TestProgram::okAfterProblemsKeepsTheFileBesideItself()
{
    ProgramFixture fixture;
    fixture.realOptionsDialog = true;
    const QByteArray contents = "[ColorSettings]\nTimeColor=abc\n; the operator's note\nnot a setting\n";
    fixture.writeSettings(contents);
    fixture.start();
    const QString backup = fixture.program->splash()->loadReport().backupFileName;
    QVERIFY(backup.startsWith(fixture.settingsFile() + u".bak-"_s));
    QTRY_VERIFY(settingsWarning());
    settingsWarning()->close();
    QCOMPARE(fileContents(fixture.settingsFile()), contents);
    QVERIFY(!QFileInfo::exists(backup));

    QTimer::singleShot(0, [] {
        QTRY_VERIFY(qobject_cast<frmOptions *>(QApplication::activeModalWidget()));
        QTest::mouseClick(QApplication::activeModalWidget()->findChild<QWidget *>(u"cmdOk"_s), Qt::LeftButton);
    });
    QTest::mouseClick(fixture.program->splash()->findChild<QWidget *>(u"cmdOptions"_s), Qt::LeftButton);
    QCOMPARE(fileContents(backup), contents);
    const QByteArray saved = fileContents(fixture.settingsFile());
    QVERIFY(saved.contains("TimeColor=33023"));
    QVERIFY(!saved.contains("not a setting"));
}

void TestProgram::cleanSettingsGiveNoWarning()
{
    ProgramFixture fixture;
    fixture.writeSettings("[TextSettings]\nHomeText=Eagles\n");
    fixture.start();
    QTest::qWait(50);
    QCOMPARE(settingsWarnings(), 0);
    QVERIFY(!fixture.program->splash()->loadReport().hasProblems());
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
    QTRY_VERIFY(!viewer->isLoading());
    fixture.writeHelp("{\\rtf1 changed since}");
    fixture.clickSplash();
    frmScoreboard *board = fixture.program->board();
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(fixture.program->help().viewer(), viewer);
    QTRY_VERIFY(!viewer->isLoading());
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
    Program::describeApplication();
    QCOMPARE(QApplication::applicationName(), u"Vantaro"_s);
    QCOMPARE(QApplication::organizationName(), u"Vantaro"_s);
    QCOMPARE(QApplication::applicationVersion(), u"1.0.1"_s);
    // The icon comes once the splash has painted.
    fixture.start();
    QTRY_VERIFY(!QApplication::windowIcon().isNull());
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 256}) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        const QImage drawn = QApplication::windowIcon().pixmap(QSize(size, size)).toImage();
        QCOMPARE(drawn.size(), QSize(size, size));
        QVERIFY(drawn.pixelColor(size / 2, size / 2).alpha() == 255);
    }
    QCOMPARE(fixture.program->splash()->windowIcon().availableSizes(), sizes);
}

QTEST_MAIN(TestProgram)
#include "testProgram.moc"
