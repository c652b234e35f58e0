// The command database loaders on the shipped files, on small hand-made files and on
// damaged ones, and the typed-flag query the grid and the export share.
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace orv {
namespace {

namespace fs = std::filesystem;

class TempFile {
public:
    explicit TempFile(const std::string& bytes)
        : m_path(fs::temp_directory_path() / ("orvante_mel_" + std::to_string(++s_counter) + "_"
                                               + std::to_string(::getpid())))
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~TempFile() { fs::remove(m_path); }
    std::string path() const { return m_path.string(); }

private:
    static inline int s_counter = 0;
    fs::path m_path;
};

std::string le16(int value)
{
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
}

// A melcmd.dat image from records of (flag, type) pairs.
std::string database(const std::vector<std::vector<std::pair<int, int>>>& records)
{
    std::string bytes = le16(static_cast<int>(records.size()));
    for (const auto& record : records) {
        bytes += le16(7) + le16(static_cast<int>(record.size()));
        for (const auto& [flag, type] : record)
            bytes += le16(flag) + le16(type);
    }
    return bytes;
}

bool word(const char* text, int length) { return IsMelCommandWord(text, length); }

class CommandDatabaseTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        FreeMelCommandWords();
        LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat");
    }
};

TEST_F(CommandDatabaseTest, TwoWordListWithLfAndWithCrLf)
{
    for (const std::string content : {"about\naddAttr\n", "about\r\naddAttr\r\n"}) {
        TempFile file(content);
        ASSERT_EQ(LoadMelCommandWords(file.path()), LoadResult::ok);
        EXPECT_TRUE(word("addAttrX", 7));
        EXPECT_FALSE(word("addAttrX", 8));
        EXPECT_FALSE(word("add", 3));
        EXPECT_TRUE(word("about", 5));
        EXPECT_FALSE(word("abou", 4));
        EXPECT_FALSE(word("about\r", 6));
    }
}

TEST_F(CommandDatabaseTest, WordListOfAnyShapeLoadsSafely)
{
    const std::string longWord(300, 'q');
    const struct { std::string content; LoadResult result; std::vector<std::string> words; } cases[] = {
        {"", LoadResult::ok, {}},
        {"about addAttr\taffects\n", LoadResult::ok, {"about", "addAttr", "affects"}},
        {"about\naddAttr", LoadResult::ok, {"about", "addAttr"}},
        {"\n\n\r\n  about  \n", LoadResult::ok, {"about"}},
        {"about\n" + longWord + "\nxform\n", LoadResult::damaged, {"about", "xform"}},
        {"xform\nabout\n", LoadResult::damaged, {"about", "xform"}},
        {std::string(255, 'b') + "\n", LoadResult::ok, {std::string(255, 'b')}},
    };
    for (const auto& c : cases) {
        TempFile file(c.content);
        EXPECT_EQ(LoadMelCommandWords(file.path()), c.result) << c.content.substr(0, 40);
        EXPECT_EQ(MelCommandWords(), c.words) << c.content.substr(0, 40);
        for (const std::string& w : c.words)
            EXPECT_TRUE(word(w.data(), static_cast<int>(w.size()))) << w;
        EXPECT_FALSE(word(longWord.data(), static_cast<int>(longWord.size())));
        EXPECT_FALSE(word("", 0));
    }
}

TEST_F(CommandDatabaseTest, OversizedWordListsKeepTheirFirstPart)
{
    std::string manyWords;
    for (int i = 0; i < 40000; ++i) {
        char word[16];
        std::snprintf(word, sizeof word, "w%05d\n", i);
        manyWords += word;
    }
    TempFile tooMany(manyWords);
    EXPECT_EQ(LoadMelCommandWords(tooMany.path()), LoadResult::damaged);
    EXPECT_TRUE(word("w32766", 6));
    EXPECT_FALSE(word("w32767", 6));

    TempFile tooLarge("about\n" + std::string(9'000'000, ' ') + "\nxform\n");
    EXPECT_EQ(LoadMelCommandWords(tooLarge.path()), LoadResult::damaged);
    EXPECT_TRUE(word("about", 5));
    EXPECT_FALSE(word("xform", 5));
}

