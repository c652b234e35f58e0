// Arrangement: concrete geometry of the layouts, and equality of Relayout with the
// arrangement passes run as written (every parent twice, every child twice) on random trees.
#include "ModelFixture.h"

#include "uimodel/ElementFactory.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace orv;
using namespace orv::test;

namespace {

// The passes as written: the layout's first half, its parent twice (unless the parent
// asked), the second half, then every child twice. Exponential in the nesting depth.
void writtenRelayout(CUIElement& element, const CUIElement* caller)
{
    if (!element.isArranging())
        return;
    element.arrangeBeforeParent();
    if (CUIElement* parent = element.parent(); parent && parent != caller) {
        writtenRelayout(*parent, &element);
        writtenRelayout(*parent, &element);
    }
    element.arrangeAfterParent();
    for (const auto& child : element.children()) {
        writtenRelayout(*child, &element);
        writtenRelayout(*child, &element);
    }
}

// Builds the same random tree each time for a seed; the recipe draws only from its own
// generator, so two builds are identical element for element.
class RandomTree {
public:
    RandomTree(unsigned seed, int maxDepth, int maxChildren) : m_rng(seed), m_maxDepth(maxDepth), m_maxChildren(maxChildren)
    {
    }

    void build(CUIWindow& window)
    {
        FlagValueTable windowFlags = window.flags();
        windowFlags[CUIWindow::kResizeToFitChildren] = pick({"", "on", "on"});
        windowFlags[CUIWindow::kSizeable] = pick({"", "", "off"});
        windowFlags[CUIWindow::kTitleBar] = pick({"", "", "off"});
        auto top = createElement(pick({"columnLayout", "columnLayout", "rowLayout"}), window);
        CUIElement& layout = *top;
        window.AddChild(std::move(top));
        fill(layout, 1);
        window.ApplyFlags(windowFlags);
    }

    std::mt19937& rng() { return m_rng; }

private:
    const char* pick(std::initializer_list<const char*> choices)
    {
        return choices.begin()[m_rng() % choices.size()];
    }

    void fill(CUIElement& layout, int depth)
    {
        const int count = static_cast<int>(m_rng() % static_cast<unsigned>(m_maxChildren + 1));
        for (int i = 0; i < count; ++i) {
            const bool nest = depth < m_maxDepth && m_rng() % 2 == 0;
            const char* command = nest ? pick({"columnLayout", "columnLayout", "rowLayout"})
                                       : pick({"button", "text", "intSlider", "separator", "textScrollList", "floatField"});
            auto element = createElement(command, layout);
            CUIElement& child = *element;
            if (!layout.AddChild(std::move(element)))
                continue;
            if (child.isArranging())
                fill(child, depth + 1);
            FlagValueTable flags = child.flags();
            randomize(child, flags);
            child.ApplyFlags(flags);
        }
        FlagValueTable flags = layout.flags();
        randomize(layout, flags);
        layout.ApplyFlags(flags);
    }

    void randomize(const CUIElement& element, FlagValueTable& flags)
    {
        switch (element.typeCode()) {
        case ElementTypeCode::columnLayout:
            flags[CUIColumnLayout::kAdjustableColumn] = pick({"", "on", "off"});
            flags[CUIColumnLayout::kColumnAttach] = pick({"", "", "left 5", "right 3", "both 2", "top 4"});
            flags[CUIColumnLayout::kColumnOffset] = pick({"", "", "left 7", "right 1"});
            flags[CUIColumnLayout::kRowSpacing] = pick({"", "0", "3", "-2"});
            flags[CUIColumnLayout::kVisible] = pick({"", "", "", "off"});
            flags[CUIColumnLayout::kWidth] = pick({flags[CUIColumnLayout::kWidth].c_str(), "90", "250"});
            break;
        case ElementTypeCode::rowLayout:
            flags[CUIRowLayout::kVisible] = pick({"", "", "", "off"});
            break;
        case ElementTypeCode::button:
            flags[CUIButton::kPositions.width] = pick({"80", "40", "130"});
            flags[CUIButton::kPositions.height] = pick({"28", "10", "45"});
            flags[CUIButton::kPositions.visible] = pick({"", "", "", "off"});
            break;
        case ElementTypeCode::text:
            flags[CUIText::kPositions.visible] = pick({"", "", "off"});
            break;
        default:
            break;
        }
    }

