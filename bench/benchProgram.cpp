// The real program as a separate process on the X server named by DISPLAY, driven with XTest as the
// operator would: process start to the splash's first paint, beside the same for a one-label Qt Widgets
// program started in turn with it, a click on the splash to the first paint of the maximized board, peak
// resident memory, then with the game clock running the CPU it takes and whether its resident memory
// grows. Both programs report their first paints through the first-paint probe
// (VANTARO_FIRST_PAINT_PROBE) on the same monotonic clock as this process. Each figure is printed as
// "RESULT|figure|target|result|ratio|met" for scripts/bench to put in its table.
//
// Usage: benchProgram [--cpu-seconds N] [--memory-seconds M]   (60 and 600 by default)

#include "board/BoardDesign.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRect>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int ProbeTimeoutMilliseconds = 20'000;
// Peak memory is read once the board has settled after opening.
constexpr int SettleMilliseconds = 2000;
constexpr qint64 MemoryGrowthLimitKilobytes = 1024;
constexpr int Starts = 25;
// The start-up may take this much longer than the one-label program's.
constexpr double StartRatioLimit = 1.15;

void reportFigure(const QString &figure, const QString &target, const QString &result, bool met,
                  const QString &ratio = u"-"_s)
{
    std::printf("RESULT|%s|%s|%s|%s|%s\n", qPrintable(figure), qPrintable(target), qPrintable(result),
                qPrintable(ratio), met ? "yes" : "NO");
    std::fflush(stdout);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// "99.1 ms (96.3 to 186.4; CPU 80 ms)": the median and spread of a few runs and the median CPU time.
QString rangeText(const QList<double> &milliseconds, const QList<double> &cpuMilliseconds)
{
    const auto [lowest, highest] = std::minmax_element(milliseconds.begin(), milliseconds.end());
    return u"%1 ms (%2 to %3; CPU %4 ms)"_s.arg(median(milliseconds), 0, 'f', 1)
        .arg(*lowest, 0, 'f', 1)
        .arg(*highest, 0, 'f', 1)
        .arg(median(cpuMilliseconds), 0, 'f', 0);
}

qint64 monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// One line of the probe: which window, where, and when its frame was done.
struct FirstPaint
{
    QString windowClass;
    QRect area;
    qint64 nanoseconds = 0;
};

std::optional<FirstPaint> parseFirstPaint(const QByteArray &line)
{
    const QList<QByteArray> words = line.trimmed().split(' ');
    if (words.size() != 5 || words[0] != "vantaro-first-paint")
        return std::nullopt;
    const QList<QByteArray> position = words[2].split(',');
    const QList<QByteArray> size = words[3].split('x');
    if (position.size() != 2 || size.size() != 2)
        return std::nullopt;
    return FirstPaint {QString::fromLatin1(words[1]),
                       QRect(position[0].toInt(), position[1].toInt(), size[0].toInt(), size[1].toInt()),
                       words[4].toLongLong()};
}

// Waits for the first probe line that accepted() takes; other output of the program is passed on.
std::optional<FirstPaint> waitForPaint(QProcess &program, const std::function<bool(const FirstPaint &)> &accepted)
{
    const qint64 deadline = monotonicNanoseconds() + ProbeTimeoutMilliseconds * 1'000'000LL;
    while (monotonicNanoseconds() < deadline) {
        while (program.canReadLine()) {
            const QByteArray line = program.readLine();
            const auto paint = parseFirstPaint(line);
            if (!paint)
                std::fputs(line.constData(), stderr);
            else if (accepted(*paint))
                return paint;
        }
        if (program.state() != QProcess::Running) {
            std::fprintf(stderr, "%s ended (status %d) before its first paint: %s\n", qPrintable(program.program()),
                         program.exitCode(), program.readAll().constData());
            return std::nullopt;
        }
        program.waitForReadyRead(100);
    }
    return std::nullopt;
}

// Starts path with the first-paint probe and waits for the first paint of a window of windowClass;
// started is set to the moment of the start.
std::optional<FirstPaint> startToFirstPaint(QProcess &program, const QString &path, const QString &windowClass,
                                            qint64 &started)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"VANTARO_FIRST_PAINT_PROBE"_s, u"1"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    started = monotonicNanoseconds();
    program.start(path, {});
    if (!program.waitForStarted(ProbeTimeoutMilliseconds)) {
        std::fprintf(stderr, "%s did not start: %s\n", qPrintable(path), qPrintable(program.errorString()));
        return std::nullopt;
    }
    return waitForPaint(program, [&](const FirstPaint &paint) { return paint.windowClass == windowClass; });
}

