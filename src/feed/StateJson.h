#pragma once

#include "match/MatchState.h"

#include <QJsonObject>
#include <QTime>

struct Settings;

// The match as the board shows it, in the shape that overlays, scripts and the feed's own pages read:
// {"version", "title", "home": {"name", "score", "gamesWon"}, "visitor": {...}, "sets": [[h, v] or null],
// "possession", "clock": {"text", "seconds", "running", "mode"}, "colors": {<colour setting>: "#rrggbb"},
// "digitStyle"}. An empty field is null; the clock's text is what the board's clock field shows at
// localTime. Fields may be added; none is ever renamed.
namespace StateJson {

QJsonObject build(const MatchState &state, quint64 version, const Settings &settings, QTime localTime);

} // namespace StateJson
