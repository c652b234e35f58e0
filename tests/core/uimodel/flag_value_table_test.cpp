// The flag values of an element: only the flags given take room, an empty value is a flag
// not given, and a value stays where it is while other positions are used.
#include "ModelFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace orv;
using namespace orv::test;

namespace {

std::vector<int> heldPositions(const FlagValueTable& table)
{
    std::vector<int> held;
    for (const auto& [position, value] : table)
        held.push_back(position);
    return held;
}

} // namespace

// Values are assigned as strings: GCC 12 warns falsely of overlapping copies for literals.
TEST(FlagValues, OnlyTheFlagsGivenAreHeld)
{
    FlagValueTable table;
    const FlagValueTable& reader = table;
    EXPECT_EQ(reader[200], "");
    EXPECT_TRUE(heldPositions(table).empty()) << "reading a const table makes no entry";
    table[12] = std::string("12");
    table[3] = std::string("3");
    table[40] = std::string("x");
    table[40].clear();
    table[7];  // read for writing, left empty
    EXPECT_EQ(heldPositions(table), (std::vector<int>{3, 7, 12, 40}));
    // A copy, and a table that takes another's, hold the given ones.
    const FlagValueTable copy = table;
    EXPECT_EQ(heldPositions(copy), (std::vector<int>{3, 12}));
    FlagValueTable taken;
    taken = std::move(table);
    EXPECT_EQ(heldPositions(taken), (std::vector<int>{3, 12}));
    EXPECT_EQ(copy[12], "12");
}

TEST(FlagValues, AnEmptyValueEqualsAFlagNotGiven)
{
    FlagValueTable a;
    FlagValueTable b;
    a[5] = std::string("on");
    b[5] = std::string("on");
    b[9];
    b[1] = std::string("");
    EXPECT_EQ(a, b);
    b[9] = std::string("off");
    EXPECT_FALSE(a == b);
    a[9] = std::string("of");
    EXPECT_FALSE(a == b);
    a[9] = std::string("off");
    a[10];
    EXPECT_EQ(a, b);
}

// Callers take one value while they write others ("width" copied into "columnWidth").
TEST(FlagValues, AValueStaysWhereItIsWhileOtherPositionsAreUsed)
{
    FlagValueTable table;
    table[100] = std::string("80");
    std::string& kept = table[100];
    for (int position = 0; position < kFlagTableSize; ++position)
        table[position == 100 ? 0 : position] += "";
    table[200] = table[100];
    kept += "!";
    EXPECT_EQ(std::as_const(table)[100], "80!");
    EXPECT_EQ(std::as_const(table)[200], "80");
}

// A new element, and one given values, hold no entry for the many flags they leave out.
TEST(FlagValues, AnElementHoldsOnlyTheFlagsItGives)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& button = addChild<CUIButton>(column);
    auto& slider = addChild<CUIIntSlider>(column);
    auto& row = addChild<CUIRowLayout>(column);
    auto& field = addChild<CUIIntField>(row);
    button.ApplyFlags(withValues(button, {{CUIButton::kPositions.label, "Go"}, {CUIButton::kPositions.enable, ""}}));
    const CUIElement* const elements[] = {&f.window, &column, &button, &slider, &row, &field};
    for (const CUIElement* element : elements) {
        for (const auto& [position, value] : element->flags())
            EXPECT_FALSE(value.empty()) << element->name() << " holds position " << position << " empty";
    }
    EXPECT_EQ(button.flags()[CUIButton::kPositions.label], "Go");
}
