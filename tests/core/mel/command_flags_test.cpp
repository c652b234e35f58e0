// A command's flags as the checks, completion, the grid and the export see them: value counts
// from the type texts, both names of every flag (those without a value included), and today's
// command facts beside the record.
#include "mel/CommandDatabase.h"
#include "mel/CommandFacts.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

TEST(CommandFlags, ValueCountsFollowTheTypeWords)
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

TEST(CommandFlags, EveryFlagOfTheRecordByEitherName)
{
    ASSERT_EQ(LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat"), LoadResult::ok);
    const auto button = CommandFlags("button");
    const CommandFlag* label = findCommandFlag(button, "label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(findCommandFlag(button, "l"), label);
    EXPECT_EQ(label->valueCount, 1);
    const CommandFlag* query = findCommandFlag(button, "q");
    ASSERT_NE(query, nullptr);  // not a typed flag, still a flag of button
    EXPECT_EQ(query->longName, "query");
    EXPECT_EQ(query->valueCount, 0);
    EXPECT_EQ(query->position, -1);
    EXPECT_EQ(findCommandFlag(button, "backgroundColor")->valueCount, 3);
    // The typed flags are the flags with a type, in the same order, numbered by position.
    const auto typed = CommandTypedFlags("button");
    std::size_t typedSeen = 0;
    for (const CommandFlag& flag : button) {
        if (flag.position < 0)
            continue;
        ASSERT_LT(typedSeen, typed.size());
        EXPECT_EQ(flag.position, static_cast<int>(typedSeen));
        EXPECT_EQ(typed[typedSeen].longName, flag.longName);
        ++typedSeen;
    }
    EXPECT_EQ(typedSeen, typed.size());
    EXPECT_EQ(findCommandFlag(button, "lable"), nullptr);
    EXPECT_EQ(findCommandFlag(button, ""), nullptr);
    EXPECT_EQ(findCommandFlag(CommandFlags("select"), "add")->longName, "");  // "-add-"

    // The record's flags come first and keep their places; today's flags follow them.
    const auto known = KnownCommandFlags("button");
    ASSERT_GT(known.size(), button.size());
    for (std::size_t i = 0; i < button.size(); ++i)
        EXPECT_EQ(known[i].shownName(), button[i].shownName());
    const CommandFlag* recent = findCommandFlag(known, "statusBarMessage");
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->position, -1);
    EXPECT_STREQ(recent->typeText, "string");
    EXPECT_EQ(recent->valueCount, 1);
    EXPECT_EQ(recent->shortName, "sbm");
    EXPECT_TRUE(findCommandFlag(KnownCommandFlags("columnLayout"), "childArray")->queryOnly);
    EXPECT_FALSE(findCommandFlag(KnownCommandFlags("columnLayout"), "width")->queryOnly);

    EXPECT_TRUE(CommandFlags("Button").empty());
    EXPECT_TRUE(CommandFlags("showWindow").empty());
    ASSERT_EQ(ParseMelCommandDatabase(std::string("\0\0", 2)), LoadResult::ok);
    EXPECT_TRUE(CommandFlags("button").empty());  // no record: the database does not know it
    // No record: today's command facts alone tell button's flags, with their own type words.
    const auto factsAlone = KnownCommandFlags("button");
    ASSERT_NE(findCommandFlag(factsAlone, "l"), nullptr);
    EXPECT_STREQ(findCommandFlag(factsAlone, "label")->typeText, "string");
    EXPECT_EQ(findCommandFlag(factsAlone, "label")->valueCount, 1);
    EXPECT_EQ(findCommandFlag(factsAlone, "enable")->valueCount, -1);  // a boolean may go without its value
    EXPECT_TRUE(KnownCommandFlags("noSuchCommand").empty());
    ASSERT_EQ(LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat"), LoadResult::ok);
}

} // namespace
} // namespace orv
