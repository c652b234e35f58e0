// The flag rows of a command, their value transfer, the type hint, the row arithmetic of
// categories and the letter jump, on the shipped database and on hand-made records.
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "propgrid/CPropertySet.h"
#include "propgrid/FlagValueRefusal.h"
#include "propgrid/MultiValueItems.h"
#include "propgrid/PropertyRows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orv {
namespace {

const std::string kDatabase = std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat";

std::string le16(int value)
{
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
}

// A database whose first command (index 0) has the given (flag, type) pairs.
std::string firstCommandDatabase(const std::vector<std::pair<int, int>>& pairs)
{
    std::string bytes = le16(1) + le16(0) + le16(static_cast<int>(pairs.size()));
    for (const auto& [flag, type] : pairs)
        bytes += le16(flag) + le16(type);
    return bytes;
}

std::string longName(int flagIndex)
{
    std::string name;
    SplitMelFlag(kMelFlags[flagIndex], nullptr, &name);
    return name;
}

std::vector<std::string> itemNames(const CPropertySet& set)
{
    std::vector<std::string> names;
    for (const auto& item : set.categories().at(0)->items())
        names.push_back(item->name());
    return names;
}

class PropertySetTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(LoadMelCommandDatabase(kDatabase), LoadResult::ok); }
    void TearDown() override { LoadMelCommandDatabase(kDatabase); }
};

TEST_F(PropertySetTest, ButtonShowsEveryTypedFlagInDatabaseOrder)
{
    CPropertySet set;
    ASSERT_TRUE(set.Build(FindMelCommand("button"), 0));
    ASSERT_EQ(set.categories().size(), 1u);
    EXPECT_EQ(set.categories()[0]->name(), "button");
    EXPECT_EQ(itemNames(set), (std::vector<std::string>{
                                  "align", "annotation", "backgroundColor", "command", "dragCallback", "dropCallback",
                                  "defineTemplate", "docTag", "enable", "height", "label", "manage", "parent",
                                  "recomputeSize", "useTemplate", "visible", "width"}));
    const auto& items = set.categories()[0]->items();
    EXPECT_EQ(items[8]->kind(), PropertyKind::boolean);
    EXPECT_EQ(items[10]->kind(), PropertyKind::text);
    EXPECT_EQ(set.itemCount(), GetCommandFlagRecord(FindMelCommand("button")).pairCount);
}

TEST_F(PropertySetTest, KindFollowsTypeAndUntypedPairsAreSkipped)
{
    ASSERT_EQ(ParseMelCommandDatabase(firstCommandDatabase({{5, 80}, {6, -1}, {7, 47}, {8, 46}, {9, 3}})),
              LoadResult::ok);
    CPropertySet set;
    ASSERT_TRUE(set.Build(0, 0));
    EXPECT_EQ(set.categories()[0]->name(), kMelCommands[0]);
    EXPECT_EQ(itemNames(set), (std::vector<std::string>{longName(5), longName(7), longName(8), longName(9)}));
    const auto& items = set.categories()[0]->items();
    const PropertyKind kinds[] = {PropertyKind::boolean, PropertyKind::multi, PropertyKind::text, PropertyKind::text};
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i]->kind(), kinds[i]) << i;
    EXPECT_EQ(set.itemCount(), 5);
}

TEST_F(PropertySetTest, IndexOutsideTheCommandTableChangesNothing)
{
    CPropertySet set;
    ASSERT_TRUE(set.Build(FindMelCommand("button"), 0));
    for (int index : {-1, kMelCommandCount, 30000}) {
        EXPECT_FALSE(set.Build(index, 0));
        EXPECT_EQ(set.categories()[0]->name(), "button");
        EXPECT_EQ(set.commandIndex(), FindMelCommand("button"));
    }
}

TEST_F(PropertySetTest, BooleanChoicesFollowTheStyle)
{
    const struct {
        int style;
        const char* yes;
        const char* no;
    } cases[] = {{0, "on", "off"}, {1, "true", "false"}, {2, "1", "0"}};
    for (const auto& c : cases) {
        CPropertySet set;
        ASSERT_TRUE(set.Build(FindMelCommand("button"), c.style));
        const auto& enable = static_cast<const CPropertyItemBool&>(*set.categories()[0]->items()[8]);
        EXPECT_EQ(enable.choice(0), "default");
        EXPECT_EQ(enable.choice(1), c.yes);
        EXPECT_EQ(enable.choice(2), c.no);
        EXPECT_EQ(enable.choice(3), std::nullopt);
    }
}

