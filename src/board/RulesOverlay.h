#pragma once

#include "match/Side.h"

#include <QSize>

class BoardNotice;
class Match;
struct RulesAssessment;
struct Settings;
class QWidget;

// What the rules assistance lays over the board: a discreet marker above the score of a side that has
// set or match point or has won the match (unless the options turn it off), and, while a won set waits
// for the operator, the question at the board's bottom edge. Neither is part of the board's design; both
// keep in proportion with the window and stay on top of the board's elements.
class RulesOverlay
{
public:
    // board is the window, designSize its client size in twips at the design size.
    RulesOverlay(QWidget *board, QSize designSize);

    // Shows what the match's rules say now, in the colours and with the team names of the settings; the
    // question of a won set only when asked to.
    void show(const Match &match, const Settings &settings, bool asksSetEnd = true);
    // Places the notices for the window's present client size, in pixels.
    void place(QSize windowSize);

    // "SET POINT", "MATCH POINT" or "MATCH WON" for a side, or nothing.
    static QString markerText(const RulesAssessment &assessment, Side side);

private:
    static BoardNotice *notice(QWidget *board, const QString &name);

    QSize m_designSize;
    BoardNotice *m_prompt = nullptr;
    BoardNotice *m_homeMarker = nullptr;
    BoardNotice *m_visitorMarker = nullptr;
};
