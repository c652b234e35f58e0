// A command's flags as the checks see them: value counts from the type texts, and both
// names of every flag, those without a value included.
#include "mel/CommandDatabase.h"
#include "melparse/CheckedFlags.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

TEST(CheckedFlags, ValueCountsFollowTheTypeWords)
{
    struct Case {
        int typeIndex;
        int count;
    } const cases[] = {
        {-1, 0},  // no value
        {0, -1},  // "(multi-use)": no word tells the count
        {1, 1},   {4, 1},   {5, 1},   {8, 3},   {9, 3},  {11, 16}, {16, 1}, {35, 6},
        {46, 1},  {47, 1},  {59, 3},  {80, 1},  {89, 7},
        {12, -1}, {14, -1}, {69, -1}, {70, -1}, // ranges may be written as one word or several
        {66, -1},                               // "String[...]": any number
        {90, -1}, {-2, -1},                     // outside the table
    };
    for (const Case& c : cases)
        EXPECT_EQ(flagValueCount(c.typeIndex), c.count) << c.typeIndex;
}

TEST(CheckedFlags, EveryFlagOfTheRecordByEitherName)
{
    ASSERT_EQ(LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat"), LoadResult::ok);
    const auto button = checkedFlagsOf("button");
    const CheckedFlag* label = findCheckedFlag(button, "label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(findCheckedFlag(button, "l"), label);
    EXPECT_EQ(label->valueCount, 1);
    const CheckedFlag* query = findCheckedFlag(button, "q");
    ASSERT_NE(query, nullptr);  // not a typed flag, still a flag of button
    EXPECT_EQ(query->longName, "query");
    EXPECT_EQ(query->valueCount, 0);
    EXPECT_EQ(findCheckedFlag(button, "backgroundColor")->valueCount, 3);
    EXPECT_EQ(findCheckedFlag(button, "lable"), nullptr);
    EXPECT_EQ(findCheckedFlag(button, ""), nullptr);
    EXPECT_EQ(findCheckedFlag(checkedFlagsOf("select"), "add")->longName, "");  // "-add-"

    EXPECT_TRUE(checkedFlagsOf("Button").empty());
    EXPECT_TRUE(checkedFlagsOf("showWindow").empty());
    ASSERT_EQ(ParseMelCommandDatabase(std::string("\0\0", 2)), LoadResult::ok);
    // No record: today's command facts alone tell button's flags, with their own type words.
    const auto factsAlone = checkedFlagsOf("button");
    ASSERT_NE(findCheckedFlag(factsAlone, "l"), nullptr);
    EXPECT_EQ(findCheckedFlag(factsAlone, "label")->typeText, "string");
    EXPECT_EQ(findCheckedFlag(factsAlone, "label")->valueCount, 1);
    EXPECT_EQ(findCheckedFlag(factsAlone, "enable")->valueCount, -1);  // a boolean may go without its value
    EXPECT_TRUE(checkedFlagsOf("noSuchCommand").empty());
    ASSERT_EQ(LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat"), LoadResult::ok);
}

} // namespace
} // namespace orv
