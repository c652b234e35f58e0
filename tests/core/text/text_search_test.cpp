// Searching: case, whole words, direction, wrap-around and blocks; the Find dialog's and
// the repeat commands' logic; Replace and Replace All with their undo groups.
#include "text/FindSession.h"
#include "text/ReplaceSession.h"
#include "text/TextSearch.h"

#include "settings/Profile.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

using find_flag::kMatchCase;
using find_flag::kUp;
using find_flag::kWholeWord;

struct FindCase {
    const char* name;
    std::string text;
    std::string what;
    TextPos start;
    unsigned flags;
    bool wrap;
    std::optional<TextPos> found;
};

class Find : public testing::TestWithParam<FindCase> {};

TEST_P(Find, FindsTheExpectedMatch)
{
    const FindCase& c = GetParam();
    CTextBuffer buffer;
    fill(buffer, c.text);
    const auto hit = FindInText(buffer, c.what, c.start, c.flags, c.wrap);
    ASSERT_EQ(hit.has_value(), c.found.has_value());
    if (hit) {
        EXPECT_EQ(hit->start, *c.found);
        EXPECT_EQ(hit->end, (TextPos{c.found->ch + static_cast<int>(c.what.size()), c.found->line}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Find,
    testing::Values(
        FindCase{"WholeWordSkipsThePartOfAWord", "xab ab", "ab", {0, 0}, kWholeWord, false, TextPos{4, 0}},
        FindCase{"WholeWordResumesOneCharacterLater", "aaa aa", "aa", {0, 0}, kWholeWord, false, TextPos{4, 0}},
        FindCase{"WithoutMatchCaseCaseIsIgnored", "x\r\nSetParent", "setparent", {0, 0}, 0, false, TextPos{0, 1}},
        FindCase{"LatinLettersFoldToo", "caf\xc9", "CAF\xe9", {0, 0}, 0, false, TextPos{0, 0}},
        FindCase{"MatchCaseRespectsCase", "Ab ab", "ab", {0, 0}, kMatchCase, false, TextPos{3, 0}},
        FindCase{"DownStartsAtTheStartCharacter", "ab ab", "ab", {1, 0}, 0, false, TextPos{3, 0}},
        FindCase{"DownWithoutWrapFails", "ab\r\nxx", "ab", {0, 1}, 0, false, std::nullopt},
        FindCase{"DownWithWrapStartsOver", "ab\r\nxx", "ab", {0, 1}, 0, true, TextPos{0, 0}},
        FindCase{"UpFindsTheNearestMatchBefore", "ab ab\r\nab ab x", "ab", {5, 1}, kUp, false, TextPos{3, 1}},
        FindCase{"UpGoesToEarlierLines", "ab ab\r\nx ab", "ab", {2, 1}, kUp, false, TextPos{3, 0}},
        FindCase{"UpWithWrapStartsAtTheLastLine", "x\r\nab ab", "ab", {0, 0}, kUp, true, TextPos{3, 1}},
        FindCase{"NoLineBreakInsideAMatch", "ab\r\ncd", "b\r\nc", {0, 0}, 0, true, std::nullopt},
        FindCase{"AnEmptyTextFindsNothing", "abc", "", {0, 0}, 0, true, std::nullopt}),
    [](const testing::TestParamInfo<FindCase>& p) { return p.param.name; });

TEST(FindBlock, AMatchLiesWhollyInsideTheBlock)
{
    CTextBuffer buffer;
    fill(buffer, "ab ab ab\r\nab ab");
    // The block ends inside the third "ab" of line 0 and inside line 1's first one.
    EXPECT_FALSE(FindInBlock(buffer, "ab", {0, 0}, {0, 0}, {0, 0}, 0, true));  // empty block
    const auto first = FindInBlock(buffer, "ab", {0, 0}, {1, 0}, {1, 1}, 0, false);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->start, (TextPos{3, 0}));  // a start before the block moves to it
    EXPECT_FALSE(FindInBlock(buffer, "ab", {4, 0}, {1, 0}, {7, 0}, 0, false));
    EXPECT_FALSE(FindInBlock(buffer, "ab", {7, 0}, {1, 0}, {1, 1}, 0, false));
    const auto wrapped = FindInBlock(buffer, "ab", {4, 0}, {1, 0}, {7, 0}, 0, true);
    ASSERT_TRUE(wrapped);
    EXPECT_EQ(wrapped->start, (TextPos{3, 0}));
}

TEST(FindDialog, StartsFromStoredValuesOrThePreviousSearchAndTheSelection)
{
    CTextBuffer buffer;
    fill(buffer, "alpha beta\r\nbeta alpha");
    TextViewModel view(&buffer);
    MemoryProfile profile;
    profile.writeInt("Editor\\Find", "WholeWord", 1);
    profile.writeString("Editor\\Find", "FindWhat", "beta");

    FindSession first(view, profile);
    EXPECT_EQ(first.values.findWhat, "beta");
    EXPECT_TRUE(first.values.wholeWord);
    EXPECT_FALSE(first.up);
    ASSERT_TRUE(first.findNext().found);
    EXPECT_EQ(view.selection(), (TextRange{{6, 0}, {10, 0}}));
    first.close(profile);

    // The one-line selection replaces the text; the previous search gives the flags.
    view.setSelection({0, 1}, {3, 1});
    FindSession second(view, profile);
    EXPECT_EQ(second.values.findWhat, "bet");
    EXPECT_TRUE(second.values.wholeWord);
    const SearchOutcome missing = second.findNext();
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.message, "Cannot find string\"bet\"");
    EXPECT_EQ(view.selection(), (TextRange{{0, 1}, {3, 1}}));  // a failed search leaves it
    second.values.wholeWord = false;
    ASSERT_TRUE(second.findNext().found);  // starts again at the beginning of the text
    EXPECT_EQ(view.selection(), (TextRange{{6, 0}, {9, 0}}));
    second.close(profile);
    EXPECT_EQ(profile.readString("Editor\\Find", "FindWhat", ""), "bet");
    EXPECT_EQ(profile.readInt("Editor\\Find", "WholeWord", 1), 0);
}

// The direction chosen in the dialog decides where Find Next starts: after the selection
// downwards, before it upwards, whichever direction the dialog opened with.
TEST(FindDialog, FindNextStartsWhereTheDirectionChosenLast)
{
    struct Case {
        const char* name;
        bool openedUp;
        bool searchUp;
        TextPos found;
    };
    const Case cases[] = {
        {"down, switched up", false, true, {0, 0}},
        {"up, switched down", true, false, {6, 0}},
        {"down", false, false, {6, 0}},
        {"up", true, true, {0, 0}},
    };
    for (const Case& c : cases) {
        CTextBuffer buffer;
        fill(buffer, "ab ab ab");
        TextViewModel view(&buffer);
        view.setPreviousSearch("ab", c.openedUp ? find_flag::kUp : 0u);
        view.setSelection({3, 0}, {5, 0});  // the middle match, as a previous search leaves it
        MemoryProfile profile;
        FindSession session(view, profile);
        ASSERT_EQ(session.up, c.openedUp) << c.name;
        session.up = c.searchUp;
        ASSERT_TRUE(session.findNext().found) << c.name;
        EXPECT_EQ(view.selection().start, c.found) << c.name;
    }
}

TEST(FindDialog, RepeatSearchesOnAndShiftReversesOnce)
{
    CTextBuffer buffer;
    fill(buffer, "ab ab\r\nab");
    TextViewModel view(&buffer);
    EXPECT_FALSE(view.hasPreviousSearch());
    view.setPreviousSearch("ab", 0);
    const std::vector<std::pair<bool, TextPos>> steps = {
        {false, {0, 0}}, {false, {3, 0}}, {false, {0, 1}}, {false, {0, 0}}, {true, {0, 1}}, {true, {3, 0}}};
    for (const auto& [reverse, at] : steps) {
        ASSERT_TRUE(view.repeatSearch(reverse).found);
        EXPECT_EQ(view.selection().start, at);
    }
    EXPECT_EQ(view.previousSearchFlags(), 0u);
    view.setPreviousSearch("zz", 0);
    EXPECT_EQ(view.repeatSearch(false).message, "Cannot find string\"zz\"");
}

class Replace : public testing::Test {
protected:
    void load(const std::string& text)
    {
        fill(buffer, text);
        edit.reset();
    }
    int undoGroups()
    {
        int groups = 0;
        TextPos cursor;
        while (buffer.UndoGroup(cursor))
            ++groups;
        return groups;
    }
    CTextBuffer buffer;
    TextEditModel edit{&buffer};
    MemoryProfile profile;
};

// Each replacement is an erasure and an insertion, two groups, also when the replacement
// is empty: the insertion still records itself and names the last group.
TEST_F(Replace, ReplaceAllOfThreeMatchesLeavesSixUndoGroupsAndEndsNotFound)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"barbaz", {"a barbaz", "barbaz barbaz b"}},
        {"", {"a ", "  b"}},
    };
    for (const auto& [replacement, replaced] : cases) {
        SCOPED_TRACE(replacement);
        load("a foo\r\nfoo foo b");
        profile.writeString("Editor\\Replace", "FindWhat", "foo");
        profile.writeString("Editor\\Replace", "ReplaceWith", replacement);
        ReplaceSession session(edit, profile);
        EXPECT_FALSE(session.selectionScopeEnabled());
        int count = 0;
        const SearchOutcome outcome = session.replaceAll(&count);
        EXPECT_FALSE(outcome.found);
        EXPECT_EQ(outcome.message, "Cannot find string\"foo\"");
        EXPECT_EQ(count, 3);
        EXPECT_EQ(linesOf(buffer), replaced);
        EXPECT_EQ(buffer.UndoCaption(), "Replace");
        EXPECT_EQ(undoGroups(), 6);
        EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"a foo", "foo foo b"}));
    }
}

