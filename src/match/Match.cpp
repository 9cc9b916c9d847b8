#include "match/Match.h"

#include "match/KeyTranslation.h"
#include "match/NumberEdit.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct NumberField
{
    QStringView element;
    qint16 MatchState::*value;
    NumberLimits limits;
    MatchChange change;
};

constexpr NumberField NumberFields[] = {
    {u"nledHomeScore", &MatchState::homeScore, ScoreLimits, MatchChange::Scores},
    {u"nledVisitorScore", &MatchState::visitorScore, ScoreLimits, MatchChange::Scores},
    {u"nledHomeGamesWon", &MatchState::homeGamesWon, GamesWonLimits, MatchChange::GamesWon},
    {u"nledVisitorGamesWon", &MatchState::visitorGamesWon, GamesWonLimits, MatchChange::GamesWon},
};

// 0 to 3 for the set containers picSet1 to picSet4, -1 for any other element.
int setIndexOf(QStringView element)
{
    for (int set = 0; set < MatchState::SetCount; ++set) {
        if (element == u"picSet%1"_s.arg(set + 1))
            return set;
    }
    return -1;
}

} // namespace

Match::Match(const MonotonicClock &clock, QObject *parent)
    : QObject(parent)
    , m_gameTimer(clock)
    , m_timeoutTimer(clock)
{
    m_gameTimer.setSeconds(m_state.ClockPreset);
    m_shownReading = ClockDisplay::choose(false, m_gameTimer.seconds(), {});
    m_announced = state();
}

MatchState Match::state() const
{
    MatchState current = m_state;
    current.Running = m_gameTimer.running();
    current.Seconds = m_gameTimer.seconds();
    return current;
}

KeyCommand Match::AllKeyCode(qint16 keyCode, const CommandKeys &keys)
{
    const KeyCommand command = commandForKey(keyCode, keys);
    switch (command) {
    case KeyCommand::StartStopClock:
        startStopClock();
        break;
    case KeyCommand::ResetClock:
        resetClock();
        break;
    case KeyCommand::ClockSwitch:
        switchClockDisplay();
        break;
    case KeyCommand::HomeOne:
        editScore(Side::Home, u"+1"_s);
        break;
    case KeyCommand::VisitorOne:
        editScore(Side::Visitor, u"+1"_s);
        break;
    case KeyCommand::Buzzer:
        emit buzzerRequested();
        break;
    case KeyCommand::TimeoutHome:
        takeTimeout(Side::Home);
        break;
    case KeyCommand::TimeoutVisitor:
        takeTimeout(Side::Visitor);
        break;
    case KeyCommand::ShowHelp:
    case KeyCommand::ShowOptions:
    case KeyCommand::None:
        break;
    }
    return command;
}

void Match::typedEntry(const QString &element, qint16 keyCode, qint16 clearKey)
{
    if (element == u"picPossBack") {
        possessionKey(keyCode);
        return;
    }
    const qint16 code = KeyCodeToAsci(keyCode, clearKey);
    for (const NumberField &field : NumberFields) {
        if (element == field.element) {
            numberEntry(element, field.value, field.limits, field.change, code);
            return;
        }
    }
    if (const int set = setIndexOf(element); set >= 0)
        setPairEntry(element, set, code);
    else if (element == u"tledGame")
        clockEntry(element, code);
}

void Match::startStopClock()
{
    MatchState next = state();
    next.Running = !next.Running;
    change(next, MatchChange::ClockRunning, false);
}

void Match::resetClock()
{
    MatchState next = state();
    next.Running = false;
    next.Seconds = m_state.ClockPreset;
    change(next, MatchChange::ClockRunning | MatchChange::ClockValue, true);
}

void Match::switchClockDisplay()
{
    MatchState next = state();
    next.ClockTime = !next.ClockTime;
    change(next, MatchChange::ClockMode, false);
}

