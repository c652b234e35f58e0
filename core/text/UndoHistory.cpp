// Undo grouping, the record limit and the save point.
#include "text/UndoHistory.h"

namespace orv {

void UndoHistory::clear()
{
    m_records.clear();
    m_groupSizes.clear();
    m_position = 0;
    m_groupsBelow = 0;
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

// The counts say where the oldest group ends, so no record is searched, and the records
// kept stay where they are.
void UndoHistory::dropOldestGroups(bool newRecordStartsGroup)
{
    while (size() >= m_limit) {
        if (m_groupSizes.size() == 1 && !newRecordStartsGroup)
            return;  // the oldest group is the one still being recorded
        const int dropped = m_groupSizes.front();
        m_groupSizes.pop_front();
        m_records.erase(m_records.begin(), m_records.begin() + dropped);
        m_position -= dropped;
        --m_groupsBelow;
        m_savedPosition = m_savedPosition >= dropped ? m_savedPosition - dropped : -1;
    }
}

void UndoHistory::add(UndoRecord record)
{
    if (hasRedo()) {
        m_records.resize(static_cast<std::size_t>(m_position));
        m_groupSizes.resize(static_cast<std::size_t>(m_groupsBelow));
        if (m_savedPosition > m_position)
            m_savedPosition = -1;
    }
    // The first record always starts a group, whatever the caller asked.
    const bool startsGroup = m_startNewGroup || m_records.empty();
    dropOldestGroups(startsGroup);
    record.groupStart = startsGroup || m_records.empty();
    m_startNewGroup = false;
    if (record.groupStart)
        m_groupSizes.push_back(1);
    else
        ++m_groupSizes.back();
    m_records.push_back(std::move(record));
    m_position = size();
    m_groupsBelow = groupCount();
    m_groupHasRecords = true;
}

std::vector<const UndoRecord*> UndoHistory::takeUndoGroup()
{
    std::vector<const UndoRecord*> group;
    if (m_groupsBelow == 0)
        return group;
    const int first = m_position - groupSizeBelow();
    while (m_position > first)
        group.push_back(&record(--m_position));
    --m_groupsBelow;
    return group;
}

std::vector<const UndoRecord*> UndoHistory::takeRedoGroup()
{
    std::vector<const UndoRecord*> group;
    if (!hasRedo())
        return group;
    const int end = m_position + groupSizeAt();
    while (m_position < end)
        group.push_back(&record(m_position++));
    ++m_groupsBelow;
    return group;
}

std::optional<UndoAction> UndoHistory::undoAction() const
{
    if (m_groupsBelow == 0)
        return std::nullopt;
    return record(m_position - groupSizeBelow()).action;
}

std::optional<UndoAction> UndoHistory::redoAction() const
{
    return hasRedo() ? std::optional<UndoAction>(record(m_position).action) : std::nullopt;
}

} // namespace orv
