// The text of one document: its lines, file loading and saving with three line-end styles,
// every change of the text with grouped undo and redo, line flags (bookmarks), and the
// change notices to the views registered with it.
#pragma once

#include "text/GapArray.h"
#include "text/TextBufferWatcher.h"
#include "text/TextConstants.h"
#include "text/TextEncoding.h"
#include "text/TextLine.h"
#include "text/TextPos.h"
#include "text/UndoHistory.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class CTextBuffer {
public:
    CTextBuffer();
    virtual ~CTextBuffer() = default;
    CTextBuffer(const CTextBuffer&) = delete;
    CTextBuffer& operator=(const CTextBuffer&) = delete;

    // Reading.
    int LineCount() const { return static_cast<int>(m_lines.size()); }
    int LineLength(int line) const { return m_lines[static_cast<std::size_t>(line)].length(); }
    std::string_view LineText(int line) const { return m_lines[static_cast<std::size_t>(line)].text(); }
    std::uint32_t LineFlags(int line) const { return m_lines[static_cast<std::size_t>(line)].flags; }
    LineEnd LineEndStyle() const { return m_style; }
    void SetLineEndStyle(LineEnd style) { m_style = style; }
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool IsLoaded() const { return m_loaded; }
    bool IsModified() const { return m_modified; }
    // How the bytes are read as characters, decided when the text is read: UTF-8 when every
    // line is valid UTF-8 (a new text too), else Windows-1252. The bytes stay as they are.
    TextEncoding Encoding() const { return m_encoding; }
    // The end of the text (after the last character of the last line).
    TextPos EndPos() const;
    // A position clamped into the text.
    TextPos Clamp(TextPos p) const;
    // The text of a range with `separator` between its lines.
    std::string CopyRange(TextPos start, TextPos end, std::string_view separator = "\r\n") const;

    // A copy of the text for another thread, taken in slices while this buffer's thread goes
    // on editing: the lines change only under a lock that each slice takes too. Appends the
    // lines [first, first + count) to out, each but the text's first after an LF, and tells
    // the text's edit count and line count as the slice saw them: slices that saw different
    // edit counts are not of one text.
    struct SharedSlice {
        std::uint64_t edits = 0;
        int lineCount = 0;
    };
    SharedSlice CopyLinesShared(int first, int count, std::string& out) const;

    // Lifecycle.
    void CreateEmpty(LineEnd style = LineEnd::crLf);
    // `style` -1 detects the style from the file. On failure the buffer is unchanged.
    bool LoadText(const std::string& path, int style = -1);
    // Writes through a temporary file that atomically replaces the target; a failure at
    // any step leaves the target as it was. `style` -1 saves in the buffer's style.
    bool StoreText(const std::string& path, int style = -1, bool clearModified = true);
    // Loads text held in memory as if read from a file (writable, unmodified).
    void LoadBytes(std::string_view bytes, int style = -1);
    // Loads text kept from a document that was never saved as it stands (a recovered one): read
    // in the given style and encoding, modified, and no undo makes it unmodified.
    void LoadUnsavedBytes(std::string_view bytes, LineEnd style, TextEncoding encoding);
    // Why the last LoadText or StoreText failed.
    const std::string& LastFileError() const { return m_fileError; }
    void ReleaseAll();
    void AttachView(TextBufferWatcher* view);
    void DetachView(TextBufferWatcher* view);

    // Editing; false without change when the buffer is read-only or not loaded.
    bool InsertTextAt(TextBufferWatcher* sourceView, TextPos at, std::string_view text,
                      TextPos& end, UndoAction action = UndoAction::unknown);
    bool EraseRange(TextBufferWatcher* sourceView, TextPos start, TextPos end,
                    UndoAction action = UndoAction::unknown);

    // Undo.
    bool HasUndo() const { return m_undo.hasUndo(); }
    bool HasRedo() const { return m_undo.hasRedo(); }
    bool UndoGroup(TextPos& cursor);
    bool RedoGroup(TextPos& cursor);
    void OpenUndoGroup(bool mergeWithPrevious = false);
    void CloseUndoGroup(TextBufferWatcher* sourceView);
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    virtual std::string ActionCaption(UndoAction action) const;
    const UndoHistory& undoHistory() const { return m_undo; }

    // Line flags: only a flag of exactly one bit acts. Line -1: the line that carries it.
    void ChangeLineFlag(int line, std::uint32_t flag, bool set, bool removeFromPreviousLine);
    int LineWithFlag(std::uint32_t flag) const;
    int NextBookmarkLine(int line) const;
    int PrevBookmarkLine(int line) const;

    void NotifyViews(const TextBufferWatcher* sourceView, const TextChange* change, unsigned updateFlags,
                     int line);

protected:
    // The document's hook; the buffer's own version keeps its own modified flag.
    virtual void MarkModified(bool modified);

private:
    TextLine& lineAt(int line) { return m_lines[static_cast<std::size_t>(line)]; }
    bool mayEdit() const { return m_loaded && !m_readOnly; }
    void resetContents(std::vector<TextLine> lines, LineEnd style);
    // The changes themselves, without undo records: shared by editing, undo and redo.
    TextPos insertInner(const TextBufferWatcher* sourceView, TextPos at, std::string_view text);
    TextPos insertPieces(const TextBufferWatcher* sourceView, TextPos at, const std::vector<std::string_view>& pieces);
    // The lines of a range when one of them holds a CR, else nothing.
    std::vector<std::string> linesHoldingCr(TextPos start, TextPos end) const;
    std::string eraseInner(const TextBufferWatcher* sourceView, TextPos start, TextPos end);
    void afterChange(const TextBufferWatcher* sourceView, const TextChange& change);
    void addUndoRecord(bool inserted, TextPos start, TextPos end, UndoAction action, std::string text,
                       std::vector<std::string> lines = {});
    void updateModifiedAfterUndo();

    bool m_loaded = false;
    bool m_readOnly = false;
    bool m_modified = false;
    LineEnd m_style = LineEnd::crLf;
    TextEncoding m_encoding = TextEncoding::utf8;
    GapArray<TextLine> m_lines;
    UndoHistory m_undo;
    std::vector<TextBufferWatcher*> m_views;
    std::string m_fileError;
    // Held by this buffer's thread while it changes lines, and by CopyLinesShared.
    mutable std::mutex m_linesLock;
    std::uint64_t m_edits = 0;  // changes of the lines, counted under m_linesLock
};

} // namespace orv