void Match::editScore(Side side, const QString &edit)
{
    qint16 MatchState::*score = side == Side::Home ? &MatchState::homeScore : &MatchState::visitorScore;
    const auto caption = ApplyNumberEdit(QString::number(m_state.*score), edit, ScoreLimits);
    if (!caption)
        return;
    MatchState next = state();
    next.*score = caption->toShort();
    MatchChanges fields = MatchChange::Scores;
    // The side that scored a point serves next; a point taken back changes no serve.
    if (m_rules.isOn() && m_rules.serveFollowsPoint && edit == u"+1"_s) {
        next.WhoPoss = side == Side::Home ? Possession::Home : Possession::Visitor;
        fields |= MatchChange::Possession;
    }
    change(next, fields, true);
}

void Match::takeTimeout(Side side)
{
    // A key held down, or pressed twice, during the countdown does not take a second timeout.
    if (!m_rules.isOn() || m_timeoutSide == side)
        return;
    MatchState next = state();
    qint16 &taken = side == Side::Home ? next.homeTimeouts : next.visitorTimeouts;
    if (taken >= m_rules.timeoutsPerSet)
        return;
    ++taken;
    m_timeoutTimer.setSeconds(Currency::fromInteger(RuleSet::TimeoutSeconds));
    m_timeoutTimer.setRunning(true);
    m_timeoutSide = side;
    change(next, MatchChange::Timeouts, true);
}

void Match::stopTimeout()
{
    m_timeoutTimer.setRunning(false);
    m_timeoutSide.reset();
}

void Match::watchTimeout()
{
    if (!m_timeoutSide || m_timeoutTimer.seconds() > Currency())
        return;
    stopTimeout();
    emit assistanceChanged();
    if (m_rules.timeoutBuzzer)
        emit buzzerRequested();
}

std::optional<Match::TimeoutCountdown> Match::timeoutCountdown() const
{
    if (!m_timeoutSide)
        return std::nullopt;
    return TimeoutCountdown {*m_timeoutSide, std::max(m_timeoutTimer.seconds(), Currency())};
}

void Match::setRules(const RuleSet &rules)
{
    if (rules == m_rules)
        return;
    m_rules = rules;
    m_setEndDeclined = false;
    m_sideSwitchDue = false;
    if (!m_rules.isOn())
        stopTimeout();
    emit assistanceChanged();
}

RulesAssessment Match::assessment() const
{
    return RulesAssessment::assess(m_state, m_rules);
}

std::optional<SetEnd> Match::pendingSetEnd() const
{
    if (m_setEndDeclined)
        return std::nullopt;
    const RulesAssessment now = assessment();
    if (!now.setWinner)
        return std::nullopt;
    const SetPair points {std::max<qint16>(m_state.homeScore, 0), std::max<qint16>(m_state.visitorScore, 0)};
    return SetEnd {now.set, *now.setWinner, points};
}

bool Match::confirmSetEnd()
{
    const std::optional<SetEnd> end = pendingSetEnd();
    if (!end)
        return false;
    MatchState next = state();
    recordSet(next, end->points);
    qint16 &games = end->winner == Side::Home ? next.homeGamesWon : next.visitorGamesWon;
    games = std::min<qint16>(std::max<qint16>(games, 0) + 1, GamesWonLimits.maximum);
    // The last set stays on the board for everyone to see.
    if (!RulesAssessment::assess(next, m_rules).matchOver) {
        next.homeScore = 0;
        next.visitorScore = 0;
        next.WhoPoss = Possession::Nobody;
        next.homeTimeouts = 0;
        next.visitorTimeouts = 0;
    }
    stopTimeout();
    change(next,
           MatchChange::Scores | MatchChange::GamesWon | MatchChange::Sets | MatchChange::Possession
               | MatchChange::Timeouts,
           true);
    return true;
}

void Match::recordSet(MatchState &state, SetPair points)
{
    const auto empty = std::find(state.sets.begin(), state.sets.end(), SetPair {});
    if (empty != state.sets.end())
        *empty = points;
    else
        state.fifthSet = points;
}

void Match::declineSetEnd()
{
    if (!pendingSetEnd())
        return;
    m_setEndDeclined = true;
    emit assistanceChanged();
}

void Match::numberEntry(const QString &element, qint16 MatchState::*field, NumberLimits limits, MatchChange change,
                        qint16 code)
{
    const auto caption = m_numberEntry.keyDown(element, QString::number(m_state.*field), code, limits);
    if (!caption)
        return;
    MatchState next = state();
    next.*field = caption->toShort();
    this->change(next, change, true);
}

