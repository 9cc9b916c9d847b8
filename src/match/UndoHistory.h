#pragma once

#include "match/MatchChange.h"
#include "match/MatchState.h"

#include <deque>
#include <optional>

// The operator's changes to the match, newest last, for undo and redo. Each step keeps the state before
// and after and which fields it touched, so that undoing a score does not wind back a clock that has
// been running since.
class UndoHistory
{
public:
    struct Step
    {
        MatchChanges fields;
        MatchState before;
        MatchState after;
    };

    static constexpr int Capacity = 1000;

    // A new step; whatever could be redone is forgotten.
    void push(Step step);
    // The step to undo, moved to the redo side; nothing when there is none.
    std::optional<Step> undo();
    // The step to redo, moved back to the undo side.
    std::optional<Step> redo();

    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    void clear();

private:
    std::deque<Step> m_done;
    std::deque<Step> m_undone;
};
