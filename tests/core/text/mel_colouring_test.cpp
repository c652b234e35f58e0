// MEL colouring: golden files (each fixture .mel beside its expected blocks), the runs and
// colours the view draws, and the line-state cache that follows the text's changes.
#include "text/LineStateCache.h"
#include "text/MelColouring.h"

#include "mel/CommandDatabase.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// Command words colour only with the shipped word list loaded.
class WithCommandWords : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(LoadMelCommandWords(std::string(ORVANTE_DATABASE_DIR) + "/MEL Commands.txt"), LoadResult::ok);
    }
};

class MelColouring : public WithCommandWords {};

// A fixture named *.nocolour.mel is coloured with colouring switched off.
TEST_F(MelColouring, EveryFixtureGivesItsExpectedBlocks)
{
    const std::filesystem::path folder = std::filesystem::path(ORVANTE_FIXTURES_DIR) / "colouring";
    int fixtures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".mel")
            continue;
        ++fixtures;
        CTextBuffer buffer;
        ASSERT_TRUE(buffer.LoadText(entry.path().string()));
        const bool colouring = entry.path().string().find(".nocolour.") == std::string::npos;
        std::string actual;
        std::uint32_t state = 0;
        std::vector<ColourBlock> blocks;
        for (int line = 0; line < buffer.LineCount(); ++line) {
            blocks.clear();
            state = ParseMelLine(state, buffer.LineText(line), &blocks, colouring);
            actual += blocksLine(line, blocks) + "\n";
        }
        auto expectedPath = entry.path();
        expectedPath.replace_extension(".blocks");
        EXPECT_EQ(actual, readFile(expectedPath.string())) << entry.path().filename();
    }
    EXPECT_GE(fixtures, 5);
}

TEST_F(MelColouring, TheStateAloneMatchesTheStateWithBlocks)
{
    const std::vector<std::string> lines = {"/* a", "", "b */ \"x\\", "y\" // z \\", "w", "# q \\", "r"};
    std::uint32_t withBlocks = 0;
    std::uint32_t alone = 0;
    for (const auto& line : lines) {
        std::vector<ColourBlock> blocks;
        withBlocks = ParseMelLine(withBlocks, line, &blocks);
        alone = ParseMelLine(alone, line, nullptr);
        EXPECT_EQ(alone, withBlocks) << line;
    }
    EXPECT_EQ(ParseMelLine(line_state::kDoubleQuoted | line_state::kBlockComment, "", nullptr), line_state::kBlockComment);
    EXPECT_EQ(ParseMelLine(line_state::kBlockComment, "x", nullptr, false), 0u);
}

TEST_F(MelColouring, BlocksAppendAfterTheOnesAlreadyInTheList)
{
    std::vector<ColourBlock> blocks = {{5, colour_class::kKeyword}};
    ParseMelLine(0, "int x;", &blocks);
    // Blocks before the last one already there are not added.
    EXPECT_EQ(blocks, (std::vector<ColourBlock>{{5, colour_class::kKeyword}, {5, colour_class::kNormalText}}));
}

TEST(ColourSpans, RunsFollowTheBlocksAndSkipHiddenOnes)
{
    const std::vector<ColourBlock> blocks = {{0, 2}, {0, 12}, {6, 2}, {8, 13}, {8, 2}, {20, 10}};
    EXPECT_EQ(colourSpans(blocks, 10), (std::vector<ColourSpan>{{0, 6, 12}, {6, 8, 2}, {8, 10, 2}}));
    EXPECT_EQ(colourSpans({{3, 7}}, 5), (std::vector<ColourSpan>{{0, 3, 2}, {3, 5, 7}}));
    EXPECT_EQ(colourSpans({}, 4), (std::vector<ColourSpan>{{0, 4, 2}}));
    EXPECT_TRUE(colourSpans({}, 0).empty());
}

