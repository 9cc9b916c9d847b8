#pragma once

#include "match/MatchState.h"

#include <QJsonObject>
#include <QTime>

class Match;
struct Settings;

// The match as the board shows it, in the shape that overlays, scripts and the feed's own pages read:
// {"version", "title", "home": {"name", "score", "gamesWon"}, "visitor": {...}, "sets": [[h, v] or null],
// "possession", "clock": {"text", "seconds", "running", "mode"}, "colors": {<colour setting>: "#rrggbb"},
// "digitStyle"}, with a fifth entry of "sets" once the deciding set of a best of five is recorded. An
// empty field is null; the clock's text is what the board's clock field shows at
// localTime. Fields may be added; none is ever renamed.
namespace StateJson {

QJsonObject build(const MatchState &state, quint64 version, const Settings &settings, QTime localTime);
// What the rules assistance makes of the match, or null while the rules are off: {"set", "decidingSet",
// "home": {"setPoint", "matchPoint", "timeouts"}, "visitor": {...}, "setWon": "home"|"visitor"|null,
// "matchWinner": "home"|"visitor"|null, "sideSwitch"}.
QJsonValue rules(const Match &match);

} // namespace StateJson