TEST_F(PropertySetTest, ValuesTravelByTheTransferRules)
{
    ASSERT_EQ(ParseMelCommandDatabase(firstCommandDatabase({{5, 80}, {6, -1}, {7, 47}, {8, 46}, {9, 80}, {10, 80}})),
              LoadResult::ok);
    CPropertySet set;
    ASSERT_TRUE(set.Build(0, 1));
    // Every boolean word MEL takes shows as the style's word of the same meaning.
    const struct {
        const char* value;
        int choice;
    } booleans[] = {{"true", 1}, {"false", 2}, {"", 0},  {"On", 0},  {"TRUE", 0}, {"on", 1},   {"off", 2},
                    {"yes", 1},  {"no", 2},    {"1", 1}, {"0", 2},   {"maybe", 0}, {"$flag", 0}};
    for (const auto& b : booleans) {
        FlagValueTable table;
        table[0] = b.value;
        table[1] = "\"x\" \"y\"";
        table[2] = " typed as is ";
        table[3] = "0";
        table[4] = "true";
        set.SetValues(table);
        const auto& items = set.categories()[0]->items();
        EXPECT_EQ(static_cast<const CPropertyItemBool&>(*items[0]).value(), b.choice) << b.value;
        EXPECT_EQ(static_cast<const CPropertyItemMulti&>(*items[1]).value(), "") << "multi takes nothing";
        EXPECT_EQ(items[2]->valueText(), " typed as is ");
        EXPECT_EQ(items[0]->valueText(), b.choice == 0 ? "" : b.choice == 1 ? "true" : "false") << "default shows nothing";
        EXPECT_EQ(items[3]->valueText(), "false");

        // Nothing edited: every value stays as it was given, spelt so.
        FlagValueTable out = table;
        out[5] = "beyond";
        set.GetValues(out);
        FlagValueTable expected = table;
        expected[5] = "beyond";
        EXPECT_EQ(out, expected) << b.value;

        // Edited rows write the style's word or the text; the others keep theirs.
        static_cast<CPropertyItemBool&>(*items[0]).setValue(CPropertyItemBool::kTrue);
        items[0]->setEdited(true);
        static_cast<CPropertyItemString&>(*items[2]).setValue("new");
        items[2]->setEdited(true);
        set.GetValues(out);
        EXPECT_EQ(out[0], "true");
        EXPECT_EQ(out[1], "\"x\" \"y\"");
        EXPECT_EQ(out[2], "new");
        EXPECT_EQ(out[3], "0");
        EXPECT_EQ(out[5], "beyond");
        // An edited "default" clears the flag; after the values were taken, nothing writes.
        static_cast<CPropertyItemBool&>(*items[0]).setValue(CPropertyItemBool::kDefault);
        set.GetValues(out);
        EXPECT_EQ(out[0], "");
        set.ValuesTaken();
        out[0] = "kept";
        set.GetValues(out);
        EXPECT_EQ(out[0], "kept");
        EXPECT_FALSE(items[2]->edited());
    }
}

TEST_F(PropertySetTest, TypeHintNamesTheRowsFlag)
{
    CPropertySet set;
    EXPECT_EQ(set.FlagTypeHint(1), "") << "nothing built yet";
    ASSERT_TRUE(set.Build(FindMelCommand("button"), 0));
    EXPECT_EQ(set.FlagTypeHint(0), "Flag type of 'align' is : String");
    EXPECT_EQ(set.FlagTypeHint(1), "Flag type of 'align' is : String");
    EXPECT_EQ(set.FlagTypeHint(3), "Flag type of 'backgroundColor' is : Float Float Float");
    EXPECT_EQ(set.FlagTypeHint(9), "Flag type of 'enable' is : on|off");
    EXPECT_EQ(set.FlagTypeHint(17), "Flag type of 'width' is : Int");
    EXPECT_EQ(set.FlagTypeHint(18), "");
}