void stop(QProcess &program)
{
    program.terminate();
    if (!program.waitForFinished(5000))
        program.kill();
    program.waitForFinished(5000);
}

// A field of /proc/<pid>/status in kilobytes, -1 when it cannot be read.
qint64 statusKilobytes(qint64 pid, const QByteArray &field)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// User plus system CPU time of a process in seconds, from /proc/<pid>/stat.
double cpuSeconds(qint64 pid)
{
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The command name may hold blanks; the fields after it are counted from its closing parenthesis.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

void click(Display *display, QPoint at)
{
    XTestFakeMotionEvent(display, -1, at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

void typeKeys(Display *display, const QList<KeySym> &keys)
{
    for (KeySym key : keys) {
        const KeyCode code = XKeysymToKeycode(display, key);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        XFlush(display);
        QThread::msleep(30);
    }
}

// Where the game clock field lies on the maximized board: its design place scaled with the client area.
QPoint clockFieldCentre(const QRect &board)
{
    const WindowDesign &design = BoardDesign::window();
    for (const ElementDesign &element : design.elements) {
        if (element.name != u"tledGame"_s)
            continue;
        QHash<QByteArray, double> geometry;
        for (const DesignProperty &property : element.properties)
            geometry.insert(property.name, property.value.toDouble());
        const double x = (geometry["Left"] + geometry["Width"] / 2) / design.clientWidth;
        const double y = (geometry["Top"] + geometry["Height"] / 2) / design.clientHeight;
        return board.topLeft() + QPoint(int(x * board.width()), int(y * board.height()));
    }
    return board.center();
}

// The one-label program's start to its first paint, in milliseconds of wall and CPU time; nothing when it
// showed no window.
std::optional<std::pair<double, double>> labelStart()
{
    QProcess program;
    qint64 started = 0;
    const auto paint = startToFirstPaint(program, QString::fromLocal8Bit(VANTARO_LABEL_PROGRAM), u"QLabel"_s, started);
    const double cpu = cpuSeconds(program.processId()) * 1000;
    stop(program);
    if (!paint)
        return std::nullopt;
    return std::pair {double(paint->nanoseconds - started) / 1e6, cpu};
}

int secondsOption(const QStringList &arguments, const QString &name, int fallback)
{
    const qsizetype option = arguments.indexOf(name);
    return option >= 0 && option + 1 < arguments.size() ? arguments.at(option + 1).toInt() : fallback;
}

class ProgramRun
{
public:
    ProgramRun(Display *display, int cpuSeconds, int memorySeconds)
        : m_display(display)
        , m_cpuSeconds(cpuSeconds)
        , m_memorySeconds(memorySeconds)
    {
    }
    ~ProgramRun() { stop(m_program); }

    // Starts the program and clicks its splash; false when either window did not appear.
    bool open();
    // With the board open: peak memory, then the clock's CPU and memory figures.
    void measureRunning();

    double startMilliseconds() const { return double(m_splash.nanoseconds - m_started) / 1e6; }
    double clickMilliseconds() const { return double(m_board.nanoseconds - m_clicked) / 1e6; }
    // The program's own CPU time for its start and for opening the board, read from /proc as soon as
    // each paint was reported (to its 10 ms resolution): how much of the time was its work rather than
    // waiting for cores that other programs hold.
    double startCpuMilliseconds() const { return m_startCpuSeconds * 1000; }
    double clickCpuMilliseconds() const { return (m_boardCpuSeconds - m_clickCpuSeconds) * 1000; }
    QSize boardSize() const { return m_board.area.size(); }

private:
    bool startToSplash();
    bool clickToBoard();
    void peakMemory();
    void startClock();
    void clockCpu();
    void memoryGrowth();

    Display *m_display;
    int m_cpuSeconds;
    int m_memorySeconds;
    QProcess m_program;
    qint64 m_started = 0;
    qint64 m_clicked = 0;
    double m_startCpuSeconds = 0;
    double m_clickCpuSeconds = 0;
    double m_boardCpuSeconds = 0;
    FirstPaint m_splash;
    FirstPaint m_board;
};

bool ProgramRun::open()
{
    return startToSplash() && clickToBoard();
}

void ProgramRun::measureRunning()
{
    peakMemory();
    startClock();
    clockCpu();
    memoryGrowth();
}

bool ProgramRun::startToSplash()
{
    const auto splash
        = startToFirstPaint(m_program, QString::fromLocal8Bit(VANTARO_PROGRAM), u"frmSplash"_s, m_started);
    if (!splash) {
        std::fprintf(stderr, "The program showed no splash\n");
        return false;
    }
    m_splash = *splash;
    m_startCpuSeconds = cpuSeconds(m_program.processId());
    return true;
}

bool ProgramRun::clickToBoard()
{
    // The window manager gets a moment to place and focus the splash, as an operator's click would.
    QThread::msleep(500);
    const int screenWidth = DisplayWidth(m_display, DefaultScreen(m_display));
    m_clickCpuSeconds = cpuSeconds(m_program.processId());
    m_clicked = monotonicNanoseconds();
    click(m_display, m_splash.area.topLeft() + QPoint(4, 4));
    const auto board = waitForPaint(m_program, [screenWidth](const FirstPaint &paint) {
        return paint.windowClass == u"frmScoreboard"_s && paint.area.width() == screenWidth;
    });
    if (!board) {
        std::fprintf(stderr, "The click on the splash opened no maximized board\n");
        return false;
    }
    m_board = *board;
    m_boardCpuSeconds = cpuSeconds(m_program.processId());
    return true;
}

void ProgramRun::peakMemory()
{
    QThread::msleep(SettleMilliseconds);
    const qint64 peak = statusKilobytes(m_program.processId(), "VmHWM");
    reportFigure(
        u"peak resident memory, board maximized at %1x%2"_s.arg(m_board.area.width()).arg(m_board.area.height()),
        u"< 50 MB"_s, u"%1 MB"_s.arg(double(peak) / 1024, 0, 'f', 1), peak > 0 && peak < 50 * 1024);
}

// The clock gets 99:59, so that it is still running at the end of the longest measurement.
void ProgramRun::startClock()
{
    click(m_display, clockFieldCentre(m_board.area));
    QThread::msleep(200);
    typeKeys(m_display, {XK_9, XK_9, XK_period, XK_5, XK_9, XK_Return, XK_s});
    QThread::msleep(1000);
}

void ProgramRun::clockCpu()
{
    const qint64 pid = m_program.processId();
    const double before = cpuSeconds(pid);
    const qint64 started = monotonicNanoseconds();
    QThread::sleep(m_cpuSeconds);
    const double used = cpuSeconds(pid) - before;
    const double percent = used * 100 / (double(monotonicNanoseconds() - started) / 1e9);
    reportFigure(u"CPU while the clock runs, averaged over %1 s"_s.arg(m_cpuSeconds), u"< 1 % of one core"_s,
                 u"%1 % (%2 s CPU)"_s.arg(percent, 0, 'f', 2).arg(used, 0, 'f', 2), before >= 0 && percent < 1);
}

// The memory run follows the CPU run, which is its warm-up; resident memory is sampled every second.
void ProgramRun::memoryGrowth()
{
    const qint64 pid = m_program.processId();
    const qint64 first = statusKilobytes(pid, "VmRSS");
    qint64 highest = first;
    qint64 last = first;
    for (int second = 0; second < m_memorySeconds && m_program.state() == QProcess::Running; ++second) {
        QThread::sleep(1);
        last = statusKilobytes(pid, "VmRSS");
        highest = std::max(highest, last);
    }
    const bool ran = m_program.state() == QProcess::Running && first > 0;
    reportFigure(u"resident memory growth over %1 s with the clock running"_s.arg(m_memorySeconds),
                 u"< 1 MB after warm-up"_s,
                 u"%1 kB (%2 MB to %3 MB, highest %4 MB)"_s.arg(last - first)
                     .arg(double(first) / 1024, 0, 'f', 1)
                     .arg(double(last) / 1024, 0, 'f', 1)
                     .arg(double(highest) / 1024, 0, 'f', 1),
                 ran && last - first < MemoryGrowthLimitKilobytes);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int cpu = secondsOption(arguments, u"--cpu-seconds"_s, 60);
    const int memory = secondsOption(arguments, u"--memory-seconds"_s, 600);
    if (cpu <= 0 || memory <= 0) {
        std::fprintf(stderr, "--cpu-seconds and --memory-seconds need a positive number of seconds\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "No X display; set DISPLAY\n");
        return 2;
    }
    // Start-up times vary with the machine's load, so the program is started several times, each time
    // just after the one-label program; the last start stays open for the measurements of the running
    // board.
    bool ran = true;
    QList<double> starts;
    QList<double> startCpus;
    QList<double> labelStarts;
    QList<double> labelCpus;
    QList<double> clicks;
    QList<double> clickCpus;
    for (int start = 1; start <= Starts && ran; ++start) {
        const auto label = labelStart();
        ProgramRun run(display, cpu, memory);
        ran = label && run.open();
        if (!ran) {
            std::fprintf(stderr, "Start %d: %s\n", start,
                         label ? "the program showed no splash, or its board did not open on a click"
                               : "the one-label program showed no window");
            break;
        }
        labelStarts.append(label->first);
        labelCpus.append(label->second);
        starts.append(run.startMilliseconds());
        startCpus.append(run.startCpuMilliseconds());
        clicks.append(run.clickMilliseconds());
        clickCpus.append(run.clickCpuMilliseconds());
        if (start < Starts)
            continue;
        const double startMedian = median(starts);
        // Each start is compared with the one-label start just before it, so that a change in the
        // machine's load during the run weighs on both sides of a ratio.
        QList<double> ratios;
        for (qsizetype i = 0; i < starts.size(); ++i)
            ratios.append(starts[i] / labelStarts[i]);
        const double ratio = median(ratios);
        reportFigure(
            u"process start to the splash's first paint (medians of %1 starts and of their ratios)"_s.arg(Starts),
            u"< 150 ms; < %1 x a one-label Qt program's"_s.arg(StartRatioLimit), rangeText(starts, startCpus),
            startMedian < 150 && ratio < StartRatioLimit,
            u"%1 (one label: %2)"_s.arg(ratio, 0, 'f', 2).arg(rangeText(labelStarts, labelCpus)));
        const QSize board = run.boardSize();
        reportFigure(u"click on the splash to the first paint of the maximized board (%1x%2)"_s.arg(board.width())
                         .arg(board.height()),
                     u"< 150 ms"_s, rangeText(clicks, clickCpus), median(clicks) < 150);
        run.measureRunning();
    }
    XCloseDisplay(display);
    return ran ? 0 : 1;
}