TEST_F(Replace, AReplacementThatHoldsTheTextDoesNotLoop)
{
    load("aa");
    profile.writeString("Editor\\Replace", "FindWhat", "a");
    profile.writeString("Editor\\Replace", "ReplaceWith", "aa");
    ReplaceSession session(edit, profile);
    int replaced = 0;
    session.replaceAll(&replaced);
    EXPECT_EQ(replaced, 2);
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{"aaaa"});
}

TEST_F(Replace, InASelectionTheBlockFollowsTheLengthChangesAndComesBack)
{
    load("x x\r\nx x x");
    edit.setSelection({2, 0}, {3, 1});  // "x" at the end of line 0 to "x x" at line 1's start
    profile.writeString("Editor\\Replace", "FindWhat", "x");
    profile.writeString("Editor\\Replace", "ReplaceWith", "yyy");
    ReplaceSession session(edit, profile);
    ASSERT_TRUE(session.selectionScopeEnabled());
    EXPECT_EQ(session.scope(), ReplaceScope::selection);
    ASSERT_TRUE(session.findNext().found);
    EXPECT_EQ(edit.selection(), (TextRange{{2, 0}, {3, 0}}));
    ASSERT_TRUE(session.replace().found);
    EXPECT_EQ(edit.selection(), (TextRange{{0, 1}, {1, 1}}));
    // The block's end moved with the longer text, so the second "x" of line 1 is inside.
    ASSERT_TRUE(session.replace().found);
    EXPECT_EQ(edit.selection(), (TextRange{{4, 1}, {5, 1}}));
    EXPECT_FALSE(session.replace().found);  // the last "x" lies after the block
    EXPECT_EQ(session.block(), (TextRange{{2, 0}, {7, 1}}));
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"x yyy", "yyy yyy x"}));
    session.close(profile);
    EXPECT_EQ(edit.selection(), (TextRange{{2, 0}, {7, 1}}));
    EXPECT_EQ(profile.readString("Editor\\Replace", "ReplaceWith", ""), "yyy");
}

TEST_F(Replace, ReplaceFirstSearchesAndFindNextMovesOneCharacterOn)
{
    load("aaa");
    profile.writeString("Editor\\Replace", "FindWhat", "aa");
    profile.writeString("Editor\\Replace", "ReplaceWith", "b");
    ReplaceSession session(edit, profile);
    ASSERT_TRUE(session.replace().found);  // only searched
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{"aaa"});
    ASSERT_TRUE(session.findNext().found);
    EXPECT_EQ(edit.selection(), (TextRange{{1, 0}, {3, 0}}));
    EXPECT_FALSE(session.findNext().found);
    ASSERT_TRUE(session.findNext().found);  // starts over at the beginning
    EXPECT_EQ(edit.selection(), (TextRange{{0, 0}, {2, 0}}));
}

} // namespace
