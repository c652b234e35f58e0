// Undo grouping, the record limit and the save point.
#include "text/UndoHistory.h"

#include <algorithm>

namespace orv {

void UndoHistory::clear()
{
    m_records.clear();
    m_position = 0;
    m_savedPosition = 0;
    m_groupOpen = false;
    m_groupHasRecords = false;
    m_startNewGroup = false;
    m_limit = text_limits::kUndoLimit;
}

void UndoHistory::openGroup(bool merge)
{
    m_groupOpen = true;
    m_groupHasRecords = false;
    m_startNewGroup = !(merge && hasUndo());
}

void UndoHistory::dropOldestGroups(bool newRecordStartsGroup)
{
    while (size() >= m_limit) {
        auto next = std::find_if(m_records.begin() + 1, m_records.end(),
                                 [](const UndoRecord& r) { return r.groupStart; });
        if (next == m_records.end() && !newRecordStartsGroup)
            return;  // the oldest group is the one still being recorded
        const int dropped = static_cast<int>(next - m_records.begin());
        m_records.erase(m_records.begin(), next);
        m_position -= dropped;
        m_savedPosition = m_savedPosition >= dropped ? m_savedPosition - dropped : -1;
    }
}

void UndoHistory::add(UndoRecord record)
{
    if (hasRedo()) {
        m_records.resize(static_cast<std::size_t>(m_position));
        if (m_savedPosition > m_position)
            m_savedPosition = -1;
    }
    // The first record always starts a group, whatever the caller asked.
    const bool startsGroup = m_startNewGroup || m_records.empty();
    dropOldestGroups(startsGroup);
    record.groupStart = startsGroup || m_records.empty();
    m_startNewGroup = false;
    if (m_records.size() == m_records.capacity()) {
        const std::size_t step = std::clamp<std::size_t>(m_records.size() / 8, 4, 1024);
        m_records.reserve(m_records.size() + step);
    }
    m_records.push_back(std::move(record));
    m_position = size();
    m_groupHasRecords = true;
}

std::vector<const UndoRecord*> UndoHistory::takeUndoGroup()
{
    std::vector<const UndoRecord*> group;
    while (m_position > 0) {
        const UndoRecord& r = m_records[static_cast<std::size_t>(--m_position)];
        group.push_back(&r);
        if (r.groupStart)
            break;
    }
    return group;
}

std::vector<const UndoRecord*> UndoHistory::takeRedoGroup()
{
    std::vector<const UndoRecord*> group;
    do {
        if (!hasRedo())
            break;
        group.push_back(&m_records[static_cast<std::size_t>(m_position++)]);
    } while (hasRedo() && !m_records[static_cast<std::size_t>(m_position)].groupStart);
    return group;
}

std::optional<UndoAction> UndoHistory::undoAction() const
{
    for (int i = m_position - 1; i >= 0; --i) {
        const UndoRecord& r = record(i);
        if (r.groupStart || i == 0)
            return r.action;
    }
    return std::nullopt;
}

std::optional<UndoAction> UndoHistory::redoAction() const
{
    return hasRedo() ? std::optional<UndoAction>(record(m_position).action) : std::nullopt;
}

} // namespace orv