TEST_F(PropertySetTest, CategoriesCollapseAndExpandTheirRows)
{
    CPropertySet set;
    ASSERT_TRUE(set.Build(FindMelCommand("button"), 0));
    PropertyRows rows;
    rows.setPropertySet(&set);
    ASSERT_EQ(rows.count(), 18) << "a new grid starts expanded";
    EXPECT_EQ(rows.item(0), set.categories()[0].get());
    EXPECT_EQ(rows.item(11)->name(), "label");
    EXPECT_EQ(rows.item(18), nullptr);
    EXPECT_EQ(rows.item(-1), nullptr);

    EXPECT_FALSE(rows.expand(0)) << "an expanded category is not expanded twice";
    EXPECT_EQ(rows.count(), 18);
    EXPECT_FALSE(rows.collapse(3)) << "not a category";
    EXPECT_TRUE(rows.collapse(0));
    EXPECT_EQ(rows.count(), 1);
    EXPECT_FALSE(set.categories()[0]->expanded());
    EXPECT_FALSE(rows.collapse(0));
    EXPECT_EQ(rows.count(), 1);
    EXPECT_TRUE(rows.toggle(0));
    EXPECT_EQ(rows.count(), 18);
    EXPECT_EQ(rows.item(17)->name(), "width");

    // Hidden items take no row, and collapsing removes only the shown ones.
    set.categories()[0]->items()[0]->setVisible(false);
    set.categories()[0]->items()[16]->setVisible(false);
    rows.setPropertySet(&set);
    EXPECT_EQ(rows.count(), 16);
    EXPECT_EQ(rows.item(1)->name(), "annotation");
    EXPECT_TRUE(rows.toggle(0));
    EXPECT_EQ(rows.count(), 1);
    rows.clear();
    EXPECT_EQ(rows.count(), 0);
}

TEST_F(PropertySetTest, LetterJumpGoesOnFromTheSelectionAndWraps)
{
    CPropertySet set;
    ASSERT_TRUE(set.Build(FindMelCommand("button"), 0));
    PropertyRows rows;
    rows.setPropertySet(&set);
    // Rows: 0 button, 1 align, 2 annotation, 3 backgroundColor, ... 10 height, 11 label, ... 16 visible, 17 width.
    const struct {
        int from;
        char letter;
        int row;
    } cases[] = {{-1, 'a', 1}, {1, 'a', 2},  {2, 'A', 1},  {3, 'a', 1},  {0, 'w', 17}, {17, 'W', 17},
                 {5, 'b', 0},  {0, 'b', 3},  {16, 'v', 16}, {10, 'x', -1}, {9, 'h', 10}};
    for (const auto& c : cases)
        EXPECT_EQ(rows.letterJump(c.from, c.letter), c.row) << c.from << " " << c.letter;
    rows.clear();
    EXPECT_EQ(rows.letterJump(-1, 'a'), -1);
}