void Match::setPairEntry(const QString &element, int set, qint16 code)
{
    const auto pair = m_setPairEntry.keyDown(element, code);
    if (!pair)
        return;
    MatchState next = state();
    next.sets[set] = {pair->home, pair->visitor};
    change(next, MatchChange::Sets, true);
}

void Match::clockEntry(const QString &element, qint16 code)
{
    const auto seconds = m_clockEntry.keyDown(element, code, ClockEntryMaximum);
    if (!seconds)
        return;
    // A running clock goes on from the new value.
    MatchState next = state();
    next.Seconds = *seconds;
    next.ClockPreset = *seconds;
    change(next, MatchChange::ClockValue | MatchChange::ClockPreset, true);
}

void Match::possessionKey(qint16 keyCode)
{
    Possession possession(m_state.WhoPoss);
    possession.pressKey(keyCode);
    setPossession(possession);
}

void Match::clickHomeArrow()
{
    Possession possession(m_state.WhoPoss);
    possession.clickHomeArrow();
    setPossession(possession);
}

void Match::clickVisitorArrow()
{
    Possession possession(m_state.WhoPoss);
    possession.clickVisitorArrow();
    setPossession(possession);
}

void Match::setWhoPoss(qint16 whoPoss)
{
    if (whoPoss == Possession::Nobody || whoPoss == Possession::Home || whoPoss == Possession::Visitor)
        setPossession(Possession(whoPoss));
}

void Match::setPossession(const Possession &possession)
{
    MatchState next = state();
    next.WhoPoss = possession.WhoPoss();
    change(next, MatchChange::Possession, true);
}

ClockDisplay Match::refreshClock(QTime localTime)
{
    // One reading for the display, the zero watch and the record of them, so that all three agree.
    const MatchState now = state();
    m_shownSeconds = now.Seconds;
    const ClockDisplay shown = ClockDisplay::choose(false, now.Seconds, localTime);
    MatchChanges changes;
    if (now.Running && !(shown == m_shownReading))
        changes |= MatchChange::ClockReading;
    const bool buzz = watchZero(now.Seconds, changes);
    if (changes) {
        MatchState recorded = now;
        recorded.Running = m_gameTimer.running();
        announce(changes, recorded, MatchEvent::Origin::Operator);
    }
    if (buzz)
        emit buzzerRequested();
    watchTimeout();
    return ClockDisplay::choose(m_state.ClockTime, now.Seconds, localTime);
}

bool Match::watchZero(Currency reading, MatchChanges &changes)
{
    const ZeroWatch::Action action = m_zeroWatch.check(reading);
    if (action.stopTimer && m_gameTimer.running()) {
        // Stopped at the reading looked at, not a moment later.
        m_gameTimer.setRunning(false);
        m_gameTimer.setSeconds(reading);
        changes |= MatchChange::ClockRunning;
    }
    return action.buzz;
}

bool Match::undo()
{
    const auto step = m_history.undo();
    if (step)
        revert(step->before, step->fields, MatchEvent::Origin::Undo);
    return step.has_value();
}

bool Match::redo()
{
    const auto step = m_history.redo();
    if (step)
        revert(step->after, step->fields, MatchEvent::Origin::Redo);
    return step.has_value();
}

void Match::revert(const MatchState &target, MatchChanges fields, MatchEvent::Origin origin)
{
    MatchState next = target;
    // A clock value put back by undo or redo waits for the start key.
    if (fields & MatchChange::ClockValue) {
        next.Running = false;
        fields |= MatchChange::ClockRunning;
    }
    // A timeout taken back, or a set end gone either way, ends the countdown.
    if (fields & MatchChange::Timeouts)
        stopTimeout();
    write(next, fields);
    announce(fields, origin);
}

void Match::restore(const MatchState &state)
{
    MatchState next = state;
    next.Running = false;
    m_history.clear();
    const MatchChanges everything = MatchChange::Scores | MatchChange::GamesWon | MatchChange::Sets
        | MatchChange::Possession | MatchChange::ClockValue | MatchChange::ClockRunning | MatchChange::ClockMode
        | MatchChange::ClockPreset | MatchChange::Timeouts;
    write(next, everything);
    // A match resumed at 0:00 has had its buzz.
    m_zeroWatch.check(next.Seconds);
    // Nothing was played to get here: no countdown runs (and the announcement finds no side switch due).
    stopTimeout();
    announce(everything, MatchEvent::Origin::Resume);
}

