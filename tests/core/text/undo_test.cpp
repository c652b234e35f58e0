// Undo grouping, the record limit, captions and the cursor results of undo and redo.
#include "text/CTextBuffer.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

int groupCount(const CTextBuffer& buffer)
{
    int groups = 0;
    for (int i = 0; i < buffer.undoHistory().size(); ++i)
        groups += buffer.undoHistory().record(i).groupStart ? 1 : 0;
    return groups;
}

TEST(Undo, AnIsolatedChangeIsAGroupAndMergingJoinsThePreviousGroup)
{
    CTextBuffer buffer;
    buffer.CreateEmpty();
    TextPos end;
    buffer.InsertTextAt(nullptr, {0, 0}, "paste", end, UndoAction::paste);
    for (const char c : std::string("abcde")) {
        buffer.OpenUndoGroup(true);
        buffer.InsertTextAt(nullptr, end, std::string(1, c), end, UndoAction::typing);
        buffer.CloseUndoGroup(nullptr);
    }
    EXPECT_EQ(groupCount(buffer), 1);
    EXPECT_EQ(buffer.UndoCaption(), "Paste");
    TextPos cursor;
    ASSERT_TRUE(buffer.UndoGroup(cursor));
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{""});
    EXPECT_EQ(cursor, (TextPos{0, 0}));
    EXPECT_FALSE(buffer.HasUndo());
    EXPECT_EQ(buffer.RedoCaption(), "Paste");
    ASSERT_TRUE(buffer.RedoGroup(cursor));
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{"pasteabcde"});
    EXPECT_EQ(cursor, (TextPos{10, 0}));
}

TEST(Undo, RedoHistoryIsDroppedByANewChange)
{
    CTextBuffer buffer;
    buffer.CreateEmpty();
    TextPos end;
    TextPos cursor;
    buffer.InsertTextAt(nullptr, {0, 0}, "a", end, UndoAction::typing);
    buffer.InsertTextAt(nullptr, {1, 0}, "b", end, UndoAction::typing);
    buffer.UndoGroup(cursor);
    EXPECT_TRUE(buffer.HasRedo());
    buffer.EraseRange(nullptr, {0, 0}, {1, 0}, UndoAction::deleteChar);
    EXPECT_FALSE(buffer.HasRedo());
    EXPECT_EQ(buffer.undoHistory().size(), 2);
    EXPECT_EQ(buffer.UndoCaption(), "Delete");
}

TEST(Undo, CaptionsNameEveryActionAndNothingForUnknownCodes)
{
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "Unknown"}, {1, "Paste"}, {2, "Delete Selection"}, {3, "Cut"}, {4, "Typing"}, {5, "Backspace"},
        {6, "Indent"}, {7, "Drag And Drop"}, {8, "Replace"}, {9, "Delete"}, {10, "Auto Indent"}, {11, ""}, {-1, ""}};
    CTextBuffer buffer;
    for (const auto& [code, caption] : cases)
        EXPECT_EQ(buffer.ActionCaption(static_cast<UndoAction>(code)), caption) << code;
}

// Adds `count` one-record groups of typing.
void addGroups(CTextBuffer& buffer, int count)
{
    TextPos end;
    for (int i = 0; i < count; ++i)
        buffer.InsertTextAt(nullptr, {0, 0}, "x", end, UndoAction::typing);
}

TEST(Undo, AtTheLimitTheOldestWholeGroupIsDropped)
{
    CTextBuffer buffer;
    buffer.CreateEmpty();
    // The oldest group holds three records, then one-record groups up to the limit.
    TextPos end;
    buffer.OpenUndoGroup();
    for (int i = 0; i < 3; ++i)
        buffer.InsertTextAt(nullptr, {0, 0}, "p", end, UndoAction::paste);
    buffer.CloseUndoGroup(nullptr);
    addGroups(buffer, 1021);
    ASSERT_EQ(buffer.undoHistory().size(), 1024);
    addGroups(buffer, 1);
    EXPECT_EQ(buffer.undoHistory().size(), 1022);
    EXPECT_TRUE(buffer.undoHistory().record(0).groupStart);
    EXPECT_EQ(buffer.undoHistory().record(0).action, UndoAction::typing);
    // Everything kept can be undone: the three dropped insertions stay.
    TextPos cursor;
    while (buffer.HasUndo())
        buffer.UndoGroup(cursor);
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{"ppp"});
}

