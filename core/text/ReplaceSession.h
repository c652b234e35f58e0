// The Replace dialog's logic: Find Next, Replace and Replace All over the whole file or
// the selection it was opened with, always downwards and without wrap-around.
#pragma once

#include "text/FindSettings.h"
#include "text/TextEditModel.h"

#include <optional>

namespace orv {

enum class ReplaceScope { selection, wholeFile };

class ReplaceSession {
public:
    // Values from the store. With a selection the scope is the selection, remembered as
    // the block; without one the scope is the whole file, from the cursor.
    ReplaceSession(TextEditModel& edit, const Profile& profile);

    FindValues values;

    bool selectionScopeEnabled() const { return m_block.has_value(); }
    ReplaceScope scope() const { return m_scope; }
    void setScope(ReplaceScope scope);
    bool canFindNext() const { return !values.findWhat.empty(); }

    // The first search from the start position, later ones from one character after the
    // current match. Not found: the message, and the next search starts over.
    SearchOutcome findNext();
    // Replaces the current match (two undo groups: the erasure, then the replacement)
    // and searches on after the inserted text; without a match it only searches.
    SearchOutcome replace();
    // Replaces until a search fails: always ends with the not-found outcome.
    SearchOutcome replaceAll(int* replaced = nullptr);
    // Stores the values and gives the view back the selection it had (moved with the text).
    void close(Profile& profile);

    std::optional<TextRange> block() const { return m_block; }

private:
    SearchOutcome searchFrom(TextPos start);
    TextPos restartPos() const;

    TextEditModel& m_edit;
    std::optional<TextRange> m_block;
    ReplaceScope m_scope = ReplaceScope::wholeFile;
    TextPos m_start;
    TextPos m_cursorAtOpen;
    std::optional<TextRange> m_match;
};

} // namespace orv
