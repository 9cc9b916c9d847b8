#include "match/ClockDisplay.h"
#include "match/JournalFormat.h"
#include "match/MatchJournal.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// After every Qt header: Xlib's macros (None, KeyPress, Bool...) would clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace Qt::StringLiterals;

namespace {

constexpr auto ShownPrefix = "vantaro-shown ";

// The line the program's probe prints for a board that shows state.
QString shownLine(const MatchState &state)
{
    QStringList sets;
    for (const SetPair &set : state.sets)
        sets.append(u"%1:%2"_s.arg(set.home).arg(set.visitor));
    const ClockDisplay clock = ClockDisplay::choose(false, state.Seconds, {});
    return u"home=%1 visitor=%2 homeGames=%3 visitorGames=%4 sets=%5 poss=%6 clock=%7|%8 mode=game"_s
        .arg(state.homeScore)
        .arg(state.visitorScore)
        .arg(state.homeGamesWon)
        .arg(state.visitorGamesWon)
        .arg(sets.join(u','))
        .arg(state.WhoPoss)
        .arg(clock.FieldUnits)
        .arg(double(clock.Caption), 0, 'f', 1);
}

// The states in the journal file that the next start reads, oldest first.
QList<MatchState> journalStates(const QString &path)
{
    for (const QString &file : {path + u".new"_s, path}) {
        QFile journal(file);
        if (!journal.open(QIODevice::ReadOnly))
            continue;
        QList<MatchState> states;
        for (const JournalFormat::Record &record : JournalFormat::read(journal.readAll())) {
            if (record.kind == JournalFormat::Kind::State)
                states.append(*MatchState::fromBytes(record.data));
        }
        if (!states.isEmpty())
            return states;
    }
    return {};
}

// The real program in a process of its own, with what its probes print on standard error.
class ProgramRun
{
public:
    explicit ProgramRun(const QString &home)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, home);
        environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/config"_s);
        environment.insert(u"XDG_STATE_HOME"_s, home + u"/state"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        environment.insert(u"VANTARO_FIRST_PAINT_PROBE"_s, u"1"_s);
        environment.insert(u"VANTARO_SHOWN_MATCH_PROBE"_s, u"1"_s);
        m_process.setProcessEnvironment(environment);
        m_process.setProgram(QStringLiteral(VANTARO_PROGRAM));
        m_process.setReadChannel(QProcess::StandardError);
        m_process.start();
    }

    ~ProgramRun()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    // The first line from now on that starts with prefix; empty after timeout.
    QString waitForLine(const QString &prefix, int timeout = 10000)
    {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            readLines();
            for (; m_next < m_lines.size(); ++m_next) {
                if (m_lines[m_next].startsWith(prefix))
                    return m_lines[m_next++];
            }
            if (waited.elapsed() > timeout || !m_process.waitForReadyRead(int(timeout - waited.elapsed())))
                return {};
        }
    }

    // Killed as a crash or kill -9 ends a program; the last shown match line it printed, if any.
    QString kill()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
        readLines();
        for (auto line = m_lines.crbegin(); line != m_lines.crend(); ++line) {
            if (line->startsWith(QLatin1String(ShownPrefix)))
                return line->mid(qstrlen(ShownPrefix));
        }
        return {};
    }

private:
    void readLines()
    {
        m_pending += m_process.readAllStandardError();
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            m_lines.append(QString::fromUtf8(m_pending.left(end)));
            m_pending.remove(0, end + 1);
        }
    }

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
    qsizetype m_next = 0;
};

// Real key presses and clicks through the X server.
class XInput
{
public:
    XInput()
        : m_display(XOpenDisplay(nullptr))
    {
    }
    ~XInput()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    bool isOpen() const { return m_display; }

    void click(QPoint at)
    {
        XTestFakeMotionEvent(m_display, -1, at.x(), at.y(), CurrentTime);
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        XFlush(m_display);
    }

    void key(KeySym symbol, bool withControl = false)
    {
        const KeyCode control = XKeysymToKeycode(m_display, XK_Control_L);
        if (withControl)
            XTestFakeKeyEvent(m_display, control, True, CurrentTime);
        XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, symbol), True, CurrentTime);
        XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, symbol), False, CurrentTime);
        if (withControl)
            XTestFakeKeyEvent(m_display, control, False, CurrentTime);
        XFlush(m_display);
    }