TEST_F(CommandDatabaseTest, MissingWordListLeavesNoWords)
{
    TempFile file("about\n");
    ASSERT_EQ(LoadMelCommandWords(file.path()), LoadResult::ok);
    EXPECT_EQ(LoadMelCommandWords(file.path() + ".missing"), LoadResult::cannotOpen);
    EXPECT_FALSE(word("about", 5));
    ASSERT_EQ(LoadMelCommandWords(file.path()), LoadResult::ok);
    FreeMelCommandWords();
    EXPECT_FALSE(word("about", 5));
}

// Runs load in a child process and gives its result, or nothing when it has not returned
// within seconds: a loader that waits on a pipe must fail the test, not stop the run.
std::optional<LoadResult> loadInChild(LoadResult (*load)(const std::string&), const std::string& path)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(static_cast<int>(load(path)));
    int status = 0;
    for (int waited = 0; waited < 100; ++waited) {
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? std::optional(static_cast<LoadResult>(WEXITSTATUS(status))) : std::nullopt;
        ::usleep(50000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return std::nullopt;
}

TEST_F(CommandDatabaseTest, OnlyRegularFilesAreRead)
{
    // A pipe in place of either file would hang every start-up; a folder holds no words.
    const fs::path fifo = fs::temp_directory_path() / ("orvante_mel_fifo_" + std::to_string(::getpid()));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo.string(), fs::temp_directory_path().string()}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(loadInChild(LoadMelCommandWords, path), LoadResult::cannotOpen);
        EXPECT_EQ(loadInChild(LoadMelCommandDatabase, path), LoadResult::cannotOpen);
    }
    fs::remove(fifo);
}

TEST_F(CommandDatabaseTest, ShippedFilesLoad)
{
    const MelDatabaseLoad load = LoadMelDatabases(std::string(ORVANTE_DATABASE_DIR) + "/..");
    EXPECT_EQ(load.words, LoadResult::ok);
    EXPECT_EQ(load.records, LoadResult::ok);
    EXPECT_TRUE(word("showWindow", 10));
    for (int i = 0; i < kMelCommandCount; ++i) {
        const std::string name = kMelCommands[i];
        ASSERT_TRUE(word(name.data(), static_cast<int>(name.size()))) << name;
    }
    const MelDatabaseLoad missing = LoadMelDatabases("/nonexistent-orvante-install");
    EXPECT_EQ(missing.words, LoadResult::cannotOpen);
    EXPECT_EQ(missing.records, LoadResult::cannotOpen);
    EXPECT_TRUE(CommandTypedFlags("button").empty());
}

