// In-process timings of the board on the offscreen platform with a 3840x2160 screen: full repaints in
// each digit style, the repaint after one clock refresh, RescaleLayout, a key press up to its repainted
// field, a resize of a board showing three large photos, a help document of 200,000 paragraphs, and the
// game clock's accuracy against a monotonic reference, really and with an injected clock.
// The repaints are also timed with the elements' paint caches switched off, drawing every glyph, lamp and
// frame anew as they did before the caches, and the full repaint also as the board drew before the
// caches, painting its boxes and see-through elements twice; the CPU times are compared. Each figure is printed as
// "RESULT|figure|target|result|ratio|met" for scripts/bench to put in its table.
//
// Usage: benchBoard [--clock-seconds N]   (N: length of the real clock run, 60 by default)

#include "board/LayoutEngine.h"
#include "board/QtLayoutWindow.h"
#include "dialogs/RichTextBox.h"
#include "dialogs/frmHelp.h"
#include "match/GameTimer.h"
#include "support/BoardFixture.h"
#include "widgets/Element.h"
#include "widgets/Image.h"
#include "widgets/LedPanel.h"
#include "widgets/PaintCache.h"
#include "widgets/PictureBox.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <time.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int TimedRuns = 100;
// The CPU time a repaint may take with the paint caches, as a share of the time without them.
constexpr double FullRepaintShare = 1.0 / 3;
constexpr double ClockRefreshShare = 1.0 / 10;

void reportFigure(const QString &figure, const QString &target, const QString &result, bool met,
                  const QString &ratio = u"-"_s)
{
    std::printf("RESULT|%s|%s|%s|%s|%s\n", qPrintable(figure), qPrintable(target), qPrintable(result),
                qPrintable(ratio), met ? "yes" : "NO");
    std::fflush(stdout);
}