private:
    Display *m_display;
};

// What an operator presses in a match, undo included; the clock switch and the dialogs are left out.
struct OperatorKey
{
    KeySym symbol;
    bool withControl;
};

const OperatorKey OperatorKeys[] = {
    {XK_0, false},      {XK_1, false},      {XK_2, false},      {XK_5, false},    {XK_7, false},     {XK_9, false},
    {XK_period, false}, {XK_Return, false}, {XK_Return, false}, {XK_plus, false}, {XK_minus, false}, {XK_space, false},
    {XK_Delete, false}, {XK_Tab, false},    {XK_Tab, false},    {XK_Left, false}, {XK_Right, false}, {XK_Up, false},
    {XK_F5, false},     {XK_F5, false},     {XK_F6, false},     {XK_F6, false},   {XK_s, false},     {XK_r, false},
    {XK_z, true},       {XK_y, true},
};

} // namespace

// The real program, killed at random moments while an operator types: at every next start it offers the
// interrupted match, and Resume puts back exactly what the board showed before the kill, or, when the
// kill fell between the journal's write and the board's update, the one change that was on its way.
class TestCrashRecovery : public QObject
{
    Q_OBJECT

private slots:
    void killedAndResumed();
};

void TestCrashRecovery::killedAndResumed()
{
    XInput x;
    if (!x.isOpen())
        QSKIP("needs an X server");
    const int kills = qEnvironmentVariableIntValue("VANTARO_CRASH_KILLS") > 0
        ? qEnvironmentVariableIntValue("VANTARO_CRASH_KILLS")
        : 200;
    QTemporaryDir home;
    const QString journal = home.filePath(u"state/Vantaro/match.journal"_s);
    QRandomGenerator random(QRandomGenerator::global()->generate());
    MatchState expected = MatchState::fresh();
    int exact = 0;
    int inFlight = 0;
    for (int kill = 0; kill < kills; ++kill) {
        ProgramRun program(home.path());
        const QString splash = program.waitForLine(u"vantaro-first-paint frmSplash"_s);
        QVERIFY2(!splash.isEmpty(), "no splash");
        const QStringList place = splash.section(u' ', 2, 2).split(u',');
        x.click(QPoint(place[0].toInt() + 20, place[1].toInt() + 200));
        if (!expected.isFresh()) {
            QVERIFY2(!program.waitForLine(u"vantaro-first-paint QMessageBox"_s).isEmpty(), "no question to resume");
            x.key(XK_Return);
        }
        const QString resumed = program.waitForLine(QLatin1String(ShownPrefix));
        QCOMPARE(resumed.mid(qstrlen(ShownPrefix)), shownLine(expected));
        QVERIFY(!program.waitForLine(u"vantaro-first-paint frmScoreboard"_s).isEmpty());

        const int presses = random.bounded(40);
        for (int press = 0; press < presses; ++press) {
            const OperatorKey &key = OperatorKeys[random.bounded(int(std::size(OperatorKeys)))];
            x.key(key.symbol, key.withControl);
            QTest::qWait(random.bounded(15));
        }
        QTest::qWait(random.bounded(600));
        const QString lastShown = program.kill();
        const QList<MatchState> states = journalStates(journal);
        QVERIFY2(!states.isEmpty(), "no journal");
        expected = states.last();
        expected.Running = false;
        if (lastShown == shownLine(states.last())) {
            ++exact;
        } else {
            QStringList journalTail;
            for (qsizetype i = std::max<qsizetype>(0, states.size() - 3); i < states.size(); ++i)
                journalTail.append(
                    shownLine(states[i])
                    + u" running=%1 seconds=%2"_s.arg(states[i].Running).arg(states[i].Seconds.toString()));
            QVERIFY2(
                states.size() >= 2 && lastShown == shownLine(states[states.size() - 2]),
                qPrintable(u"kill %1: shown %2\njournal:\n%3"_s.arg(kill).arg(lastShown, journalTail.join(u'\n'))));
            ++inFlight;
        }
    }
    qInfo("%d kills: %d resumed exactly what was shown, %d with the change that was on its way", kills, exact,
          inFlight);
}

QTEST_MAIN(TestCrashRecovery)
#include "testCrashRecovery.moc"