// A number row takes numbers of its type only, sizes from 0 to the largest control size; any
// row refuses a value longer than a window file line holds. The refusal names the value kept.
TEST_F(PropertySetTest, NumberRowsRefuseWhatIsNoNumberOfTheirType)
{
    const auto flag = [](const char* command, const char* name) {
        for (const CommandFlag& f : CommandTypedFlags(command))
            if (f.longName == name)
                return f;
        ADD_FAILURE() << command << " -" << name;
        return CommandFlag{};
    };
    const CommandFlag width = flag("button", "width");
    const CommandFlag maxValue = flag("floatSlider", "maxValue");
    const CommandFlag minValue = flag("intSlider", "minValue");
    const CommandFlag colour = flag("button", "backgroundColor");
    const CommandFlag label = flag("button", "label");
    const CommandFlag attach = flag("columnLayout", "columnAttach");
    const CommandFlag indexes = flag("textScrollList", "selectIndexedItem");
    const struct {
        const CommandFlag& flag;
        std::string value;
        std::string refusal;  // empty: taken
    } cases[] = {
        {width, "", ""},
        {width, "120", ""},
        {width, "0", ""},
        {width, "abc", "'width' keeps \"80\": \"abc\" is not a whole number."},
        {width, "12px", "'width' keeps \"80\": \"12px\" is not a whole number."},
        {width, "1.5", "'width' keeps \"80\": \"1.5\" is not a whole number."},
        {width, "$w", "'width' keeps \"80\": \"$w\" is not a whole number."},
        {width, "-50", "'width' keeps \"80\": \"-50\" is below 0, and a size cannot be."},
        {width, "10001", "'width' keeps \"80\": \"10001\" is too large: a size is at most 10000."},
        {width, "99999999999", "'width' keeps \"80\": \"99999999999\" is out of the range of whole numbers."},
        {minValue, "-50", ""},
        {minValue, "2147483648", "'minValue' keeps \"80\": \"2147483648\" is out of the range of whole numbers."},
        {maxValue, "-2.5e3", ""},
        {maxValue, "1e999", "'maxValue' keeps \"80\": \"1e999\" is out of the range of numbers."},
        {maxValue, "ten", "'maxValue' keeps \"80\": \"ten\" is not a number."},
        {colour, "1 0.5 0", ""},
        {colour, "1 0.5", "'backgroundColor' keeps \"80\": \"1 0.5\" is not of type \"Float Float Float\"."},
        {indexes, "1 2 3", ""},
        {indexes, "1 b", "'selectIndexedItem' keeps \"80\": \"1 b\" is not of type \"Int (multi-use)\"."},
        // not number rows: any text, up to the bound of a line
        {attach, "left x", ""},
        {label, "abc", ""},
        {label, std::string(wnd_file::kMaxValueBytes, 'x'), ""},
        {label, std::string(wnd_file::kMaxValueBytes + 1, 'x'),
         "'label' keeps \"80\": the value is longer than 65520 bytes, the most a window file line holds."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.flag.longName) + " " + c.value.substr(0, 20));
        EXPECT_EQ(FlagValueRefusal(c.flag, c.value, "80"), c.refusal);
    }
    EXPECT_EQ(FlagValueRefusal(width, "x", ""), "'width' keeps no value: \"x\" is not a whole number.");
    EXPECT_TRUE(isNumberType("Int Int (multi-use)"));
    EXPECT_FALSE(isNumberType("String Int"));
    EXPECT_FALSE(isNumberType("on|off"));
}

TEST(MultiValueItems, ItemsSurviveTheirValue)
{
    const std::vector<std::vector<std::string>> cases = {
        {}, {"a"}, {"a", "b c"}, {"quote \" and \\ back", ""}, {"line\nbreak\ttab", "\x01"}};
    for (const auto& items : cases)
        EXPECT_EQ(splitMultiValue(joinMultiValue(items)), items);
    EXPECT_EQ(joinMultiValue({"a", "b c"}), "\"a\" \"b c\"");
    EXPECT_EQ(splitMultiValue("  bare \"q\"  word "), (std::vector<std::string>{"bare", "q", "word"}));
    EXPECT_EQ(splitMultiValue("\"open"), (std::vector<std::string>{"open"}));
    EXPECT_EQ(splitMultiValue("\"end\\"), (std::vector<std::string>{"end\\"}));
}

// A separator's -style is chosen out of the words the command lists, after "default"; a word
// it does not list shows as "default" and, left alone, stays as it was.
TEST_F(PropertySetTest, StyleWordsAreAChoice)
{
    CPropertySet set;
    ASSERT_TRUE(set.Build(FindMelCommand("separator"), 0));
    constexpr int kStyle = 11;
    auto* style = dynamic_cast<CPropertyItemWords*>(set.categories().at(0)->items().at(kStyle).get());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->kind(), PropertyKind::words);
    std::vector<std::string> choices;
    for (int i = 0; auto text = style->choice(i); ++i)
        choices.push_back(*text);
    EXPECT_EQ(choices, (std::vector<std::string>{"default", "none", "single", "double", "singleDash", "doubleDash", "in", "out"}));

    FlagValueTable table;
    table[kStyle] = "out";
    set.SetValues(table);
    EXPECT_EQ(style->value(), 7);
    EXPECT_EQ(style->valueText(), "out");
    table[kStyle] = "shelf";
    set.SetValues(table);
    EXPECT_EQ(style->value(), 0);
    set.GetValues(table);
    EXPECT_EQ(table[kStyle], "shelf");
    style->setValue(4);
    style->setEdited(true);
    set.GetValues(table);
    EXPECT_EQ(table[kStyle], "singleDash");
    style->setValue(0);
    set.GetValues(table);
    EXPECT_EQ(table[kStyle], "");
}

} // namespace
} // namespace orv
