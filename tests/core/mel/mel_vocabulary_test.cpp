// The built-in vocabulary: table order and the lookups' cases, including the byte-order and
// prefix traps of the bisections.
#include "mel/MelVocabulary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace orv {
namespace {

bool byteLess(const char* a, const char* b)
{
    return std::strcmp(a, b) < 0;  // strcmp compares as unsigned char
}

TEST(MelVocabulary, TablesAreClosedAndInByteOrder)
{
    struct Table { const char* const* entries; int count; };
    for (const Table& table : {Table{kMelKeywords, kMelKeywordCount}, Table{kMelCommands, kMelCommandCount},
                               Table{kMelFlags, kMelFlagCount}, Table{kMelFlagTypes, kMelFlagTypeCount}}) {
        EXPECT_EQ(table.entries[table.count], nullptr);
        for (int i = 1; i < table.count; ++i)
            ASSERT_TRUE(byteLess(table.entries[i - 1], table.entries[i])) << table.entries[i];
    }
    EXPECT_STREQ(kMelFlagTypes[mel_type::kString], "String");
    EXPECT_STREQ(kMelFlagTypes[mel_type::kStringMultiUse], "String (multi-use)");
    EXPECT_STREQ(kMelFlagTypes[mel_type::kOnOff], "on|off");
}

TEST(MelVocabulary, FindMelCommand)
{
    const struct { const char* name; int index; } cases[] = {
        {"xform", 764}, {"about", 0}, {"button", 58}, {"window", 756}, {"setParent", 633},
        {"Window", -1}, {"", -1}, {"showWindow", -1}, {"xforms", -1}, {"a", -1}, {"zzz", -1},
        {"\xff", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindMelCommand(c.name), c.index) << c.name;
    EXPECT_LT(FindMelCommand("arcLenDimContext"), FindMelCommand("arclen"));
    EXPECT_LT(FindMelCommand("dgInfo"), FindMelCommand("dgdirty"));
    EXPECT_EQ(FindMelCommand(nullptr), -1);
    for (int i = 0; i < kMelCommandCount; ++i)
        ASSERT_EQ(FindMelCommand(kMelCommands[i]), i) << kMelCommands[i];
}

TEST(MelVocabulary, IsMelKeywordLooksAtLengthCharactersOnly)
{
    const struct { const char* text; int length; bool keyword; } cases[] = {
        {"integer", 3, true}, {"integer", 7, false}, {"in", 2, true}, {"i", 1, false},
        {"while(", 5, true}, {"While", 5, false}, {"yes", 3, true}, {"break", 5, true},
        {"breaks", 6, false}, {"", 0, false}, {"int", -1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsMelKeyword(c.text, c.length), c.keyword) << c.text << "/" << c.length;
    for (int i = 0; i < kMelKeywordCount; ++i)
        EXPECT_TRUE(IsMelKeyword(kMelKeywords[i], static_cast<int>(std::strlen(kMelKeywords[i]))));
}

TEST(MelVocabulary, IsMelFlagBisectsShortNamesThenScansLongNames)
{
    const struct { const char* text; bool flag; } cases[] = {
        {"w", true}, {"width", true}, {"a", true}, {"zeroTransformPivots", true}, {"ztp", true},
        {"abort", true}, {"add", true}, {"toBeRemovedInFutureMayaRelease", true},
        {"-w", false}, {"W", false}, {"widths", false}, {"zzzz", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsMelFlag(c.text, static_cast<int>(std::strlen(c.text))), c.flag) << c.text;
    // Only the first characters count: "width" inside a longer text.
    EXPECT_TRUE(IsMelFlag("widthHeight", 5));
    EXPECT_FALSE(IsMelFlag(nullptr, 3));
    // Every short and every long name of the table is found.
    std::string shortName, longName;
    for (int i = 0; i < kMelFlagCount; ++i) {
        SplitMelFlag(kMelFlags[i], &shortName, &longName);
        ASSERT_TRUE(IsMelFlag(shortName.data(), static_cast<int>(shortName.size()))) << kMelFlags[i];
        if (!longName.empty()) {
            ASSERT_TRUE(IsMelFlag(longName.data(), static_cast<int>(longName.size()))) << kMelFlags[i];
        }
    }
}

TEST(MelVocabulary, IsMelFlagAgreesWithAScanOfEveryEntryOnNearMisses)
{
    // The plain rule: a word is a flag when some entry has it as short or long name.
    const auto scan = [](const std::string& word) {
        std::string shortName, longName;
        for (int i = 0; i < kMelFlagCount; ++i) {
            SplitMelFlag(kMelFlags[i], &shortName, &longName);
            if (word == shortName || (!word.empty() && word == longName))
                return true;
        }
        return false;
    };
    std::string longName;
    for (int i = 0; i < kMelFlagCount; i += 7) {
        SplitMelFlag(kMelFlags[i], nullptr, &longName);
        if (longName.size() < 2)
            continue;
        std::string upper = longName;
        upper[0] = 'A';
        for (const std::string& word : {longName.substr(0, longName.size() - 1), longName + 'X', upper,
                                        longName.substr(1)}) {
            ASSERT_EQ(IsMelFlag(word.data(), static_cast<int>(word.size())), scan(word)) << word;
        }
    }
}

TEST(MelVocabulary, TheShortNameABisectsAmongItsDuplicates)
{
    int entriesNamedA = 0;
    std::string shortName;
    for (int i = 0; i < kMelFlagCount; ++i) {
        SplitMelFlag(kMelFlags[i], &shortName, nullptr);
        entriesNamedA += shortName == "a";
    }
    EXPECT_EQ(entriesNamedA, 24);
    EXPECT_TRUE(IsMelFlag("a", 1));
}

TEST(MelVocabulary, SplitMelFlag)
{
    const struct { const char* entry; const char* shortName; const char* longName; } cases[] = {
        {"-ztp-zeroTransformPivots", "ztp", "zeroTransformPivots"}, {"-add-", "add", ""},
        {"-x-", "x", ""}, {"-w-width", "w", "width"}, {"w-width", "w", "width"}, {"-abc", "abc", ""},
        {"", "", ""}, {"-a-b-c", "a", "b-c"},
    };
    for (const auto& c : cases) {
        std::string shortName = "stale", longName = "stale";
        SplitMelFlag(c.entry, &shortName, &longName);
        EXPECT_EQ(shortName, c.shortName) << c.entry;
        EXPECT_EQ(longName, c.longName) << c.entry;
    }
    std::string shortName = "stale", longName = "stale";
    SplitMelFlag(nullptr, &shortName, &longName);
    EXPECT_EQ(shortName, "");
    EXPECT_EQ(longName, "");
    SplitMelFlag("-w-width", nullptr, &longName);
    EXPECT_EQ(longName, "width");
    SplitMelFlag("-w-width", nullptr, nullptr);
}

TEST(MelVocabulary, BooleanWordsByStyle)
{
    const struct { int style; const char* trueWord; const char* falseWord; } cases[] = {
        {0, "on", "off"}, {1, "true", "false"}, {2, "1", "0"}, {3, "on", "off"}, {-1, "on", "off"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(MelTrueWord(c.style), c.trueWord) << c.style;
        EXPECT_STREQ(MelFalseWord(c.style), c.falseWord) << c.style;
    }
}

} // namespace
} // namespace orv