    std::mt19937 m_rng;
    int m_maxDepth;
    int m_maxChildren;
};

struct Twin {
    ModelFixture fixture;
    std::vector<CUIElement*> elements;

    Twin(unsigned seed, int depth, int children)
    {
        RandomTree(seed, depth, children).build(fixture.window);
        elements = elementsInTreeOrder(fixture.window);
    }
};

void expectSameGeometry(const Twin& a, const Twin& b, const std::string& what)
{
    ASSERT_EQ(a.elements.size(), b.elements.size()) << what;
    for (std::size_t i = 0; i < a.elements.size(); ++i)
        ASSERT_EQ(a.elements[i]->rect(), b.elements[i]->rect())
            << what << ": element " << i << " " << a.elements[i]->name();
}

// A state that no arrangement made: every rectangle moved and resized at random.
void disturb(Twin& twin, std::mt19937& rng)
{
    for (CUIElement* element : twin.elements) {
        if (element->isWindow())
            continue;
        const int left = static_cast<int>(rng() % 30);
        const int top = static_cast<int>(rng() % 30);
        element->setRect({left, top, left + static_cast<int>(rng() % 200), top + static_cast<int>(rng() % 120)});
    }
}

} // namespace

TEST(RelayoutEquality, SameGeometryAsTheWrittenPassesOnRandomTrees)
{
    // Every element of every tree, asked by nobody, by its parent and by its first child,
    // from the state building left and from a state no arrangement made.
    for (unsigned seed = 1; seed <= 40; ++seed) {
        for (const int depth : {2, 4, 5}) {
            const Twin shape(seed, depth, 3);
            for (std::size_t target = 0; target < shape.elements.size(); ++target) {
                for (unsigned kind = 0; kind < 3; ++kind) {
                    for (const bool disturbed : {false, true}) {
                        Twin fast(seed, depth, 3);
                        Twin written(seed, depth, 3);
                        if (disturbed) {
                            std::mt19937 a(seed + static_cast<unsigned>(target));
                            std::mt19937 b(seed + static_cast<unsigned>(target));
                            disturb(fast, a);
                            disturb(written, b);
                        }
                        auto callerOf = [kind](const CUIElement& e) -> const CUIElement* {
                            if (kind == 1)
                                return e.parent();
                            if (kind == 2 && !e.children().empty())
                                return e.children().front().get();
                            return nullptr;
                        };
                        CUIElement& t = *fast.elements[target];
                        CUIElement& u = *written.elements[target];
                        t.Relayout(callerOf(t));
                        writtenRelayout(u, callerOf(u));
                        expectSameGeometry(fast, written,
                                           "seed " + std::to_string(seed) + " depth " + std::to_string(depth) +
                                               " target " + t.name() + " caller kind " + std::to_string(kind) +
                                               (disturbed ? " disturbed" : ""));
                        if (HasFatalFailure())
                            return;
                    }
                }
            }
        }
    }
}

TEST(RelayoutEquality, DeepChainsMatchTheWrittenPasses)
{
    // One layout per level, a button at each: the written passes double per level.
    for (const bool adjustable : {false, true}) {
        ModelFixture fast;
        ModelFixture written;
        std::vector<CUIElement*> fastChain{&fast.window};
        std::vector<CUIElement*> writtenChain{&written.window};
        for (int level = 0; level < 11; ++level) {
            for (auto* chain : {&fastChain, &writtenChain}) {
                CUIElement& parent = *chain->back();
                auto& column = addChild<CUIColumnLayout>(parent);
                if (level > 0)
                    addChild<CUIButton>(parent);
                column.ApplyFlags(withValues(column, {{CUIColumnLayout::kAdjustableColumn, adjustable ? "on" : ""},
                                                      {CUIColumnLayout::kRowSpacing, "2"},
                                                      {CUIColumnLayout::kColumnAttach, "right 3"}}));
                chain->push_back(&column);
            }
        }
        for (std::size_t i = 0; i < fastChain.size(); ++i)
            fastChain[i]->setRect({1, 2, 50, 60});
        for (std::size_t i = 0; i < writtenChain.size(); ++i)
            writtenChain[i]->setRect({1, 2, 50, 60});
        fastChain.back()->Relayout(nullptr);
        writtenRelayout(*writtenChain.back(), nullptr);
        for (std::size_t i = 0; i < fastChain.size(); ++i)
            EXPECT_EQ(fastChain[i]->rect(), writtenChain[i]->rect()) << "level " << i;
    }
}

