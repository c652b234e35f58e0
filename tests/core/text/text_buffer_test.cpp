// Loading and storing by line-end style, the changes of the text, their notices, line
// flags and the modified state of the text buffer.
#include "text/CTextBuffer.h"
#include "text/TextFile.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orv;
using namespace orv::test;

namespace {

struct StyleCase {
    const char* name;
    std::string bytes;
    LineEnd style;
    std::vector<std::string> lines;
};

class LoadStore : public testing::TestWithParam<StyleCase> {};

TEST_P(LoadStore, DetectsSplitsAndSavesBackByteForByte)
{
    const StyleCase& c = GetParam();
    TempDir dir;
    writeFile(dir.file("in.mel"), c.bytes);
    CTextBuffer buffer;
    ASSERT_TRUE(buffer.LoadText(dir.file("in.mel")));
    EXPECT_EQ(buffer.LineEndStyle(), c.style);
    EXPECT_EQ(linesOf(buffer), c.lines);
    EXPECT_FALSE(buffer.IsModified());
    ASSERT_TRUE(buffer.StoreText(dir.file("out.mel")));
    EXPECT_EQ(readFile(dir.file("out.mel")), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, LoadStore,
    testing::Values(
        StyleCase{"CrLf", "a\r\nb\r\n", LineEnd::crLf, {"a", "b", ""}},
        StyleCase{"LfCr", "a\n\rb\n\rc", LineEnd::lfCr, {"a", "b", "c"}},
        StyleCase{"LfOnly", "a\nb\n", LineEnd::lf, {"a", "b", ""}},
        StyleCase{"Empty", "", LineEnd::crLf, {""}},
        StyleCase{"NoLineFeed", "one\rline", LineEnd::crLf, {"one\rline"}},
        // In a CR LF file a lone LF or CR is a character of its line.
        StyleCase{"StrayCrAndLf", "a\r\nx\ny\r\nz\rw", LineEnd::crLf, {"a", "x\ny", "z\rw"}},
        // A CR before the line end is text; the CR LF after it still ends the line.
        StyleCase{"CrCrLf", "a\r\r\nb", LineEnd::crLf, {"a\r", "b"}},
        StyleCase{"LfLfCr", "a\n\rb\n\n\rc", LineEnd::lfCr, {"a", "b\n", "c"}},
        // A separator cut short by the end of the file stays text of the last line.
        StyleCase{"LfCrCutShort", "a\n\rb\n", LineEnd::lfCr, {"a", "b\n"}},
        StyleCase{"CrLfCutShort", "a\r\nb\r", LineEnd::crLf, {"a", "b\r"}},
        // NULs and 8-bit bytes are characters like any other.
        StyleCase{"NulAndHighBytes", std::string("a\0b\r\n\xff\x80\0\r\n", 10), LineEnd::crLf,
                  {std::string("a\0b", 3), std::string("\xff\x80\0", 3), ""}},
        // Line ends of CR alone are no line ends of any style: the file is one line.
        StyleCase{"CrOnly", "one\rtwo\rthree\r", LineEnd::crLf, {"one\rtwo\rthree\r"}}),
    [](const testing::TestParamInfo<StyleCase>& p) { return p.param.name; });

TEST(TextBuffer, BigAndHostileFilesLoadAndSaveBackByteForByte)
{
    std::string manyLines;
    for (int i = 0; i < 100000; ++i)
        manyLines += "proc p" + std::to_string(i) + "() { window -t \"w\"; }\r\n";
    std::string binary;
    std::uint32_t seed = 5;
    for (int i = 0; i < 300000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        binary += static_cast<char>(seed >> 24);
    }
    std::string crOnly;
    for (int i = 0; i < 50000; ++i)
        crOnly += "line \"" + std::to_string(i) + "\r";
    // The bytes and their line count (-1: any). The long line's LF lies past the first block,
    // so the file is CR LF and one line.
    const std::vector<std::pair<std::string, int>> files = {
        {manyLines, 100001}, {std::string(3000000, 'w') + "\n" + std::string(70000, '\0'), 1}, {binary, -1}, {crOnly, 1}};
    for (const auto& [bytes, lineCount] : files) {
        TempDir dir;
        writeFile(dir.file("in.mel"), bytes);
        CTextBuffer buffer;
        ASSERT_TRUE(buffer.LoadText(dir.file("in.mel")));
        if (lineCount > 0) {
            EXPECT_EQ(buffer.LineCount(), lineCount);
        }
        ASSERT_TRUE(buffer.StoreText(dir.file("out.mel")));
        EXPECT_TRUE(readFile(dir.file("out.mel")) == bytes) << bytes.size() << " bytes";
    }
}

TEST(TextBuffer, StyleIsDetectedFromTheFirstLineFeedOfTheFirstBlockOnly)
{
    // The first block holds no LF: the later LF-only lines do not change the style.
    std::string bytes(40000, 'x');
    bytes += "\nend";
    TempDir dir;
    writeFile(dir.file("long.mel"), bytes);
    CTextBuffer buffer;
    ASSERT_TRUE(buffer.LoadText(dir.file("long.mel")));
    EXPECT_EQ(buffer.LineEndStyle(), LineEnd::crLf);
    EXPECT_EQ(buffer.LineCount(), 1);
}

TEST(TextBuffer, SeparatorsSplitAcrossReadBlocksStillEndLines)
{
    LineSplitter splitter(LineEnd::crLf);
    splitter.feed("one\r");
    splitter.feed("\ntwo\r");
    splitter.feed("x");
    std::vector<std::string> lines;
    for (const auto& line : splitter.finish())
        lines.emplace_back(line.text());
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two\rx"}));
}

TEST(TextBuffer, StoreConvertsToAnotherStyleOnRequest)
{
    TempDir dir;
    writeFile(dir.file("in.mel"), "a\r\nb");
    CTextBuffer buffer;
    ASSERT_TRUE(buffer.LoadText(dir.file("in.mel")));
    ASSERT_TRUE(buffer.StoreText(dir.file("lf.mel"), static_cast<int>(LineEnd::lf)));
    EXPECT_EQ(readFile(dir.file("lf.mel")), "a\nb");
    ASSERT_TRUE(buffer.StoreText(dir.file("lfcr.mel"), static_cast<int>(LineEnd::lfCr)));
    EXPECT_EQ(readFile(dir.file("lfcr.mel")), "a\n\rb");
}

TEST(TextBuffer, LoadFailureLeavesTheBufferAsItWas)
{
    TempDir dir;
    CTextBuffer buffer;
    fill(buffer, "keep");
    EXPECT_FALSE(buffer.LoadText(dir.file("missing.mel")));
    EXPECT_FALSE(buffer.LastFileError().empty());
    EXPECT_FALSE(buffer.LoadText(dir.path().string()));  // a folder
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{"keep"});
}

TEST(TextBuffer, LoadingAPipeOrADeviceFailsAtOnce)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe.mel").c_str(), 0600), 0);
    for (const std::string& path : {dir.file("pipe.mel"), std::string("/dev/zero")}) {
        // In a child that a timer ends, so that a load waiting for a writer fails the test.
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(5);
            CTextBuffer buffer;
            ::_exit(!buffer.LoadText(path) && !buffer.LastFileError().empty() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << path;
    }
}

TEST(TextBuffer, AFileOfTwoGibibytesOrMoreIsRefusedBeforeItIsRead)
{
    TempDir dir;
    writeFile(dir.file("huge.mel"), "");
    std::filesystem::resize_file(dir.file("huge.mel"), 0x80000000ull);  // sparse: no disk space
    CTextBuffer buffer;
    fill(buffer, "keep");
    EXPECT_FALSE(buffer.LoadText(dir.file("huge.mel")));
    EXPECT_NE(buffer.LastFileError().find("too large"), std::string::npos);
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{"keep"});
}

