// The editing commands: typing and its undo grouping, Enter with auto indent, Delete and
// Backspace, Tab and Shift+Tab, Cut/Copy/Paste, overwrite mode and the undo menu texts.
#include "text/TextEditModel.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

class Edit : public testing::Test {
protected:
    void SetUp() override { edit.setTabSize(4); }
    void load(const std::string& text)
    {
        fill(buffer, text);
        edit.reset();
    }
    void type(const std::string& text)
    {
        for (const char c : text)
            edit.typeChar(c);
    }
    std::vector<std::string> lines() const { return linesOf(buffer); }

    CTextBuffer buffer;
    MemoryClipboard clipboard;
    TextEditModel edit{&buffer, &clipboard};
};

TEST_F(Edit, TypingMergesRunsAndABlankStartsANewGroup)
{
    buffer.CreateEmpty();
    type("ab cd");
    EXPECT_EQ(lines(), std::vector<std::string>{"ab cd"});
    EXPECT_EQ(edit.cursor(), (TextPos{5, 0}));
    EXPECT_EQ(edit.undoMenuText(), "&Undo Typing\tCtrl+Z");
    ASSERT_TRUE(edit.undo());
    EXPECT_EQ(lines(), std::vector<std::string>{"ab"});
    EXPECT_EQ(edit.cursor(), (TextPos{2, 0}));
    ASSERT_TRUE(edit.undo());
    EXPECT_EQ(lines(), std::vector<std::string>{""});
    EXPECT_FALSE(edit.undo());
    EXPECT_EQ(edit.undoMenuText(), "&Undo\tCtrl+Z");
    EXPECT_EQ(edit.redoMenuText(), "&Redo Typing\tCtrl+Y");
    edit.redo();
    edit.redo();
    EXPECT_EQ(edit.redoMenuText(), "&Redo\tCtrl+Y");
    EXPECT_EQ(lines(), std::vector<std::string>{"ab cd"});
}

TEST_F(Edit, TypingAfterAPasteUndoesWithThePaste)
{
    buffer.CreateEmpty();
    clipboard.setText("pasted");
    edit.paste();
    type("abcde");
    edit.undo();
    EXPECT_EQ(lines(), std::vector<std::string>{""});
}

TEST_F(Edit, TypingReplacesTheSelectionAndOverwriteReplacesTheNextCharacter)
{
    load("hello world");
    edit.setSelection({0, 0}, {5, 0});
    type("J");
    EXPECT_EQ(lines(), std::vector<std::string>{"J world"});
    EXPECT_EQ(buffer.undoHistory().record(buffer.undoHistory().size() - 2).action, UndoAction::deleteSelection);
    edit.toggleOverwrite();
    type("xyzzyabc");
    EXPECT_EQ(lines(), std::vector<std::string>{"Jxyzzyabc"});
    // Control characters other than CR do nothing.
    EXPECT_FALSE(edit.typeChar('\x08'));
    EXPECT_FALSE(edit.typeChar('\x7f'));
}

TEST_F(Edit, EnterCopiesTheIndentationAboveAsItsOwnUndoGroup)
{
    load("\t  code");
    edit.setCursor({7, 0});
    type("\r");
    EXPECT_EQ(lines(), (std::vector<std::string>{"\t  code", "\t  "}));
    EXPECT_EQ(edit.cursor(), (TextPos{3, 1}));
    EXPECT_EQ(buffer.UndoCaption(), "Auto Indent");
    edit.undo();
    EXPECT_EQ(lines(), (std::vector<std::string>{"\t  code", ""}));
    edit.undo();
    EXPECT_EQ(lines(), std::vector<std::string>{"\t  code"});
}

TEST_F(Edit, EnterInOverwriteModeOnlyMovesDownExceptOnTheLastLine)
{
    load("  one\r\ntwo");
    edit.toggleOverwrite();
    edit.setCursor({3, 0});
    type("\r");
    EXPECT_EQ(edit.cursor(), (TextPos{0, 1}));
    EXPECT_FALSE(buffer.HasUndo());
    edit.setCursor({3, 1});
    type("\r");
    // A new line without auto indent in overwrite mode.
    EXPECT_EQ(lines(), (std::vector<std::string>{"  one", "two", ""}));
}

