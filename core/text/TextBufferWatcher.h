// What a view of a text buffer is told: the changes of the text, and the end of an edit
// group that it started (where auto indent happens).
#pragma once

#include "text/TextConstants.h"
#include "text/TextPos.h"

#include <string>

namespace orv {

// The span of one insertion or erasure: from start to end of the inserted or erased text.
struct TextChange {
    TextPos start;
    TextPos end;
    bool inserted = false;
};

// Where a position ends up after the change.
constexpr TextPos shiftForChange(TextPos p, const TextChange& change)
{
    return change.inserted ? shiftForInsert(p, change.start, change.end) : shiftForErase(p, change.start, change.end);
}

class TextBufferWatcher {
public:
    virtual ~TextBufferWatcher() = default;

    // `source`: the watcher whose command made the change, or null (undo, redo, load).
    // `change`: the span of an insertion or erasure, null for other notices.
    // `line`: the first line concerned.
    virtual void onTextUpdate(const TextBufferWatcher* source, const TextChange* change,
                              unsigned updateFlags, int line) = 0;
    // Called on the watcher that closed an edit group, with the group's last record.
    virtual void AfterEdit(UndoAction /*action*/, const std::string& /*text*/) {}
};

} // namespace orv
