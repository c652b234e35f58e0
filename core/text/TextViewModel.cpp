// Cursor, selection, moves, bookmarks and the repeat search of a text view.
#include "text/TextViewModel.h"

#include "text/CharClass.h"
#include "text/LineCharacters.h"
#include "text/TabColumns.h"
#include "text/TextSearch.h"

#include <algorithm>

namespace orv {

TextViewModel::TextViewModel(CTextBuffer* buffer)
{
    ShowBuffer(buffer);
}

TextViewModel::~TextViewModel()
{
    if (m_buffer)
        m_buffer->DetachView(this);
}

void TextViewModel::ShowBuffer(CTextBuffer* buffer)
{
    if (m_buffer)
        m_buffer->DetachView(this);
    m_buffer = buffer;
    if (m_buffer)
        m_buffer->AttachView(this);
    reset();
}

void TextViewModel::reset()
{
    m_cursor = m_anchor = {};
    m_wantedColumn = -1;
    onReset();
}

TextRange TextViewModel::selection() const
{
    return m_anchor < m_cursor ? TextRange{m_anchor, m_cursor} : TextRange{m_cursor, m_anchor};
}

void TextViewModel::setCursor(TextPos cursor, bool extend)
{
    m_cursor = m_buffer ? m_buffer->Clamp(cursor) : TextPos{};
    // Never inside a UTF-8 sequence: the cursor stands before a whole character.
    if (m_buffer)
        m_cursor.ch = charStartAt(m_buffer->LineText(m_cursor.line), m_cursor.ch, m_buffer->Encoding());
    if (!extend)
        m_anchor = m_cursor;
    m_wantedColumn = -1;
}

void TextViewModel::setSelection(TextPos anchor, TextPos cursor)
{
    setCursor(anchor);
    setCursor(cursor, true);
}

std::string TextViewModel::selectedText() const
{
    const TextRange range = selection();
    return m_buffer ? m_buffer->CopyRange(range.start, range.end) : std::string();
}

std::string TextViewModel::selectionForOutside() const
{
    const TextRange range = selection();
    return m_buffer ? EncodingToUtf8(m_buffer->CopyRange(range.start, range.end, "\n"), m_buffer->Encoding())
                    : std::string();
}

void TextViewModel::move(CursorMove how, bool extend)
{
    if (!m_buffer)
        return;
    const bool vertical = how == CursorMove::lineUp || how == CursorMove::lineDown || how == CursorMove::pageUp ||
                          how == CursorMove::pageDown;
    const int wanted = vertical ? (m_wantedColumn >= 0 ? m_wantedColumn : cursorColumn()) : -1;
    m_wantedColumn = wanted;
    m_cursor = movedPos(how);
    if (!extend)
        m_anchor = m_cursor;
}

TextPos TextViewModel::movedPos(CursorMove how)
{
    const TextPos c = m_cursor;
    const int lastLine = m_buffer->LineCount() - 1;
    const std::string_view line = m_buffer->LineText(c.line);
    switch (how) {
    case CursorMove::charLeft:
        if (c.ch > 0)
            return {prevCharStart(line, c.ch, m_buffer->Encoding()), c.line};
        return c.line > 0 ? TextPos{m_buffer->LineLength(c.line - 1), c.line - 1} : c;
    case CursorMove::charRight:
        if (c.ch < m_buffer->LineLength(c.line))
            return {nextCharStart(line, c.ch, m_buffer->Encoding()), c.line};
        return c.line < lastLine ? TextPos{0, c.line + 1} : c;
    case CursorMove::wordLeft: return wordLeftOf(c);
    case CursorMove::wordRight: return wordRightOf(c);
    case CursorMove::lineUp: return verticalMove(-1);
    case CursorMove::lineDown: return verticalMove(1);
    case CursorMove::pageUp: return verticalMove(-m_pageLines);
    case CursorMove::pageDown: return verticalMove(m_pageLines);
    case CursorMove::lineStart: return {0, c.line};
    case CursorMove::lineEnd: return {m_buffer->LineLength(c.line), c.line};
    case CursorMove::textStart: return {0, 0};
    case CursorMove::textEnd: return m_buffer->EndPos();
    }
    return c;
}

TextPos TextViewModel::verticalMove(int lines)
{
    const int line = std::clamp(m_cursor.line + lines, 0, m_buffer->LineCount() - 1);
    return {charAtColumn(m_buffer->LineText(line), m_wantedColumn, m_tabSize, m_buffer->Encoding()), line};
}

TextPos TextViewModel::wordRightOf(TextPos p) const
{
    const std::string_view text = m_buffer->LineText(p.line);
    const int length = static_cast<int>(text.size());
    if (p.ch >= length)
        return p.line + 1 < m_buffer->LineCount() ? TextPos{0, p.line + 1} : p;
    int i = p.ch;
    const auto at = [&](int k) { return text[static_cast<std::size_t>(k)]; };
    if (isWordChar(at(i))) {
        while (i < length && isWordChar(at(i)))
            ++i;
    } else {
        while (i < length && !isWordChar(at(i)) && !isBlankChar(at(i)))
            ++i;
    }
    while (i < length && isBlankChar(at(i)))
        ++i;
    return {i, p.line};
}

TextPos TextViewModel::wordLeftOf(TextPos p) const
{
    if (p.ch == 0)
        return p.line > 0 ? TextPos{m_buffer->LineLength(p.line - 1), p.line - 1} : p;
    const std::string_view text = m_buffer->LineText(p.line);
    const auto at = [&](int k) { return text[static_cast<std::size_t>(k)]; };
    int i = p.ch;
    while (i > 0 && isBlankChar(at(i - 1)))
        --i;
    if (i > 0 && isWordChar(at(i - 1))) {
        while (i > 0 && isWordChar(at(i - 1)))
            --i;
    } else {
        while (i > 0 && !isWordChar(at(i - 1)) && !isBlankChar(at(i - 1)))
            --i;
    }
    return {i, p.line};
}

void TextViewModel::selectAll()
{
    if (m_buffer)
        setSelection({0, 0}, m_buffer->EndPos());
}

TextRange TextViewModel::wordAt(TextPos pos) const
{
    if (!m_buffer)
        return {};
    pos = m_buffer->Clamp(pos);
    const std::string_view text = m_buffer->LineText(pos.line);
    const int length = static_cast<int>(text.size());
    const auto wordAtIndex = [&](int k) { return k >= 0 && k < length && isWordChar(text[static_cast<std::size_t>(k)]); };
    int first = pos.ch;
    if (!wordAtIndex(first)) {
        if (!wordAtIndex(first - 1))
            return {pos, pos};
        --first;
    }
    int last = first;
    while (wordAtIndex(first - 1))
        --first;
    while (wordAtIndex(last))
        ++last;
    return {{first, pos.line}, {last, pos.line}};
}

void TextViewModel::selectWordAt(TextPos pos)
{
    const TextRange word = wordAt(pos);
    setSelection(word.start, word.end);
}

void TextViewModel::extendByWords(TextRange firstWord, TextPos pos)
{
    const TextRange word = wordAt(pos);
    if (word.start < firstWord.start)
        setSelection(firstWord.end, word.start);
    else
        setSelection(firstWord.start, std::max(word.end, firstWord.end));
}

void TextViewModel::selectLine(int line)
{
    if (!m_buffer)
        return;
    line = std::clamp(line, 0, m_buffer->LineCount() - 1);
    const TextPos end = line + 1 < m_buffer->LineCount() ? TextPos{0, line + 1} : TextPos{m_buffer->LineLength(line), line};
    setSelection({0, line}, end);
}

bool TextViewModel::copy(Clipboard& clipboard) const
{
    const std::string text = selectionForOutside();
    if (text.empty())
        return false;
    clipboard.setText(text);
    return true;
}

bool TextViewModel::goToLine(int line)
{
    if (line < 0)
        return false;
    setCursor({0, line});
    return true;
}

void TextViewModel::toggleNumberedBookmark(int n)
{
    if (!m_buffer || n < 0 || n >= line_flag::kNumberedBookmarks)
        return;
    const std::uint32_t flag = line_flag::numberedBookmark(n);
    const bool has = (m_buffer->LineFlags(m_cursor.line) & flag) != 0;
    m_buffer->ChangeLineFlag(m_cursor.line, flag, !has, true);
}

bool TextViewModel::goToNumberedBookmark(int n)
{
    if (!m_buffer || n < 0 || n >= line_flag::kNumberedBookmarks)
        return false;
    return goToLine(m_buffer->LineWithFlag(line_flag::numberedBookmark(n)));
}

void TextViewModel::clearNumberedBookmarks()
{
    if (!m_buffer)
        return;
    for (int n = 0; n < line_flag::kNumberedBookmarks; ++n)
        m_buffer->ChangeLineFlag(-1, line_flag::numberedBookmark(n), false, false);
}

void TextViewModel::toggleBookmark()
{
    if (!m_buffer)
        return;
    const bool has = (m_buffer->LineFlags(m_cursor.line) & line_flag::kBookmark) != 0;
    m_buffer->ChangeLineFlag(m_cursor.line, line_flag::kBookmark, !has, false);
}

bool TextViewModel::goToNextBookmark()
{
    return m_buffer && goToLine(m_buffer->NextBookmarkLine(m_cursor.line));
}

bool TextViewModel::goToPrevBookmark()
{
    return m_buffer && goToLine(m_buffer->PrevBookmarkLine(m_cursor.line));
}

void TextViewModel::clearBookmarks()
{
    if (!m_buffer)
        return;
    for (int line = 0; line < m_buffer->LineCount(); ++line)
        if (m_buffer->LineFlags(line) & line_flag::kBookmark)
            m_buffer->ChangeLineFlag(line, line_flag::kBookmark, false, false);
}

bool TextViewModel::hasBookmarks() const
{
    return m_buffer && m_buffer->LineWithFlag(line_flag::kBookmark) >= 0;
}

std::string TextViewModel::positionText() const
{
    const int characters =
        m_buffer ? charactersBefore(m_buffer->LineText(m_cursor.line), m_cursor.ch, m_buffer->Encoding()) : m_cursor.ch;
    return positionIndicator(m_cursor.line, characters);
}

std::string TextViewModel::lineEndText() const
{
    return m_buffer ? std::string(lineEndName(m_buffer->LineEndStyle())) : std::string();
}

int TextViewModel::cursorColumn() const
{
    return m_buffer ? displayColumn(m_buffer->LineText(m_cursor.line), m_cursor.ch, m_tabSize, m_buffer->Encoding())
                    : 0;
}

const std::string& TextViewModel::previousSearchText() const
{
    static const std::string kNone;
    return m_previousSearch ? m_previousSearch->text : kNone;
}

unsigned TextViewModel::previousSearchFlags() const
{
    return m_previousSearch ? m_previousSearch->flags : 0u;
}

void TextViewModel::setPreviousSearch(const std::string& text, unsigned flags)
{
    m_previousSearch = PreviousSearch{text, flags};
}

SearchOutcome TextViewModel::searchAndSelect(const std::string& text, unsigned flags, TextPos start)
{
    const auto hit = m_buffer ? FindInText(*m_buffer, text, start, flags, true) : std::nullopt;
    if (!hit)
        return {false, cannotFindMessage(text)};
    setSelection(hit->start, hit->end);
    return {true, {}};
}

SearchOutcome TextViewModel::repeatSearch(bool reverse)
{
    if (!m_previousSearch)
        return {};
    const unsigned flags = m_previousSearch->flags ^ (reverse ? find_flag::kUp : 0u);
    // Upwards the search starts before the current match, downwards after it.
    const TextPos start = (flags & find_flag::kUp) ? selection().start : m_cursor;
    return searchAndSelect(m_previousSearch->text, flags, start);
}

void TextViewModel::onTextUpdate(const TextBufferWatcher*, const TextChange* change, unsigned updateFlags, int)
{
    if (updateFlags & update_flag::kReset) {
        reset();
        return;
    }
    if (!change)
        return;
    m_cursor = shiftForChange(m_cursor, *change);
    m_anchor = shiftForChange(m_anchor, *change);
}

} // namespace orv