TEST_F(Edit, DeleteAndBackspaceJoinLinesAndStopAtTheEnds)
{
    load("ab\r\ncd");
    edit.setCursor({2, 0});
    ASSERT_TRUE(edit.deleteForward());
    EXPECT_EQ(lines(), std::vector<std::string>{"abcd"});
    EXPECT_EQ(buffer.UndoCaption(), "Delete");
    edit.setCursor({4, 0});
    EXPECT_FALSE(edit.deleteForward());
    edit.undo();
    edit.setCursor({0, 1});
    ASSERT_TRUE(edit.backspace());
    EXPECT_EQ(lines(), std::vector<std::string>{"abcd"});
    EXPECT_EQ(edit.cursor(), (TextPos{2, 0}));
    EXPECT_EQ(buffer.UndoCaption(), "Backspace");
    edit.setCursor({0, 0});
    EXPECT_FALSE(edit.backspace());
    edit.setSelection({1, 0}, {3, 0});
    ASSERT_TRUE(edit.backspace());
    EXPECT_EQ(lines(), std::vector<std::string>{"ad"});
}

TEST_F(Edit, TabIndentsTheSelectedLinesInOneGroup)
{
    load("l1\r\nline2\r\nl3\r\nl4\r\nl5\r\nl6");
    // From the middle of line 2 to the start of line 5 (lines counted from 1).
    edit.setSelection({2, 1}, {0, 4});
    ASSERT_TRUE(edit.tab());
    EXPECT_EQ(lines(), (std::vector<std::string>{"l1", "\tline2", "\tl3", "\tl4", "l5", "l6"}));
    EXPECT_EQ(edit.selection(), (TextRange{{0, 1}, {0, 4}}));
    EXPECT_EQ(buffer.UndoCaption(), "Indent");
    edit.undo();
    EXPECT_EQ(lines(), (std::vector<std::string>{"l1", "line2", "l3", "l4", "l5", "l6"}));
}

TEST_F(Edit, TabUpToTheLastLineSelectsToTheEndOfTheText)
{
    load("a\r\nb");
    edit.setSelection({0, 0}, {1, 1});
    edit.tab();
    EXPECT_EQ(lines(), (std::vector<std::string>{"\ta", "\tb"}));
    EXPECT_EQ(edit.selection(), (TextRange{{0, 0}, {2, 1}}));
}

TEST_F(Edit, TabWithoutALineSelectionTypesATabOrMovesInOverwriteMode)
{
    load("abcdefgh");
    edit.setSelection({1, 0}, {3, 0});
    edit.tab();
    EXPECT_EQ(lines(), std::vector<std::string>{"a\tdefgh"});
    EXPECT_EQ(buffer.UndoCaption(), "Delete Selection");  // the group begins with the deletion
    edit.toggleOverwrite();
    edit.setCursor({0, 0});
    edit.tab();
    EXPECT_EQ(edit.cursor(), (TextPos{2, 0}));  // stops after the tab character
    edit.tab();
    EXPECT_EQ(edit.cursor(), (TextPos{6, 0}));  // column 4 -> 8
    edit.setCursor({7, 0});
    edit.tab();
    EXPECT_EQ(edit.cursor(), (TextPos{8, 0}));  // at the end of the line: a tab is typed
    EXPECT_EQ(lines(), std::vector<std::string>{"a\tdefgh\t"});
}

TEST_F(Edit, ShiftTabRemovesBlanksUpToTheTabSizeAndATabAfterFewerBlanks)
{
    load("  \tx\r\n      y\r\n\r\n\tz\r\nw");
    edit.setSelection({0, 0}, {1, 4});
    ASSERT_TRUE(edit.shiftTab());
    EXPECT_EQ(lines(), (std::vector<std::string>{"x", "  y", "", "z", "w"}));
    EXPECT_EQ(buffer.UndoCaption(), "Indent");
    edit.undo();
    EXPECT_EQ(lines(), (std::vector<std::string>{"  \tx", "      y", "", "\tz", "w"}));
}