TEST(Undo, AGroupLargerThanTheLimitStaysWholeAndUndoesAtOnce)
{
    CTextBuffer buffer;
    buffer.CreateEmpty();
    addGroups(buffer, 10);
    TextPos end;
    buffer.OpenUndoGroup();
    for (int i = 0; i < 1500; ++i)
        buffer.InsertTextAt(nullptr, {0, 0}, "\t", end, UndoAction::indent);
    buffer.CloseUndoGroup(nullptr);
    // The ten older groups made room; the big group keeps every record.
    EXPECT_EQ(buffer.undoHistory().size(), 1500);
    EXPECT_TRUE(buffer.undoHistory().record(0).groupStart);
    TextPos cursor;
    ASSERT_TRUE(buffer.UndoGroup(cursor));
    EXPECT_FALSE(buffer.HasUndo());
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{"xxxxxxxxxx"});
    // The next new group may drop the big one as a whole.
    ASSERT_TRUE(buffer.RedoGroup(cursor));
    addGroups(buffer, 1);
    EXPECT_EQ(buffer.undoHistory().size(), 1);
    EXPECT_TRUE(buffer.undoHistory().record(0).groupStart);
}

// The history on its own with a small limit: trimming, redo, merging and the save point
// keep every kept record inside a whole group, and the group counts agree with the records.
TEST(Undo, TrimmingRedoAndMergingKeepWholeGroupsWithASmallLimit)
{
    UndoHistory history;
    history.setLimit(4);
    int next = 0;
    const auto addGroup = [&](int records, bool merge = false) {
        history.openGroup(merge);
        for (int i = 0; i < records; ++i) {
            UndoRecord record;
            record.action = static_cast<UndoAction>(next % 11);
            record.text = std::to_string(next++);
            history.add(std::move(record));
        }
        history.closeGroup();
    };
    // The record texts of each group, oldest first, read from the group-start flags.
    const auto groups = [&] {
        std::vector<std::vector<std::string>> result;
        for (int i = 0; i < history.size(); ++i) {
            if (history.record(i).groupStart || result.empty())
                result.emplace_back();
            result.back().push_back(history.record(i).text);
        }
        EXPECT_EQ(static_cast<int>(result.size()), history.groupCount());
        return result;
    };
    using Groups = std::vector<std::vector<std::string>>;

    addGroup(2);  // 0 1
    addGroup(1);  // 2
    history.setSavePoint();
    addGroup(1);  // 3
    ASSERT_EQ(groups(), (Groups{{"0", "1"}, {"2"}, {"3"}}));
    addGroup(1);  // 4: the oldest group goes as a whole
    EXPECT_EQ(groups(), (Groups{{"2"}, {"3"}, {"4"}}));
    EXPECT_EQ(history.takeUndoGroup().front()->text, "4");
    EXPECT_EQ(history.takeUndoGroup().front()->text, "3");
    EXPECT_TRUE(history.atSavePoint());
    EXPECT_EQ(history.undoAction(), UndoAction::deleteSelection);  // record 2's action
    EXPECT_EQ(history.redoAction(), UndoAction::cut);              // record 3's action
    addGroup(1);  // 5 drops the redo history
    EXPECT_EQ(groups(), (Groups{{"2"}, {"5"}}));
    addGroup(1, true);  // 6 joins the group before it
    EXPECT_EQ(groups(), (Groups{{"2"}, {"5", "6"}}));
    EXPECT_EQ(history.takeUndoGroup().size(), 2u);
    EXPECT_EQ(history.takeRedoGroup().size(), 2u);

    // A group beyond the limit keeps all its records; the oldest groups made room for it,
    // and the save point went with them.
    addGroup(6);  // 7 .. 12
    EXPECT_EQ(groups(), (Groups{{"7", "8", "9", "10", "11", "12"}}));
    EXPECT_FALSE(history.atSavePoint());
    const auto undone = history.takeUndoGroup();
    ASSERT_EQ(undone.size(), 6u);
    EXPECT_EQ(undone.back()->text, "7");
    EXPECT_FALSE(history.hasUndo());
    EXPECT_EQ(history.redoAction(), static_cast<UndoAction>(7));
    EXPECT_EQ(history.takeRedoGroup().size(), 6u);
    EXPECT_EQ(history.undoAction(), static_cast<UndoAction>(7));
    addGroup(1);  // 13 drops the big group whole
    EXPECT_EQ(groups(), (Groups{{"13"}}));
    EXPECT_EQ(history.position(), 1);
}

} // namespace

