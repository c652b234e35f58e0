// What an edit view decides without a screen: every command that changes the text
// (typing, Enter with auto indent, Delete, Backspace, Tab and Shift+Tab, Cut and Paste,
// overwrite mode, undo and redo with their menu texts), each through the buffer's undo groups.
#pragma once

#include "text/TextViewModel.h"

#include <optional>
#include <string>

namespace orv {

class TextEditModel : public TextViewModel {
public:
    explicit TextEditModel(CTextBuffer* buffer = nullptr, Clipboard* clipboard = nullptr);

    void setClipboard(Clipboard* clipboard) { m_clipboard = clipboard; }
    Clipboard* clipboard() const { return m_clipboard; }

    // There is a buffer and it is not read-only; every command below does nothing otherwise.
    bool canEdit() const;

    // A typed byte of the text's encoding: CR is Enter, other characters below 32 (and DEL)
    // are ignored.
    bool typeChar(char c);
    // Typed UTF-8 text, one character after the other, each in the text's encoding (in
    // Windows-1252 a character the code page lacks becomes '?').
    bool typeText(std::string_view utf8);
    bool deleteForward();
    bool backspace();
    bool tab();
    bool shiftTab();

    bool overwrite() const { return m_overwrite; }
    void toggleOverwrite() { m_overwrite = !m_overwrite; }
    bool autoIndent() const { return m_autoIndent; }
    void setAutoIndent(bool on) { m_autoIndent = on; }

    bool canCut() const { return canEdit() && hasSelection(); }
    bool canCopy() const { return hasSelection(); }
    bool canPaste() const { return canEdit() && m_clipboard && m_clipboard->hasText(); }
    bool cut();
    // Inserts the clipboard's text as text from outside (see textFromOutside).
    bool paste();
    // UTF-8 text from another program (the clipboard, a drop) as the buffer takes it: in its
    // encoding, with every line end (CR LF, LF or a lone CR) a line break.
    std::string textFromOutside(std::string_view utf8) const;

    bool undo();
    bool redo();
    // "&Undo Typing<TAB>Ctrl+Z" or "&Undo<TAB>Ctrl+Z"; likewise for redo.
    std::string undoMenuText() const;
    std::string redoMenuText() const;

    // Replaces the selection (or inserts at the cursor) in one undo group, cursor after the
    // text: what a drop or a programmatic change does.
    bool replaceSelection(const std::string& text, UndoAction action);
    // Deletes the selection with an action of its own group; false without a selection.
    bool deleteSelection(UndoAction action);

    // Drag and drop of text. The selection becomes the dragged range of this view; it
    // follows later changes of the text until the drag ends.
    void beginDrag();
    bool isDragSource() const { return m_dragRange.has_value(); }
    // A drop inserts the text (UTF-8 from outside) at a position (action 7) and selects it; a
    // drop into this view's own dragged selection only moves the cursor and cancels the drag.
    bool dropText(TextPos at, const std::string& text);
    // The end of a drag from this view: a move deletes the dragged range (action 7); a move
    // within this view undoes together with its drop.
    void endDrag(bool moved);

    void AfterEdit(UndoAction action, const std::string& text) override;
    void onTextUpdate(const TextBufferWatcher* source, const TextChange* change, unsigned updateFlags,
                      int line) override;

protected:
    void onReset() override;

private:
    bool enter();
    // One printable character, its bytes in the text's encoding.
    bool typePrintable(std::string_view character);
    // The lines a selection over several lines covers for Tab and Shift+Tab.
    bool linesOfSelection(int& first, int& last) const;
    // The selection widened to whole lines: to the next line's start or the text's end.
    void selectWholeLines(int first, int last);
    // Tab and Shift+Tab over a selection of several lines; false for any other selection.
    bool reindentSelectedLines(bool indent);
    void indentLines(int first, int last);
    void unindentLines(int first, int last);
    TextPos nextTabStopRight() const;
    TextPos previousTabStopLeft() const;

    Clipboard* m_clipboard = nullptr;
    std::optional<TextRange> m_dragRange;
    bool m_droppedHere = false;
    bool m_overwrite = false;
    bool m_autoIndent = true;
};

} // namespace orv