TEST(TextBuffer, InsertSplitsAtCrAndCrLfButNotAtLoneLf)
{
    CTextBuffer buffer;
    buffer.CreateEmpty();
    TextPos end;
    ASSERT_TRUE(buffer.InsertTextAt(nullptr, {0, 0}, "headtail", end));
    ASSERT_TRUE(buffer.InsertTextAt(nullptr, {4, 0}, "1\r\n2\r3\n4", end));
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"head1", "2", "3\n4tail"}));
    EXPECT_EQ(end, (TextPos{3, 2}));
}

TEST(TextBuffer, EraseAcrossLinesJoinsAndCopyRangeUsesTheSeparator)
{
    CTextBuffer buffer;
    fill(buffer, "abc\r\ndef\r\nghi\r\njkl");
    EXPECT_EQ(buffer.CopyRange({1, 0}, {2, 2}), "bc\r\ndef\r\ngh");
    EXPECT_EQ(buffer.CopyRange({1, 0}, {2, 2}, "\n"), "bc\ndef\ngh");
    ASSERT_TRUE(buffer.EraseRange(nullptr, {1, 0}, {2, 2}));
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"ai", "jkl"}));
    TextPos cursor;
    ASSERT_TRUE(buffer.UndoGroup(cursor));
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"abc", "def", "ghi", "jkl"}));
    EXPECT_EQ(cursor, (TextPos{2, 2}));
}

