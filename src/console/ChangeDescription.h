#pragma once

#include "match/MatchEvent.h"

#include <QString>

// The operator's words for a change of the match, as the console lists it: "Home score 15",
// "Set 2: 25–23", "Serve: Visitor", "Clock set to 5:00", "Undo: Home score 14". Team names are the ones
// the board shows.
QString describeChange(const MatchEvent &event, const QString &homeName, const QString &visitorName);
