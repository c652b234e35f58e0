// What a text view decides without a screen: cursor, selection and anchor, the cursor
// moves, word and line selection, copying, bookmarks, the status texts and the repeat
// search. The widget maps keys and mouse onto these calls and paints the result.
#pragma once

#include "text/CTextBuffer.h"
#include "text/Clipboard.h"
#include "text/TextBufferWatcher.h"
#include "text/TextPos.h"

#include <optional>
#include <string>

namespace orv {

enum class CursorMove {
    charLeft, charRight, wordLeft, wordRight, lineUp, lineDown,
    pageUp, pageDown, lineStart, lineEnd, textStart, textEnd,
};

// The result of a search command: found (the match is selected) or the message to show.
struct SearchOutcome {
    bool found = false;
    std::string message;
};

// The buffer shown must outlive the view, or be left first with ShowBuffer(nullptr).
class TextViewModel : public TextBufferWatcher {
public:
    explicit TextViewModel(CTextBuffer* buffer = nullptr);
    ~TextViewModel() override;
    TextViewModel(const TextViewModel&) = delete;
    TextViewModel& operator=(const TextViewModel&) = delete;

    // Shows another buffer (or none) and resets the view.
    void ShowBuffer(CTextBuffer* buffer);
    CTextBuffer* buffer() const { return m_buffer; }
    // Cursor and selection to the start, the remembered column forgotten.
    void reset();

    int tabSize() const { return m_tabSize; }
    // A tab size below 1 (a stored indent size of 0) behaves as 1.
    void setTabSize(int tabSize) { m_tabSize = tabSize < 1 ? 1 : tabSize; }
    // The lines that Page Up and Page Down move by (the visible lines of the view).
    void setPageLines(int lines) { m_pageLines = lines < 1 ? 1 : lines; }

    TextPos cursor() const { return m_cursor; }
    TextPos anchor() const { return m_anchor; }
    TextRange selection() const;
    bool hasSelection() const { return m_cursor != m_anchor; }
    // Moves the cursor; `extend` keeps the anchor, so the selection grows or shrinks.
    void setCursor(TextPos cursor, bool extend = false);
    void setSelection(TextPos anchor, TextPos cursor);
    // The selection's bytes, lines joined by CR LF.
    std::string selectedText() const;
    // The selection as other programs take it: UTF-8, lines ended by LF.
    std::string selectionForOutside() const;

    void move(CursorMove how, bool extend);
    void selectAll();
    // The run of letters, digits and "_" at (or just before) a position; empty if none.
    TextRange wordAt(TextPos pos) const;
    void selectWordAt(TextPos pos);
    // Ctrl+drag: the selection runs from the word first clicked to the word under `pos`,
    // both whole, with the cursor on the side of `pos`.
    void extendByWords(TextRange firstWord, TextPos pos);
    // From the line's start to the next line's start (or the end of the last line).
    void selectLine(int line);
    // Copies the selection for other programs; an empty text is not put on the clipboard.
    bool copy(Clipboard& clipboard) const;

    // Numbered bookmarks 0..9 (each on at most one line) and the plain bookmark.
    void toggleNumberedBookmark(int n);
    bool goToNumberedBookmark(int n);
    void clearNumberedBookmarks();
    void toggleBookmark();
    bool goToNextBookmark();
    bool goToPrevBookmark();
    void clearBookmarks();
    // Enables F2, Shift+F2 and Ctrl+Shift+F2.
    bool hasBookmarks() const;

    // "Ln 1, Col 3" (a tab, like a UTF-8 sequence, counts as one character) and "DOS" /
    // "UNIX" / "MAC".
    std::string positionText() const;
    std::string lineEndText() const;
    // The cursor's column with tabs expanded.
    int cursorColumn() const;

    // The previous search, repeated by F3 (and by Shift+F3 in the other direction). Search
    // texts and messages are UTF-8, whatever the encoding of the text searched.
    bool hasPreviousSearch() const { return m_previousSearch.has_value(); }
    const std::string& previousSearchText() const;
    unsigned previousSearchFlags() const;
    void setPreviousSearch(const std::string& text, unsigned flags);
    SearchOutcome repeatSearch(bool reverse);
    // Searches the whole text with wrap-around and selects the match.
    SearchOutcome searchAndSelect(const std::string& text, unsigned flags, TextPos start);

    void onTextUpdate(const TextBufferWatcher* source, const TextChange* change, unsigned updateFlags,
                      int line) override;

protected:
    // Called at the end of every reset, for the state a derived view resets too.
    virtual void onReset() {}
    bool hasBuffer() const { return m_buffer != nullptr; }

private:
    TextPos movedPos(CursorMove how);
    TextPos verticalMove(int lines);
    TextPos wordLeftOf(TextPos p) const;
    TextPos wordRightOf(TextPos p) const;
    // The cursor to the start of a line; false for line -1 (nothing found).
    bool goToLine(int line);

    CTextBuffer* m_buffer = nullptr;
    TextPos m_cursor;
    TextPos m_anchor;
    int m_wantedColumn = -1;  // the column kept on vertical moves, -1 when none
    int m_tabSize = 4;
    int m_pageLines = 20;
    struct PreviousSearch {
        std::string text;
        unsigned flags = 0;
    };
    std::optional<PreviousSearch> m_previousSearch;
};

} // namespace orv