QString sizeText(const QWidget *widget)
{
    return u"%1x%2"_s.arg(widget->width()).arg(widget->height());
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Wall and CPU time of this process since it was made. The CPU time tells the board's own work from
// waiting for the cores when other programs share them.
class Stopwatch
{
public:
    Stopwatch()
        : m_cpu(cpuNanoseconds())
    {
        m_wall.start();
    }

    double wallMilliseconds() const { return double(m_wall.nsecsElapsed()) / 1e6; }
    double cpuMilliseconds() const { return double(cpuNanoseconds() - m_cpu) / 1e6; }

private:
    static qint64 cpuNanoseconds()
    {
        timespec now {};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    }

    QElapsedTimer m_wall;
    qint64 m_cpu;
};

// The medians of several timed runs; the figure's target applies to the wall time.
struct Medians
{
    double wall;
    double cpu;

    QString text() const { return u"%1 ms (CPU %2 ms)"_s.arg(wall, 0, 'f', 3).arg(cpu, 0, 'f', 3); }
};

// Times measured() under each way of drawing, switched on by its entry of drawings, in alternating blocks
// of runs, so that all see the same load from other programs (the cached drawing is bound by memory, the
// uncached one by the processor, and other programs slow them differently) while each keeps its data
// warm as a run of repaints does. prepare() runs untimed before each run, and so does the event queue's
// work it leaves. Returns the medians in the order of drawings; the caches are on again afterwards.
QList<Medians> timedDrawings(const QList<std::function<void()>> &drawings, const std::function<void()> &prepare,
                             const std::function<void()> &measured)
{
    constexpr int BlockRuns = 10;
    QList<QList<double>> walls(drawings.size());
    QList<QList<double>> cpus(drawings.size());
    for (int block = 0; block < TimedRuns / BlockRuns; ++block) {
        for (qsizetype drawing = 0; drawing < drawings.size(); ++drawing) {
            drawings[drawing]();
            for (int run = 0; run < BlockRuns; ++run) {
                prepare();
                QCoreApplication::processEvents();
                const Stopwatch stopwatch;
                measured();
                walls[drawing].append(stopwatch.wallMilliseconds());
                cpus[drawing].append(stopwatch.cpuMilliseconds());
            }
        }
    }
    PaintCache::setEnabled(true);
    QCoreApplication::processEvents();
    QList<Medians> medians;
    for (qsizetype drawing = 0; drawing < drawings.size(); ++drawing)
        medians.append({median(walls[drawing]), median(cpus[drawing])});
    return medians;
}

// The CPU time of a repaint with the caches as a share of another drawing's.
QString shareOf(const Medians &cached, const Medians &other, const QString &otherName)
{
    return u"CPU %1 of %2 %3 ms"_s.arg(cached.cpu / other.cpu, 0, 'f', 3).arg(otherName).arg(other.cpu, 0, 'f', 3);
}

QString shareText(double share)
{
    return u"1/%1"_s.arg(qRound(1 / share));
}

// Medians of measured(); prepare() runs untimed before each run and may leave the event queue with
// work that is then done untimed too.
Medians medianMilliseconds(const std::function<void()> &prepare, const std::function<void()> &measured)
{
    QList<double> walls;
    QList<double> cpus;
    for (int run = 0; run < TimedRuns; ++run) {
        prepare();
        QCoreApplication::processEvents();
        const Stopwatch stopwatch;
        measured();
        walls.append(stopwatch.wallMilliseconds());
        cpus.append(stopwatch.cpuMilliseconds());
    }
    QCoreApplication::processEvents();
    return {median(walls), median(cpus)};
}

// The layout engine's view of the board at a window size of the benchmark's choosing, so that the
// elements can be rescaled back and forth without the window itself being resized.
class SizedLayoutWindow : public QtLayoutWindow
{
public:
    SizedLayoutWindow(QWidget *window, const QList<QObject *> &elements, QSize pixels)
        : QtLayoutWindow(window, elements)
        , m_pixels(pixels)
    {
    }

    double widthTwips() const override { return double(m_pixels.width()) * Element::TwipsPerPixel; }
    double heightTwips() const override { return double(m_pixels.height()) * Element::TwipsPerPixel; }

private:
    QSize m_pixels;
};

// Counts a widget's paint events.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }

    int paints() const { return m_paints; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

private:
    int m_paints = 0;
};

// Every element marked for repainting, as a change of colours or a resize marks them, and the repaint
// run. (QWidget::repaint() of the window would leave out its opaque children, the LED panels among them.)
void repaintEverything(QWidget &window)
{
    window.update();
    for (QWidget *element : window.findChildren<QWidget *>())
        element->update();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// Whether Qt counts the board and its boxes as opaque, as it did before the caches: Qt then painted them,
// and everything see-through in them, twice in a repaint of everything.
void countOpaque(frmScoreboard &board, bool opaque)
{
    board.setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    for (PictureBox *box : board.findChildren<PictureBox *>())
        box->setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

// The full repaint with the caches, without them, and as the board drew before the caches (without them,
// painting twice): the target is a share of the last.
void fullRepaint(BoardFixture &fixture)
{
    frmScoreboard &board = *fixture.board;
    auto *clockPanel = fixture.find<TimePanel>(u"tledGame"_s);
    const PaintCounter clockPaints(clockPanel);
    const PaintCounter boardPaints(&board);
    const QList<std::pair<int, QString>> styles {{0, u"Lines"_s}, {1, u"Dots"_s}};
    for (const auto &[style, name] : styles) {
        fixture.settings.LEDType = qint16(style);
        board.UpdateLabels();
        const bool applied = clockPanel->ledType() == style;
        const int clockPaintsBefore = clockPaints.paints();
        // The cached drawing last, so that the clock panel's last repaint tells whether it used its cache.
        enum { AsBefore, Once, Cached };
        // The board's paints so far when each drawing's last block of runs began.
        std::array<int, 3> boardPaintsAt {};
        const QList<Medians> repaint = timedDrawings(
            {[&] {
                 PaintCache::setEnabled(false);
                 countOpaque(board, true);
                 boardPaintsAt[AsBefore] = boardPaints.paints();
             },
             [&] {
                 countOpaque(board, false);
                 boardPaintsAt[Once] = boardPaints.paints();
             },
             [&] {
                 PaintCache::setEnabled(true);
                 boardPaintsAt[Cached] = boardPaints.paints();
             }},
            [] {}, [&board] { repaintEverything(board); });
        // The drawing as before painted the board twice in each run, the one without the caches once.
        const bool twiceBefore
            = boardPaintsAt[Once] - boardPaintsAt[AsBefore] == 2 * (boardPaintsAt[Cached] - boardPaintsAt[Once]);
        const bool cached = clockPaints.paints() >= clockPaintsBefore + 3 * TimedRuns && clockPanel->paintedFromCache();
        const bool met = applied && cached && twiceBefore && repaint[Cached].wall < 8
            && repaint[Cached].cpu / repaint[AsBefore].cpu < FullRepaintShare;
        reportFigure(u"full repaint of the maximized board, %1 digits (median)"_s.arg(name),
                     u"< 8 ms; CPU < %1 of drawing as before the caches"_s.arg(shareText(FullRepaintShare)),
                     repaint[Cached].text() + u" at "_s + sizeText(&board)
                         + (applied ? u""_s : u" (style not applied)"_s)
                         + (cached ? u""_s : u" (the clock panel was not repainted from its cache)"_s)
                         + (twiceBefore ? u""_s : u" (the drawing as before did not paint twice)"_s),
                     met,
                     shareOf(repaint[Cached], repaint[AsBefore], u"drawing as before"_s) + u"; "_s
                         + shareOf(repaint[Cached], repaint[Once], u"drawing once without the caches"_s));
    }
    fixture.settings.LEDType = 0;
    board.UpdateLabels();
}

// Clock refreshes one second apart, each followed by the repaint it asked for, as the event loop runs
// it next. The refreshes are the benchmark's own, so that each one changes what the panel shows.
void clockRefreshRepaint(BoardFixture &fixture)
{
    auto *clockPanel = fixture.find<TimePanel>(u"tledGame"_s);
    fixture.focus(u"nledHomeScore"_s);
    fixture.type(u"S");
    auto *refreshTimer = fixture.find<QTimer>(u"tmrClock1"_s);
    refreshTimer->stop();
    const PaintCounter counter(clockPanel);
    int unchanged = 0;
    int unpainted = 0;
    int uncached = 0;
    const QList<Medians> refresh = timedDrawings(
        {[] { PaintCache::setEnabled(true); }, [] { PaintCache::setEnabled(false); }},
        [&] { fixture.clock.advanceMilliseconds(1000); },
        [&] {
            const float previous = clockPanel->caption();
            const int paints = counter.paints();
            fixture.board->RefreshTime();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            unchanged += clockPanel->caption() == previous;
            unpainted += counter.paints() == paints;
            uncached += PaintCache::enabled() && !clockPanel->paintedFromCache();
        });
    fixture.type(u"S");
    refreshTimer->start();
    const QString problems = unchanged + unpainted + uncached == 0
        ? QString()
        : u" (%1 refreshes showed no change, %2 did not repaint, %3 did not use the cache)"_s.arg(unchanged)
              .arg(unpainted)
              .arg(uncached);
    reportFigure(u"clock refresh and repaint of the clock panel (median)"_s,
                 u"< 1 ms; CPU < %1 of drawing without the caches"_s.arg(shareText(ClockRefreshShare)),
                 refresh[0].text() + u" at "_s + sizeText(clockPanel) + problems,
                 problems.isEmpty() && refresh[0].wall < 1 && refresh[0].cpu / refresh[1].cpu < ClockRefreshShare,
                 shareOf(refresh[0], refresh[1], u"drawing without the caches"_s));
}

void rescaleLayout(BoardFixture &fixture)
{
    frmScoreboard &board = *fixture.board;
    LayoutEngine engine;
    engine.RecordLayout(QtLayoutWindow(&board, board.elements()));
    const QSize full = board.size();
    const QSize half = full / 2;
    auto *homeScore = fixture.find<NumberPanel>(u"nledHomeScore"_s);
    const QSize fieldAtFull = homeScore->size();
    const Medians rescale = medianMilliseconds(
        [&] {
            SizedLayoutWindow smaller(&board, board.elements(), half);
            engine.RescaleLayout(smaller);
        },
        [&] {
            SizedLayoutWindow larger(&board, board.elements(), full);
            engine.RescaleLayout(larger);
        });
    const bool rescaled = homeScore->size() == fieldAtFull;
    board.RescaleLayout();
    reportFigure(u"RescaleLayout of the board from %1x%2 to %3 (median)"_s.arg(half.width())
                     .arg(half.height())
                     .arg(sizeText(&board)),
                 u"< 5 ms"_s, rescale.text() + (rescaled ? u""_s : u" (sizes not restored)"_s),
                 rescaled && rescale.wall < 5);
}

void keyPressToRepaint(BoardFixture &fixture)
{
    fixture.focus(u"nledHomeScore"_s);
    auto *field = fixture.find<NumberPanel>(u"nledHomeScore"_s);
    int misses = 0;
    int expected = 0;
    const Medians keyPress = medianMilliseconds(
        [&] {
            // The field shows the match's score: the score is reset in the match, which the field follows.
            if (fixture.match.state().homeScore >= 98)
                fixture.setCaption(u"nledHomeScore"_s, u"0"_s);
            expected = fixture.match.state().homeScore + 1;
        },
        [&] {
            QTest::keyClick(field, Qt::Key_F5);
            field->repaint();
            misses += field->caption().toInt() == expected ? 0 : 1;
        });
    reportFigure(u"key press (F5 on the home score) to the repainted field (median)"_s, u"< 5 ms"_s,
                 keyPress.text() + (misses ? u" (%1 presses not counted)"_s.arg(misses) : QString()),
                 misses == 0 && keyPress.wall < 5);
}

// A board showing a 4000x3000 photo in each of its three picture boxes, resized between half and the
// whole of the screen: the layout, the pictures fitted again from what is kept, and the one full repaint
// the resize asks for, as the event loop runs it next.
void pictureResize()
{
    QTemporaryDir folder;
    QImage photo(4000, 3000, QImage::Format_RGB32);
    photo.fill(Qt::darkBlue);
    {
        QPainter painter(&photo);
        painter.setBrush(Qt::yellow);
        painter.drawEllipse(QRect(400, 300, 3200, 2400));
    }
    BoardFixture fixture;
    int number = 0;
    for (QString Settings::*picture : {&Settings::HomePic, &Settings::VisitorPic, &Settings::BoardPic}) {
        const QString path = folder.filePath(u"photo%1.jpg"_s.arg(++number));
        photo.save(path, "JPEG", 90);
        fixture.settings.*picture = path;
    }
    frmScoreboard &board = fixture.open();
    bool shown = true;
    QList<qint64> decoded;
    for (const QString &name : {u"imgHomePic"_s, u"imgVisitorPic"_s, u"imgBoardPic"_s}) {
        shown = shown && !fixture.find<Image>(name)->picture().isNull();
        decoded << fixture.find<Image>(name)->picture().cacheKey();
    }
    const QSize full = board.size();
    board.showNormal();
    QSize next = full / 2;
    const PaintCounter boardPaints(&board);
    int unpainted = 0;
    const Medians resize = medianMilliseconds([&] { next = next == full ? full / 2 : full; },
                                              [&] {
                                                  const int paints = boardPaints.paints();
                                                  board.resize(next);
                                                  QCoreApplication::sendPostedEvents();
                                                  unpainted += boardPaints.paints() == paints || board.size() != next;
                                              });
    // The same decoded pictures throughout: nothing was decoded again.
    settleBackgroundWork();
    const QStringList names {u"imgHomePic"_s, u"imgVisitorPic"_s, u"imgBoardPic"_s};
    for (qsizetype i = 0; i < names.size(); ++i)
        shown = shown && fixture.find<Image>(names[i])->picture().cacheKey() == decoded[i];
    reportFigure(u"resize of the board with three 4000x3000 pictures, %1x%2 to %3x%4 (median)"_s.arg(full.width() / 2)
                     .arg(full.height() / 2)
                     .arg(full.width())
                     .arg(full.height()),
                 u"< 20 ms"_s,
                 resize.text() + (shown ? u""_s : u" (pictures not shown, or read again)"_s)
                     + (unpainted ? u" (%1 resizes not repainted)"_s.arg(unpainted) : QString()),
                 shown && unpainted == 0 && resize.wall < 20);
}

// The help viewer opening on a document of 200,000 paragraphs: the document is read and built off the
// GUI thread and shown in one step; the time is from the viewer's creation to the document on screen.
void helpDocument()
{
    constexpr int Paragraphs = 200'000;
    QTemporaryDir folder;
    QByteArray document = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\sa120 ";
    for (int i = 0; i < Paragraphs; ++i)
        document += "{\\b Rule " + QByteArray::number(i) + ".} A paragraph of the help document.\\par\n";
    document += '}';
    QFile file(folder.filePath(frmHelp::fileName()));
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size())
        qWarning("Could not write the help document");
    file.close();
    QList<double> times;
    QList<double> guiTimes;
    bool complete = true;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        frmHelp viewer(folder.path());
        viewer.show();
        // The GUI thread's longest step meanwhile: the longest gap between ticks of a 10 ms timer.
        double longestGuiStep = 0;
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longestGuiStep = std::max(longestGuiStep, double(sinceTick.nsecsElapsed()) / 1e6 - 10);
            sinceTick.restart();
        });
        tick.start(10);
        QEventLoop loop;
        QObject::connect(&viewer, &frmHelp::documentShown, &loop, &QEventLoop::quit);
        if (viewer.isLoading())
            loop.exec();
        times.append(double(timer.nsecsElapsed()) / 1e6);
        // The tick after the document arrived shows the step that put it in.
        QTest::qWait(30);
        guiTimes.append(longestGuiStep);
        complete = complete && viewer.rtbHelp()->document()->blockCount() == Paragraphs + 1;
    }
    const double time = median(times);
    reportFigure(u"help document of %1 paragraphs read and shown (median of 3)"_s.arg(Paragraphs), u"< 2 s"_s,
                 u"%1 ms, the longest step of the GUI thread meanwhile %2 ms"_s.arg(time, 0, 'f', 0)
                         .arg(median(guiTimes), 0, 'f', 1)
                     + (complete ? u""_s : u" (document incomplete)"_s),
                 complete && time < 2000);
}

