#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// The rectangle of the screen that differs from its top-left pixel: what the program's windows cover on
// the window manager's empty desktop.
QRect drawnArea()
{
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QRgb background = screen.pixel(0, 0);
    QRect area;
    for (int y = 0; y < screen.height(); y += 2) {
        const auto *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); x += 2) {
            if (line[x] != background)
                area |= QRect(x, y, 2, 2);
        }
    }
    return area;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// The response to a GET of path on the local port, empty when nothing answers.
QByteArray httpGet(quint16 port, const QByteArray &path)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(1000))
        return {};
    socket.write("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    QByteArray response;
    while (socket.waitForReadyRead(2000))
        response += socket.readAll();
    return response;
}

int distinctColours(const QRect &area)
{
    const QImage shot
        = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            colours.insert(shot.pixel(x, y));
    }
    return int(colours.size());
}

} // namespace

// The program as a user gets it: installed by cmake --install into a prefix of its own, started as a
// separate process with a home of its own, driven by xdotool and seen through screenshots of the screen.
class TestInstalledProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedLayout_data();
    void installedLayout();
    void launcherLinksToTheProgram();
    void startsShowsTheSplashAndClosesCleanly();
    void storedValueThatDoesNotConvertStillStarts_data();
    void storedValueThatDoesNotConvertStillStarts();
    void secondStartBringsTheFirstForward();
    void systemEndDuringAMatchEndsAtOnce();

private:
    void xdotool(const QStringList &arguments);
    bool openBoardFromSplash(const QRect &splash);
    void startProgram(QProcess &program, const QString &home);
    bool stopProgram(QProcess &program);

    QTemporaryDir m_prefix;
    QString m_xdotool;
};

void TestInstalledProgram::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb"_s)
        QSKIP("needs an X server with a window manager (run through scripts/test)");
    m_xdotool = QStandardPaths::findExecutable(u"xdotool"_s);
    if (m_xdotool.isEmpty())
        QSKIP("needs xdotool (scripts/test installs it)");
    if (!drawnArea().isEmpty())
        QSKIP("the screen is not empty: another program's window is in the way");
    QVERIFY(m_prefix.isValid());
    QDir(QStringLiteral(VANTARO_BUILD_DIR)).mkpath(u"screenshots"_s);
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(VANTARO_CMAKE_COMMAND),
                  {u"--install"_s, QStringLiteral(VANTARO_BUILD_DIR), u"--prefix"_s, m_prefix.path()});
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0, install.readAll().constData());
}

void TestInstalledProgram::installedLayout_data()
{
    QTest::addColumn<QString>("path");
    for (const char *path :
         {"lib/vantaro/vantaro", "lib/vantaro/buzzer.wav", "lib/vantaro/vantarohelpfile.rtf",
          "lib/vantaro/vantarologo.gif", "lib/vantaro/vantaro-16.png", "lib/vantaro/vantaro-32.png",
          "lib/vantaro/vantaro-48.png", "lib/vantaro/vantaro-256.png", "lib/vantaro/modules/vantaro-sound.so",
          "lib/vantaro/modules/vantaro-feed.so", "lib/vantaro/modules/vantaro-instance.so",
          "share/applications/vantaro.desktop", "share/icons/hicolor/16x16/apps/vantaro.png",
          "share/icons/hicolor/32x32/apps/vantaro.png", "share/icons/hicolor/48x48/apps/vantaro.png",
          "share/icons/hicolor/256x256/apps/vantaro.png"})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestInstalledProgram::installedLayout()
{
    QFETCH(QString, path);
    const QFileInfo file(m_prefix.filePath(path));
    QVERIFY2(file.isFile() && file.size() > 0, qPrintable(file.filePath()));
    const QFileInfo source(QStringLiteral(VANTARO_ASSETS_DIR "/") + file.fileName());
    if (source.exists() && path.startsWith(u"lib/"_s))
        QCOMPARE(file.size(), source.size());
}

// The launcher on the PATH is a link to the program in its own folder, where it finds its assets.
void TestInstalledProgram::launcherLinksToTheProgram()
{
    const QFileInfo launcher(m_prefix.filePath(u"bin/vantaro"_s));
    QVERIFY(launcher.isSymLink());
    QCOMPARE(launcher.canonicalFilePath(), QFileInfo(m_prefix.filePath(u"lib/vantaro/vantaro"_s)).canonicalFilePath());
    QVERIFY(launcher.isExecutable());
}

void TestInstalledProgram::xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(m_xdotool, arguments);
    QVERIFY(tool.waitForFinished(10000));
    QCOMPARE(tool.exitCode(), 0);
}

