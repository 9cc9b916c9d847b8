#include "support/ProgramProcess.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// After every Qt header: Xlib's macros would clash with Qt's names.
#include "support/XInput.h"
#include <X11/extensions/scrnsaver.h>

using namespace Qt::StringLiterals;

namespace {

// The board's design size and the console's fixed parts, for finding a field of the miniature.
constexpr double DesignWidth = 9480;
constexpr double DesignHeight = 6795;
constexpr int ConsoleMargin = 8;
constexpr int ConsoleSidePanel = 340;

// "vantaro-first-paint <class> x,y wxh <ns>" as a rectangle.
QRect paintedArea(const QString &line)
{
    const QStringList place = line.section(u' ', 2, 2).split(u',');
    const QStringList size = line.section(u' ', 3, 3).split(u'x');
    return place.size() == 2 && size.size() == 2
        ? QRect(place[0].toInt(), place[1].toInt(), size[0].toInt(), size[1].toInt())
        : QRect();
}

// A point of the board's design (in twips) on the miniature of a console drawn at console.
QPoint onMiniature(const QRect &console, double twipsX, double twipsY)
{
    const QSize area(console.width() - 3 * ConsoleMargin - ConsoleSidePanel, console.height() - 2 * ConsoleMargin);
    const QSize miniature = QSize(int(DesignWidth), int(DesignHeight)).scaled(area, Qt::KeepAspectRatio);
    const QPoint origin = console.topLeft() + QPoint(ConsoleMargin, ConsoleMargin)
        + QPoint((area.width() - miniature.width()) / 2, (area.height() - miniature.height()) / 2);
    return origin
        + QPoint(int(twipsX / DesignWidth * miniature.width()), int(twipsY / DesignHeight * miniature.height()));
}

} // namespace

// A laptop and a projector: an X server of the test's own, 3200 x 1080, split by RandR into a primary
// 1920 x 1080 monitor and a 1280 x 720 one, with openbox. The real program puts the board on the
// projector without a frame and the console on the laptop; keys typed in the console change the board, a
// click in the miniature moves the focus, the board follows when the projector goes and comes back, and
// the screen saver waits while the board shows.
class TestTwoScreensX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void laptopAndProjector();

private:
    bool xrandr(const QStringList &arguments);
    QRect windowGeometry(const QString &name);
    int screenSaverState();
    void screenshot(const QString &name);

    QTemporaryDir m_runtime;
    QProcess m_server;
    QProcess m_windowManager;
    QString m_display;
    std::unique_ptr<XInput> m_x;
};

void TestTwoScreensX11::initTestCase()
{
    if (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty() || QStandardPaths::findExecutable(u"xrandr"_s).isEmpty()
        || QStandardPaths::findExecutable(u"openbox"_s).isEmpty())
        QSKIP("needs Xvfb, xrandr and openbox");
    m_server.setProgram(u"Xvfb"_s);
    m_server.setArguments(
        {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"3200x1080x24"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s});
    m_server.start();
    QVERIFY(m_server.waitForReadyRead(10000));
    m_display = u":"_s + QString::fromLatin1(m_server.readLine().trimmed());
    QVERIFY(xrandr({u"--setmonitor"_s, u"*Laptop"_s, u"1920/508x1080/286+0+0"_s, u"screen"_s}));
    QVERIFY(xrandr({u"--setmonitor"_s, u"Projector"_s, u"1280/339x720/190+1920+0"_s, u"none"_s}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_display);
    environment.insert(u"XDG_CONFIG_HOME"_s, m_runtime.path());
    m_windowManager.setProcessEnvironment(environment);
    m_windowManager.start(u"openbox"_s, {u"--sm-disable"_s});
    QVERIFY(m_windowManager.waitForStarted());
    m_x = std::make_unique<XInput>(m_display);
    QVERIFY(m_x->isOpen());
    // A screen saver that would start after two seconds of idleness.
    XSetScreenSaver(m_x->display(), 2, 0, DontPreferBlanking, AllowExposures);
    XFlush(m_x->display());
}

void TestTwoScreensX11::cleanupTestCase()
{
    m_x.reset();
    for (QProcess *process : {&m_windowManager, &m_server}) {
        process->terminate();
        process->waitForFinished(5000);
    }
}

bool TestTwoScreensX11::xrandr(const QStringList &arguments)
{
    QProcess tool;
    tool.start(u"xrandr"_s, QStringList {u"-display"_s, m_display} + arguments);
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

// The outer place of the window whose title is name, as the X server has it.
QRect TestTwoScreensX11::windowGeometry(const QString &name)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_display);
    tool.setProcessEnvironment(environment);
    tool.start(u"xdotool"_s,
               {u"search"_s, u"--onlyvisible"_s, u"--name"_s, name, u"getwindowgeometry"_s, u"--shell"_s, u"%1"_s});
    if (!tool.waitForFinished(10000))
        return {};
    QHash<QString, int> values;
    for (const QByteArray &line : tool.readAllStandardOutput().split('\n')) {
        const QString entry = QString::fromLatin1(line);
        if (entry.contains(u'='))
            values.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1).toInt());
    }
    return QRect(values.value(u"X"_s), values.value(u"Y"_s), values.value(u"WIDTH"_s), values.value(u"HEIGHT"_s));
}