TEST(ColumnLayout, StacksWithSpacingAndGrowsInsideALayout)
{
    ModelFixture f;
    auto& top = addChild<CUIColumnLayout>(f.window);
    auto& inner = addChild<CUIColumnLayout>(top);
    auto& a = addChild<CUIButton>(inner);
    auto& hidden = addChild<CUIButton>(inner);
    auto& b = addChild<CUIButton>(inner);
    hidden.ApplyFlags(withValues(hidden, {{CUIButton::kPositions.visible, "off"}}));
    inner.ApplyFlags(withValues(inner, {{CUIColumnLayout::kRowSpacing, "-4"}}));
    EXPECT_EQ(a.rect(), (UIRect{0, 4, 80, 32}));
    EXPECT_EQ(hidden.rect(), (UIRect{0, 36, 80, 64}));
    EXPECT_EQ(b.rect(), (UIRect{0, 36, 80, 64})) << "placed below the last visible child";
    EXPECT_EQ(inner.rect().height(), 64 + 4);
    EXPECT_EQ(top.rect(), (UIRect{0, 0, 312, 221})) << "the window's client area";
}

TEST(ColumnLayout, PlacesChildrenByAttachmentAndAdjustableColumn)
{
    struct Case {
        const char* adjustable;
        const char* attach;
        const char* offset;
        UIRect expected;  // in a column 312 wide, child 80 wide
    };
    const Case cases[] = {
        {"", "", "", {0, 0, 80, 28}},
        {"", "", "left 9", {0, 0, 80, 28}},
        {"", "left 10", "", {10, 0, 90, 28}},
        {"", "right 10", "", {222, 0, 302, 28}},
        {"", "both 10", "", {10, 0, 302, 28}},
        {"", "top 10", "", {0, 0, 80, 28}},
        {"on", "", "", {0, 0, 312, 28}},
        {"on", "left 6", "", {6, 0, 312, 28}},
        {"on", "", "left 6", {6, 0, 312, 28}},
        {"on", "right 6", "", {0, 0, 306, 28}},
        {"on", "both 6", "", {6, 0, 306, 28}},
        {"yes", "right 6", "", {226, 0, 306, 28}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.adjustable) + "/" + c.attach + "/" + c.offset);
        ModelFixture f;
        auto& column = addChild<CUIColumnLayout>(f.window);
        auto& button = addChild<CUIButton>(column);
        column.ApplyFlags(withValues(column, {{CUIColumnLayout::kAdjustableColumn, c.adjustable},
                                              {CUIColumnLayout::kColumnAttach, c.attach},
                                              {CUIColumnLayout::kColumnOffset, c.offset}}));
        EXPECT_EQ(button.rect(), c.expected);
    }
}

TEST(RowLayout, PlacesSideBySideAndTakesItsChildrensExtent)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& row = addChild<CUIRowLayout>(column);
    auto& a = addChild<CUIButton>(row);
    auto& list = addChild<CUITextScrollList>(row);
    auto& c = addChild<CUIButton>(row);
    EXPECT_EQ(a.rect(), (UIRect{0, 0, 80, 28}));
    EXPECT_EQ(list.rect(), (UIRect{80, 0, 230, 100}));
    EXPECT_EQ(c.rect(), (UIRect{230, 0, 310, 28}));
    EXPECT_EQ(row.rect(), (UIRect{0, 0, 310, 100}));
    c.ApplyFlags(withValues(c, {{CUIButton::kPositions.visible, "off"}}));
    EXPECT_EQ(row.rect().width(), 230) << "as wide as the last visible child";
}

