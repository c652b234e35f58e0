// The text buffer: lines, changes, undo and redo, line flags and notices.
#include "text/CTextBuffer.h"

#include "text/TextFile.h"

#include <algorithm>
#include <bit>

namespace orv {

CTextBuffer::CTextBuffer()
{
    m_lines.push_back(TextLine());
}

TextPos CTextBuffer::EndPos() const
{
    const int last = LineCount() - 1;
    return {LineLength(last), last};
}

TextPos CTextBuffer::Clamp(TextPos p) const
{
    const int line = std::clamp(p.line, 0, LineCount() - 1);
    return {std::clamp(p.ch, 0, LineLength(line)), line};
}

std::string CTextBuffer::CopyRange(TextPos start, TextPos end, std::string_view separator) const
{
    start = Clamp(start);
    end = Clamp(end);
    if (end <= start)
        return {};
    if (start.line == end.line)
        return std::string(LineText(start.line).substr(static_cast<std::size_t>(start.ch),
                                                       static_cast<std::size_t>(end.ch - start.ch)));
    std::string text(LineText(start.line).substr(static_cast<std::size_t>(start.ch)));
    for (int line = start.line + 1; line < end.line; ++line) {
        text += separator;
        text += LineText(line);
    }
    text += separator;
    text += LineText(end.line).substr(0, static_cast<std::size_t>(end.ch));
    return text;
}

CTextBuffer::SharedSlice CTextBuffer::CopyLinesShared(int first, int count, std::string& out) const
{
    const std::lock_guard lock(m_linesLock);
    const int end = std::min(LineCount(), first + count);
    for (int line = std::max(first, 0); line < end; ++line) {
        if (line > 0)
            out += '\n';
        out += LineText(line);
    }
    return {m_edits, LineCount()};
}

void CTextBuffer::resetContents(std::vector<TextLine> lines, LineEnd style)
{
    if (lines.empty())
        lines.emplace_back();
    // The encoding first: the lines are moved into the buffer below.
    const TextEncoding encoding =
        std::all_of(lines.begin(), lines.end(), [](const TextLine& line) { return IsValidUtf8(line.text()); })
            ? TextEncoding::utf8
            : TextEncoding::windows1252;
    {
        const std::lock_guard lock(m_linesLock);
        m_encoding = encoding;
        // Room for the lines that later edits insert.
        m_lines = GapArray<TextLine>(std::move(lines), text_limits::kLoadedLineArrayStep);
        ++m_edits;
    }
    m_style = style;
    m_loaded = true;
    m_modified = false;
    m_undo.clear();
    NotifyViews(nullptr, nullptr, update_flag::kReset, 0);
}

void CTextBuffer::CreateEmpty(LineEnd style)
{
    m_readOnly = false;
    resetContents({}, style);
}

bool CTextBuffer::LoadText(const std::string& path, int style)
{
    auto loaded = readTextFile(path, style, m_fileError);
    if (!loaded)
        return false;
    m_readOnly = loaded->readOnly;
    resetContents(std::move(loaded->lines), loaded->style);
    return true;
}

void CTextBuffer::LoadBytes(std::string_view bytes, int style)
{
    LoadedText loaded = splitText(bytes, style);
    m_readOnly = false;
    resetContents(std::move(loaded.lines), loaded.style);
}

void CTextBuffer::LoadUnsavedBytes(std::string_view bytes, LineEnd style, TextEncoding encoding)
{
    LoadBytes(bytes, static_cast<int>(style));
    m_encoding = encoding;
    m_undo.forgetSavePoint();
    MarkModified(true);
}

bool CTextBuffer::StoreText(const std::string& path, int style, bool clearModified)
{
    const std::string_view separator = lineEndSeparator(isLineEndStyle(style) ? static_cast<LineEnd>(style) : m_style);
    SafeFileWriter writer;
    bool written = writer.open(path);
    std::string chunk;
    chunk.reserve(text_limits::kFileBlockSize * 2);
    for (int line = 0; written && line < LineCount(); ++line) {
        chunk += LineText(line);
        if (line + 1 < LineCount())
            chunk += separator;
        if (chunk.size() >= text_limits::kFileBlockSize || line + 1 == LineCount()) {
            written = writer.write(chunk);
            chunk.clear();
        }
    }
    if (!written || !writer.commit()) {
        m_fileError = writer.error();
        return false;
    }
    if (clearModified) {
        MarkModified(false);
        m_undo.setSavePoint();
    }
    return true;
}

void CTextBuffer::ReleaseAll()
{
    {
        const std::lock_guard lock(m_linesLock);
        m_lines.clear();
        m_lines.push_back(TextLine());
        ++m_edits;
    }
    m_undo.clear();
    m_loaded = false;
    m_modified = false;
    // Views reset too, so that none keeps a position in the released lines.
    NotifyViews(nullptr, nullptr, update_flag::kReset, 0);
}

void CTextBuffer::AttachView(TextBufferWatcher* view)
{
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CTextBuffer::DetachView(TextBufferWatcher* view)
{
    std::erase(m_views, view);
}

void CTextBuffer::NotifyViews(const TextBufferWatcher* sourceView, const TextChange* change, unsigned updateFlags,
                              int line)
{
    // A view may detach itself while it is told; work on a copy of the list.
    const auto views = m_views;
    for (TextBufferWatcher* view : views)
        view->onTextUpdate(sourceView, change, updateFlags, line);
}

void CTextBuffer::MarkModified(bool modified)
{
    m_modified = modified;
}

void CTextBuffer::afterChange(const TextBufferWatcher* sourceView, const TextChange& change)
{
    const unsigned flags = change.start.line == change.end.line
                               ? update_flag::kSingleLine
                               : update_flag::kHorzRange | update_flag::kVertRange;
    NotifyViews(sourceView, &change, flags, change.start.line);
    if (!m_modified)
        MarkModified(true);
}

namespace {
// The pieces of an inserted text between line breaks: a CR, or a CR LF pair, ends a
// piece; a lone LF does not.
std::vector<std::string_view> splitAtLineBreaks(std::string_view text)
{
    std::vector<std::string_view> pieces;
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            continue;
        pieces.push_back(text.substr(from, i - from));
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        from = i + 1;
    }
    pieces.push_back(text.substr(from));
    return pieces;
}
} // namespace

TextPos CTextBuffer::insertInner(const TextBufferWatcher* sourceView, TextPos at, std::string_view text)
{
    return insertPieces(sourceView, at, splitAtLineBreaks(text));
}

TextPos CTextBuffer::insertPieces(const TextBufferWatcher* sourceView, TextPos at,
                                  const std::vector<std::string_view>& pieces)
{
    std::unique_lock lock(m_linesLock);
    ++m_edits;
    TextLine& first = lineAt(at.line);
    TextPos end;
    if (pieces.size() == 1) {
        first.insert(at.ch, pieces.front());
        end = {at.ch + static_cast<int>(pieces.front().size()), at.line};
    } else {
        const std::string tail(first.text().substr(static_cast<std::size_t>(at.ch)));
        first.truncate(at.ch);
        first.append(pieces.front());
        std::vector<TextLine> added;
        added.reserve(pieces.size() - 1);
        for (std::size_t i = 1; i < pieces.size(); ++i)
            added.emplace_back(pieces[i]);
        end = {added.back().length(), at.line + static_cast<int>(added.size())};
        added.back().append(tail);
        m_lines.insert(static_cast<std::size_t>(at.line) + 1, std::make_move_iterator(added.begin()),
                       std::make_move_iterator(added.end()));
    }
    lock.unlock();
    afterChange(sourceView, {at, end, true});
    return end;
}

std::vector<std::string> CTextBuffer::linesHoldingCr(TextPos start, TextPos end) const
{
    std::vector<std::string> pieces;
    bool holdsCr = false;
    for (int line = start.line; line <= end.line; ++line) {
        const std::string_view text = LineText(line);
        const std::size_t from = line == start.line ? static_cast<std::size_t>(start.ch) : 0;
        const std::size_t to = line == end.line ? static_cast<std::size_t>(end.ch) : text.size();
        const std::string_view piece = text.substr(from, to - from);
        holdsCr = holdsCr || piece.find('\r') != std::string_view::npos;
        pieces.emplace_back(piece);
    }
    if (!holdsCr)
        pieces.clear();
    return pieces;
}

std::string CTextBuffer::eraseInner(const TextBufferWatcher* sourceView, TextPos start, TextPos end)
{
    std::string erased = CopyRange(start, end);
    std::unique_lock lock(m_linesLock);
    ++m_edits;
    TextLine& first = lineAt(start.line);
    if (start.line == end.line) {
        first.erase(start.ch, end.ch - start.ch);
    } else {
        const std::string_view tail = LineText(end.line).substr(static_cast<std::size_t>(end.ch));
        first.truncate(start.ch);
        first.append(tail);
        m_lines.erase(static_cast<std::size_t>(start.line) + 1, static_cast<std::size_t>(end.line - start.line));
    }
    lock.unlock();
    afterChange(sourceView, {start, end, false});
    return erased;
}

void CTextBuffer::addUndoRecord(bool inserted, TextPos start, TextPos end, UndoAction action, std::string text,
                                std::vector<std::string> lines)
{
    UndoRecord record;
    record.inserted = inserted;
    record.start = start;
    record.end = end;
    record.action = action;
    record.text = std::move(text);
    record.lines = std::move(lines);
    m_undo.add(std::move(record));
}

bool CTextBuffer::InsertTextAt(TextBufferWatcher* sourceView, TextPos at, std::string_view text, TextPos& end,
                               UndoAction action)
{
    if (!mayEdit())
        return false;
    at = Clamp(at);
    // An empty text still records itself: a Replace with an empty replacement is two undo
    // groups, the second named "Replace", like any other.
    const bool ownGroup = !m_undo.groupOpen();
    if (ownGroup)
        OpenUndoGroup(false);
    end = insertInner(sourceView, at, text);
    addUndoRecord(true, at, end, action, std::string(text));
    if (ownGroup)
        CloseUndoGroup(sourceView);
    return true;
}

bool CTextBuffer::EraseRange(TextBufferWatcher* sourceView, TextPos start, TextPos end, UndoAction action)
{
    if (!mayEdit())
        return false;
    start = Clamp(start);
    end = Clamp(end);
    if (end < start)
        std::swap(start, end);
    if (start == end)
        return true;
    const bool ownGroup = !m_undo.groupOpen();
    if (ownGroup)
        OpenUndoGroup(false);
    std::vector<std::string> lines = linesHoldingCr(start, end);
    std::string erased = eraseInner(sourceView, start, end);
    addUndoRecord(false, start, end, action, std::move(erased), std::move(lines));
    if (ownGroup)
        CloseUndoGroup(sourceView);
    return true;
}

void CTextBuffer::OpenUndoGroup(bool mergeWithPrevious)
{
    m_undo.openGroup(mergeWithPrevious);
}

void CTextBuffer::CloseUndoGroup(TextBufferWatcher* sourceView)
{
    // A group that recorded nothing must not hand an earlier command's record to the hook.
    if (sourceView && m_undo.groupHasRecords()) {
        m_undo.startNewGroupNext();
        const UndoRecord& last = m_undo.record(m_undo.position() - 1);
        // The hook may add records, which may move the array: pass copies.
        const UndoAction action = last.action;
        const std::string text = last.text;
        sourceView->AfterEdit(action, text);
    }
    m_undo.closeGroup();
}

bool CTextBuffer::UndoGroup(TextPos& cursor)
{
    if (!mayEdit() || !m_undo.hasUndo())
        return false;
    for (const UndoRecord* r : m_undo.takeUndoGroup()) {
        if (r->inserted) {
            eraseInner(nullptr, r->start, r->end);
            cursor = r->start;
        } else {
            cursor = r->lines.empty() ? insertInner(nullptr, r->start, r->text)
                                      : insertPieces(nullptr, r->start, {r->lines.begin(), r->lines.end()});
        }
    }
    updateModifiedAfterUndo();
    return true;
}

bool CTextBuffer::RedoGroup(TextPos& cursor)
{
    if (!mayEdit() || !m_undo.hasRedo())
        return false;
    for (const UndoRecord* r : m_undo.takeRedoGroup()) {
        if (r->inserted) {
            cursor = insertInner(nullptr, r->start, r->text);
        } else {
            eraseInner(nullptr, r->start, r->end);
            cursor = r->start;
        }
    }
    updateModifiedAfterUndo();
    return true;
}

void CTextBuffer::updateModifiedAfterUndo()
{
    if (m_modified && m_undo.atSavePoint())
        MarkModified(false);
    else if (!m_modified && !m_undo.atSavePoint())
        MarkModified(true);
}

std::string CTextBuffer::ActionCaption(UndoAction action) const
{
    return std::string(actionDescription(action));
}

std::string CTextBuffer::UndoCaption() const
{
    const auto action = m_undo.undoAction();
    return action ? ActionCaption(*action) : std::string();
}

std::string CTextBuffer::RedoCaption() const
{
    const auto action = m_undo.redoAction();
    return action ? ActionCaption(*action) : std::string();
}

void CTextBuffer::ChangeLineFlag(int line, std::uint32_t flag, bool set, bool removeFromPreviousLine)
{
    if (!std::has_single_bit(flag))
        return;
    if (line == -1) {
        line = LineWithFlag(flag);
        if (line == -1)
            return;
        removeFromPreviousLine = false;
    }
    if (line < 0 || line >= LineCount())
        return;
    const bool has = (LineFlags(line) & flag) != 0;
    if (has == set)
        return;
    if (removeFromPreviousLine) {
        const int previous = LineWithFlag(flag);
        if (previous >= 0) {
            lineAt(previous).flags &= ~flag;
            NotifyViews(nullptr, nullptr, update_flag::kSingleLine | update_flag::kFlagsOnly, previous);
        }
    }
    TextLine& target = lineAt(line);
    target.flags = set ? (target.flags | flag) : (target.flags & ~flag);
    NotifyViews(nullptr, nullptr, update_flag::kSingleLine | update_flag::kFlagsOnly, line);
}

int CTextBuffer::LineWithFlag(std::uint32_t flag) const
{
    for (int line = 0; line < LineCount(); ++line) {
        if (LineFlags(line) & flag)
            return line;
    }
    return -1;
}

int CTextBuffer::NextBookmarkLine(int line) const
{
    const int count = LineCount();
    for (int step = 1; step <= count; ++step) {
        const int candidate = ((line + step) % count + count) % count;
        if (LineFlags(candidate) & line_flag::kBookmark)
            return candidate;
    }
    return -1;
}

int CTextBuffer::PrevBookmarkLine(int line) const
{
    const int count = LineCount();
    for (int step = 1; step <= count; ++step) {
        const int candidate = ((line - step) % count + count) % count;
        if (LineFlags(candidate) & line_flag::kBookmark)
            return candidate;
    }
    return -1;
}

} // namespace orv
