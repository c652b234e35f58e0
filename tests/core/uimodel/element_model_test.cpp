// The element model: construction, tree operations and what each type's flags do.
#include "ModelFixture.h"
#include "RecordingPreview.h"

#include "uimodel/FlagText.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

TEST(ElementTree, WindowTakesExactlyOneLayout)
{
    ModelFixture f;
    const UIRect before = f.window.rect();
    EXPECT_FALSE(f.window.AddChild(std::make_unique<CUIButton>(f.window)));
    EXPECT_EQ(f.window.childCount(), 0u);
    EXPECT_EQ(f.window.rect(), before);
    auto& column = addChild<CUIColumnLayout>(f.window);
    EXPECT_FALSE(f.window.AddChild(std::make_unique<CUIRowLayout>(f.window)));
    ASSERT_EQ(f.window.childCount(), 1u);
    EXPECT_EQ(f.window.children().front().get(), &column);
    EXPECT_FALSE(addChild<CUIButton>(column).AddChild(std::make_unique<CUIButton>(column)));
}

TEST(ElementTree, RowTakesSixAndStoresTheirWidths)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& row = addChild<CUIRowLayout>(column);
    const int widths[] = {80, 100, 60};
    for (const int w : widths) {
        auto& button = addChild<CUIButton>(row);
        button.ApplyFlags(withValues(button, {{CUIButton::kPositions.width, std::to_string(w)}}));
    }
    FlagValueTable table;
    row.StoreFlags(table);
    EXPECT_EQ(table[32], "80 100 60 ");
    EXPECT_EQ(table[30], "");
    EXPECT_EQ(table[31], "");
    EXPECT_EQ(table[CUIRowLayout::kNumberOfColumns], "3");
    EXPECT_EQ(table[CUIRowLayout::kWidth], "240");

    // Fewer children move the widths down and leave no stale column width behind.
    EXPECT_TRUE(row.RemoveChild(row.children().back().get()));
    row.StoreFlags(table);
    EXPECT_EQ(table[31], "80 100 ");
    EXPECT_EQ(table[32], "");

    for (int i = 0; i < 4; ++i)
        addChild<CUIText>(row);
    EXPECT_EQ(row.childCount(), 6u);
    const UIRect full = row.rect();
    const UIRect columnBefore = column.rect();
    EXPECT_FALSE(row.AddChild(std::make_unique<CUIButton>(row)));
    EXPECT_EQ(row.childCount(), 6u);
    EXPECT_EQ(row.rect(), full);
    EXPECT_EQ(column.rect(), columnBefore);
}

TEST(ElementTree, NamesNeverGoBackAndRemovalFindsDeepChildren)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& inner = addChild<CUIColumnLayout>(column);
    EXPECT_EQ(column.name(), "ColumnLayout0");
    EXPECT_EQ(inner.name(), "ColumnLayout1");
    const CUIButton& first = addChild<CUIButton>(inner);
    EXPECT_EQ(first.name(), "Button0");
    EXPECT_TRUE(f.window.RemoveChild(&first));
    EXPECT_EQ(inner.childCount(), 0u);
    EXPECT_EQ(addChild<CUIButton>(inner).name(), "Button1");
    EXPECT_EQ(addChild<CUISeparator>(inner).name(), "Separator0");
    const CUIButton stranger(column);  // never linked: nothing to remove
    EXPECT_FALSE(f.window.RemoveChild(&stranger));
    EXPECT_EQ(inner.childCount(), 2u);
    inner.DeleteChildren();
    EXPECT_EQ(inner.childCount(), 0u);
}

