// The editing commands over a buffer and a cursor/selection state.
#include "text/TextEditModel.h"

#include "text/CharClass.h"
#include "text/LineCharacters.h"
#include "text/TabColumns.h"

#include <algorithm>
#include <cstdio>

namespace orv {

namespace {
constexpr char kCarriageReturn = 13;
constexpr char kBlank = ' ';
constexpr char kDel = 127;
constexpr std::string_view kLineBreak = "\r\n";
constexpr char kLineFeed = 10;

std::string menuText(const char* withAction, const char* plain, const std::string& action, const char* key)
{
    std::string label;
    if (action.empty()) {
        label = plain;
    } else {
        char text[256];
        std::snprintf(text, sizeof text, withAction, action.c_str());
        label = text;
    }
    return label + "\t" + key;
}
} // namespace

TextEditModel::TextEditModel(CTextBuffer* buffer, Clipboard* clipboard) : TextViewModel(buffer), m_clipboard(clipboard)
{
}

void TextEditModel::onReset()
{
    m_overwrite = false;
    m_autoIndent = true;
    m_dragRange.reset();
}

void TextEditModel::onTextUpdate(const TextBufferWatcher* source, const TextChange* change, unsigned updateFlags,
                                 int line)
{
    TextViewModel::onTextUpdate(source, change, updateFlags, line);
    if (m_dragRange && change)
        m_dragRange = TextRange{shiftForChange(m_dragRange->start, *change), shiftForChange(m_dragRange->end, *change)};
}

void TextEditModel::beginDrag()
{
    m_dragRange = selection();
    m_droppedHere = false;
    if (m_dragRange->empty())
        m_dragRange.reset();
}

bool TextEditModel::dropText(TextPos at, const std::string& text)
{
    if (!canEdit())
        return false;
    at = buffer()->Clamp(at);
    if (m_dragRange && m_dragRange->start <= at && at <= m_dragRange->end) {
        setCursor(at);
        m_dragRange.reset();
        return false;
    }
    TextPos end;
    buffer()->InsertTextAt(this, at, textFromOutside(text), end, UndoAction::dragAndDrop);
    setSelection(at, end);
    m_droppedHere = m_dragRange.has_value();
    return true;
}

void TextEditModel::endDrag(bool moved)
{
    if (!m_dragRange)
        return;
    const TextRange dragged = *m_dragRange;
    m_dragRange.reset();
    if (!moved || !canEdit())
        return;
    CTextBuffer& text = *buffer();
    text.OpenUndoGroup(m_droppedHere);
    text.EraseRange(this, dragged.start, dragged.end, UndoAction::dragAndDrop);
    text.CloseUndoGroup(this);
}

bool TextEditModel::canEdit() const
{
    return hasBuffer() && buffer()->IsLoaded() && !buffer()->IsReadOnly();
}

bool TextEditModel::deleteSelection(UndoAction action)
{
    if (!hasSelection())
        return false;
    const TextRange range = selection();
    buffer()->EraseRange(this, range.start, range.end, action);
    setCursor(range.start);
    return true;
}

std::string TextEditModel::textFromOutside(std::string_view utf8) const
{
    // Every LF not after a CR becomes CR LF: the buffer breaks lines at CR and CR LF itself.
    std::string text;
    text.reserve(utf8.size() + utf8.size() / 32);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == kLineFeed && (i == 0 || utf8[i - 1] != kCarriageReturn))
            text += kCarriageReturn;
        text += utf8[i];
    }
    return hasBuffer() ? Utf8ToEncoding(text, buffer()->Encoding()) : text;
}

bool TextEditModel::typeChar(char c)
{
    if (!canEdit())
        return false;
    if (c == kCarriageReturn)
        return enter();
    if (static_cast<unsigned char>(c) < 32 || c == kDel)
        return false;
    return typePrintable(std::string_view(&c, 1));
}

bool TextEditModel::typeText(std::string_view utf8)
{
    if (!canEdit())
        return false;
    bool typed = false;
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8At(utf8, at, code);
        const std::string_view character = utf8.substr(at, length);
        // A byte that begins no character is no key anybody pressed.
        at += std::max<std::size_t>(length, 1);
        if (length == 0)
            continue;
        if (code < 0x80) {
            typed = typeChar(static_cast<char>(code)) || typed;
            continue;
        }
        typed = typePrintable(Utf8ToEncoding(character, buffer()->Encoding())) || typed;
    }
    return typed;
}

