#include "match/ClockDisplay.h"
#include "match/JournalFormat.h"
#include "match/MatchJournal.h"

#include "support/ProgramProcess.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// After every Qt header: Xlib's macros would clash with Qt's names.
#include "support/XInput.h"

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

// What an operator presses in a match, undo included; the clock switch and the dialogs are left out.
struct OperatorKey
{
    KeySym symbol;
    KeySym modifier;
};

const OperatorKey OperatorKeys[] = {
    {XK_0, NoSymbol},     {XK_1, NoSymbol},      {XK_2, NoSymbol},      {XK_5, NoSymbol},      {XK_7, NoSymbol},
    {XK_9, NoSymbol},     {XK_period, NoSymbol}, {XK_Return, NoSymbol}, {XK_Return, NoSymbol}, {XK_plus, NoSymbol},
    {XK_minus, NoSymbol}, {XK_space, NoSymbol},  {XK_Delete, NoSymbol}, {XK_Tab, NoSymbol},    {XK_Tab, NoSymbol},
    {XK_Left, NoSymbol},  {XK_Right, NoSymbol},  {XK_Up, NoSymbol},     {XK_F5, NoSymbol},     {XK_F5, NoSymbol},
    {XK_F6, NoSymbol},    {XK_F6, NoSymbol},     {XK_s, NoSymbol},      {XK_r, NoSymbol},      {XK_z, XK_Control_L},
    {XK_y, XK_Control_L},
};

// The last match the program's probe said the board showed.
QString lastShown(const QStringList &lines)
{
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (line->startsWith(QLatin1String(ShownPrefix)))
            return line->mid(qstrlen(ShownPrefix));
    }
    return {};
}

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
        ProgramProcess program(home.path());
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
            x.key(key.symbol, key.modifier);
            QTest::qWait(random.bounded(15));
        }
        QTest::qWait(random.bounded(600));
        const QString shown = lastShown(program.kill());
        const QList<MatchState> states = journalStates(journal);
        QVERIFY2(!states.isEmpty(), "no journal");
        expected = states.last();
        expected.Running = false;
        if (shown == shownLine(states.last())) {
            ++exact;
        } else {
            QStringList journalTail;
            for (qsizetype i = std::max<qsizetype>(0, states.size() - 3); i < states.size(); ++i)
                journalTail.append(
                    shownLine(states[i])
                    + u" running=%1 seconds=%2"_s.arg(states[i].Running).arg(states[i].Seconds.toString()));
            QVERIFY2(states.size() >= 2 && shown == shownLine(states[states.size() - 2]),
                     qPrintable(u"kill %1: shown %2\njournal:\n%3"_s.arg(kill).arg(shown, journalTail.join(u'\n'))));
            ++inFlight;
        }
    }
    qInfo("%d kills: %d resumed exactly what was shown, %d with the change that was on its way", kills, exact,
          inFlight);
}

QTEST_MAIN(TestCrashRecovery)
#include "testCrashRecovery.moc"
