#pragma once

#include "match/MatchChange.h"
#include "match/MatchState.h"

#include <QDateTime>

// One change of the match as the operator sees it afterwards: when it happened, what it touched, what
// caused it, and the match before and after.
struct MatchEvent
{
    enum class Origin {
        Operator,
        Undo,
        Redo,
        Resume,
    };

    QDateTime when;
    MatchChanges what;
    Origin origin = Origin::Operator;
    MatchState before;
    MatchState after;
};
