// The Find dialog's logic.
#include "text/FindSession.h"

namespace orv {

FindSession::FindSession(TextViewModel& view, const Profile& profile)
    : m_view(view), m_cursor(view.cursor()), m_selectionStart(view.selection().start)
{
    if (view.hasPreviousSearch()) {
        const unsigned previous = view.previousSearchFlags();
        values.findWhat = view.previousSearchText();
        values.matchCase = (previous & find_flag::kMatchCase) != 0;
        values.wholeWord = (previous & find_flag::kWholeWord) != 0;
        up = (previous & find_flag::kUp) != 0;
    } else {
        values = readFindValues(profile);
    }
    const TextRange selection = view.selection();
    if (!selection.empty() && selection.start.line == selection.end.line)
        values.findWhat = view.selectionForOutside();
}

unsigned FindSession::flags() const
{
    return values.flags() | (up ? find_flag::kUp : 0u);
}

SearchOutcome FindSession::findNext()
{
    if (!canFindNext())
        return {};
    const TextPos start = m_fromBeginning ? TextPos{} : up ? m_selectionStart : m_cursor;
    SearchOutcome outcome = m_view.searchAndSelect(values.findWhat, flags(), start);
    if (!outcome.found)
        m_fromBeginning = true;
    return outcome;
}

void FindSession::close(Profile& profile)
{
    m_view.setPreviousSearch(values.findWhat, flags());
    writeFindValues(profile, values);
}

} // namespace orv
