// The live feed under load and in a browser, in the program's own process on the X server named by
// DISPLAY: 50 WebSocket clients and 200 requests a second for a minute while a key is pressed on the
// board every 100 ms (key press to the repainted field, updates lost by any client, requests answered,
// resident memory), then the key press on the board to the update of the overlay and the board pages
// in headless Chromium. Each figure is printed as "RESULT|figure|target|result|ratio|met" for scripts/bench.
//
// Usage: benchFeed [--seconds N]   (60 by default)

#include "support/FeedBrowser.h"
#include "support/FeedLoad.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MemoryGrowthLimitKilobytes = 1024;
constexpr int BrowserPresses = 21;

void reportFigure(const QString &figure, const QString &target, const QString &result, bool met)
{
    std::printf("RESULT|%s|%s|%s|-|%s\n", qPrintable(figure), qPrintable(target), qPrintable(result),
                met ? "yes" : "NO");
    std::fflush(stdout);
}

void reportLoad(const FeedLoadRun::Result &run, int seconds)
{
    const double median = run.medianKeyToRepaint();
    const QString load = u"50 WebSocket clients + 200 requests/s, %1 s"_s.arg(seconds);
    reportFigure(
        u"key press to the repainted field under the feed's load (median of %1; %2)"_s.arg(run.presses).arg(load),
        u"< 5 ms"_s, u"%1 ms"_s.arg(median, 0, 'f', 2),
        median > 0 && median < 5 && run.keyToRepaintMilliseconds.size() == run.presses);
    reportFigure(u"clients that missed an update (%1)"_s.arg(load), u"0 of 50"_s,
                 u"%1 of %2"_s.arg(run.clientsWithLostUpdates).arg(run.clients),
                 run.clients == 50 && run.clientsWithLostUpdates == 0);
    const double perSecond = double(run.requestsAnswered) / (seconds + 1.5);
    reportFigure(
        u"requests for /state.json answered (%1)"_s.arg(load), u"all, ~200/s"_s,
        u"%1 answered (%2/s), %3 failed"_s.arg(run.requestsAnswered).arg(perSecond, 0, 'f', 0).arg(run.requestsFailed),
        run.requestsFailed == 0 && perSecond > 180);
    const qint64 growth = run.residentKilobytesAtEnd - run.residentKilobytesAtStart;
    reportFigure(u"resident memory growth under the feed's load (%1)"_s.arg(load), u"< 1 MB"_s,
                 u"%1 kB (%2 MB to %3 MB)"_s.arg(growth)
                     .arg(double(run.residentKilobytesAtStart) / 1024, 0, 'f', 1)
                     .arg(double(run.residentKilobytesAtEnd) / 1024, 0, 'f', 1),
                 run.residentKilobytesAtStart > 0 && growth < MemoryGrowthLimitKilobytes);
}

bool reportBrowser(FeedProgram &feed)
{
    DevToolsClient browser;
    if (const QString problem = browser.start(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return false;
    }
    for (const QString &path : {u"/overlay"_s, u"/board"_s}) {
        const QString session = FeedBrowser::openPage(browser, feed, path, {1920, 1080});
        const QList<double> times = session.isEmpty()
            ? QList<double>()
            : FeedBrowser::keyToPageMilliseconds(browser, feed, session, BrowserPresses);
        const double median = FeedBrowser::median(times);
        reportFigure(u"key press on the board to the %1 page's update in Chromium (median of %2)"_s.arg(path).arg(
                         BrowserPresses),
                     u"< 200 ms"_s,
                     u"%1 ms (%2 to %3)"_s.arg(median, 0, 'f', 1)
                         .arg(times.isEmpty() ? -1 : *std::min_element(times.begin(), times.end()), 0, 'f', 1)
                         .arg(times.isEmpty() ? -1 : *std::max_element(times.begin(), times.end()), 0, 'f', 1),
                     times.size() == BrowserPresses && median < 200);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype option = arguments.indexOf(u"--seconds"_s);
    const int seconds = option >= 0 && option + 1 < arguments.size() ? arguments.at(option + 1).toInt() : 60;
    if (seconds <= 0) {
        std::fprintf(stderr, "--seconds needs a positive number of seconds\n");
        return 2;
    }
    if (const QString missing = XKeyboard::missing(); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
        return 2;
    }
    FeedProgram feed;
    if (!feed.openBoard()) {
        std::fprintf(stderr, "The program's board did not open\n");
        return 1;
    }
    reportLoad(FeedLoadRun::run(feed, seconds), seconds);
    return reportBrowser(feed) ? 0 : 1;
}
