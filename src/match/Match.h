#pragma once

#include "core/MonotonicClock.h"
#include "match/ClockDisplay.h"
#include "match/ClockEntry.h"
#include "match/GameTimer.h"
#include "match/KeyDispatch.h"
#include "match/MatchChange.h"
#include "match/MatchState.h"
#include "match/NumberEntry.h"
#include "match/Possession.h"
#include "match/SetPairEntry.h"
#include "match/UndoHistory.h"
#include "match/ZeroWatch.h"

#include <QObject>
#include <QTime>

#include <functional>

// The match: its state and every rule that changes it, shared by every view (the board, the operator
// console, the feed). Views hand it keys with the name of the element that has the focus and redraw
// from state() when it says what changed. Operator changes can be undone; the recorder sees every
// change before any view does, so that the journal holds whatever a view is about to show.
class Match : public QObject
{
    Q_OBJECT

public:
    using Recorder = std::function<void(const MatchState &state, MatchChanges what)>;

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

    // The commands of the remote control, through the same rules as the keys: an edit text ("+1", "-1")
    // applied to the home or visitor score, the clock's start/stop key and reset key, possession given
    // to Possession::Home, Possession::Visitor or Possession::Nobody, and the buzzer key.
    enum class Side { Home, Visitor };
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

signals:
    void changed(MatchChanges what);
    // The buzzer key was pressed or the clock ran out.
    void buzzerRequested();

private:
    void switchClockDisplay();
    void editNumber(qint16 MatchState::*score, const QString &edit);
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
    void announce(MatchChanges fields);
    void announce(MatchChanges fields, const MatchState &now);
    void revert(const MatchState &target, MatchChanges fields);
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
    ClockDisplay m_shownReading;
    Recorder m_recorder;
    quint64 m_version = 0;
};