bool TextEditModel::enter()
{
    CTextBuffer& text = *buffer();
    if (m_overwrite && cursor().line + 1 < text.LineCount()) {
        setCursor({0, cursor().line + 1});
        return true;
    }
    text.OpenUndoGroup(false);
    deleteSelection(UndoAction::deleteSelection);
    TextPos end;
    text.InsertTextAt(this, cursor(), kLineBreak, end, UndoAction::typing);
    setCursor(end);
    // Closing the group runs auto indent; the indentation moves the cursor past itself.
    text.CloseUndoGroup(this);
    return true;
}

bool TextEditModel::typePrintable(std::string_view character)
{
    CTextBuffer& text = *buffer();
    text.OpenUndoGroup(character != std::string_view(&kBlank, 1));
    const TextPos at = cursor();
    if (!deleteSelection(UndoAction::deleteSelection) && m_overwrite && at.ch < text.LineLength(at.line))
        text.EraseRange(this, at, {nextCharStart(text.LineText(at.line), at.ch, text.Encoding()), at.line},
                        UndoAction::typing);
    TextPos end;
    text.InsertTextAt(this, cursor(), character, end, UndoAction::typing);
    setCursor(end);
    text.CloseUndoGroup(this);
    return true;
}

void TextEditModel::AfterEdit(UndoAction action, const std::string& text)
{
    if (!m_autoIndent || m_overwrite || action != UndoAction::typing || text != kLineBreak)
        return;
    const TextPos at = cursor();
    if (at.line == 0)
        return;
    const std::string_view above = buffer()->LineText(at.line - 1);
    std::size_t indent = 0;
    while (indent < above.size() && isBlankChar(above[indent]))
        ++indent;
    if (indent == 0)
        return;
    TextPos end;
    buffer()->InsertTextAt(this, at, above.substr(0, indent), end, UndoAction::autoIndent);
    setCursor(end);
}

bool TextEditModel::deleteForward()
{
    if (!canEdit())
        return false;
    if (deleteSelection(UndoAction::deleteChar))
        return true;
    const TextPos c = cursor();
    CTextBuffer& text = *buffer();
    TextPos to;
    if (c.ch < text.LineLength(c.line))
        to = {nextCharStart(text.LineText(c.line), c.ch, text.Encoding()), c.line};
    else if (c.line + 1 < text.LineCount())
        to = {0, c.line + 1};
    else
        return false;
    text.EraseRange(this, c, to, UndoAction::deleteChar);
    setCursor(c);
    return true;
}

bool TextEditModel::backspace()
{
    if (!canEdit())
        return false;
    if (deleteSelection(UndoAction::deleteChar))
        return true;
    const TextPos c = cursor();
    CTextBuffer& text = *buffer();
    TextPos from;
    if (c.ch > 0)
        from = {prevCharStart(text.LineText(c.line), c.ch, text.Encoding()), c.line};
    else if (c.line > 0)
        from = {text.LineLength(c.line - 1), c.line - 1};
    else
        return false;
    text.EraseRange(this, from, c, UndoAction::backspace);
    setCursor(from);
    return true;
}

bool TextEditModel::linesOfSelection(int& first, int& last) const
{
    const TextRange range = selection();
    if (range.start.line == range.end.line)
        return false;
    first = range.start.line;
    // The last line counts only when the selection ends after its first character.
    last = range.end.ch > 0 ? range.end.line : range.end.line - 1;
    return true;
}

void TextEditModel::selectWholeLines(int first, int last)
{
    const CTextBuffer& text = *buffer();
    const TextPos end = last + 1 < text.LineCount() ? TextPos{0, last + 1} : TextPos{text.LineLength(last), last};
    setSelection({0, first}, end);
}

void TextEditModel::indentLines(int first, int last)
{
    CTextBuffer& text = *buffer();
    text.OpenUndoGroup(false);
    TextPos end;
    for (int line = first; line <= last; ++line)
        text.InsertTextAt(this, {0, line}, "\t", end, UndoAction::indent);
    text.CloseUndoGroup(this);
}

