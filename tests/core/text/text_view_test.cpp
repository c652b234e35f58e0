// Cursor moves, word and line selection, bookmarks with their margin marks and the status
// texts of a view.
#include "text/DisplayLengthCache.h"
#include "text/TabColumns.h"
#include "text/TextViewModel.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

class View : public testing::Test {
protected:
    void load(const std::string& text)
    {
        fill(buffer, text);
        view.reset();
    }
    CTextBuffer buffer;
    TextViewModel view{&buffer};
};

TEST_F(View, CursorMovesFromOnePositionToTheNext)
{
    load("int $x = 1;\r\n\tfoo_bar(a.b);\r\nz");
    struct Case {
        TextPos from;
        CursorMove how;
        TextPos to;
    };
    const std::vector<Case> cases = {
        {{0, 0}, CursorMove::charLeft, {0, 0}},
        {{0, 1}, CursorMove::charLeft, {11, 0}},
        {{11, 0}, CursorMove::charRight, {0, 1}},
        {{1, 2}, CursorMove::charRight, {1, 2}},
        {{0, 0}, CursorMove::wordRight, {4, 0}},
        {{4, 0}, CursorMove::wordRight, {5, 0}},
        {{11, 0}, CursorMove::wordRight, {0, 1}},
        {{1, 1}, CursorMove::wordRight, {8, 1}},
        {{8, 1}, CursorMove::wordLeft, {1, 1}},
        {{1, 1}, CursorMove::wordLeft, {0, 1}},
        {{0, 1}, CursorMove::wordLeft, {11, 0}},
        {{8, 0}, CursorMove::wordLeft, {7, 0}},
        {{5, 1}, CursorMove::lineStart, {0, 1}},
        {{5, 1}, CursorMove::lineEnd, {14, 1}},
        {{5, 1}, CursorMove::textStart, {0, 0}},
        {{5, 0}, CursorMove::textEnd, {1, 2}},
        // Vertical moves keep the column with tabs expanded: column 5 on line 0 is
        // character 2 after the tab on line 1.
        {{5, 0}, CursorMove::lineDown, {2, 1}},
        {{5, 0}, CursorMove::lineUp, {5, 0}},
        {{5, 1}, CursorMove::pageDown, {1, 2}},
    };
    view.setTabSize(4);
    for (const Case& c : cases) {
        view.setCursor(c.from);
        view.move(c.how, false);
        EXPECT_EQ(view.cursor(), c.to) << "move " << static_cast<int>(c.how) << " from " << c.from.ch << "," << c.from.line;
        EXPECT_FALSE(view.hasSelection());
    }
}

TEST_F(View, VerticalMovesRememberTheColumnOverShortLines)
{
    load("abcdefgh\r\nab\r\nabcdefgh");
    view.setCursor({6, 0});
    view.move(CursorMove::lineDown, false);
    EXPECT_EQ(view.cursor(), (TextPos{2, 1}));
    view.move(CursorMove::lineDown, true);
    EXPECT_EQ(view.cursor(), (TextPos{6, 2}));
    EXPECT_EQ(view.selection(), (TextRange{{2, 1}, {6, 2}}));
    view.move(CursorMove::charLeft, true);
    view.move(CursorMove::lineUp, false);
    EXPECT_EQ(view.cursor(), (TextPos{2, 1}));
}

TEST_F(View, WordLineAndAllSelection)
{
    load("proc foo_1(){\r\nx");
    view.selectWordAt({6, 0});
    EXPECT_EQ(view.selectedText(), "foo_1");
    view.selectWordAt({10, 0});  // just after a word
    EXPECT_EQ(view.selectedText(), "foo_1");
    view.selectWordAt({12, 0});  // between brackets: nothing
    EXPECT_FALSE(view.hasSelection());
    view.extendByWords(view.wordAt({1, 0}), {0, 1});
    EXPECT_EQ(view.selection(), (TextRange{{0, 0}, {1, 1}}));
    view.extendByWords(view.wordAt({7, 0}), {2, 0});
    EXPECT_EQ(view.anchor(), (TextPos{10, 0}));
    EXPECT_EQ(view.cursor(), (TextPos{0, 0}));
    view.selectLine(0);
    EXPECT_EQ(view.selectedText(), "proc foo_1(){\r\n");
    view.selectLine(1);
    EXPECT_EQ(view.selectedText(), "x");
    view.selectAll();
    EXPECT_EQ(view.selection(), (TextRange{{0, 0}, {1, 1}}));
}