// Runs the board on the steady clock as the program does and compares, at the first refresh after
// the given time, the displayed value and the game timer's reading with a QElapsedTimer started with it.
void realClockAccuracy(int seconds)
{
    BoardFixture fixture;
    Match steadyMatch;
    fixture.board
        = std::make_unique<frmScoreboard>(BoardDesign::window(), fixture.settings, steadyMatch, fixture.services());
    fixture.board->showBoard();
    fixture.board->activateWindow();
    if (!QTest::qWaitForWindowActive(fixture.board.get()))
        qWarning("The board window did not become active");
    // Ten seconds are left at the end, so that the display shows tenths.
    const int startSeconds = seconds + 10;
    fixture.focus(u"tledGame"_s);
    fixture.type(u"%1.%2\r"_s.arg(startSeconds / 60).arg(startSeconds % 60, 2, 10, QLatin1Char('0')));
    auto *timer = fixture.find<GameTimer>(u"tkGame"_s);
    auto *clockPanel = fixture.find<TimePanel>(u"tledGame"_s);
    const bool typed = timer->seconds() == Currency::fromInteger(startSeconds);
    fixture.type(u"S");
    QElapsedTimer reference;
    reference.start();

    double displayError = 0;
    double readingError = 0;
    QEventLoop loop;
    QObject::connect(fixture.find<QTimer>(u"tmrClock1"_s), &QTimer::timeout, &loop, [&] {
        if (reference.elapsed() < seconds * 1000LL)
            return;
        const double remaining = startSeconds - double(reference.nsecsElapsed()) / 1e9;
        displayError = double(clockPanel->caption()) - remaining;
        readingError = timer->seconds().toDouble() - remaining;
        loop.quit();
    });
    loop.exec();
    const bool met = typed && std::abs(displayError) <= 0.1 && std::abs(readingError) < 0.001;
    reportFigure(u"clock accuracy after %1 s of real running (display; timer reading)"_s.arg(seconds),
                 u"within 0.1 s"_s,
                 u"display %1 ms, timer %2 ms"_s.arg(displayError * 1000, 0, 'f', 1).arg(readingError * 1000, 0, 'f', 3)
                     + (typed ? QString() : u" (clock entry refused)"_s),
                 met);
}