TEST(TextBuffer, LineStorageGrowsInSixteenByteSteps)
{
    TextLine line(std::string(15, 'x'));
    EXPECT_EQ(line.capacity(), 16);
    line.append("y");
    EXPECT_EQ(line.capacity(), 32);
    EXPECT_EQ(TextLine(std::string(32, 'z')).capacity(), 48);
}

TEST(TextBuffer, ReadOnlyRefusesEveryChange)
{
    TempDir dir;
    writeFile(dir.file("ro.mel"), "text");
    std::filesystem::permissions(dir.file("ro.mel"), std::filesystem::perms::owner_read);
    CTextBuffer buffer;
    ASSERT_TRUE(buffer.LoadText(dir.file("ro.mel")));
    EXPECT_TRUE(buffer.IsReadOnly());
    TextPos end;
    EXPECT_FALSE(buffer.InsertTextAt(nullptr, {0, 0}, "x", end));
    EXPECT_FALSE(buffer.EraseRange(nullptr, {0, 0}, {1, 0}));
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{"text"});
    EXPECT_FALSE(buffer.HasUndo());
}

// Records what the buffer tells its views.
struct Notice {
    const TextBufferWatcher* source;
    bool hasChange;
    TextChange change;
    unsigned flags;
    int line;
};
class RecordingView : public TextBufferWatcher {
public:
    void onTextUpdate(const TextBufferWatcher* source, const TextChange* change, unsigned flags, int line) override
    {
        notices.push_back({source, change != nullptr, change ? *change : TextChange{}, flags, line});
    }
    std::vector<Notice> notices;
};

TEST(TextBuffer, ViewsAreToldWhatChangedAndWhere)
{
    CTextBuffer buffer;
    RecordingView view;
    RecordingView source;
    buffer.AttachView(&view);
    buffer.CreateEmpty();
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_EQ(view.notices[0].flags, update_flag::kReset);

    TextPos end;
    buffer.InsertTextAt(&source, {0, 0}, "ab", end);
    buffer.InsertTextAt(&source, {1, 0}, "x\r\ny", end);
    buffer.EraseRange(nullptr, {0, 0}, {1, 1});
    ASSERT_EQ(view.notices.size(), 4u);
    EXPECT_EQ(view.notices[1].source, &source);
    EXPECT_EQ(view.notices[1].flags, update_flag::kSingleLine);
    EXPECT_TRUE(view.notices[2].change.inserted);
    EXPECT_EQ(view.notices[2].change.start, (TextPos{1, 0}));
    EXPECT_EQ(view.notices[2].change.end, (TextPos{1, 1}));
    EXPECT_EQ(view.notices[2].flags, update_flag::kHorzRange | update_flag::kVertRange);
    EXPECT_FALSE(view.notices[3].change.inserted);
    EXPECT_EQ(view.notices[3].source, nullptr);

    buffer.ChangeLineFlag(0, line_flag::kBookmark, true, false);
    EXPECT_EQ(view.notices.back().flags, update_flag::kSingleLine | update_flag::kFlagsOnly);
    buffer.DetachView(&view);
    buffer.InsertTextAt(nullptr, {0, 0}, "z", end);
    EXPECT_EQ(view.notices.size(), 5u);
}