TEST_F(View, NumberedBookmarksMoveAndPlainBookmarksWrap)
{
    load("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9");
    view.setCursor({0, 2});  // line 3
    view.toggleNumberedBookmark(5);
    view.setCursor({0, 7});  // line 8
    view.toggleNumberedBookmark(5);
    EXPECT_EQ(buffer.LineWithFlag(line_flag::numberedBookmark(5)), 7);
    EXPECT_EQ(buffer.LineFlags(2), 0u);
    view.setCursor({1, 0});
    ASSERT_TRUE(view.goToNumberedBookmark(5));
    EXPECT_EQ(view.cursor(), (TextPos{0, 7}));
    view.toggleNumberedBookmark(5);
    EXPECT_FALSE(view.goToNumberedBookmark(5));
    view.toggleNumberedBookmark(1);
    view.clearNumberedBookmarks();
    EXPECT_EQ(buffer.LineWithFlag(line_flag::numberedBookmark(1)), -1);

    EXPECT_FALSE(view.hasBookmarks());
    EXPECT_FALSE(view.goToNextBookmark());
    view.setCursor({0, 1});
    view.toggleBookmark();
    view.setCursor({0, 6});
    view.toggleBookmark();
    EXPECT_TRUE(view.hasBookmarks());
    ASSERT_TRUE(view.goToNextBookmark());  // F2 on line 7 wraps to line 2
    EXPECT_EQ(view.cursor(), (TextPos{0, 1}));
    ASSERT_TRUE(view.goToPrevBookmark());
    EXPECT_EQ(view.cursor(), (TextPos{0, 6}));
    view.clearBookmarks();
    EXPECT_FALSE(view.hasBookmarks());
}

TEST_F(View, StatusTextsCountFromOneWithATabAsOneCharacter)
{
    load("\tx");
    view.setTabSize(4);
    view.setCursor({2, 0});
    EXPECT_EQ(view.positionText(), "Ln 1, Col 3");
    EXPECT_EQ(view.cursorColumn(), 5);
    EXPECT_EQ(displayColumn("\tx", 1, 4), 4);  // x shows at column 4
    EXPECT_EQ(view.lineEndText(), "DOS");
    buffer.SetLineEndStyle(LineEnd::lfCr);
    EXPECT_EQ(view.lineEndText(), "UNIX");
    buffer.SetLineEndStyle(LineEnd::lf);
    EXPECT_EQ(view.lineEndText(), "MAC");
}

TEST(MarginMarks, TheFirstFlagOfTheOrderPicksTheCell)
{
    using line_flag::marginMarkCell;
    const std::vector<std::pair<std::uint32_t, int>> cases = {
        {0, -1}, {0x10000, 0}, {0x20000, 1}, {0x40000, 2}, {0x2, 3}, {0x200, 11}, {0x1, 12},
        {line_flag::kBookmark, 13}, {0x100000, 14}, {0x400, -1},
        // Bookmark 1 shows before bookmark 0, and both before the plain bookmark.
        {0x1 | 0x2 | line_flag::kBookmark, 3}, {0x1 | line_flag::kBookmark, 12}, {0x100000 | 0x40000, 2}};
    for (const auto& [flags, cell] : cases)
        EXPECT_EQ(marginMarkCell(flags), cell) << std::hex << flags;
}

TEST(TabColumns, ColumnsAndCharactersMapBothWays)
{
    EXPECT_EQ(displayLength("a\tb\t", 4), 8);
    EXPECT_EQ(displayLength("a\tb", 1), 3);
    EXPECT_EQ(charAtColumn("a\tb", 2, 4), 1);  // inside the tab
    EXPECT_EQ(charAtColumn("a\tb", 4, 4), 2);
    EXPECT_EQ(charAtColumn("a\tb", 99, 4), 3);
    EXPECT_EQ(expandTabs("a\tbcdef\tg", 4), "a   bcdef   g");
}

TEST_F(View, AResetOfTheBufferResetsTheView)
{
    load("abc\r\ndef");
    view.setSelection({1, 0}, {2, 1});
    buffer.CreateEmpty();
    EXPECT_EQ(view.cursor(), (TextPos{0, 0}));
    EXPECT_FALSE(view.hasSelection());
    load("abc\r\ndef");
    view.setCursor({2, 1});
    buffer.ReleaseAll();
    EXPECT_EQ(view.cursor(), (TextPos{0, 0}));
    EXPECT_EQ(view.positionText(), "Ln 1, Col 1");
}

} // namespace

namespace {

TEST(DisplayLengths, WidthsFollowTheTextAndTheTabSize)
{
    CTextBuffer buffer;
    fill(buffer, "a\tb\r\nxy\r\n\t\t");
    DisplayLengthCache widths(buffer, 4);
    EXPECT_EQ(widths.lineLength(0), 5);
    EXPECT_EQ(widths.longestLine(), 8);
    TextPos end;
    buffer.InsertTextAt(nullptr, {2, 1}, "0123456789", end);
    EXPECT_EQ(widths.lineLength(1), 12);
    EXPECT_EQ(widths.longestLine(), 12);
    buffer.EraseRange(nullptr, {0, 1}, {0, 2});
    EXPECT_EQ(widths.lineLength(1), 8);
    EXPECT_EQ(widths.lineLength(2), 0);  // past the last line
    widths.setTabSize(2);
    EXPECT_EQ(widths.longestLine(), 4);
}

} // namespace
