#include "app/ShownMatchProbe.h"

#include "board/frmScoreboard.h"
#include "settings/Settings.h"
#include "widgets/Label.h"
#include "widgets/NumberPanel.h"
#include "widgets/TimePanel.h"

#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

void ShownMatchProbe::installIfRequested(frmScoreboard *board, Match &match, const Settings &settings)
{
    if (!qEnvironmentVariableIsSet("VANTARO_SHOWN_MATCH_PROBE"))
        return;
    auto *probe = new ShownMatchProbe(board, settings);
    // Connected after the board's own handlers, so the widgets show the change when it is read.
    connect(&match, &Match::changed, probe, &ShownMatchProbe::report);
    connect(board->findChild<QTimer *>(u"tmrClock1"_s), &QTimer::timeout, probe, &ShownMatchProbe::report);
    connect(board, &frmScoreboard::fieldSelected, probe, [](QWidget *field) {
        std::fprintf(stderr, "vantaro-focus %s\n", qPrintable(field->objectName()));
        std::fflush(stderr);
    });
    probe->report();
}

ShownMatchProbe::ShownMatchProbe(frmScoreboard *board, const Settings &settings)
    : QObject(board)
    , m_board(board)
    , m_settings(settings)
{
}

void ShownMatchProbe::report()
{
    const QString shown = shownMatch();
    if (shown == m_lastReport)
        return;
    m_lastReport = shown;
    std::fprintf(stderr, "vantaro-shown %s\n", qPrintable(shown));
    std::fflush(stderr);
}

QString ShownMatchProbe::shownMatch() const
{
    const auto caption = [this](const QString &panel) { return m_board->findChild<NumberPanel *>(panel)->caption(); };
    QStringList sets;
    for (int set = 1; set <= 4; ++set)
        sets.append(caption(u"nledSet%1H"_s.arg(set)) + u':' + caption(u"nledSet%1V"_s.arg(set)));
    // The lit arrow has the clock's colour; both unlit: nobody.
    const bool homeLit = m_board->findChild<Label *>(u"lblPossH"_s)->foreColor() == m_settings.TimeColor;
    const bool visitorLit = m_board->findChild<Label *>(u"lblPossV"_s)->foreColor() == m_settings.TimeColor;
    const int possession = homeLit == visitorLit ? 0 : (homeLit ? 1 : 2);
    const auto *clock = m_board->findChild<TimePanel *>(u"tledGame"_s);
    return u"home=%1 visitor=%2 homeGames=%3 visitorGames=%4 sets=%5 poss=%6 clock=%7|%8 mode=%9"_s
        .arg(caption(u"nledHomeScore"_s), caption(u"nledVisitorScore"_s), caption(u"nledHomeGamesWon"_s),
             caption(u"nledVisitorGamesWon"_s), sets.join(u','))
        .arg(possession)
        .arg(clock->fieldUnits())
        .arg(double(clock->caption()), 0, 'f', 1)
        .arg(m_board->ClockTime() ? u"time"_s : u"game"_s);
}