TEST_F(Edit, ShiftTabOnOneLineMovesTheCursorToThePreviousTabStop)
{
    load("\tabcdefgh");
    const std::vector<std::pair<int, int>> fromTo = {{9, 5}, {5, 1}, {1, 0}, {0, 0}, {7, 5}};
    for (const auto& [from, to] : fromTo) {
        edit.setCursor({from, 0});
        edit.shiftTab();
        EXPECT_EQ(edit.cursor().ch, to) << "from " << from;
    }
    EXPECT_FALSE(buffer.HasUndo());
}

TEST_F(Edit, AZeroTabSizeBehavesAsOne)
{
    load("a\tb");
    edit.setTabSize(0);
    EXPECT_EQ(edit.tabSize(), 1);
    edit.setCursor({3, 0});
    EXPECT_EQ(edit.cursorColumn(), 3);
}

TEST_F(Edit, CutAndCopyGiveLfLineEndsAndPasteTakesThemBack)
{
    load("one\r\ntwo");
    EXPECT_FALSE(edit.canCut());
    EXPECT_FALSE(edit.copy(clipboard));
    EXPECT_FALSE(clipboard.hasText());  // an empty text is not put on the clipboard
    edit.setSelection({1, 0}, {2, 1});
    ASSERT_TRUE(edit.cut());
    // Other programs on the desktop end lines with LF.
    EXPECT_EQ(clipboard.text(), "ne\ntw");
    EXPECT_EQ(lines(), std::vector<std::string>{"oo"});
    EXPECT_EQ(edit.cursor(), (TextPos{1, 0}));
    EXPECT_EQ(buffer.UndoCaption(), "Cut");
    edit.paste();
    edit.paste();
    EXPECT_EQ(lines(), (std::vector<std::string>{"one", "twne", "two"}));
    EXPECT_EQ(edit.cursor(), (TextPos{2, 2}));
    EXPECT_EQ(buffer.UndoCaption(), "Paste");
}

TEST_F(Edit, TextFromOtherProgramsBreaksLinesAtEveryLineEnd)
{
    struct Case {
        std::string pasted;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"a\nb", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\n\nb\n", {"a", "", "b", ""}},
        {"a\r\n\nb\rc", {"a", "", "b", "c"}},
        {"proc f() {\n\tprint 1;\n}", {"proc f() {", "\tprint 1;", "}"}},
    };
    for (const Case& c : cases) {
        buffer.CreateEmpty();
        clipboard.setText(c.pasted);
        ASSERT_TRUE(edit.paste());
        EXPECT_EQ(lines(), c.lines) << c.pasted;
        EXPECT_EQ(edit.cursor(), buffer.EndPos()) << c.pasted;
        // One undo takes the whole paste away.
        edit.undo();
        EXPECT_EQ(lines(), std::vector<std::string>{""}) << c.pasted;
    }
    // A drop from another program is split the same way.
    load("xy");
    ASSERT_TRUE(edit.dropText({1, 0}, "1\n2"));
    EXPECT_EQ(lines(), (std::vector<std::string>{"x1", "2y"}));
    EXPECT_EQ(edit.selectedText(), "1\r\n2");
    // The buffer's own rule stands: a lone LF inserted by the program itself is a character.
    TextPos end;
    buffer.InsertTextAt(nullptr, {0, 0}, "a\nb", end);
    EXPECT_EQ(buffer.LineText(0), "a\nbx1");
}

TEST_F(Edit, NothingChangesAReadOnlyBuffer)
{
    TempDir dir;
    writeFile(dir.file("ro.mel"), "text");
    std::filesystem::permissions(dir.file("ro.mel"), std::filesystem::perms::owner_read);
    ASSERT_TRUE(buffer.LoadText(dir.file("ro.mel")));
    clipboard.setText("x");
    edit.selectAll();
    EXPECT_FALSE(edit.canEdit());
    EXPECT_FALSE(edit.typeChar('a'));
    EXPECT_FALSE(edit.paste());
    EXPECT_FALSE(edit.cut());
    EXPECT_FALSE(edit.tab());
    EXPECT_FALSE(edit.deleteForward());
    EXPECT_TRUE(edit.copy(clipboard));
    EXPECT_EQ(lines(), std::vector<std::string>{"text"});
}