void TextEditModel::unindentLines(int first, int last)
{
    CTextBuffer& text = *buffer();
    text.OpenUndoGroup(false);
    for (int line = first; line <= last; ++line) {
        const std::string_view chars = text.LineText(line);
        int count = 0;
        while (count < tabSize() && count < static_cast<int>(chars.size()) && chars[static_cast<std::size_t>(count)] == ' ')
            ++count;
        if (count < tabSize() && count < static_cast<int>(chars.size()) && chars[static_cast<std::size_t>(count)] == '\t')
            ++count;
        if (count > 0)
            text.EraseRange(this, {0, line}, {count, line}, UndoAction::indent);
    }
    text.CloseUndoGroup(this);
}

TextPos TextEditModel::nextTabStopRight() const
{
    const std::string_view chars = buffer()->LineText(cursor().line);
    const TextEncoding encoding = buffer()->Encoding();
    const int target = (cursorColumn() / tabSize() + 1) * tabSize();
    int ch = cursor().ch;
    while (ch < static_cast<int>(chars.size())) {
        const bool wasTab = chars[static_cast<std::size_t>(ch)] == '\t';
        ch = nextCharStart(chars, ch, encoding);
        if (wasTab || displayColumn(chars, ch, tabSize(), encoding) >= target)
            break;
    }
    return {ch, cursor().line};
}

TextPos TextEditModel::previousTabStopLeft() const
{
    const int column = cursorColumn();
    const int target = column == 0 ? 0 : ((column - 1) / tabSize()) * tabSize();
    return {charAtColumn(buffer()->LineText(cursor().line), target, tabSize(), buffer()->Encoding()), cursor().line};
}

bool TextEditModel::reindentSelectedLines(bool indent)
{
    int first = 0;
    int last = 0;
    if (!linesOfSelection(first, last))
        return false;
    if (indent)
        indentLines(first, last);
    else
        unindentLines(first, last);
    selectWholeLines(first, last);
    return true;
}

bool TextEditModel::tab()
{
    if (!canEdit())
        return false;
    if (reindentSelectedLines(true))
        return true;
    if (m_overwrite && cursor().ch < buffer()->LineLength(cursor().line)) {
        setCursor(nextTabStopRight());
        return true;
    }
    return replaceSelection("\t", UndoAction::typing);
}

bool TextEditModel::shiftTab()
{
    if (!canEdit())
        return false;
    if (!reindentSelectedLines(false))
        setCursor(previousTabStopLeft());
    return true;
}

bool TextEditModel::replaceSelection(const std::string& text, UndoAction action)
{
    if (!canEdit())
        return false;
    CTextBuffer& buf = *buffer();
    buf.OpenUndoGroup(false);
    deleteSelection(UndoAction::deleteSelection);
    TextPos end;
    buf.InsertTextAt(this, cursor(), text, end, action);
    setCursor(end);
    buf.CloseUndoGroup(this);
    return true;
}

bool TextEditModel::cut()
{
    if (!canCut())
        return false;
    if (m_clipboard)
        copy(*m_clipboard);
    return deleteSelection(UndoAction::cut);
}

bool TextEditModel::paste()
{
    if (!canEdit())
        return false;
    const std::string text = m_clipboard && m_clipboard->hasText() ? m_clipboard->text() : std::string();
    return replaceSelection(textFromOutside(text), UndoAction::paste);
}

bool TextEditModel::undo()
{
    TextPos at;
    if (!canEdit() || !buffer()->UndoGroup(at))
        return false;
    setCursor(at);
    return true;
}

bool TextEditModel::redo()
{
    TextPos at;
    if (!canEdit() || !buffer()->RedoGroup(at))
        return false;
    setCursor(at);
    return true;
}

std::string TextEditModel::undoMenuText() const
{
    const std::string action = hasBuffer() && buffer()->HasUndo() ? buffer()->UndoCaption() : std::string();
    return menuText(text_messages::kUndoWith, text_messages::kUndo, action, text_messages::kUndoKey);
}

std::string TextEditModel::redoMenuText() const
{
    const std::string action = hasBuffer() && buffer()->HasRedo() ? buffer()->RedoCaption() : std::string();
    return menuText(text_messages::kRedoWith, text_messages::kRedo, action, text_messages::kRedoKey);
}

} // namespace orv