// Clicks the splash's frame, below the logo; true once the board covers the whole screen.
bool TestInstalledProgram::openBoardFromSplash(const QRect &splash)
{
    const QPoint frame = splash.topLeft() + QPoint(20, 200);
    xdotool({u"mousemove"_s, QString::number(frame.x()), QString::number(frame.y()), u"click"_s, u"1"_s});
    return QTest::qWaitFor([] { return drawnArea().width() >= QGuiApplication::primaryScreen()->size().width() - 4; },
                           10000);
}

// Started as the desktop entry starts it, with a home, a settings folder and a runtime folder (where the
// one-board-per-user lock goes) of the test's own.
void TestInstalledProgram::startProgram(QProcess &program, const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home);
    environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/.config"_s);
    const QString runtime = home + u"/runtime"_s;
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    program.start(m_prefix.filePath(u"bin/vantaro"_s), {});
    QVERIFY(program.waitForStarted(10000));
}

// Ends a program left running by a failed check, so that its windows do not spoil the next test.
bool TestInstalledProgram::stopProgram(QProcess &program)
{
    if (program.state() == QProcess::NotRunning)
        return false;
    program.kill();
    program.waitForFinished(5000);
    return true;
}

// The board loads the sound player and the live feed from their modules: the feed serves the match, and
// neither module is refused.
void TestInstalledProgram::startsShowsTheSplashAndClosesCleanly()
{
    QTemporaryDir home;
    const quint16 port = freePort();
    QDir().mkpath(home.filePath(u".config/Vantaro"_s));
    QFile settings(home.filePath(u".config/Vantaro/Vantaro.ini"_s));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Feed]\nEnabled=Yes\nPort=" + QByteArray::number(port) + '\n');
    settings.close();
    QProcess program;
    startProgram(program, home.path());
    const auto cleanup = qScopeGuard([&] { stopProgram(program); });

    // The splash, frameless and drawn: its size, and more than a few colours in it.
    QRect splash;
    QTRY_VERIFY_WITH_TIMEOUT((splash = drawnArea()).width() >= 400, 10000);
    QTRY_VERIFY(distinctColours(splash = drawnArea()) > 20);
    QVERIFY2(qAbs(splash.width() - 416) <= 4 && qAbs(splash.height() - 216) <= 4,
             qPrintable(u"%1 x %2"_s.arg(splash.width()).arg(splash.height())));
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(
        QStringLiteral(VANTARO_BUILD_DIR "/screenshots/installed-01-splash.png")));

    // A click on the splash's frame, below the logo, opens the board over the whole screen.
    QVERIFY(openBoardFromSplash(splash));
    QTRY_VERIFY(distinctColours(QRect(QPoint(0, 0), QGuiApplication::primaryScreen()->size())) > 20);
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(
        QStringLiteral(VANTARO_BUILD_DIR "/screenshots/installed-02-board.png")));
    QTRY_VERIFY(httpGet(port, "/state.json").startsWith("HTTP/1.1 200"));
    const QByteArray errors = program.readAllStandardError();
    QVERIFY2(!errors.contains("cannot be used"), errors.constData());

    // The window manager's close (Alt+F4 in openbox) on the board ends the program cleanly; the board is
    // made the active window first, so that the keys cannot reach a window the test does not mean.
    xdotool({u"search"_s, u"--name"_s, u"^Vantaro - "_s, u"windowactivate"_s, u"--sync"_s});
    xdotool({u"key"_s, u"alt+F4"_s});
    QVERIFY2(program.waitForFinished(10000), "the program did not end when the board was closed");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QTRY_VERIFY(drawnArea().isEmpty());
}

