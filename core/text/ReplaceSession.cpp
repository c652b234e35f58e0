// The Replace dialog's logic.
#include "text/ReplaceSession.h"

#include "text/TextSearch.h"

namespace orv {

ReplaceSession::ReplaceSession(TextEditModel& edit, const Profile& profile)
    : values(readReplaceValues(profile)), m_edit(edit), m_cursorAtOpen(edit.cursor())
{
    if (edit.hasSelection()) {
        m_block = edit.selection();
        m_scope = ReplaceScope::selection;
    }
    m_start = restartPos();
    if (m_scope == ReplaceScope::wholeFile)
        m_start = m_cursorAtOpen;
}

void ReplaceSession::setScope(ReplaceScope scope)
{
    if (scope == ReplaceScope::selection && !m_block)
        return;
    m_scope = scope;
    m_match.reset();
    m_start = scope == ReplaceScope::selection ? m_block->start : m_cursorAtOpen;
}

TextPos ReplaceSession::restartPos() const
{
    return m_scope == ReplaceScope::selection ? m_block->start : TextPos{};
}

SearchOutcome ReplaceSession::searchFrom(TextPos start)
{
    const CTextBuffer* buffer = m_edit.buffer();
    if (!buffer || !canFindNext())
        return {};
    const unsigned flags = values.flags();
    const auto hit = m_scope == ReplaceScope::selection
                         ? FindInBlock(*buffer, values.findWhat, start, m_block->start, m_block->end, flags, false)
                         : FindInText(*buffer, values.findWhat, start, flags, false);
    if (!hit) {
        m_match.reset();
        m_start = restartPos();
        return {false, cannotFindMessage(values.findWhat)};
    }
    m_match = hit;
    m_edit.setSelection(hit->start, hit->end);
    return {true, {}};
}

SearchOutcome ReplaceSession::findNext()
{
    return searchFrom(m_match ? TextPos{m_match->start.ch + 1, m_match->start.line} : m_start);
}

SearchOutcome ReplaceSession::replace()
{
    if (!m_match)
        return findNext();
    if (!m_edit.canEdit())
        return {};
    CTextBuffer& buffer = *m_edit.buffer();
    const TextRange match = *m_match;
    m_edit.setSelection(match.start, match.end);
    m_edit.deleteSelection(UndoAction::deleteSelection);
    TextPos end;
    buffer.InsertTextAt(&m_edit, match.start, Utf8ToEncoding(values.replaceWith, buffer.Encoding()), end,
                        UndoAction::replace);
    m_edit.setCursor(end);
    if (m_block) {
        // The block follows the text: its limits after the match move with the length change.
        const auto follow = [&](TextPos p) {
            p = shiftForErase(p, match.start, match.end);
            return p == match.start ? p : shiftForInsert(p, match.start, end);
        };
        m_block = TextRange{follow(m_block->start), follow(m_block->end)};
        if (m_block->end == match.start)
            m_block->end = end;
    }
    m_match.reset();
    return searchFrom(end);
}

SearchOutcome ReplaceSession::replaceAll(int* replaced)
{
    int count = 0;
    SearchOutcome outcome = m_match ? SearchOutcome{true, {}} : findNext();
    while (outcome.found && m_edit.canEdit()) {
        outcome = replace();
        ++count;
    }
    if (replaced)
        *replaced = count;
    return outcome;
}

void ReplaceSession::close(Profile& profile)
{
    writeReplaceValues(profile, values);
    if (m_block)
        m_edit.setSelection(m_block->start, m_block->end);
}

} // namespace orv
