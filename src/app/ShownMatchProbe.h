#pragma once

#include <QObject>
#include <QString>

class Match;
class frmScoreboard;
struct Settings;

// Reports what the board's fields show, for the crash tests: a line on standard error,
// "vantaro-shown home=7 visitor=-1 homeGames=0 visitorGames=0 sets=25:23,-1:-1,-1:-1,-1:-1 poss=1
// clock=60,1|600.0 mode=game", each time the shown match changes. The values are read from the
// widgets once the board has updated them; and "vantaro-focus nledHomeScore" each time another field
// takes the typed keys. Installed only when VANTARO_SHOWN_MATCH_PROBE is set.
class ShownMatchProbe : public QObject
{
    Q_OBJECT

public:
    // Watches board when the variable is set; does nothing otherwise.
    static void installIfRequested(frmScoreboard *board, Match &match, const Settings &settings);

private:
    ShownMatchProbe(frmScoreboard *board, const Settings &settings);
    void report();
    QString shownMatch() const;

    frmScoreboard *m_board;
    const Settings &m_settings;
    QString m_lastReport;
};
