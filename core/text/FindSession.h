// The Find dialog's logic: its initial values, Find Next over the whole text with
// wrap-around, and what the view keeps when the dialog closes.
#pragma once

#include "text/FindSettings.h"
#include "text/TextViewModel.h"

namespace orv {

class FindSession {
public:
    // From the view's previous search, else from the stored values (direction down);
    // a selection within one line replaces the text.
    FindSession(TextViewModel& view, const Profile& profile);

    FindValues values;
    bool up = false;

    unsigned flags() const;
    bool canFindNext() const { return !values.findWhat.empty(); }
    // Found: the match is selected and the dialog closes. Not found: the message to show,
    // and the next search starts at the beginning of the text.
    SearchOutcome findNext();
    // The view keeps the search for F3; the values are stored.
    void close(Profile& profile);

private:
    TextViewModel& m_view;
    // Where the search starts: the cursor downwards, the selection's start upwards (so an
    // upward search does not find the selected match again), chosen when Find Next is
    // pressed; after a failed search, the beginning of the text.
    TextPos m_cursor;
    TextPos m_selectionStart;
    bool m_fromBeginning = false;
};

} // namespace orv
