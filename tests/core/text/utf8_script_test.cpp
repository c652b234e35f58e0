// Scripts in UTF-8 and in Windows-1252: the encoding decided when the text is read, characters
// stepped over whole, columns counting characters (wide East Asian ones twice), typed, pasted,
// copied and searched text in the script's own encoding, and untouched bytes saved back as read.
#include "text/FindSession.h"
#include "text/LineCharacters.h"
#include "text/ReplaceSession.h"
#include "text/TabColumns.h"
#include "text/TextEditModel.h"
#include "text/TextSearch.h"

#include "settings/Profile.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// "a", "é", "日", a pictograph, a lone lead byte, "b": characters of one to four bytes and a
// broken one.
const std::string kMixed = "a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80\xC3" "b";
constexpr TextEncoding kUtf8 = TextEncoding::utf8;
constexpr TextEncoding kWindows1252 = TextEncoding::windows1252;

TEST(ScriptEncoding, IsDecidedWhenTheTextIsRead)
{
    struct Case {
        std::string bytes;
        TextEncoding encoding;
    };
    const std::vector<Case> cases = {
        {"", kUtf8},
        {"plain ASCII\r\nproc f();", kUtf8},
        {"// caf\xC3\xA9\r\nprint \"\xE6\x97\xA5\";", kUtf8},
        {"// caf\xE9", kWindows1252},
        {"fine\r\n\xE6\x97\xA5\r\nlast \xC3", kWindows1252},  // a sequence cut at the end
        {"\xC0\xAF", kWindows1252},                          // an overlong "/"
    };
    TempDir dir;
    for (const Case& c : cases) {
        CTextBuffer buffer;
        writeFile(dir.file("s.mel"), c.bytes);
        ASSERT_TRUE(buffer.LoadText(dir.file("s.mel")));
        EXPECT_EQ(buffer.Encoding(), c.encoding) << c.bytes;
        // Whatever the encoding, the bytes save back as they were read.
        ASSERT_TRUE(buffer.StoreText(dir.file("back.mel")));
        EXPECT_EQ(readFile(dir.file("back.mel")), c.bytes);
        buffer.LoadBytes(c.bytes);
        EXPECT_EQ(buffer.Encoding(), c.encoding) << c.bytes;
    }
    // A new script is UTF-8, also after a Windows-1252 one was shown.
    CTextBuffer buffer;
    buffer.LoadBytes("caf\xE9");
    buffer.CreateEmpty();
    EXPECT_EQ(buffer.Encoding(), kUtf8);
}

TEST(LineCharacters, WholeSequencesAreOneCharacterAndBrokenBytesOneEach)
{
    const std::vector<int> starts = {0, 1, 3, 6, 10, 11, 12};
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        EXPECT_EQ(nextCharStart(kMixed, starts[i], kUtf8), starts[i + 1]) << i;
        EXPECT_EQ(prevCharStart(kMixed, starts[i + 1], kUtf8), starts[i]) << i;
        EXPECT_EQ(charactersBefore(kMixed, starts[i], kUtf8), static_cast<int>(i));
        for (int inside = starts[i]; inside < starts[i + 1]; ++inside)
            EXPECT_EQ(charStartAt(kMixed, inside, kUtf8), starts[i]) << inside;
    }
    EXPECT_EQ(nextCharStart(kMixed, 12, kUtf8), 12);
    EXPECT_EQ(prevCharStart(kMixed, 0, kUtf8), 0);
    EXPECT_EQ(characterAt(kMixed, 3, kUtf8).codePoint, U'\u65E5');
    EXPECT_EQ(characterAt(kMixed, 10, kUtf8).codePoint, 0xC3u);  // a broken byte stands for itself
    // In Windows-1252 every byte is a character.
    EXPECT_EQ(nextCharStart(kMixed, 1, kWindows1252), 2);
    EXPECT_EQ(charStartAt(kMixed, 2, kWindows1252), 2);
    EXPECT_EQ(charactersBefore(kMixed, 12, kWindows1252), 12);
    EXPECT_EQ(characterAt("\x80", 0, kWindows1252).codePoint, U'\u20AC');
}