TEST(WindowFit, WindowResizesAroundItsLayoutAndStaysPut)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    addChild<CUIButton>(column);
    auto& wide = addChild<CUIButton>(column);
    wide.ApplyFlags(withValues(wide, {{CUIButton::kPositions.width, "150"}}));
    column.ApplyFlags(withValues(column, {{CUIColumnLayout::kRowSpacing, "5"}, {CUIColumnLayout::kColumnAttach, "left 10"}}));
    f.window.ApplyFlags(withValues(f.window, {{CUIWindow::kResizeToFitChildren, "on"}}));
    // children: 28 high at 5 and 38; needed width 10 + 150 + 10
    EXPECT_EQ(f.window.rect(), (UIRect{0, 0, 170 + 8, 66 + 5 + 8 + 19}));
    EXPECT_EQ(column.rect(), (UIRect{0, 0, 170, 66 + 5 + 8}));

    // An adjustable column glued to the right edge does not make the window grow each pass.
    column.ApplyFlags(withValues(column, {{CUIColumnLayout::kAdjustableColumn, "on"}}));
    const UIRect settled = f.window.rect();
    for (int i = 0; i < 5; ++i)
        column.Relayout(nullptr);
    EXPECT_EQ(f.window.rect(), settled);

    // Without a sizing frame or a title bar the window still fits around its client area,
    // so the adjustable column does not make it shrink at every pass either.
    f.window.ApplyFlags(withValues(f.window, {{CUIWindow::kResizeToFitChildren, "on"}, {CUIWindow::kSizeable, "off"},
                                              {CUIWindow::kTitleBar, "off"}}));
    const UIRect fixedFrame = f.window.rect();
    for (int i = 0; i < 5; ++i)
        column.Relayout(nullptr);
    EXPECT_EQ(f.window.rect(), fixedFrame);
    EXPECT_EQ(fixedFrame, (UIRect{0, 0, settled.width(), settled.height() - 8})) << "no sizing frame below";
    EXPECT_EQ(column.rect().width(), fixedFrame.width() - 8);
}

// Whatever the window's styles, its layout takes the width less both sizing frames and the
// height less the caption.
TEST(WindowClientArea, EveryLayoutInTheWindowTakesTheSameArea)
{
    const std::vector<std::pair<int, std::string>> styles[] = {
        {}, {{CUIWindow::kSizeable, "off"}}, {{CUIWindow::kTitleBar, "off"}},
        {{CUIWindow::kSizeable, "off"}, {CUIWindow::kTitleBar, "off"}}, {{CUIWindow::kToolWindow, "on"}}};
    for (const auto& style : styles) {
        for (const bool row : {false, true}) {
            ModelFixture f;
            CUIElement& layout = row ? static_cast<CUIElement&>(addChild<CUIRowLayout>(f.window))
                                     : static_cast<CUIElement&>(addChild<CUIColumnLayout>(f.window));
            addChild<CUIButton>(layout);
            FlagValueTable table = withValues(f.window, {{CUIWindow::kWidth, "400"}, {CUIWindow::kHeight, "300"}});
            for (const auto& [position, value] : style)
                table[position] = value;
            f.window.ApplyFlags(table);
            layout.Relayout(nullptr);
            EXPECT_EQ(layout.rect(), (UIRect{0, 0, 392, 281})) << style.size() << (row ? " row" : " column");
        }
    }
}

TEST(ColumnLayout, WindowGrowsForANewChildBelowItsBottom)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    for (int i = 0; i < 7; ++i)
        addChild<CUIButton>(column);
    EXPECT_EQ(f.window.rect().height(), 240) << "7 x 28 + frame 29 = 225 fits";
    addChild<CUIButton>(column);
    // the layout is 8 x 28 = 224 high for the new child: 224 + 2 x 4 + 19 + 2 x 1
    EXPECT_EQ(f.window.rect().height(), 253);
    EXPECT_EQ(column.rect(), (UIRect{0, 0, 312, 253 - 19}));
    addChild<CUIRowLayout>(column);
    EXPECT_EQ(f.window.rect().height(), 253) << "a row starts 0 high";
}

TEST(ColumnLayout, ResizedPreviewIsPlacedAgainByItsParent)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& first = addChild<CUIButton>(column);
    auto& second = addChild<CUIButton>(column);
    first.resizeFromPreview(120, 40);
    EXPECT_EQ(first.rect(), (UIRect{0, 0, 120, 40}));
    column.Relayout(nullptr);
    column.Relayout(nullptr);
    EXPECT_EQ(second.rect(), (UIRect{0, 40, 80, 68}));
    FlagValueTable table;
    first.StoreFlags(table);
    EXPECT_EQ(table[CUIButton::kPositions.width], "120");
    EXPECT_EQ(table[CUIButton::kPositions.height], "40");
}
