#include "match/UndoHistory.h"

void UndoHistory::push(Step step)
{
    m_undone.clear();
    m_done.push_back(std::move(step));
    if (m_done.size() > Capacity)
        m_done.pop_front();
}

std::optional<UndoHistory::Step> UndoHistory::undo()
{
    if (m_done.empty())
        return std::nullopt;
    Step step = m_done.back();
    m_done.pop_back();
    m_undone.push_back(step);
    return step;
}

std::optional<UndoHistory::Step> UndoHistory::redo()
{
    if (m_undone.empty())
        return std::nullopt;
    Step step = m_undone.back();
    m_undone.pop_back();
    m_done.push_back(step);
    return step;
}

void UndoHistory::clear()
{
    m_done.clear();
    m_undone.clear();
}