TEST(ElementTree, NewElementsTakeSizesFromTheSettingsAtConstruction)
{
    ModelFixture f;
    f.settings.buttonWidth = 91;
    f.settings.buttonHeight = 33;
    auto& column = addChild<CUIColumnLayout>(f.window);
    EXPECT_EQ(column.rect(), (UIRect{0, 0, 312, 213})) << "before any arrangement";
    const auto& button = addChild<CUIButton>(column);
    EXPECT_EQ(button.rect().width(), 91);
    EXPECT_EQ(button.rect().height(), 33);
    EXPECT_EQ(button.flags()[CUIButton::kPositions.width], "91");
    EXPECT_EQ(button.flags()[CUIButton::kPositions.label], "Button0");
    EXPECT_EQ(addChild<CUISeparator>(column).rect().width(), column.rect().width());
    const UIRect list = addChild<CUITextScrollList>(column).rect();
    EXPECT_EQ(list.width(), 150);
    EXPECT_EQ(list.height(), 100);
}

struct BooleanCase {
    BooleanStyle style;
    const char* value;
    bool countsAsOn;         // enable, visible, editable ...
    bool countsAsExactlyOn;  // adjustable column, resize to fit, tool window
};

TEST(FlagText, BooleansOfEachStyle)
{
    const BooleanCase cases[] = {
        {BooleanStyle::offOn, "", true, false},         {BooleanStyle::offOn, "off", false, false},
        {BooleanStyle::offOn, "of", true, false},       {BooleanStyle::offOn, "OFF", true, false},
        {BooleanStyle::offOn, "on", true, true},        {BooleanStyle::offOn, "true", true, false},
        {BooleanStyle::falseTrue, "off", true, false},  {BooleanStyle::falseTrue, "false", false, false},
        {BooleanStyle::falseTrue, "true", true, true},  {BooleanStyle::zeroOne, "0", false, false},
        {BooleanStyle::zeroOne, "1", true, true},       {BooleanStyle::zeroOne, "on", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(isFlagOn(c.value, static_cast<int>(c.style)), c.countsAsOn);
        EXPECT_EQ(isFlagExactlyTrue(c.value, static_cast<int>(c.style)), c.countsAsExactlyOn);
    }
}

TEST(FlagText, NumbersAndColours)
{
    EXPECT_EQ(readFlagInt("12abc"), 12);
    EXPECT_EQ(readFlagInt("  -7"), -7);
    EXPECT_EQ(readFlagInt("abc"), 0);
    EXPECT_EQ(readFlagInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(readFlagFloat("1.5e1x"), 15.0);
    EXPECT_EQ(readFlagFloat("nan"), 0.0);
    EXPECT_EQ(readFlagFloat("inf"), 0.0);
    EXPECT_EQ(readFlagFloat("1e999"), 0.0);
    EXPECT_EQ(readFlagColor("1 0.5 0"), makeColorRef(255, 127, 0));
    EXPECT_EQ(readFlagColor(""), kButtonFaceColor);
    EXPECT_EQ(readFlagColor("0 0 1"), makeColorRef(0, 0, 255));
    EXPECT_EQ(readFlagColor("0.2"), makeColorRef(51, 0, 0));
    EXPECT_EQ(readFlagColor("1e300 -1e300 x"), makeColorRef(0, 0, 0));
}

TEST(ElementFlags, ButtonShowsItsFlagsInThePreview)
{
    ModelFixture f;
    RecordedView view(f.window);
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& button = addChild<CUIButton>(column);
    const PreviewRecord& record = view.record(button);
    EXPECT_EQ(record.text, "Button0");
    EXPECT_TRUE(record.enabled);

    button.ApplyFlags(withValues(button, {{2, "1 0.5 0"}, {8, "off"}, {10, "Go"}, {0, "left"}, {15, "of"}, {9, "x"}}));
    EXPECT_EQ(button.backColor(), makeColorRef(255, 127, 0));
    EXPECT_EQ(record.backColor, makeColorRef(255, 127, 0));
    EXPECT_EQ(record.text, "Go");
    EXPECT_FALSE(record.enabled);
    EXPECT_FALSE(button.enabled());
    EXPECT_TRUE(record.visible) << "a misspelt false word counts as true";
    EXPECT_TRUE(hasStyle(record.styles, PreviewStyle::alignLeft));
    EXPECT_EQ(button.rect().height(), 0) << "a height that is not a number is 0";
    EXPECT_EQ(record.geometry, button.rect());

    button.ApplyFlags(withValues(button, {{10, ""}, {15, "off"}, {0, "middle"}}));
    EXPECT_EQ(record.text, "Go") << "an empty label keeps the shown text";
    EXPECT_FALSE(record.visible);
    EXPECT_FALSE(hasStyle(record.styles, PreviewStyle::alignLeft));
    EXPECT_FALSE(hasStyle(record.styles, PreviewStyle::alignRight));
}

TEST(ElementFlags, SliderAndSeparatorSwapSidesToMatchOrientation)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& slider = addChild<CUIIntSlider>(column);
    slider.ApplyFlags(withValues(slider, {{19, "20"}, {9, "100"}}));
    EXPECT_EQ(slider.rect().width(), 100);
    EXPECT_EQ(slider.rect().height(), 20);
    EXPECT_EQ(slider.flags()[19], "100");
    EXPECT_EQ(slider.flags()[9], "20");
    EXPECT_FALSE(hasStyle(slider.previewStyles(), PreviewStyle::vertical));

    auto& separator = addChild<CUISeparator>(column);
    separator.ApplyFlags(withValues(separator, {{8, "off"}, {14, "100"}, {7, "20"}}));
    EXPECT_EQ(separator.flags()[14], "20");
    EXPECT_EQ(separator.flags()[7], "100");
    EXPECT_TRUE(hasStyle(separator.previewStyles(), PreviewStyle::vertical));
}

TEST(ElementFlags, NumberFieldsRewriteTheirValue)
{
    struct Case {
        const char* value;
        const char* precision;
        const char* expected;
    };
    const Case floats[] = {{"2", "", "2.0000"},  {"1.5", "0", "1.5000"}, {"1.5", "2", "1.50"},
                           {"abc", "", "0.0000"}, {"2", "-3", "2.0000"}, {"-0.125", "1", "-0.1"}};
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& floatField = addChild<CUIFloatField>(column);
    EXPECT_EQ(floatField.previewText(), "0.0000");
    for (const auto& c : floats) {
        SCOPED_TRACE(c.value);
        floatField.ApplyFlags(withValues(floatField, {{20, c.value}, {16, c.precision}}));
        EXPECT_EQ(floatField.flags()[20], c.expected);
        EXPECT_EQ(floatField.previewText(), c.expected);
    }
    floatField.ApplyFlags(withValues(floatField, {{20, "1"}, {16, "100000"}}));
    EXPECT_EQ(floatField.flags()[20].size(), 2u + CUITextEntry::kMaxPrecision);

    auto& intField = addChild<CUIIntField>(column);
    intField.ApplyFlags(withValues(intField, {{19, "12abc"}}));
    EXPECT_EQ(intField.flags()[19], "12");
    intField.ApplyFlags(withValues(intField, {{19, ""}}));
    EXPECT_EQ(intField.previewText(), "0");
}

TEST(ElementFlags, TextFieldTextInsertEnableAndEditable)
{
    struct Case {
        const char* position;
        const char* expected;
    };
    const Case inserts[] = {{"0", "Hello X"}, {"", "Hello X"}, {"2", "He Xllo"}, {"99", "Hello X"}, {"-1", "Hello X"}};
    ModelFixture f;
    RecordedView view(f.window);
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& field = addChild<CUITextField>(column);
    const PreviewRecord& record = view.record(field);
    EXPECT_EQ(record.text, "TextField0");
    for (const auto& c : inserts) {
        SCOPED_TRACE(c.position);
        field.ApplyFlags(withValues(field, {{18, "Hello"}, {14, " X"}, {13, c.position}}));
        EXPECT_EQ(record.text, c.expected);
        EXPECT_EQ(field.flags()[18], "Hello") << "the table keeps the typed text";
    }
    field.ApplyFlags(withValues(field, {{18, ""}, {14, ""}}));
    EXPECT_EQ(record.text, "") << "an empty text is shown too";

    field.ApplyFlags(withValues(field, {{9, "off"}}));
    EXPECT_FALSE(record.enabled);
    EXPECT_TRUE(hasStyle(record.styles, PreviewStyle::readOnly));
    EXPECT_FALSE(field.disabledByEnable());
    EXPECT_TRUE(field.enabled()) << "enabled follows the enable flag only";

    field.ApplyFlags(withValues(field, {{9, "on"}, {8, "off"}}));
    EXPECT_FALSE(record.enabled);
    EXPECT_TRUE(field.disabledByEnable());
    EXPECT_FALSE(field.enabled());

    field.ApplyFlags(withValues(field, {{9, ""}, {8, ""}}));
    EXPECT_TRUE(record.enabled);
    EXPECT_FALSE(hasStyle(record.styles, PreviewStyle::readOnly));
    EXPECT_FALSE(field.disabledByEnable());
}

TEST(ElementFlags, WindowPositionSizeStylesAndTitle)
{
    ModelFixture f;
    f.window.ApplyFlags(withValues(f.window, {{18, "10"}, {7, "20"}, {23, "400"}, {3, ""}, {17, "off"}, {12, "off"},
                                              {19, "on"}, {16, "Tools"}, {14, "yes"}}));
    EXPECT_EQ(f.window.rect(), (UIRect{20, 10, 420, 250}));
    EXPECT_FALSE(hasStyle(f.window.previewStyles(), PreviewStyle::caption));
    EXPECT_FALSE(hasStyle(f.window.previewStyles(), PreviewStyle::systemMenu));
    EXPECT_FALSE(hasStyle(f.window.previewStyles(), PreviewStyle::maximizeBox));
    EXPECT_TRUE(hasStyle(f.window.previewStyles(), PreviewStyle::minimizeBox));
    EXPECT_TRUE(hasStyle(f.window.previewStyles(), PreviewStyle::toolWindow));
    EXPECT_EQ(f.window.previewText(), "Tools");
    EXPECT_FALSE(f.window.fitToChildren()) << "only the true word sets resize to fit";

    FlagValueTable table;
    f.window.StoreFlags(table);
    EXPECT_EQ(table[23], "400");
    EXPECT_EQ(table[3], "240");
    EXPECT_EQ(table[24], "");
    EXPECT_EQ(table[17], "off");
    EXPECT_EQ(table[4], "off") << "no caption means no system menu either";
    EXPECT_EQ(table[12], "off");
    EXPECT_EQ(table[10], "");
    EXPECT_EQ(table[19], "on");

    f.settings.setFlag(SettingsFlag::useWidthHeight, true);
    f.window.ApplyFlags(withValues(f.window, {{20, "5 6"}, {24, "300 200"}}));
    EXPECT_EQ(f.window.rect(), (UIRect{6, 5, 306, 205}));
    f.window.StoreFlags(table);
    EXPECT_EQ(table[24], "300 200");
    EXPECT_EQ(table[23], "");
    EXPECT_EQ(table[3], "");
    // A file written without widthHeight keeps a usable size when read with it.
    f.window.ApplyFlags(withValues(f.window, {{20, ""}, {24, ""}}));
    EXPECT_EQ(f.window.rect(), (UIRect{0, 0, 320, 240}));
}

TEST(ElementFlags, ToolWindowCanBeTurnedOffAgain)
{
    ModelFixture f;
    f.window.ApplyFlags(withValues(f.window, {{19, "on"}}));
    ASSERT_TRUE(hasStyle(f.window.previewStyles(), PreviewStyle::toolWindow));
    f.window.ApplyFlags(withValues(f.window, {{19, "off"}}));
    EXPECT_FALSE(hasStyle(f.window.previewStyles(), PreviewStyle::toolWindow));
    FlagValueTable table;
    f.window.StoreFlags(table);
    EXPECT_EQ(table[19], "off") << "the user's choice is what is saved and exported";
}

TEST(ElementFlags, EnableSubtreeFollowsEachElementsOwnEnable)
{
    ModelFixture f;
    RecordedView view(f.window);
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& on = addChild<CUIButton>(column);
    auto& off = addChild<CUIButton>(column);
    const PreviewRecord& windowRecord = view.record(f.window);
    const PreviewRecord& columnRecord = view.record(column);
    const PreviewRecord& onRecord = view.record(on);
    const PreviewRecord& offRecord = view.record(off);
    off.ApplyFlags(withValues(off, {{8, "off"}}));
    view.tree.enableBelowWindow(false);
    EXPECT_TRUE(windowRecord.enabled) << "the window stays as it is";
    EXPECT_FALSE(columnRecord.enabled);
    EXPECT_FALSE(onRecord.enabled);
    view.tree.enableBelowWindow(true);
    EXPECT_TRUE(columnRecord.enabled);
    EXPECT_TRUE(onRecord.enabled);
    EXPECT_FALSE(offRecord.enabled);
}

TEST(ElementPreview, PreviewsFollowArrangementAndDieWithTheirElement)
{
    ModelFixture f;
    RecordedView view(f.window);
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& a = addChild<CUIButton>(column);
    const PreviewRecord& first = view.record(a);
    auto& b = addChild<CUIButton>(column);
    const PreviewRecord& second = view.record(b);
    EXPECT_EQ(second.geometry, (UIRect{0, 28, 80, 56}));
    const int calls = second.geometryCalls;
    column.ApplyFlags(withValues(column, {{CUIColumnLayout::kRowSpacing, "5"}}));
    EXPECT_EQ(first.geometry, (UIRect{0, 5, 80, 33}));
    EXPECT_EQ(second.geometry, (UIRect{0, 38, 80, 66}));
    EXPECT_EQ(second.geometryCalls, calls + 1) << "told once per change, not once per pass";
    EXPECT_TRUE(column.RemoveChild(&a));
    EXPECT_TRUE(first.destroyed);
    EXPECT_EQ(second.geometry, (UIRect{0, 5, 80, 33}));
}

TEST(ElementPreview, ListItemsReplacedWholeReachThePreview)
{
    ModelFixture f;
    RecordedView view(f.window);
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& list = addChild<CUITextScrollList>(column);
    const PreviewRecord& record = view.record(list);
    list.addItem("old");
    list.setItems({"a", "", "b"});
    EXPECT_EQ(list.listItems(), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(record.items, list.listItems());
    list.setItems({});
    EXPECT_TRUE(record.items.empty());
}

// An edit tells the views once that the tree may have moved, however deep it happens: each
// notice makes every view walk the whole tree.
TEST(ElementTree, AnEditTellsTheTreesGeometryOnce)
{
    struct Counter final : WindowObserver {
        int treeNotices = 0;
        const CUIElement* window = nullptr;
        void elementInserted(const CUIElement&) override {}
        void elementRemoving(const CUIElement&) override {}
        void elementMoved(const CUIElement&) override {}
        void flagsChanged(const CUIElement&) override {}
        void geometryChanged(const CUIElement& subtree) override { treeNotices += &subtree == window ? 1 : 0; }
    };
    ModelFixture f;
    CUIElement* deepest = &addChild<CUIColumnLayout>(f.window);
    for (int depth = 0; depth < 6; ++depth)
        deepest = &addChild<CUIColumnLayout>(*deepest);
    CUIElement& first = *f.window.children().front();
    Counter counter;
    counter.window = &f.window;
    f.window.addObserver(counter);

    CUIElement& button = addChild<CUIButton>(*deepest);
    EXPECT_EQ(counter.treeNotices, 1);
    counter.treeNotices = 0;
    button.moveTo(first, nullptr);
    EXPECT_EQ(counter.treeNotices, 1);
    counter.treeNotices = 0;
    EXPECT_TRUE(f.window.RemoveChild(&button));
    EXPECT_EQ(counter.treeNotices, 1);
    f.window.removeObserver(counter);
}