TEST_F(CommandDatabaseTest, ShippedButtonFlags)
{
    ASSERT_EQ(LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat"), LoadResult::ok);
    const std::vector<CommandFlag> flags = CommandTypedFlags("button");
    ASSERT_EQ(flags.size(), 17u);
    const struct { int position; const char* shortName; const char* longName; const char* type; } expected[] = {
        {0, "al", "align", "String"}, {2, "bgc", "backgroundColor", "Float Float Float"},
        {8, "en", "enable", "on|off"}, {9, "h", "height", "Int"}, {10, "l", "label", "String"},
        {15, "vis", "visible", "on|off"}, {16, "w", "width", "Int"},
    };
    for (const auto& e : expected) {
        const CommandFlag& flag = flags[static_cast<std::size_t>(e.position)];
        EXPECT_EQ(flag.position, e.position);
        EXPECT_EQ(flag.shortName, e.shortName);
        EXPECT_EQ(flag.longName, e.longName);
        EXPECT_STREQ(flag.typeText, e.type);
    }
    EXPECT_EQ(flags[10].typeIndex, mel_type::kString);
    EXPECT_TRUE(CommandTypedFlags("Button").empty());
    EXPECT_TRUE(CommandTypedFlags("showWindow").empty());
}

TEST_F(CommandDatabaseTest, ShippedDesignerFlagsStandWhereTheElementsReadThem)
{
    ASSERT_EQ(LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat"), LoadResult::ok);
    const struct { const char* command; std::vector<std::pair<int, const char*>> positions; } cases[] = {
        {"text", {{0, "align"}, {7, "enable"}, {9, "height"}, {10, "label"}, {15, "visible"}, {16, "width"}}},
        {"checkBox", {{0, "align"}, {9, "enable"}, {10, "height"}, {11, "label"}, {19, "visible"}, {20, "width"}}},
        {"columnLayout", {{0, "adjustableColumn"}, {2, "backgroundColor"}, {4, "columnAttach"}, {5, "columnOffset"},
                          {6, "columnWidth"}, {11, "enable"}, {12, "height"}, {15, "rowSpacing"}, {17, "visible"},
                          {18, "width"}}},
        {"rowLayout", {{8, "backgroundColor"}, {30, "columnWidth1"}, {35, "columnWidth6"}, {40, "enable"},
                       {41, "height"}, {43, "numberOfColumns"}, {47, "visible"}, {48, "width"}}},
        {"intSlider", {{8, "enable"}, {9, "height"}, {10, "horizontal"}, {18, "visible"}, {19, "width"}}},
        {"floatSlider", {{8, "enable"}, {9, "height"}, {10, "horizontal"}, {18, "visible"}, {19, "width"}}},
        {"separator", {{6, "enable"}, {7, "height"}, {8, "horizontal"}, {13, "visible"}, {14, "width"}}},
        {"textField", {{8, "enable"}, {9, "editable"}, {12, "height"}, {13, "insertionPosition"}, {14, "insertText"},
                       {18, "text"}, {20, "visible"}, {21, "width"}}},
        {"intField", {{9, "enable"}, {10, "editable"}, {11, "height"}, {19, "value"}, {20, "visible"}, {21, "width"}}},
        {"floatField", {{9, "enable"}, {10, "editable"}, {11, "height"}, {16, "precision"}, {20, "value"},
                        {21, "visible"}, {22, "width"}}},
        {"scrollField", {{9, "enable"}, {10, "editable"}, {12, "height"}, {13, "insertionPosition"},
                         {14, "insertText"}, {19, "text"}, {21, "visible"}, {22, "width"}}},
        {"textScrollList", {{14, "enable"}, {16, "height"}, {27, "visible"}, {28, "width"}}},
        {"window", {{0, "backgroundColor"}, {3, "height"}, {4, "titleBarMenu"}, {7, "leftEdge"},
                    {10, "minimizeButton"}, {12, "maximizeButton"}, {14, "resizeToFitChildren"}, {15, "sizeable"},
                    {16, "title"}, {17, "titleBar"}, {18, "topEdge"}, {19, "toolbox"}, {20, "topLeftCorner"},
                    {22, "visible"}, {23, "width"}, {24, "widthHeight"}}},
    };
    for (const auto& c : cases) {
        const std::vector<CommandFlag> flags = CommandTypedFlags(c.command);
        for (const auto& [position, longName] : c.positions) {
            ASSERT_LT(static_cast<std::size_t>(position), flags.size()) << c.command;
            EXPECT_EQ(flags[static_cast<std::size_t>(position)].longName, longName) << c.command << " " << position;
        }
    }
    // The values the export quotes are exactly the "String" ones.
    EXPECT_EQ(CommandTypedFlags("window")[16].typeIndex, mel_type::kString);
    EXPECT_NE(CommandTypedFlags("columnLayout")[6].typeIndex, mel_type::kString);
}

TEST_F(CommandDatabaseTest, RecordsFollowTheFile)
{
    // Record 0 mixes typed and untyped pairs; record 1 is all untyped.
    TempFile file(database({{{5, -1}, {10, 46}, {11, -1}, {12, 80}}, {{3, -1}, {4, -1}}}));
    ASSERT_EQ(LoadMelCommandDatabase(file.path()), LoadResult::ok);
    const CommandFlagRecord& about = GetCommandFlagRecord(0);
    EXPECT_EQ(about.field0, 7);
    ASSERT_EQ(about.pairCount, 4);
    EXPECT_EQ(about.pairs[1].flagIndex, 10);
    const std::vector<CommandFlag> flags = CommandTypedFlags("about");
    ASSERT_EQ(flags.size(), 2u);
    EXPECT_EQ(flags[0].position, 0);
    EXPECT_EQ(flags[0].typeIndex, 46);
    EXPECT_EQ(flags[1].position, 1);
    EXPECT_STREQ(flags[1].typeText, "on|off");
    std::string shortName, longName;
    SplitMelFlag(kMelFlags[12], &shortName, &longName);
    EXPECT_EQ(flags[1].shortName, shortName);
    EXPECT_EQ(flags[1].longName, longName);
    EXPECT_EQ(GetCommandFlagRecord(1).pairCount, 2);
    EXPECT_TRUE(CommandTypedFlags(kMelCommands[1]).empty());
    EXPECT_EQ(GetCommandFlagRecord(2).pairCount, 0);
    EXPECT_EQ(GetCommandFlagRecord(-1).pairCount, 0);
    EXPECT_EQ(GetCommandFlagRecord(kMelCommandCount).pairCount, 0);
}

TEST_F(CommandDatabaseTest, ZeroRecordsLeavesEveryCommandWithoutFlags)
{
    TempFile file(le16(0));
    ASSERT_EQ(LoadMelCommandDatabase(file.path()), LoadResult::ok);
    for (int i = 0; i < kMelCommandCount; ++i)
        ASSERT_EQ(GetCommandFlagRecord(i).pairCount, 0);
    EXPECT_EQ(LoadMelCommandDatabase(file.path() + ".missing"), LoadResult::cannotOpen);
    EXPECT_TRUE(CommandTypedFlags("button").empty());
}

TEST_F(CommandDatabaseTest, DamagedDatabasesKeepWhatIsValid)
{
    const std::string twoRecords = database({{{1, 4}, {2, 16}}, {{3, 46}}});
    std::string tooManyPairs = le16(1) + le16(0) + le16(300);
    for (int j = 0; j < 300; ++j)
        tooManyPairs += le16(j) + le16(16);
    const struct {
        const char* what;
        std::string bytes;
        std::vector<int> pairCounts;  // of records 0, 1, 2 after loading
    } cases[] = {
        {"empty file", "", {0, 0, 0}},
        {"one byte", "\x01", {0, 0, 0}},
        {"truncated inside a pair", twoRecords.substr(0, twoRecords.size() - 3), {2, 0, 0}},
        {"truncated inside a header", twoRecords.substr(0, 2 + 4 + 8 + 2), {2, 0, 0}},
        {"count larger than the records", le16(3) + twoRecords.substr(2), {2, 1, 0}},
        {"negative record count", le16(-5) + twoRecords.substr(2), {0, 0, 0}},
        {"negative pair count", le16(1) + le16(0) + le16(-2), {0, 0, 0}},
        {"more than 256 pairs", tooManyPairs, {256, 0, 0}},
        {"flag index outside the table", database({{{kMelFlagCount, 4}, {2, 16}, {-3, 4}}}), {1, 0, 0}},
        {"type index outside the table", database({{{1, kMelFlagTypeCount}, {2, -2}, {3, -1}}}), {1, 0, 0}},
        {"bytes after the last record", twoRecords + "xy", {2, 1, 0}},
    };
    for (const auto& c : cases) {
        TempFile file(c.bytes);
        EXPECT_EQ(LoadMelCommandDatabase(file.path()), LoadResult::damaged) << c.what;
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(GetCommandFlagRecord(k).pairCount, c.pairCounts[static_cast<std::size_t>(k)]) << c.what << " " << k;
    }
}

TEST_F(CommandDatabaseTest, PairsBeyondTheRoomAreSkippedWithoutLosingTheNextRecord)
{
    std::string bytes = le16(2) + le16(0) + le16(258);
    for (int j = 0; j < 258; ++j)
        bytes += le16(j) + le16(16);
    bytes += le16(0) + le16(1) + le16(99) + le16(46);
    TempFile file(bytes);
    EXPECT_EQ(LoadMelCommandDatabase(file.path()), LoadResult::damaged);
    EXPECT_EQ(GetCommandFlagRecord(0).pairCount, 256);
    EXPECT_EQ(GetCommandFlagRecord(0).pairs[255].flagIndex, 255);
    ASSERT_EQ(GetCommandFlagRecord(1).pairCount, 1);
    EXPECT_EQ(GetCommandFlagRecord(1).pairs[0].flagIndex, 99);
}

TEST_F(CommandDatabaseTest, MoreRecordsThanTheTableHoldsAreIgnored)
{
    std::string bytes = le16(kMaxCommandRecords + 10);
    for (int k = 0; k < kMaxCommandRecords + 10; ++k)
        bytes += le16(0) + le16(1) + le16(k % kMelFlagCount) + le16(16);
    TempFile file(bytes);
    EXPECT_EQ(LoadMelCommandDatabase(file.path()), LoadResult::damaged);
    EXPECT_EQ(GetCommandFlagRecord(kMelCommandCount - 1).pairs[0].flagIndex, kMelCommandCount - 1);
}

} // namespace
} // namespace orv
