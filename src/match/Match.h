#pragma once

#include "core/MonotonicClock.h"
#include "match/ClockDisplay.h"
#include "match/ClockEntry.h"
#include "match/GameTimer.h"
#include "match/KeyDispatch.h"
#include "match/MatchChange.h"
#include "match/MatchEvent.h"
#include "match/MatchState.h"
#include "match/NumberEntry.h"
#include "match/Possession.h"
#include "match/RuleSet.h"
#include "match/RulesAssessment.h"
#include "match/SetEnd.h"
#include "match/SetPairEntry.h"
#include "match/Side.h"
#include "match/UndoHistory.h"
#include "match/ZeroWatch.h"

#include <QObject>
#include <QTime>

#include <deque>
#include <functional>

// The match: its state and every rule that changes it, shared by every view (the board, the operator
// console, the feed). Views hand it keys with the name of the element that has the focus and redraw
// from state() when it says what changed. Operator changes can be undone; the recorder sees every
// change before any view does, so that the journal holds whatever a view is about to show.
//
// With a rule set on, the match also knows the volleyball rules: after every change of the scores it
// tells set and match point, asks (through pendingSetEnd) to confirm a won set, which then closes the
// set in one undoable step, reminds of side switches and keeps the timeouts with their countdown. The
// operator can still type anything anywhere; the rules work from what the board shows.
class Match : public QObject
{
    Q_OBJECT

public:
    using Recorder = std::function<void(const MatchState &state, MatchChanges what)>;

    // A timeout whose countdown is running.
    struct TimeoutCountdown
    {
        Side side;
        Currency remaining;
    };

    explicit Match(const MonotonicClock &clock = MonotonicClock::steady(), QObject *parent = nullptr);

    MatchState state() const;
    // Counts the changes announced so far, so that a view can tell whether it has missed one.
    quint64 version() const { return m_version; }
    // The game timer `tkGame`; the board lists it among its elements.
    GameTimer &tkGame() { return m_gameTimer; }
    const GameTimer &tkGame() const { return m_gameTimer; }

    // The command dispatch of a key-down. The match's own commands take effect here; the command is
    // returned so that the view can show help or options for F1 and F2.
    KeyCommand AllKeyCode(qint16 keyCode, const CommandKeys &keys);
    // The typed entry of a key-down into the element named element, after AllKeyCode: number entry
    // into scores and games won, set pair entry into picSet1 to picSet4, clock entry into tledGame and
    // the possession keys in picPossBack. Other elements take no entry.
    void typedEntry(const QString &element, qint16 keyCode, qint16 clearKey);
    // A click on the home (lblPossH) or visitor (lblPossV) arrow.
    void clickHomeArrow();
    void clickVisitorArrow();

    // Reads the game timer for a refresh of the clock display: stops it at zero and asks for the buzzer
    // once per run-out. A running clock whose shown value changed counts as a change of the match.
    ClockDisplay refreshClock(QTime localTime);

    // The latest changes, newest first: every change but the clock's passing seconds.
    QList<MatchEvent> recentEvents() const { return {m_events.crbegin(), m_events.crend()}; }
    static constexpr int RecentEventCount = 20;

    // The commands of the remote control, through the same rules as the keys: an edit text ("+1", "-1")
    // applied to the home or visitor score, the clock's start/stop key and reset key, possession given
    // to Possession::Home, Possession::Visitor or Possession::Nobody, and the buzzer key.
    void editScore(Side side, const QString &edit);
    void startStopClock();
    void resetClock();
    void setWhoPoss(qint16 whoPoss);
    void soundBuzzer() { emit buzzerRequested(); }

    bool undo();
    bool redo();
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }

    // Puts a match back as it was (an interrupted match resumed), with its clock stopped; nothing of it
    // can be undone.
    void restore(const MatchState &state);

    void setRecorder(Recorder recorder) { m_recorder = std::move(recorder); }

    // The rules assistance; off unless a view hands the match the operator's rule set.
    void setRules(const RuleSet &rules);
    const RuleSet &rules() const { return m_rules; }
    RulesAssessment assessment() const;
    // The won set the operator is to confirm; nothing while no set is won, after "not yet" until the
    // scores change again, and with the rules off.
    std::optional<SetEnd> pendingSetEnd() const;
    // Closes the pending set as one undoable step: its points go into the next empty set box (the fifth
    // set once all four are full), the winner's games won go up by 1, and, unless that wins the match,
    // both scores go to 0, possession and the timeouts are cleared. False when no set end is pending.
    bool confirmSetEnd();
    // "Not yet": the question goes away until the scores change.
    void declineSetEnd();
    // The last change of the scores reached a point at which the teams switch sides.
    bool sideSwitchDue() const { return m_sideSwitchDue; }
    std::optional<TimeoutCountdown> timeoutCountdown() const;

signals:
    void changed(MatchChanges what);
    // The buzzer key was pressed, the clock ran out, or a timeout ended when its buzzer is wanted.
    void buzzerRequested();
    // Something of the rules assistance changed that is no change of the state: the rule set, a set end
    // answered "not yet", a timeout's countdown that ended. Views of the assistance redraw on this and on
    // changed().
    void assistanceChanged();

private:
    void switchClockDisplay();
    void takeTimeout(Side side);
    void stopTimeout();
    void watchTimeout();
    static void recordSet(MatchState &state, SetPair points);
    void numberEntry(const QString &element, qint16 MatchState::*field, NumberLimits limits, MatchChange change,
                     qint16 code);
    void setPairEntry(const QString &element, int set, qint16 code);
    void clockEntry(const QString &element, qint16 code);
    void possessionKey(qint16 keyCode);
    void setPossession(const Possession &possession);

    // Applies the fields of next, records an undo step when undoable and tells everyone.
    void change(const MatchState &next, MatchChanges fields, bool undoable);
    void write(const MatchState &next, MatchChanges fields);
    static MatchState picked(const MatchState &from, MatchChanges fields);
    static void copyFields(const MatchState &from, MatchState &to, MatchChanges fields);
    void announce(MatchChanges fields, MatchEvent::Origin origin = MatchEvent::Origin::Operator);
    void announce(MatchChanges fields, const MatchState &now, MatchEvent::Origin origin);
    void revert(const MatchState &target, MatchChanges fields, MatchEvent::Origin origin);
    // Stops the clock at reading when it has run out; true when the buzzer is to sound.
    bool watchZero(Currency reading, MatchChanges &changes);

    GameTimer m_gameTimer;
    MatchState m_state;
    Possession m_possession;
    NumberEntry m_numberEntry;
    SetPairEntry m_setPairEntry;
    ClockEntry m_clockEntry;
    ZeroWatch m_zeroWatch;
    UndoHistory m_history;
    // What the views show of the game clock: the display and the reading of the last refresh.
    ClockDisplay m_shownReading;
    Currency m_shownSeconds = Currency::fromInteger(600);
    Recorder m_recorder;
    quint64 m_version = 0;
    // The state last announced: the start of the next recent event, and which points a change of the
    // scores has passed.
    MatchState m_announced;
    std::deque<MatchEvent> m_events;

    RuleSet m_rules;
    bool m_setEndDeclined = false;
    bool m_sideSwitchDue = false;
    GameTimer m_timeoutTimer;
    std::optional<Side> m_timeoutSide;
};