int TestTwoScreensX11::screenSaverState()
{
    XScreenSaverInfo *info = XScreenSaverAllocInfo();
    XScreenSaverQueryInfo(m_x->display(), DefaultRootWindow(m_x->display()), info);
    const int state = info->state;
    XFree(info);
    return state;
}

void TestTwoScreensX11::screenshot(const QString &name)
{
    QDir(QStringLiteral(VANTARO_BUILD_DIR)).mkpath(u"screenshots"_s);
    QProcess tool;
    tool.start(
        u"import"_s,
        {u"-display"_s, m_display, u"-window"_s, u"root"_s, QStringLiteral(VANTARO_BUILD_DIR "/screenshots/") + name});
    tool.waitForFinished(20000);
}

void TestTwoScreensX11::laptopAndProjector()
{
    QTemporaryDir home;
    ProgramProcess program(home.path(), m_display);
    const QRect splash = paintedArea(program.waitForLine(u"vantaro-first-paint frmSplash"_s));
    QVERIFY2(QRect(0, 0, 1920, 1080).contains(splash), "the splash is on the laptop");
    // The splash paints before the window manager may have finished taking it in, and a click in between
    // is lost: clicked again until the board comes.
    QString board;
    for (int click = 0; click < 3 && board.isEmpty(); ++click) {
        m_x->click(splash.topLeft() + QPoint(20, 200));
        board = program.waitForLine(u"vantaro-first-paint frmScoreboard 1920,0 1280x720"_s, 3000);
    }

    // The board fills the projector without a frame; the console opens on the laptop.
    QVERIFY(!board.isEmpty());
    const QRect console = paintedArea(program.waitForLine(u"vantaro-first-paint frmConsole"_s));
    QVERIFY2(QRect(0, 0, 1920, 1080).contains(console),
             qPrintable(u"console at %1,%2"_s.arg(console.x()).arg(console.y())));
    QTRY_COMPARE(windowGeometry(u"^Vantaro - Home$"_s), QRect(1920, 0, 1280, 720));

    // Keys typed in the console reach the board, in the field the console's focus is on.
    m_x->key(XK_1);
    m_x->key(XK_5);
    m_x->key(XK_Return);
    QVERIFY(!program.waitForLine(u"vantaro-shown home=15 visitor=0"_s).isEmpty());
    // A click on the visitor's games won in the miniature moves the focus there, on the board too.
    m_x->click(onMiniature(console, 6345 + 375, 3675 + 630));
    QVERIFY(!program.waitForLine(u"vantaro-focus nledVisitorGamesWon"_s).isEmpty());
    m_x->key(XK_3);
    QVERIFY(!program.waitForLine(u"vantaro-shown home=15 visitor=0 homeGames=0 visitorGames=3"_s).isEmpty());
    screenshot(u"two-screens-mid-match.png"_s);

    // Idle for longer than the screen saver's time: it stays off while the board shows.
    QTest::qWait(3000);
    QCOMPARE(screenSaverState(), ScreenSaverOff);

    // The projector goes: the board comes to the laptop, maximized; it returns when the projector does.
    QVERIFY(xrandr({u"--delmonitor"_s, u"Projector"_s}));
    QTRY_VERIFY_WITH_TIMEOUT(QRect(0, 0, 1920, 1080).contains(windowGeometry(u"^Vantaro - Home$"_s).center()), 10000);
    QTRY_VERIFY(windowGeometry(u"^Vantaro - Home$"_s).width() > 1800);
    QVERIFY(xrandr({u"--setmonitor"_s, u"Projector"_s, u"1280/339x720/190+1920+0"_s, u"none"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(u"^Vantaro - Home$"_s), QRect(1920, 0, 1280, 720), 10000);

    // Gone with the program, the screen saver comes after its time.
    program.kill();
    QTRY_COMPARE_WITH_TIMEOUT(screenSaverState(), ScreenSaverOn, 6000);
}

QTEST_MAIN(TestTwoScreensX11)
#include "testTwoScreensX11.moc"