TEST_F(Edit, AnotherViewsPositionsFollowTheChange)
{
    load("abc\r\ndef");
    TextViewModel other(&buffer);
    other.setSelection({1, 1}, {3, 1});
    edit.setCursor({1, 0});
    type("\r");
    EXPECT_EQ(other.selection(), (TextRange{{1, 2}, {3, 2}}));
    edit.setSelection({0, 0}, {2, 2});
    edit.deleteForward();
    EXPECT_EQ(other.selection(), (TextRange{{0, 0}, {1, 0}}));
}

} // namespace

namespace {

class DragAndDrop : public Edit {};

TEST_F(DragAndDrop, AMoveWithinTheViewInsertsSelectsAndDeletesTheSourceInOneUndo)
{
    load("one two three");
    edit.setSelection({4, 0}, {8, 0});  // "two "
    edit.beginDrag();
    ASSERT_TRUE(edit.dropText({13, 0}, " two"));
    EXPECT_EQ(edit.selectedText(), " two");
    edit.endDrag(true);
    EXPECT_EQ(lines(), std::vector<std::string>{"one three two"});
    EXPECT_EQ(buffer.UndoCaption(), "Drag And Drop");
    edit.undo();
    EXPECT_EQ(lines(), std::vector<std::string>{"one two three"});
}

TEST_F(DragAndDrop, ADropIntoTheDraggedSelectionOnlyMovesTheCursor)
{
    load("one two three");
    edit.setSelection({4, 0}, {7, 0});
    edit.beginDrag();
    EXPECT_FALSE(edit.dropText({5, 0}, "two"));
    edit.endDrag(true);
    EXPECT_EQ(lines(), std::vector<std::string>{"one two three"});
    EXPECT_EQ(edit.cursor(), (TextPos{5, 0}));
    EXPECT_FALSE(buffer.HasUndo());
}

TEST_F(DragAndDrop, ACopyToAnotherViewLeavesTheSource)
{
    load("abc\r\nxyz");
    TextEditModel other(&buffer);
    edit.setSelection({0, 1}, {3, 1});
    edit.beginDrag();
    ASSERT_TRUE(other.dropText({0, 0}, "xyz"));
    edit.endDrag(false);
    EXPECT_EQ(lines(), (std::vector<std::string>{"xyzabc", "xyz"}));
    // A move from the other view deletes the source range, which followed the drop.
    edit.setSelection({0, 1}, {3, 1});
    edit.beginDrag();
    other.dropText({3, 0}, "xyz");
    edit.endDrag(true);
    EXPECT_EQ(lines(), (std::vector<std::string>{"xyzxyzabc", ""}));
}

} // namespace

namespace {

// A command that ends up changing nothing must not run the hook on the record of an
// earlier command: after Enter below an unindented line, a Shift+Tab over lines without
// indentation or a Paste of an empty text would otherwise repeat that Enter's auto indent.
// The empty Paste is still a group of its own (its insertion records itself), named "Paste".
TEST_F(Edit, ACommandThatChangesNothingRunsNoAutoIndent)
{
    struct Case {
        const char* name;
        void (*command)(TextEditModel&, MemoryClipboard&);
        const char* caption;  // of the last group after the command
    };
    const std::vector<Case> cases = {
        {"ShiftTabOverUnindentedLines",
         [](TextEditModel& e, MemoryClipboard&) {
             e.setSelection({1, 4}, {0, 3});  // the cursor is below the indented line
             e.shiftTab();
         },
         "Typing"},
        {"PasteOfAnEmptyText",
         [](TextEditModel& e, MemoryClipboard& c) {
             c.setText("");
             e.setCursor({0, 3});
             e.paste();
         },
         "Paste"},
    };
    for (const Case& c : cases) {
        load("top\r\n\tind\r\nx\r\ny");
        edit.setCursor({3, 0});
        type("\r");  // "top" has no indentation: the Enter's record is the last one
        const auto before = lines();
        c.command(edit, clipboard);
        EXPECT_EQ(lines(), before) << c.name;
        EXPECT_EQ(buffer.UndoCaption(), c.caption) << c.name;
        while (buffer.HasUndo() && buffer.UndoCaption() != "Typing")
            edit.undo();
        edit.undo();
        EXPECT_EQ(lines(), (std::vector<std::string>{"top", "\tind", "x", "y"})) << c.name;
    }
}

} // namespace