void TestInstalledProgram::storedValueThatDoesNotConvertStillStarts_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("letters for a key") << "[KeySettings]\nBuzzerKey=abc\n"_ba;
    QTest::newRow("empty colour") << "[ColorSettings]\nTimeColor=\n"_ba;
}

// A value that does not convert no longer ends the program. It starts with the
// default in its place and says so in one warning over the splash; Enter closes the warning, the
// program goes on, the board opens, and the settings file is left as it was.
void TestInstalledProgram::storedValueThatDoesNotConvertStillStarts()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(u".config/Vantaro"_s));
    const QString settingsFile = home.filePath(u".config/Vantaro/Vantaro.ini"_s);
    {
        QFile file(settingsFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QProcess program;
    startProgram(program, home.path());
    const auto cleanup = qScopeGuard([&] { stopProgram(program); });

    // The splash and the warning over it.
    xdotool({u"search"_s, u"--sync"_s, u"--onlyvisible"_s, u"--name"_s, u"^Vantaro settings$"_s});
    QRect drawn;
    QTRY_VERIFY_WITH_TIMEOUT(!(drawn = drawnArea()).isEmpty() && distinctColours(drawn) > 20, 10000);
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(
        QStringLiteral(VANTARO_BUILD_DIR "/screenshots/installed-03-settings-warning.png")));
    xdotool({u"search"_s, u"--sync"_s, u"--onlyvisible"_s, u"--name"_s, u"^Vantaro settings$"_s, u"windowactivate"_s,
             u"--sync"_s});
    xdotool({u"key"_s, u"Return"_s});
    QVERIFY2(!program.waitForFinished(1500), "the program ended with the warning");

    // The splash is still there: a click on its frame opens the board over the whole screen.
    QRect splash;
    QTRY_VERIFY_WITH_TIMEOUT(qAbs((splash = drawnArea()).width() - 416) <= 4, 10000);
    QVERIFY(openBoardFromSplash(splash));
    xdotool({u"key"_s, u"alt+F4"_s});
    QVERIFY2(program.waitForFinished(10000), "the program did not end when the board was closed");
    QCOMPARE(program.exitCode(), 0);
    QFile file(settingsFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), contents);
    QTRY_VERIFY(drawnArea().isEmpty());
}

// One board per user: a second start (a double-click too many) brings the first one forward and ends
// with status 0; there is still one splash on the screen.
void TestInstalledProgram::secondStartBringsTheFirstForward()
{
    QTemporaryDir home;
    QProcess first;
    startProgram(first, home.path());
    const auto cleanup = qScopeGuard([&] { stopProgram(first); });
    QRect splash;
    QTRY_VERIFY_WITH_TIMEOUT(qAbs((splash = drawnArea()).width() - 416) <= 4 && distinctColours(splash) > 20, 10000);

    QProcess second;
    startProgram(second, home.path());
    QVERIFY2(second.waitForFinished(10000), "the second start did not end");
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    QTest::qWait(300);
    QCOMPARE(drawnArea(), splash);
}

// A logout or shutdown (SIGTERM) during a match ends the program at once, without the question that a
// close asks: nobody would be there to answer it.
void TestInstalledProgram::systemEndDuringAMatchEndsAtOnce()
{
    QTemporaryDir home;
    QProcess program;
    startProgram(program, home.path());
    const auto cleanup = qScopeGuard([&] { stopProgram(program); });
    QRect splash;
    QTRY_VERIFY_WITH_TIMEOUT((splash = drawnArea()).width() >= 400, 10000);
    QVERIFY(openBoardFromSplash(splash));
    xdotool({u"key"_s, u"F5"_s});
    QTest::qWait(300);
    QCOMPARE(::kill(pid_t(program.processId()), SIGTERM), 0);
    QVERIFY2(program.waitForFinished(10000), "the program did not end on SIGTERM");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QTRY_VERIFY(drawnArea().isEmpty());
}

QTEST_MAIN(TestInstalledProgram)
#include "testInstalledProgram.moc"
