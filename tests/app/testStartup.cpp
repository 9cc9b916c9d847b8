#include "app/DisplayCheck.h"
#include "app/SingleInstance.h"
#include "instance/LocalChannel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString ProgramPath = QStringLiteral(VANTARO_BUILD_DIR "/src/app/vantaro");
const QString NoDisplayMessage = u"Vantaro needs a graphical desktop (X11): no display found (DISPLAY is not set)"_s;

// The program's environment: a home and a runtime folder of the test's own, so that runs of this test
// and of others never share a lock; no display unless the test gives one.
QProcessEnvironment programEnvironment(const QString &home, const QString &platform)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(u"HOME"_s, home);
    environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/.config"_s);
    environment.insert(u"XDG_RUNTIME_DIR"_s, home + u"/runtime"_s);
    if (!platform.isEmpty())
        environment.insert(u"QT_QPA_PLATFORM"_s, platform);
    return environment;
}

// A home with its runtime folder, as a login gives it (private to the user).
std::unique_ptr<QTemporaryDir> makeHome()
{
    auto home = std::make_unique<QTemporaryDir>();
    QDir().mkpath(home->filePath(u"runtime"_s));
    QFile::setPermissions(home->filePath(u"runtime"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return home;
}

void start(QProcess &program, const QString &home, const QString &platform = u"offscreen"_s)
{
    program.setProcessEnvironment(programEnvironment(home, platform));
    program.start(ProgramPath, {});
}

bool stop(QProcess &program)
{
    if (program.state() == QProcess::NotRunning)
        return false;
    program.kill();
    program.waitForFinished(5000);
    return true;
}

// Whether the program is up: it listens for later starts once it holds the lock.
bool listening(const QString &home)
{
    return QFile::exists(home + u"/runtime/vantaro.socket"_s);
}

} // namespace

// How the real program starts: without a display it says so, and one user gets one board however
// often it is started, in sequence or at once, also after a crash.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void missingDisplay_data();
    void missingDisplay();
    void noDisplayIsToldPlainly();
    void unreachableDisplayIsToldPlainly();
    void secondStartEndsAndAsksTheFirstForward();
    void secondStartInProcessReachesTheFirst();
    void manyStartsAtOnceGiveOneBoard();
    void lockLeftByACrashNeverBlocks();
    void askedToEndItEndsCleanly_data();
    void askedToEndItEndsCleanly();
};

void TestStartup::initTestCase()
{
    QVERIFY2(QFile::exists(ProgramPath), qPrintable(ProgramPath));
}

void TestStartup::missingDisplay_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("session");
    QTest::addColumn<bool>("missing");
    QTest::newRow("no platform, no display") << QString() << QString() << QString() << QString() << true;
    QTest::newRow("xcb, no display") << u"xcb"_s << QString() << QString() << QString() << true;
    QTest::newRow("xcb first of two") << u"xcb;wayland"_s << QString() << QString() << QString() << true;
    QTest::newRow("display set") << QString() << u":0"_s << QString() << QString() << false;
    QTest::newRow("offscreen") << u"offscreen:configfile=x.json"_s << QString() << QString() << QString() << false;
    QTest::newRow("wayland session") << QString() << QString() << u"wayland-0"_s << u"wayland"_s << false;
    QTest::newRow("xcb asked in a wayland session") << u"xcb"_s << QString() << u"wayland-0"_s << u"wayland"_s << true;
}

void TestStartup::missingDisplay()
{
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QString, session);
    QFETCH(bool, missing);
    const std::optional<QString> message = DisplayCheck::missingDisplay(platform, display, wayland, session);
    QCOMPARE(message.has_value(), missing);
    if (missing)
        QCOMPARE(*message, NoDisplayMessage);
}

// Started from a remote shell: one clear line on standard error and status 1, not Qt's advice to
// reinstall.
void TestStartup::noDisplayIsToldPlainly()
{
    const auto home = makeHome();
    QProcess program;
    start(program, home->path(), QString());
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()).trimmed(), NoDisplayMessage);
}

void TestStartup::unreachableDisplayIsToldPlainly()
{
    const auto home = makeHome();
    QProcess program;
    QProcessEnvironment environment = programEnvironment(home->path(), u"xcb"_s);
    environment.insert(u"DISPLAY"_s, u":4242"_s);
    program.setProcessEnvironment(environment);
    program.start(ProgramPath, {});
    QVERIFY(program.waitForFinished(10000));
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(error.trimmed(),
             u"Vantaro needs a graphical desktop (X11): no display found (could not connect to display :4242)"_s);
}

