#pragma once

#include "match/MatchState.h"
#include "match/Side.h"

#include <QString>

// A set won under the rules that the operator is asked to confirm: which set, who won it and the points
// of both sides (home first, as the set boxes hold them).
struct SetEnd
{
    int set = 1;
    Side winner = Side::Home;
    SetPair points;

    bool operator==(const SetEnd &) const = default;

    // "Set 2 to Home, 25–23?", the winner's points first.
    QString question(const QString &homeName, const QString &visitorName) const;
    // How the operator answers, wherever the question shows.
    static QString keyHint();
};