TEST(ColourTable, EveryClassHasItsColourAndSettingsAreReadEachTime)
{
    SettingsRecord settings;
    ResetSettings(settings);
    settings.colorDefault = 0x000001;
    settings.colorKeywords = 0x000006;
    settings.colorComments = 0x000007;
    settings.colorStrings = 0x00000A;
    settings.colorCommands = 0x00000C;
    settings.colorFlags = 0x00000D;
    const ColorRef window = 0xFEFEFE;
    const std::vector<std::pair<int, ColorRef>> table = {
        {0, window}, {1, window}, {2, 0x000001}, {3, kButtonFaceColor}, {4, 0x000000}, {5, 0xFFFFFF},
        {6, 0x000006}, {7, 0x000007}, {8, 0x000001}, {9, 0x000000}, {10, 0x00000A}, {11, 0xC08000},
        {12, 0x00000C}, {13, 0x00000D}, {14, 0x00000A}, {-1, 0x00000A}};
    for (const auto& [cls, colour] : table)
        EXPECT_EQ(ColorOf(cls, settings, window), colour) << cls;
    settings.colorKeywords = 0x123456;
    EXPECT_EQ(ColorOf(colour_class::kKeyword, settings, window), 0x123456u);
}

// Counts the lines the cache has parsed (when given a count).
struct CountingColourer {
    int* parsed;
    std::uint32_t operator()(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks) const
    {
        if (parsed)
            ++*parsed;
        return ParseMelLine(state, line, blocks);
    }
};

class StateCache : public WithCommandWords {
protected:
    void SetUp() override
    {
        std::string text;
        for (int i = 0; i < 100; ++i)
            text += (i == 20 ? "/* open" : i == 60 ? "close */" : "ls;") + std::string("\r\n");
        fill(buffer, text);
    }
    CTextBuffer buffer;
    int parsed = 0;
    LineStateCache cache{buffer, CountingColourer{&parsed}};
};

TEST_F(StateCache, StatesAreFoundLazilyFromTheLastKnownLine)
{
    EXPECT_EQ(cache.stateBefore(0), 0u);
    EXPECT_EQ(parsed, 0);
    EXPECT_EQ(cache.stateBefore(40), line_state::kBlockComment);
    EXPECT_EQ(parsed, 40);
    EXPECT_EQ(cache.stateBefore(30), line_state::kBlockComment);
    EXPECT_EQ(parsed, 40);
    EXPECT_EQ(cache.stateBefore(70), 0u);
    EXPECT_EQ(parsed, 70);
    std::vector<ColourBlock> blocks;
    cache.colourLine(70, blocks);
    EXPECT_EQ(cache.knownLines(), 71);
    EXPECT_EQ(blocks, (std::vector<ColourBlock>{{0, 2}, {0, colour_class::kCommand}, {2, 2}}));  // "ls;"
}

TEST(StateCacheLookups, OnlyTheDrawnLineIsColouredWithBlocks)
{
    CTextBuffer buffer;
    fill(buffer, "a\r\nb\r\nc\r\nd\r\ne");
    std::vector<std::pair<std::string, bool>> calls;  // line text, blocks wanted
    LineStateCache cache(buffer, [&calls](std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks) {
        calls.emplace_back(std::string(line), blocks != nullptr);
        return ParseMelLine(state, line, blocks);
    });
    std::vector<ColourBlock> blocks;
    cache.colourLine(3, blocks);
    // The lines above are parsed for their states only, so no word is looked up for them.
    EXPECT_EQ(calls, (std::vector<std::pair<std::string, bool>>{{"a", false}, {"b", false}, {"c", false}, {"d", true}}));
}

TEST_F(StateCache, AChangeMakesItsLineUnknownAndLinesInsertedOrRemovedFollow)
{
    cache.stateBefore(99);
    TextPos end;
    buffer.InsertTextAt(nullptr, {0, 10}, "/*\r\n", end);
    EXPECT_EQ(cache.knownLines(), 10);
    parsed = 0;
    EXPECT_EQ(cache.stateBefore(15), line_state::kBlockComment);
    EXPECT_EQ(parsed, 5);
    EXPECT_EQ(cache.stateBefore(62), 0u);  // the "close */" line moved down to 61
    buffer.EraseRange(nullptr, {0, 10}, {0, 11});
    EXPECT_EQ(cache.knownLines(), 10);
    EXPECT_EQ(cache.stateBefore(15), 0u);
    const int known = cache.knownLines();
    buffer.ChangeLineFlag(3, line_flag::kBookmark, true, false);  // flags do not change states
    EXPECT_EQ(cache.knownLines(), known);
    buffer.CreateEmpty();
    EXPECT_EQ(cache.knownLines(), 0);
}