// A double-click too many: the second start finds the first, asks it to come forward and ends with 0;
// the first goes on.
void TestStartup::secondStartEndsAndAsksTheFirstForward()
{
    const auto home = makeHome();
    QProcess first;
    start(first, home->path());
    const auto cleanup = qScopeGuard([&] { stop(first); });
    QTRY_VERIFY_WITH_TIMEOUT(listening(home->path()), 10000);

    for (int again = 0; again < 2; ++again) {
        QProcess second;
        start(second, home->path());
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }
    QCOMPARE(first.state(), QProcess::Running);
}

// The same between two claims in one process: the later one reaches the first, whose window would come
// forward.
void TestStartup::secondStartInProcessReachesTheFirst()
{
    QTemporaryDir folder;
    const auto localChannel = [] { return std::make_unique<LocalChannel>(); };
    SingleInstance first(folder.path(), localChannel);
    int activations = 0;
    first.setOnActivation([&activations] { ++activations; });
    QVERIFY(first.claim());
    first.listen();
    SingleInstance second(folder.path(), localChannel);
    second.setOnActivation([] { QFAIL("the second start was activated"); });
    QVERIFY(!second.claim());
    QTRY_COMPARE(activations, 1);
}

// Starts at the same moment (the desktop icon clicked a few times over) race for the lock: exactly one
// board stays, the others end with 0.
void TestStartup::manyStartsAtOnceGiveOneBoard()
{
    const auto home = makeHome();
    std::vector<std::unique_ptr<QProcess>> programs;
    const auto cleanup = qScopeGuard([&] {
        for (const auto &program : programs)
            stop(*program);
    });
    for (int i = 0; i < 4; ++i) {
        programs.push_back(std::make_unique<QProcess>());
        start(*programs.back(), home->path());
    }
    const auto ended = [&programs] {
        int count = 0;
        for (const auto &program : programs)
            count += program->state() == QProcess::NotRunning ? 1 : 0;
        return count;
    };
    QTRY_COMPARE_WITH_TIMEOUT(ended(), 3, 20000);
    QTest::qWait(500);
    QCOMPARE(ended(), 3);
    for (const auto &program : programs) {
        if (program->state() == QProcess::NotRunning)
            QCOMPARE(program->exitCode(), 0);
    }
}

// A board that crashed leaves its lock and socket behind; the next start is not kept away by them.
void TestStartup::lockLeftByACrashNeverBlocks()
{
    const auto home = makeHome();
    QProcess crashed;
    start(crashed, home->path());
    QTRY_VERIFY_WITH_TIMEOUT(listening(home->path()), 10000);
    crashed.kill();
    QVERIFY(crashed.waitForFinished(5000));
    QVERIFY(QFile::exists(home->path() + u"/runtime/vantaro.lock"_s));

    QProcess next;
    start(next, home->path());
    const auto cleanup = qScopeGuard([&] { stop(next); });
    QVERIFY2(!next.waitForFinished(2000), qPrintable(QString::fromLocal8Bit(next.readAllStandardError())));
    // It holds the lock now: a further start ends.
    QProcess further;
    start(further, home->path());
    QVERIFY(further.waitForFinished(10000));
    QCOMPARE(further.exitCode(), 0);
    QCOMPARE(next.state(), QProcess::Running);
}

void TestStartup::askedToEndItEndsCleanly_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM (logout, shutdown)") << int(SIGTERM);
    QTest::newRow("SIGINT (Ctrl+C)") << int(SIGINT);
    QTest::newRow("SIGHUP (terminal closed)") << int(SIGHUP);
}

// Asked to end by the system, it ends as after a close: status 0, its lock and socket given back.
void TestStartup::askedToEndItEndsCleanly()
{
    QFETCH(int, signal);
    const auto home = makeHome();
    QProcess program;
    start(program, home->path());
    const auto cleanup = qScopeGuard([&] { stop(program); });
    QTRY_VERIFY_WITH_TIMEOUT(listening(home->path()), 10000);
    QCOMPARE(::kill(pid_t(program.processId()), signal), 0);
    QVERIFY(program.waitForFinished(5000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!QFile::exists(home->path() + u"/runtime/vantaro.lock"_s));
    QVERIFY(!listening(home->path()));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "testStartup.moc"
