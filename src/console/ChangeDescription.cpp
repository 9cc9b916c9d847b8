#include "console/ChangeDescription.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString fieldValue(qint16 value)
{
    return value == MatchState::Empty ? QCoreApplication::translate("ChangeDescription", "cleared")
                                      : QString::number(value);
}

void describeSides(QStringList &parts, const char *what, qint16 homeBefore, qint16 home, qint16 visitorBefore,
                   qint16 visitor, const QString &homeName, const QString &visitorName)
{
    if (home != homeBefore)
        parts.append(QCoreApplication::translate("ChangeDescription", what).arg(homeName, fieldValue(home)));
    if (visitor != visitorBefore)
        parts.append(QCoreApplication::translate("ChangeDescription", what).arg(visitorName, fieldValue(visitor)));
}

void describeSet(QStringList &parts, int set, const SetPair &before, const SetPair &after)
{
    if (after == before)
        return;
    if (after.home == MatchState::Empty && after.visitor == MatchState::Empty)
        parts.append(QCoreApplication::translate("ChangeDescription", "Set %1 cleared").arg(set));
    else
        parts.append(QCoreApplication::translate("ChangeDescription", "Set %1: %2–%3")
                         .arg(set)
                         .arg(after.home)
                         .arg(after.visitor));
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
    return whoPoss == 2 ? visitorName : QCoreApplication::translate("ChangeDescription", "nobody");
}

void describeClock(QStringList &parts, const MatchEvent &event)
{
    const MatchState &after = event.after;
    const QString reading = MatchState::clockText(after.Seconds);
    if (event.what & MatchChange::ClockValue) {
        const bool reset = !(event.what & MatchChange::ClockPreset) && after.Seconds == after.ClockPreset;
        parts.append((reset ? QCoreApplication::translate("ChangeDescription", "Clock reset to %1")
                            : QCoreApplication::translate("ChangeDescription", "Clock set to %1"))
                         .arg(reading));
    } else if (event.what & MatchChange::ClockRunning) {
        parts.append((after.Running ? QCoreApplication::translate("ChangeDescription", "Clock started at %1")
                                    : QCoreApplication::translate("ChangeDescription", "Clock stopped at %1"))
                         .arg(reading));
    }
    if (event.what & MatchChange::ClockMode)
        parts.append(after.ClockTime ? QCoreApplication::translate("ChangeDescription", "Board shows the time of day")
                                     : QCoreApplication::translate("ChangeDescription", "Board shows the game clock"));
}

} // namespace

QString describeChange(const MatchEvent &event, const QString &homeName, const QString &visitorName)
{
    if (event.origin == MatchEvent::Origin::Resume)
        return QCoreApplication::translate("ChangeDescription", "Interrupted match resumed");
    const MatchState &before = event.before;
    const MatchState &after = event.after;
    QStringList parts;
    describeSides(parts, QT_TRANSLATE_NOOP("ChangeDescription", "%1 score %2"), before.homeScore, after.homeScore,
                  before.visitorScore, after.visitorScore, homeName, visitorName);
    describeSides(parts, QT_TRANSLATE_NOOP("ChangeDescription", "%1 games won %2"), before.homeGamesWon,
                  after.homeGamesWon, before.visitorGamesWon, after.visitorGamesWon, homeName, visitorName);
    describeSets(parts, before, after);
    describeSides(parts, QT_TRANSLATE_NOOP("ChangeDescription", "%1 timeouts %2"), before.homeTimeouts,
                  after.homeTimeouts, before.visitorTimeouts, after.visitorTimeouts, homeName, visitorName);
    if (after.WhoPoss != before.WhoPoss)
        parts.append(QCoreApplication::translate("ChangeDescription", "Serve: %1")
                         .arg(serveText(after.WhoPoss, homeName, visitorName)));
    describeClock(parts, event);
    const QString text = parts.join(u"; "_s);
    if (event.origin == MatchEvent::Origin::Undo)
        return QCoreApplication::translate("ChangeDescription", "Undo: %1").arg(text);
    return event.origin == MatchEvent::Origin::Redo
        ? QCoreApplication::translate("ChangeDescription", "Redo: %1").arg(text)
        : text;
}
