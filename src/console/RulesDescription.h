#pragma once

#include <QStringList>

class Match;

// The rules assistance in the operator's words, one line each, as the console shows it: the set in play
// and its target, who has set or match point or has won the match, the timeouts taken and a countdown
// that runs, and a side switch that is due. Nothing while the rules are off. Team names are the ones the
// board shows.
QStringList describeRules(const Match &match, const QString &homeName, const QString &visitorName);