// 24 hours of irregular refreshes (97 to 103 ms apart) on an injected clock: the reading must be
// exactly the start value minus 24 hours.
void injectedClockDay()
{
    constexpr qint64 DayMilliseconds = 24LL * 3600 * 1000;
    constexpr qint64 Steps[] {97, 103, 100, 99, 101};
    ManualClock clock;
    GameTimer timer(clock);
    const Currency start = Currency::fromInteger(100'000);
    timer.setSeconds(start);
    timer.setRunning(true);
    qint64 run = 0;
    for (int step = 0; run < DayMilliseconds; ++step) {
        const qint64 milliseconds = Steps[step % std::size(Steps)];
        clock.advanceMilliseconds(milliseconds);
        run += milliseconds;
        timer.seconds();
    }
    const Currency lost = (start - Currency::fromInteger(run / 1000)) - timer.seconds();
    reportFigure(u"clock with an injected clock, 24 simulated hours of 100 ms refreshes"_s, u"loses nothing"_s,
                 u"lost %1 s"_s.arg(lost.toString()), lost == Currency());
}

int clockSeconds(const QStringList &arguments)
{
    const qsizetype option = arguments.indexOf(u"--clock-seconds"_s);
    return option >= 0 && option + 1 < arguments.size() ? arguments.at(option + 1).toInt() : 60;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VANTARO_BENCH_DIR "/offscreen-3840x2160.json");
    QApplication app(argc, argv);
    const int seconds = clockSeconds(QCoreApplication::arguments());
    if (seconds <= 0) {
        std::fprintf(stderr, "--clock-seconds needs a positive number of seconds\n");
        return 2;
    }
    {
        BoardFixture fixture;
        fixture.open();
        fullRepaint(fixture);
        clockRefreshRepaint(fixture);
        rescaleLayout(fixture);
        keyPressToRepaint(fixture);
    }
    pictureResize();
    helpDocument();
    injectedClockDay();
    realClockAccuracy(seconds);
    return 0;
}
