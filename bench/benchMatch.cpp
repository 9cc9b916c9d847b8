// In-process timings of the match's journal on the offscreen platform: a key press to its repainted field
// with every change journalled, how long a change waits to be forced to the disk, the journal's size after
// a three-hour match, and how long resuming an interrupted match takes.
// Each figure is printed as "RESULT|figure|target|result|ratio|met" for scripts/bench to put in its table.
//
// Usage: benchMatch [folder]   (the journal is kept in folder, a temporary one by default, so that the
//                               disk under test can be chosen)

#include "match/MatchJournal.h"
#include "support/BoardFixture.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <time.h>

using namespace Qt::StringLiterals;

namespace {

void reportFigure(const QString &figure, const QString &target, const QString &result, bool met)
{
    std::printf("RESULT|%s|%s|%s|-|%s\n", qPrintable(figure), qPrintable(target), qPrintable(result),
                met ? "yes" : "NO");
    std::fflush(stdout);
}

double percentile(QList<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[qsizetype(fraction * double(values.size() - 1))];
}

double cpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void keyPressWithJournal(const QString &folder)
{
    BoardFixture fixture;
    MatchJournal journal(folder + u"/keys.journal"_s);
    journal.begin(fixture.match.state());
    fixture.match.setRecorder([&journal](const MatchState &state, MatchChanges) { journal.append(state); });
    fixture.open();
    fixture.focus(u"nledHomeScore"_s);
    auto *field = fixture.find<NumberPanel>(u"nledHomeScore"_s);
    QList<double> walls;
    QList<double> cpus;
    for (int press = 0; press < 200; ++press) {
        if (field->caption().toInt() >= 98)
            fixture.setCaption(u"nledHomeScore"_s, u"0"_s);
        QElapsedTimer wall;
        const double cpu = cpuMilliseconds();
        wall.start();
        QTest::keyClick(field, Qt::Key_F5);
        field->repaint();
        walls.append(double(wall.nsecsElapsed()) / 1e6);
        cpus.append(cpuMilliseconds() - cpu);
    }
    const double median = percentile(walls, 0.5);
    reportFigure(u"key press (F5) to the repainted field, journal on (median; 95th percentile)"_s, u"< 5 ms"_s,
                 u"%1 ms (CPU %2 ms); %3 ms"_s.arg(median, 0, 'f', 2)
                     .arg(percentile(cpus, 0.5), 0, 'f', 2)
                     .arg(percentile(walls, 0.95), 0, 'f', 2),
                 median < 5);
}

void timeToDisk(const QString &folder)
{
    MatchJournal journal(folder + u"/sync.journal"_s);
    journal.begin(MatchState::fresh());
    journal.waitUntilSynced();
    MatchState state;
    QList<double> waits;
    for (int change = 0; change < 100; ++change) {
        state.homeScore = qint16(change % 99);
        QElapsedTimer wall;
        wall.start();
        journal.append(state);
        journal.waitUntilSynced();
        waits.append(double(wall.nsecsElapsed()) / 1e6);
    }
    const double worst = *std::max_element(waits.begin(), waits.end());
    reportFigure(u"a change written to the journal until it is forced to the disk (median; worst)"_s, u"< 200 ms"_s,
                 u"%1 ms; %2 ms"_s.arg(percentile(waits, 0.5), 0, 'f', 2).arg(worst, 0, 'f', 2), worst < 200);
}

// Three hours of play: the clock recorded at each second it shows (tenths in the last minute of each
// ten-minute period) and a rally won every 25 seconds.
void threeHourMatch(const QString &folder)
{
    const QString path = folder + u"/long.journal"_s;
    MatchJournal journal(path);
    journal.begin(MatchState::fresh());
    MatchState state;
    state.Running = true;
    qint64 largest = 0;
    for (int tenth = 1; tenth <= 3 * 36000; ++tenth) {
        const int inPeriod = 6000 - tenth % 6000;
        state.Seconds = Currency::fromTicks(qint64(inPeriod) * 1000);
        if (tenth % 250 == 0)
            state.homeScore = qint16((state.homeScore + 1) % 99);
        if (inPeriod <= 600 || tenth % 10 == 0 || tenth % 250 == 0)
            journal.append(state);
        if (tenth % 600 == 0) {
            journal.waitUntilSynced();
            largest = std::max(largest, QFileInfo(path).size());
        }
    }
    journal.waitUntilSynced();
    reportFigure(u"journal size after a three-hour match (at the end; largest)"_s, u"< 1 MB"_s,
                 u"%1 kB; %2 kB"_s.arg(QFileInfo(path).size() / 1024).arg(largest / 1024), largest < 1024 * 1024);
}

// The largest journal the program keeps, read back and shown on an open board.
void resume(const QString &folder)
{
    const QString path = folder + u"/resume.journal"_s;
    {
        MatchJournal journal(path);
        MatchState state;
        journal.begin(state);
        for (int record = 1; record < MatchJournal::RecordsPerFile; ++record) {
            state.Seconds = Currency::fromInteger(3000 - record);
            journal.append(state);
        }
        journal.waitUntilSynced();
    }
    BoardFixture fixture;
    fixture.open();
    QElapsedTimer wall;
    wall.start();
    const MatchJournal::Recovery recovery = MatchJournal::recover(path);
    if (recovery.interrupted)
        fixture.match.restore(*recovery.interrupted);
    fixture.board->repaint();
    const double milliseconds = double(wall.nsecsElapsed()) / 1e6;
    const bool restored = recovery.interrupted && fixture.match.state().Seconds == Currency::fromInteger(1001);
    reportFigure(u"resume: the fullest journal read back and the board repainted"_s, u"< 100 ms"_s,
                 u"%1 ms"_s.arg(milliseconds, 0, 'f', 1) + (restored ? QString() : u" (not restored)"_s),
                 restored && milliseconds < 100);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VANTARO_BENCH_DIR "/offscreen-3840x2160.json");
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    keyPressWithJournal(folder);
    timeToDisk(folder);
    threeHourMatch(folder);
    resume(folder);
    return 0;
}
