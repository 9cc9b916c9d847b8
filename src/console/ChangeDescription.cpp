#include "console/ChangeDescription.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString fieldValue(qint16 value)
{
    return value == MatchState::Empty ? u"cleared"_s : QString::number(value);
}

void describeSides(QStringList &parts, const QString &what, qint16 homeBefore, qint16 home, qint16 visitorBefore,
                   qint16 visitor, const QString &homeName, const QString &visitorName)
{
    if (home != homeBefore)
        parts.append(u"%1 %2 %3"_s.arg(homeName, what, fieldValue(home)));
    if (visitor != visitorBefore)
        parts.append(u"%1 %2 %3"_s.arg(visitorName, what, fieldValue(visitor)));
}

void describeSet(QStringList &parts, int set, const SetPair &before, const SetPair &after)
{
    if (after == before)
        return;
    if (after.home == MatchState::Empty && after.visitor == MatchState::Empty)
        parts.append(u"Set %1 cleared"_s.arg(set));
    else
        parts.append(u"Set %1: %2–%3"_s.arg(set).arg(after.home).arg(after.visitor));
}

void describeSets(QStringList &parts, const MatchState &before, const MatchState &after)
{
    for (int set = 0; set < MatchState::SetCount; ++set)
        describeSet(parts, set + 1, before.sets[set], after.sets[set]);
    // The fifth set, which the rules keep when a best of five goes the distance.
    describeSet(parts, MatchState::SetCount + 1, before.fifthSet, after.fifthSet);
}

QString serveText(qint16 whoPoss, const QString &homeName, const QString &visitorName)
{
    if (whoPoss == 1)
        return homeName;
    return whoPoss == 2 ? visitorName : u"nobody"_s;
}

void describeClock(QStringList &parts, const MatchEvent &event)
{
    const MatchState &after = event.after;
    const QString reading = MatchState::clockText(after.Seconds);
    if (event.what & MatchChange::ClockValue) {
        const bool reset = !(event.what & MatchChange::ClockPreset) && after.Seconds == after.ClockPreset;
        parts.append((reset ? u"Clock reset to %1"_s : u"Clock set to %1"_s).arg(reading));
    } else if (event.what & MatchChange::ClockRunning) {
        parts.append((after.Running ? u"Clock started at %1"_s : u"Clock stopped at %1"_s).arg(reading));
    }
    if (event.what & MatchChange::ClockMode)
        parts.append(after.ClockTime ? u"Board shows the time of day"_s : u"Board shows the game clock"_s);
}

} // namespace

QString describeChange(const MatchEvent &event, const QString &homeName, const QString &visitorName)
{
    if (event.origin == MatchEvent::Origin::Resume)
        return u"Interrupted match resumed"_s;
    const MatchState &before = event.before;
    const MatchState &after = event.after;
    QStringList parts;
    describeSides(parts, u"score"_s, before.homeScore, after.homeScore, before.visitorScore, after.visitorScore,
                  homeName, visitorName);
    describeSides(parts, u"games won"_s, before.homeGamesWon, after.homeGamesWon, before.visitorGamesWon,
                  after.visitorGamesWon, homeName, visitorName);
    describeSets(parts, before, after);
    describeSides(parts, u"timeouts"_s, before.homeTimeouts, after.homeTimeouts, before.visitorTimeouts,
                  after.visitorTimeouts, homeName, visitorName);
    if (after.WhoPoss != before.WhoPoss)
        parts.append(u"Serve: "_s + serveText(after.WhoPoss, homeName, visitorName));
    describeClock(parts, event);
    const QString text = parts.join(u"; "_s);
    if (event.origin == MatchEvent::Origin::Undo)
        return u"Undo: "_s + text;
    return event.origin == MatchEvent::Origin::Redo ? u"Redo: "_s + text : text;
}