// After an edit only the lines whose states change are parsed again: the re-parse stops at
// the first line past the edit that ends in the state it ended in before, and the states
// below move with their lines.
TEST_F(StateCache, AnEditReParsesOnlyUntilALineEndsAsItDidBefore)
{
    const auto edit = [&](auto change) {
        cache.stateBefore(buffer.LineCount());
        parsed = 0;
        change();
        EXPECT_EQ(cache.stateBefore(buffer.LineCount()), 0u);
        return parsed;
    };
    TextPos end;
    struct Case {
        const char* what;
        std::function<void()> change;
        int parsed;
    };
    const Case cases[] = {
        {"a character", [&] { buffer.InsertTextAt(nullptr, {1, 5}, "x", end); }, 1},
        {"a character inside the comment", [&] { buffer.InsertTextAt(nullptr, {1, 30}, "x", end); }, 1},
        {"two lines inserted", [&] { buffer.InsertTextAt(nullptr, {0, 5}, "ls;\r\nls;\r\n", end); }, 3},
        {"two lines removed", [&] { buffer.EraseRange(nullptr, {0, 5}, {0, 7}); }, 1},
        // Lines 5 to 20 come into the comment, which ended where it ends now.
        {"a comment opened", [&] { buffer.InsertTextAt(nullptr, {0, 5}, "/*", end); }, 16},
        {"the comment's opening removed", [&] { buffer.EraseRange(nullptr, {0, 5}, {2, 5}); }, 16},
        // The lines inside the old comment leave it until a line ends in it again.
        {"the comment closed early", [&] { buffer.InsertTextAt(nullptr, {0, 30}, "*/\r\n", end); }, 32},
    };
    for (const Case& c : cases)
        EXPECT_EQ(edit(c.change), c.parsed) << c.what;
}

// Two edits before the next drawing: the re-parse stops after the first where the states
// agree again and takes up at the second.
TEST_F(StateCache, EditsInTwoPlacesBeforeTheNextDrawingAreBothParsed)
{
    cache.stateBefore(100);
    TextPos end;
    buffer.InsertTextAt(nullptr, {0, 5}, "x", end);
    buffer.InsertTextAt(nullptr, {0, 80}, "/*", end);
    parsed = 0;
    EXPECT_EQ(cache.stateBefore(70), 0u);
    EXPECT_EQ(parsed, 1);
    EXPECT_EQ(cache.stateBefore(100), line_state::kBlockComment);
    EXPECT_EQ(parsed, 1 + 20);
}

// Whatever the edits and wherever the lines were asked for in between, every state the cache
// gives is the one a parse from the first line finds.
TEST(StateCacheEdits, RandomEditsLeaveTheStatesOfAFreshParse)
{
    CTextBuffer buffer;
    fill(buffer, "ls;\r\n/* a\r\nb */ \"c\r\nd\"\r\n// e\r\n'f'");
    LineStateCache cache(buffer, CountingColourer{nullptr});
    const char* const pieces[] = {"/*", "*/", "\"", "'", "//", "x", "\r\n", "a\r\n/*\r\n", "\"\r\n", "*/\r\nb"};
    std::uint32_t seed = 12345;
    const auto next = [&seed](int below) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(below));
    };
    const auto anywhere = [&] {
        const int line = next(buffer.LineCount());
        return TextPos{next(static_cast<int>(buffer.LineText(line).size()) + 1), line};
    };
    for (int step = 0; step < 20000; ++step) {
        TextPos end;
        if (next(3) > 0 || buffer.LineCount() < 4) {
            buffer.InsertTextAt(nullptr, anywhere(), pieces[next(std::size(pieces))], end);
        } else {
            TextPos from = anywhere();
            TextPos to = anywhere();
            if (to < from)
                std::swap(from, to);
            buffer.EraseRange(nullptr, from, to);
        }
        if (next(4) == 0)
            cache.stateBefore(next(buffer.LineCount() + 1));
        if (next(4) == 0) {
            std::vector<ColourBlock> blocks;
            cache.colourLine(next(buffer.LineCount()), blocks);
        }
        if (next(10) == 0) {
            std::uint32_t state = 0;
            for (int line = 0; line < buffer.LineCount(); ++line) {
                ASSERT_EQ(cache.stateBefore(line), state) << "line " << line << " at step " << step;
                state = ParseMelLine(state, buffer.LineText(line), nullptr);
            }
        }
    }
}

TEST_F(StateCache, AnotherVariantOfTheColouringForgetsEveryState)
{
    cache.useVariant(1);
    cache.stateBefore(50);
    cache.useVariant(1);
    EXPECT_EQ(cache.knownLines(), 50);
    cache.useVariant(0);
    EXPECT_EQ(cache.knownLines(), 0);
}

} // namespace