TEST(TextBuffer, NumberedFlagsLeaveTheirPreviousLineAndPlainBookmarksWrap)
{
    CTextBuffer buffer;
    fill(buffer, "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
    const std::uint32_t five = line_flag::numberedBookmark(5);
    buffer.ChangeLineFlag(3, five, true, true);
    buffer.ChangeLineFlag(8, five, true, true);
    EXPECT_EQ(buffer.LineFlags(3), 0u);
    EXPECT_EQ(buffer.LineWithFlag(five), 8);
    buffer.ChangeLineFlag(2, five | 1u, true, true);  // two bits: no effect
    EXPECT_EQ(buffer.LineFlags(2), 0u);
    buffer.ChangeLineFlag(-1, five, false, false);
    EXPECT_EQ(buffer.LineWithFlag(five), -1);

    EXPECT_EQ(buffer.NextBookmarkLine(0), -1);
    buffer.ChangeLineFlag(2, line_flag::kBookmark, true, false);
    buffer.ChangeLineFlag(7, line_flag::kBookmark, true, false);
    EXPECT_EQ(buffer.NextBookmarkLine(7), 2);
    EXPECT_EQ(buffer.NextBookmarkLine(3), 7);
    EXPECT_EQ(buffer.PrevBookmarkLine(2), 7);
    EXPECT_EQ(buffer.PrevBookmarkLine(5), 2);
}

// A document's replacement of the hook: it keeps the state itself.
class DocumentBuffer : public CTextBuffer {
public:
    std::vector<bool> marks;

protected:
    void MarkModified(bool modified) override { marks.push_back(modified); }
};

TEST(TextBuffer, ModifiedStateFollowsChangesUndoAndSaves)
{
    TempDir dir;
    CTextBuffer buffer;
    fill(buffer, "x");
    TextPos end;
    TextPos cursor;
    buffer.InsertTextAt(nullptr, {1, 0}, "y", end);
    EXPECT_TRUE(buffer.IsModified());
    buffer.UndoGroup(cursor);
    EXPECT_FALSE(buffer.IsModified());
    buffer.RedoGroup(cursor);
    EXPECT_TRUE(buffer.IsModified());
    ASSERT_TRUE(buffer.StoreText(dir.file("s.mel")));
    EXPECT_FALSE(buffer.IsModified());
    buffer.UndoGroup(cursor);
    EXPECT_TRUE(buffer.IsModified());
    // A new change after the undo drops the redo that led to the saved text: no undo or
    // redo can reach it again, so the text stays modified.
    buffer.InsertTextAt(nullptr, {0, 0}, "z", end);
    buffer.UndoGroup(cursor);
    EXPECT_TRUE(buffer.IsModified());

    DocumentBuffer document;
    document.CreateEmpty();
    document.InsertTextAt(nullptr, {0, 0}, "a", end);
    document.InsertTextAt(nullptr, {0, 0}, "b", end);
    EXPECT_EQ(document.marks, (std::vector<bool>{true, true}));  // its own flag stays clear
}

TEST(TextBuffer, UnsavedTextStaysModifiedThroughUndoAndKeepsItsEncoding)
{
    CTextBuffer buffer;
    // Bytes that read as UTF-8 ("é" as two bytes) from a script that was Windows-1252.
    buffer.LoadUnsavedBytes("caf\xC3\xA9\nline 2", LineEnd::lf, TextEncoding::windows1252);
    EXPECT_TRUE(buffer.IsModified());
    EXPECT_EQ(buffer.Encoding(), TextEncoding::windows1252);
    EXPECT_EQ(buffer.LineEndStyle(), LineEnd::lf);
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"caf\xC3\xA9", "line 2"}));
    TextPos end;
    TextPos cursor;
    buffer.InsertTextAt(nullptr, {0, 1}, "x", end);
    buffer.UndoGroup(cursor);
    // Back at the text as it was given, which no file holds: still modified.
    EXPECT_TRUE(buffer.IsModified());
    EXPECT_FALSE(buffer.HasUndo());
}

} // namespace