void Match::change(const MatchState &next, MatchChanges fields, bool undoable)
{
    const MatchState before = state();
    write(next, fields);
    // A clock set to zero stops in the same step, so that the journal gets one record of it.
    const bool buzz = (fields & MatchChange::ClockValue) && watchZero(m_gameTimer.seconds(), fields);
    const MatchState after = state();
    // Compared field by field: a running clock's reading differs from one moment to the next.
    if (!(picked(after, fields) == picked(before, fields))) {
        if (undoable)
            m_history.push({fields, before, after});
        announce(fields, after, MatchEvent::Origin::Operator);
    }
    if (buzz)
        emit buzzerRequested();
}

MatchState Match::picked(const MatchState &from, MatchChanges fields)
{
    MatchState only;
    only.Seconds = {};
    only.ClockPreset = {};
    copyFields(from, only, fields);
    return only;
}

void Match::copyFields(const MatchState &from, MatchState &to, MatchChanges fields)
{
    if (fields & MatchChange::Scores) {
        to.homeScore = from.homeScore;
        to.visitorScore = from.visitorScore;
    }
    if (fields & MatchChange::GamesWon) {
        to.homeGamesWon = from.homeGamesWon;
        to.visitorGamesWon = from.visitorGamesWon;
    }
    if (fields & MatchChange::Sets) {
        to.sets = from.sets;
        to.fifthSet = from.fifthSet;
    }
    if (fields & MatchChange::Timeouts) {
        to.homeTimeouts = from.homeTimeouts;
        to.visitorTimeouts = from.visitorTimeouts;
    }
    if (fields & MatchChange::Possession)
        to.WhoPoss = from.WhoPoss;
    if (fields & MatchChange::ClockMode)
        to.ClockTime = from.ClockTime;
    if (fields & MatchChange::ClockPreset)
        to.ClockPreset = from.ClockPreset;
    if (fields & MatchChange::ClockRunning)
        to.Running = from.Running;
    if (fields & MatchChange::ClockValue)
        to.Seconds = from.Seconds;
}

void Match::write(const MatchState &next, MatchChanges fields)
{
    copyFields(next, m_state, fields & ~(MatchChange::ClockRunning | MatchChange::ClockValue));
    // Stopped first, so that a value written with it is not counted down in between.
    if (fields & MatchChange::ClockRunning)
        m_gameTimer.setRunning(next.Running);
    if (fields & MatchChange::ClockValue)
        m_gameTimer.setSeconds(next.Seconds);
}

void Match::announce(MatchChanges fields, MatchEvent::Origin origin)
{
    announce(fields, state(), origin);
}

void Match::announce(MatchChanges fields, const MatchState &now, MatchEvent::Origin origin)
{
    if (fields & ~MatchChanges(MatchChange::ClockReading)) {
        m_events.push_back({QDateTime::currentDateTime(), fields, origin, m_announced, now});
        if (m_events.size() > RecentEventCount)
            m_events.pop_front();
    }
    if (fields & MatchChange::Scores) {
        m_sideSwitchDue
            = origin != MatchEvent::Origin::Resume && RulesAssessment::sideSwitchCrossed(m_announced, now, m_rules);
        m_setEndDeclined = false;
    }
    m_announced = now;
    const MatchChanges clockFields = MatchChange::ClockValue | MatchChange::ClockRunning | MatchChange::ClockReading;
    MatchState recorded = now;
    if (fields & clockFields) {
        m_shownReading = ClockDisplay::choose(false, now.Seconds, {});
        m_shownSeconds = now.Seconds;
    } else if (now.Running) {
        // Between refreshes a running clock shows the reading of the last one; the journal keeps what
        // the views show, so that a resumed match has its clock where the board had it.
        recorded.Seconds = m_shownSeconds;
    }
    ++m_version;
    if (m_recorder)
        m_recorder(recorded, fields);
    emit changed(fields);
}
