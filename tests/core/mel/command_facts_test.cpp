// Today's command facts: the merged releases as the checks, completion and colouring read them.
#include "mel/CommandFacts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace orv {
namespace {

const FactFlag* flagOf(const CommandFact& fact, std::string_view name)
{
    for (const FactFlag& flag : fact.flags)
        if (flag.longName == name || flag.shortName == name)
            return &flag;
    return nullptr;
}

TEST(CommandFacts, CommandsOfBothReleasesAndTheBuiltInFunctionsByName)
{
    const CommandFact* column = FindCommandFact("columnLayout");
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->releases, command_release::k2019 | command_release::kRecent);
    // A flag of the 2019 facts keeps its short name and modes; one only the recent facts know
    // has no short name and an unknown edit mode.
    const FactFlag* adjustable = flagOf(*column, "adj");
    ASSERT_NE(adjustable, nullptr);
    EXPECT_EQ(adjustable->longName, "adjustableColumn");
    EXPECT_EQ(adjustable->arguments, "boolean");
    EXPECT_EQ(adjustable->modes, flag_mode::kEdit);
    const FactFlag* margins = flagOf(*column, "margins");
    ASSERT_NE(margins, nullptr);
    EXPECT_EQ(margins->shortName, "");
    EXPECT_EQ(margins->arguments, "int");
    EXPECT_TRUE(margins->modes & flag_mode::kEditUnknown);
    EXPECT_EQ(flagOf(*column, "childArray")->modes, flag_mode::kQuery | flag_mode::kQueryOnly);
    // -parent is written "query" alone by the 2019 facts but takes a value: not query-only.
    EXPECT_FALSE(flagOf(*column, "parent")->modes & flag_mode::kQueryOnly);
    EXPECT_EQ(flagOf(*column, "edit")->shortName, "e");
    EXPECT_TRUE(std::is_sorted(column->flags.begin(), column->flags.end(), [](const FactFlag& a, const FactFlag& b) {
        return (a.longName.empty() ? a.shortName : a.longName) < (b.longName.empty() ? b.shortName : b.longName);
    }));

    // setAttr takes -edit (as "setAttr -e-keyable" shows) though no flag of its 2019 facts edits.
    ASSERT_NE(FindCommandFact("setAttr"), nullptr);
    EXPECT_NE(flagOf(*FindCommandFact("setAttr"), "edit"), nullptr);
    EXPECT_TRUE(flagOf(*FindCommandFact("textScrollList"), "append")->modes & flag_mode::kMultiUse);

    const CommandFact* fprint = FindCommandFact("fprint");
    ASSERT_NE(fprint, nullptr);
    EXPECT_EQ(fprint->releases, command_release::kFunction);
    EXPECT_TRUE(fprint->flags.empty());
    EXPECT_EQ(FindCommandFact("ColumnLayout"), nullptr);
    EXPECT_EQ(FindCommandFact(""), nullptr);
    EXPECT_EQ(FindCommandFact("columnLayout"), column);  // unpacked once

    EXPECT_TRUE(IsCommandFactName("polyRemesh"));
    EXPECT_FALSE(IsCommandFactName("polyRemes"));
    const auto names = CommandFactNames();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

TEST(CommandFacts, FlagNamesAndValueCounts)
{
    for (const char* name : {"margins", "sbm", "statusBarMessage", "e", "keyable", "collapseThreshold"})
        EXPECT_TRUE(IsCommandFactFlag(name)) << name;
    for (const char* name : {"", "-margins", "margin", "notAFlag"})
        EXPECT_FALSE(IsCommandFactFlag(name)) << name;

    struct Case {
        const char* arguments;
        int count;
    } const cases[] = {
        {"", 0},        {"string", 1},  {"float,float,float", 3}, {"int,string", 2},
        {"boolean", -1},  // written with or without its value
        {"boolean,boolean", 2}, {"string[]", -1}, {"floatrange", -1}, {"timerange", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(factValueCount(c.arguments), c.count) << c.arguments;
}

} // namespace
} // namespace orv
