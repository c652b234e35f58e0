// The undo records of a text buffer, their grouping, the redo history and the save point.
#pragma once

#include "text/TextConstants.h"
#include "text/TextPos.h"

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// One change: what was inserted or erased, where, and by which user action. Typing's
// one-character texts fit the string's inline storage, so they allocate nothing.
struct UndoRecord {
    bool inserted = false;    // false: the text was erased
    bool groupStart = false;  // the first record of an undo group
    TextPos start;
    TextPos end;
    UndoAction action = UndoAction::unknown;
    std::string text;         // lines joined by CR LF
    // The erased lines, kept only when a line held a CR of its own: the joined text could
    // not tell it from a line break, and undo would split the line.
    std::vector<std::string> lines;
};

class UndoHistory {
public:
    void clear();

    int position() const { return m_position; }
    int size() const { return static_cast<int>(m_records.size()); }
    bool hasUndo() const { return m_position > 0; }
    bool hasRedo() const { return m_position < size(); }
    const UndoRecord& record(int index) const { return m_records[static_cast<std::size_t>(index)]; }

    // The next record starts a new group, unless `merge` and there is something to undo.
    void openGroup(bool merge);
    void closeGroup() { m_groupOpen = false; }
    bool groupOpen() const { return m_groupOpen; }
    // Whether a record was added since the group was opened.
    bool groupHasRecords() const { return m_groupHasRecords; }
    void startNewGroupNext() { m_startNewGroup = true; }

    // Drops the redo history, keeps the record count within the limit by dropping the
    // oldest whole groups, and appends the record. The group being recorded is never cut:
    // it may outgrow the limit until it is complete, so every kept record has a group
    // start at or below it and an undo always reverts whole groups. Costs the same however
    // many records the history holds: the group sizes are counted, never searched for.
    void add(UndoRecord record);
    int groupCount() const { return static_cast<int>(m_groupSizes.size()); }

    // The records of the group below the position, last first; the position moves below them.
    std::vector<const UndoRecord*> takeUndoGroup();
    // The records of the group at the position, first first; the position moves past them.
    std::vector<const UndoRecord*> takeRedoGroup();

    // The action that names the group an undo would revert / a redo would apply.
    std::optional<UndoAction> undoAction() const;
    std::optional<UndoAction> redoAction() const;

    void setSavePoint() { m_savedPosition = m_position; }
    bool atSavePoint() const { return m_savedPosition == m_position; }
    // The text was never saved as it stands: no undo or redo reaches a saved state.
    void forgetSavePoint() { m_savedPosition = -1; }

    int limit() const { return m_limit; }
    void setLimit(int limit) { m_limit = limit < 1 ? 1 : limit; }

private:
    void dropOldestGroups(bool newRecordStartsGroup);
    // The record count of the group just below / at the position.
    int groupSizeBelow() const { return m_groupSizes[static_cast<std::size_t>(m_groupsBelow - 1)]; }
    int groupSizeAt() const { return m_groupSizes[static_cast<std::size_t>(m_groupsBelow)]; }

    // A deque: dropping the oldest records past the limit costs what is dropped, never a
    // move of every record kept.
    std::deque<UndoRecord> m_records;
    // The number of records in each group, oldest first; they add up to the record count.
    std::deque<int> m_groupSizes;
    int m_position = 0;
    // The groups below the position: the position is always at a group boundary.
    int m_groupsBelow = 0;
    // -1 once the records that led to the saved text are gone: no undo can reach it again.
    int m_savedPosition = 0;
    int m_limit = text_limits::kUndoLimit;
    bool m_groupOpen = false;
    bool m_groupHasRecords = false;
    bool m_startNewGroup = false;
};

} // namespace orv