TEST(TabColumns, Utf8ColumnsCountCharactersAndWideOnesTwice)
{
    // "é", a tab, "日本", "x": é at column 0, the tab to 4, 日 at 4 and 5, 本 at 6 and 7.
    const std::string line = "\xC3\xA9\t\xE6\x97\xA5\xE6\x9C\xAC" "x";
    struct Case {
        int ch;
        int column;
    };
    for (const Case& c : std::vector<Case>{{0, 0}, {2, 1}, {3, 4}, {6, 6}, {9, 8}, {10, 9}})
        EXPECT_EQ(displayColumn(line, c.ch, 4, kUtf8), c.column) << c.ch;
    for (const Case& c : std::vector<Case>{{0, 0}, {2, 1}, {2, 3}, {3, 4}, {3, 5}, {6, 6}, {9, 8}, {10, 50}})
        EXPECT_EQ(charAtColumn(line, c.column, 4, kUtf8), c.ch) << c.column;
    EXPECT_EQ(displayLength(line, 4, kUtf8), 9);
    EXPECT_EQ(expandTabs(line, 4, kUtf8), "\xC3\xA9   \xE6\x97\xA5\xE6\x9C\xAC" "x");
    // The same bytes in Windows-1252: one column a byte.
    EXPECT_EQ(displayLength(line, 4, kWindows1252), 11);
    EXPECT_EQ(characterColumns(U'a'), 1);
    EXPECT_EQ(characterColumns(U'\u00E9'), 1);
    EXPECT_EQ(characterColumns(U'\uAC00'), 2);   // hangul
    EXPECT_EQ(characterColumns(U'\uFF21'), 2);   // full-width A
    EXPECT_EQ(characterColumns(U'\U0001F600'), 2);
}

class Script : public testing::Test {
protected:
    void load(const std::string& bytes)
    {
        buffer.LoadBytes(bytes);
        edit.reset();
    }
    std::string line(int n) const { return std::string(buffer.LineText(n)); }

    CTextBuffer buffer;
    MemoryClipboard clipboard;
    TextEditModel edit{&buffer, &clipboard};
};

TEST_F(Script, TheCursorStepsOverWholeCharactersAndColumnsCountThem)
{
    load("a\xC3\xA9\xE6\x97\xA5" "b\r\n\xE6\x97\xA5\xE6\x9C\xAC" "abc");
    ASSERT_EQ(buffer.Encoding(), kUtf8);
    edit.setTabSize(4);
    for (const int expected : {1, 3, 6, 7}) {
        edit.move(CursorMove::charRight, false);
        EXPECT_EQ(edit.cursor(), (TextPos{expected, 0}));
    }
    EXPECT_EQ(edit.positionText(), "Ln 1, Col 5");  // after a, é, 日, b
    edit.move(CursorMove::charLeft, true);
    EXPECT_EQ(edit.selectedText(), "b");
    edit.setCursor({6, 0});
    edit.move(CursorMove::charLeft, false);
    EXPECT_EQ(edit.cursor(), (TextPos{3, 0}));
    EXPECT_EQ(edit.positionText(), "Ln 1, Col 3");
    // Down keeps the column: column 2 (after a and é) is where 本 starts on the next line, 日
    // taking columns 0 and 1; column 3 would be inside 本, which puts the cursor before it too.
    edit.move(CursorMove::lineDown, false);
    EXPECT_EQ(edit.cursor(), (TextPos{3, 1}));
    EXPECT_EQ(edit.cursorColumn(), 2);
    EXPECT_EQ(charAtColumn(buffer.LineText(1), 3, 4, kUtf8), 3);
    // A position inside a sequence is never taken: it falls back to the character's start.
    edit.setCursor({4, 1});
    EXPECT_EQ(edit.cursor(), (TextPos{3, 1}));
    edit.setSelection({1, 0}, {5, 0});
    EXPECT_EQ(edit.selection(), (TextRange{{1, 0}, {3, 0}}));
}

TEST_F(Script, DeleteBackspaceAndOverwriteTakeWholeCharacters)
{
    load("a\xC3\xA9\xE6\x97\xA5" "b");
    edit.setCursor({6, 0});
    ASSERT_TRUE(edit.backspace());
    EXPECT_EQ(line(0), "a\xC3\xA9" "b");
    edit.setCursor({1, 0});
    ASSERT_TRUE(edit.deleteForward());
    EXPECT_EQ(line(0), "ab");
    EXPECT_TRUE(edit.undo());
    EXPECT_EQ(line(0), "a\xC3\xA9" "b");
    edit.setCursor({1, 0});
    edit.toggleOverwrite();
    ASSERT_TRUE(edit.typeText("\xE6\x97\xA5"));  // 日 over é
    EXPECT_EQ(line(0), "a\xE6\x97\xA5" "b");
    ASSERT_TRUE(edit.typeText("x"));  // x over b
    EXPECT_EQ(line(0), "a\xE6\x97\xA5" "x");
    EXPECT_EQ(buffer.Encoding(), kUtf8);
    EXPECT_TRUE(IsValidUtf8(line(0)));
}