namespace {

// A CR inside a line (kept from a loaded file) must not become a line break when an
// erasure is undone: the lines come back exactly as they were.
TEST(Undo, UndoingAnErasureRestoresLinesThatHoldCarriageReturns)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> files = {
        {"a\rb\r\nc\r\r\nd", {"a\rb", "c\r", "d"}},  // CR LF lines with stray CRs
        {"x\n\ry\r\nz\n\rw", {"x", "y\r\nz", "w"}},  // LF CR lines holding a CR LF pair
    };
    for (const auto& [bytes, expected] : files) {
        TempDir dir;
        writeFile(dir.file("cr.mel"), bytes);
        CTextBuffer buffer;
        ASSERT_TRUE(buffer.LoadText(dir.file("cr.mel")));
        ASSERT_EQ(linesOf(buffer), expected);
        buffer.EraseRange(nullptr, {0, 0}, buffer.EndPos());
        buffer.EraseRange(nullptr, {0, 0}, {0, 0});
        TextPos cursor;
        ASSERT_TRUE(buffer.UndoGroup(cursor));
        EXPECT_EQ(linesOf(buffer), expected);
        EXPECT_EQ(cursor, buffer.EndPos());
        ASSERT_TRUE(buffer.StoreText(dir.file("back.mel")));
        EXPECT_EQ(readFile(dir.file("back.mel")), bytes);
    }
}

} // namespace

namespace {

// Undo puts the cursor at the start of what an insertion inserted and at the end of what an
// erasure removed; redo the other way round.
TEST(Undo, CursorResultsOfUndoAndRedo)
{
    struct Case {
        const char* name;
        bool insert;
        TextPos start;
        TextPos end;  // of the erased range; unused for an insertion
        TextPos afterUndo;
        TextPos afterRedo;
    };
    const std::vector<Case> cases = {
        {"Insertion", true, {1, 0}, {}, {1, 0}, {5, 1}},
        {"ErasureOverLines", false, {1, 0}, {2, 1}, {2, 1}, {1, 0}},
        {"ErasureInALine", false, {0, 1}, {1, 1}, {1, 1}, {0, 1}},
    };
    for (const Case& c : cases) {
        CTextBuffer buffer;
        fill(buffer, "ab\r\ncd");
        TextPos end;
        if (c.insert)
            buffer.InsertTextAt(nullptr, c.start, "x\r\nyyyyy", end);
        else
            buffer.EraseRange(nullptr, c.start, c.end);
        TextPos cursor{-1, -1};
        ASSERT_TRUE(buffer.UndoGroup(cursor)) << c.name;
        EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"ab", "cd"})) << c.name;
        EXPECT_EQ(cursor, c.afterUndo) << c.name;
        ASSERT_TRUE(buffer.RedoGroup(cursor)) << c.name;
        EXPECT_EQ(cursor, c.afterRedo) << c.name;
    }
}

} // namespace