TEST_F(Script, TypedAndPastedTextTakesTheScriptsEncoding)
{
    // UTF-8 in, UTF-8 in the text: "é", "€", a pictograph, "!".
    const std::string typed = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80!";
    load("");
    ASSERT_TRUE(edit.typeText(typed));
    EXPECT_EQ(line(0), typed);
    EXPECT_EQ(edit.cursor(), (TextPos{static_cast<int>(typed.size()), 0}));
    EXPECT_EQ(edit.undoMenuText(), "&Undo Typing\tCtrl+Z");
    // A Windows-1252 script takes its own bytes; what the code page lacks becomes "?".
    load("caf\xE9\r\n");
    edit.setCursor({4, 0});
    ASSERT_TRUE(edit.typeText(typed));
    EXPECT_EQ(line(0), "caf\xE9\xE9\x80?!");
    clipboard.setText("\xE6\x97\xA5\xE6\x9C\xAC\n\xC3\xBC");
    ASSERT_TRUE(edit.paste());
    EXPECT_EQ(line(0), "caf\xE9\xE9\x80?!??");
    EXPECT_EQ(line(1), "\xFC");
    // What is copied leaves as UTF-8 with LF line ends.
    edit.setSelection({0, 0}, {1, 1});
    ASSERT_TRUE(edit.copy(clipboard));
    EXPECT_EQ(clipboard.text(), "caf\xC3\xA9\xC3\xA9\xE2\x82\xAC?!??\n\xC3\xBC");
    load("\xE6\x97\xA5");
    edit.selectAll();
    clipboard.setText("\xE6\x97\xA5\xE6\x9C\xAC");
    ASSERT_TRUE(edit.paste());
    EXPECT_EQ(buffer.LineText(0), "\xE6\x97\xA5\xE6\x9C\xAC");
    // Bytes that begin no character are no key anybody pressed.
    EXPECT_FALSE(edit.typeText("\xFF"));
}

TEST(Utf8Search, FindsTextInTheScriptsEncodingWithLatinLettersInEitherCase)
{
    CTextBuffer utf8;
    utf8.LoadBytes("// caf\xC3\xA9\r\nCAF\xC3\x89 \xE6\x97\xA5\xE6\x9C\xAC \xE3\x83\x83");
    CTextBuffer latin;
    latin.LoadBytes("// caf\xE9\r\nCAF\xC9");
    ASSERT_EQ(latin.Encoding(), kWindows1252);
    struct Case {
        const CTextBuffer* buffer;
        std::string what;
        TextPos start;
        unsigned flags;
        std::optional<TextRange> found;
    };
    const std::vector<Case> cases = {
        {&utf8, "caf\xC3\xA9", {0, 0}, 0, TextRange{{3, 0}, {8, 0}}},
        {&utf8, "caf\xC3\xA9", {4, 0}, 0, TextRange{{0, 1}, {5, 1}}},
        {&utf8, "caf\xC3\xA9", {4, 0}, find_flag::kMatchCase, std::nullopt},
        {&utf8, "\xE6\x97\xA5\xE6\x9C\xAC", {0, 0}, 0, TextRange{{6, 1}, {12, 1}}},
        // "Ã" does not fold onto the bytes of a katakana letter (E3 83 83).
        {&utf8, "\xC3\x83", {0, 0}, 0, std::nullopt},
        {&latin, "caf\xC3\xA9", {0, 0}, 0, TextRange{{3, 0}, {7, 0}}},
        {&latin, "CAF\xC3\x89", {4, 0}, find_flag::kMatchCase, TextRange{{0, 1}, {4, 1}}},
    };
    for (const Case& c : cases) {
        const auto hit = FindInText(*c.buffer, c.what, c.start, c.flags, false);
        EXPECT_EQ(hit, c.found) << c.what;
    }
}

TEST(Utf8Search, DialogsShowAndTakeUtf8AndReplaceWritesTheScriptsEncoding)
{
    CTextBuffer buffer;
    buffer.LoadBytes("caf\xE9 caf\xE9");
    MemoryProfile profile;
    TextEditModel edit(&buffer);
    edit.setSelection({0, 0}, {4, 0});
    // The selection becomes the text to find, as UTF-8.
    const FindSession find(edit, profile);
    EXPECT_EQ(find.values.findWhat, "caf\xC3\xA9");
    edit.setCursor({0, 0});
    ReplaceSession replace(edit, profile);
    replace.values.findWhat = "caf\xC3\xA9";
    replace.values.replaceWith = "th\xC3\xA9";
    int replaced = 0;
    replace.replaceAll(&replaced);
    EXPECT_EQ(replaced, 2);
    EXPECT_EQ(buffer.LineText(0), "th\xE9 th\xE9");
    // A value stored in 8-bit text by an older version reads as Windows-1252.
    profile.writeString("Editor\\Find", "FindWhat", "caf\xE9");
    EXPECT_EQ(readFindValues(profile).findWhat, "caf\xC3\xA9");
}

} // namespace
