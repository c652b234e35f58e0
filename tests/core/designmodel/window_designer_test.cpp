// Inserting, deleting, moving, renaming and finding elements, with the refusals, and the
// document counting as changed after every edit that changes the tree.
#include "DesignerFixture.h"

#include "designmodel/InsertCommands.h"
#include "uimodel/WindowFile.h"

using namespace orv;
using namespace orv::test;

namespace {

TEST(Insert, AppendsToTheSelectedContainerOrBesideTheSelectedLeaf)
{
    DesignerFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    CUIElement& first = f.insert(cmd::button, column);
    EXPECT_EQ(first.parent(), &column);
    CUIElement& second = f.insert(cmd::button, first);
    EXPECT_EQ(second.parent(), &column);
    EXPECT_EQ(childNames(column), (std::vector<std::string>{first.name(), second.name()}));
    EXPECT_NE(f.view.tree.port(second), nullptr);
    EXPECT_EQ(f.changes, 3);
}

TEST(Insert, RefusalsLeaveTheTreeAndTheModifiedStateAlone)
{
    DesignerFixture f;
    EXPECT_EQ(f.designer.insert(cmd::button, f.window), nullptr) << "the window takes layouts only";
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    EXPECT_EQ(f.designer.insert(cmd::rowLayout, f.window), nullptr) << "the window takes one layout";
    EXPECT_EQ(f.designer.insert(cmd::picture, column), nullptr) << "grayed command";
    EXPECT_EQ(f.designer.insert(0, column), nullptr);
    EXPECT_EQ(f.designer.insert(99, column), nullptr);
    CUIElement& row = f.insert(cmd::rowLayout, column);
    for (int i = 0; i < 6; ++i)
        f.insert(cmd::button, row);
    const int changes = f.changes;
    EXPECT_EQ(f.designer.insert(cmd::button, row), nullptr) << "a row takes six";
    EXPECT_EQ(row.childCount(), 6u);
    EXPECT_EQ(f.window.childCount(), 1u);
    EXPECT_EQ(column.childCount(), 1u);
    EXPECT_EQ(f.changes, changes);
}

TEST(Insert, EveryWorkingCommandMakesItsElement)
{
    const std::pair<int, const char*> kWorking[] = {
        {1, "columnLayout"}, {2, "rowLayout"},  {3, "frameLayout"},  {4, "button"},     {10, "checkBox"},
        {17, "textScrollList"},
        {20, "intSlider"},   {22, "floatSlider"}, {30, "intField"},  {32, "floatField"}, {34, "scrollField"},
        {35, "textField"},   {38, "text"},        {42, "separator"},
    };
    DesignerFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    int working = 0;
    for (int id = kFirstInsertCommand; id <= kLastInsertCommand; ++id) {
        CUIElement* made = f.designer.insert(id, column);
        const auto* expected = std::find_if(std::begin(kWorking), std::end(kWorking),
                                            [id](const auto& w) { return w.first == id; });
        if (expected == std::end(kWorking)) {
            EXPECT_EQ(made, nullptr) << id;
            EXPECT_TRUE(isGrayedInsertCommand(id)) << id;
            continue;
        }
        ++working;
        ASSERT_NE(made, nullptr) << id;
        EXPECT_EQ(made->command(), expected->second);
        EXPECT_FALSE(isGrayedInsertCommand(id));
    }
    EXPECT_EQ(working, static_cast<int>(std::size(kWorking)));
}

TEST(Delete, NextSelectionIsTheNextSiblingElseThePreviousElseTheParent)
{
    DesignerFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    CUIElement& a = f.insert(cmd::button, column);
    CUIElement& b = f.insert(cmd::checkBox, column);
    CUIElement& c = f.insert(cmd::text, column);
    const int changes = f.changes;
    EXPECT_EQ(f.designer.remove(b), &c);
    EXPECT_EQ(f.designer.remove(c), &a);
    EXPECT_EQ(f.designer.remove(a), &column) << "the last child selects its layout";
    EXPECT_EQ(column.childCount(), 0u);
    EXPECT_EQ(f.changes, changes + 3);
    EXPECT_EQ(f.designer.remove(f.window), nullptr) << "the window cannot be deleted";
    EXPECT_EQ(f.changes, changes + 3);
}

TEST(Delete, TakesTheSubtreeAndItsPreviews)
{
    DesignerFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    CUIElement& row = f.insert(cmd::rowLayout, column);
    f.insert(cmd::button, row);
    f.insert(cmd::button, row);
    const UIRect before = column.rect();
    EXPECT_EQ(f.designer.remove(row), &column);
    EXPECT_TRUE(column.children().empty());
    EXPECT_LT(column.rect().height(), before.height() + 1);
}

struct Tree {
    DesignerFixture f;
    CUIElement* column;
    CUIElement* a;
    CUIElement* b;
    CUIElement* c;
    CUIElement* row;

    Tree()
    {
        column = &f.insert(cmd::columnLayout, f.window);
        a = &f.insert(cmd::button, *column);
        b = &f.insert(cmd::checkBox, *column);
        c = &f.insert(cmd::text, *column);
        row = &f.insert(cmd::rowLayout, *column);
        f.changes = 0;
    }
    std::vector<std::string> names(std::initializer_list<const CUIElement*> elements) const
    {
        std::vector<std::string> out;
        for (const CUIElement* e : elements)
            out.push_back(e->name());
        return out;
    }
};

TEST(Move, UpAndDownFollowTheMenuRules)
{
    Tree t;
    EXPECT_TRUE(t.f.designer.move(*t.b, WindowDesigner::MoveDirection::up));
    EXPECT_EQ(childNames(*t.column), t.names({t.b, t.a, t.c, t.row}));
    EXPECT_TRUE(t.f.designer.move(*t.b, WindowDesigner::MoveDirection::up)) << "first child goes to the end";
    EXPECT_EQ(childNames(*t.column), t.names({t.a, t.c, t.row, t.b}));
    EXPECT_TRUE(t.f.designer.move(*t.a, WindowDesigner::MoveDirection::down));
    EXPECT_EQ(childNames(*t.column), t.names({t.c, t.a, t.row, t.b}));
    EXPECT_EQ(t.f.changes, 3);
    EXPECT_TRUE(t.f.designer.move(*t.b, WindowDesigner::MoveDirection::down)) << "last child stays";
    EXPECT_EQ(childNames(*t.column), t.names({t.c, t.a, t.row, t.b}));
    EXPECT_EQ(t.f.changes, 3) << "a move that changes nothing is no change";
    EXPECT_FALSE(t.f.designer.move(*t.column, WindowDesigner::MoveDirection::up)) << "the top layout stays";
    EXPECT_FALSE(t.f.designer.move(t.f.window, WindowDesigner::MoveDirection::down));
}

TEST(Move, MovedElementsArePlacedAgain)
{
    Tree t;
    const int topOfA = t.a->rect().top;
    t.f.designer.move(*t.b, WindowDesigner::MoveDirection::up);
    EXPECT_EQ(t.b->rect().top, topOfA);
    EXPECT_GT(t.a->rect().top, topOfA);
}

TEST(Drop, OntoAContainerAppendsAndOntoALeafGoesBefore)
{
    Tree t;
    EXPECT_TRUE(t.f.designer.drop(*t.a, *t.row));
    EXPECT_EQ(t.a->parent(), t.row);
    EXPECT_EQ(t.f.changes, 1);
    EXPECT_TRUE(t.f.designer.drop(*t.c, *t.a));
    EXPECT_EQ(childNames(*t.row), t.names({t.c, t.a}));
    EXPECT_EQ(childNames(*t.column), t.names({t.b, t.row}));
    EXPECT_TRUE(t.f.designer.drop(*t.a, *t.column)) << "onto its own parent: to the end";
    EXPECT_EQ(childNames(*t.column), t.names({t.b, t.row, t.a}));
}

TEST(Drop, OntoNothingGoesToTheEndOfItsOwnContainer)
{
    Tree t;
    EXPECT_TRUE(t.f.designer.dropAtEnd(*t.a));
    EXPECT_EQ(childNames(*t.column), t.names({t.b, t.c, t.row, t.a}));
    EXPECT_EQ(t.f.changes, 1);
    const int topOfB = t.b->rect().top;
    EXPECT_GT(t.a->rect().top, topOfB) << "placed again";
    EXPECT_TRUE(t.f.designer.dropAtEnd(*t.a)) << "the last one stays last";
    EXPECT_EQ(childNames(*t.column), t.names({t.b, t.c, t.row, t.a}));
    EXPECT_EQ(t.f.changes, 1);
    EXPECT_FALSE(t.f.designer.dropAtEnd(*t.column)) << "the top layout stays";
    EXPECT_FALSE(t.f.designer.dropAtEnd(t.f.window));
    EXPECT_EQ(t.f.changes, 1);
}

TEST(Drop, AFullRowKeepsTheElementWhereItWas)
{
    Tree t;
    for (int i = 0; i < 6; ++i)
        t.f.insert(cmd::button, *t.row);
    t.f.changes = 0;
    const auto before = childNames(*t.column);
    EXPECT_FALSE(WindowDesigner::canDrop(*t.a, *t.row));
    EXPECT_FALSE(t.f.designer.drop(*t.a, *t.row));
    EXPECT_FALSE(t.f.designer.drop(*t.a, *t.row->children().front())) << "nor before one of its children";
    EXPECT_EQ(childNames(*t.column), before);
    EXPECT_EQ(t.a->parent(), t.column);
    EXPECT_EQ(t.row->childCount(), 6u);
    EXPECT_EQ(t.f.changes, 0);
}

TEST(Drop, RefusesTheWindowTheTopLayoutAndTheElementsOwnSubtree)
{
    Tree t;
    CUIElement& inner = t.f.insert(cmd::columnLayout, *t.row);
    CUIElement& deep = t.f.insert(cmd::button, inner);
    t.f.changes = 0;
    EXPECT_FALSE(t.f.designer.drop(*t.row, inner)) << "its child";
    EXPECT_FALSE(t.f.designer.drop(*t.row, deep)) << "its grandchild";
    EXPECT_FALSE(t.f.designer.drop(*t.row, *t.row)) << "itself";
    EXPECT_FALSE(t.f.designer.drop(*t.a, t.f.window)) << "the window";
    EXPECT_FALSE(t.f.designer.drop(*t.column, *t.a)) << "the top layout";
    EXPECT_FALSE(t.f.designer.drop(t.f.window, *t.a));
    EXPECT_EQ(deep.parent(), &inner);
    EXPECT_EQ(inner.parent(), t.row);
    EXPECT_EQ(t.row->parent(), t.column);
    EXPECT_EQ(t.f.changes, 0);
    EXPECT_TRUE(t.f.designer.drop(deep, *t.b)) << "out of the subtree is fine";
}

// Layouts nest as deep as a window file keeps them, and no deeper, by insert or by drop.
TEST(Insert, LayoutsNestNoDeeperThanAWindowFileKeeps)
{
    DesignerFixture f;
    CUIElement* deepest = &f.window;
    for (int d = 1; d <= kMaxElementDepth; ++d)
        deepest = &f.insert(cmd::columnLayout, *deepest);
    EXPECT_EQ(deepest->depth(), kMaxElementDepth);
    f.changes = 0;
    EXPECT_EQ(f.designer.insert(cmd::button, *deepest), nullptr);
    EXPECT_EQ(f.changes, 0);
    // A layout with a child cannot go where the child would sit too deep.
    CUIElement& top = *f.window.children().front();
    CUIElement& holder = f.insert(cmd::columnLayout, top);
    f.insert(cmd::button, holder);
    EXPECT_FALSE(WindowDesigner::canDrop(holder, *deepest->parent()));
    EXPECT_FALSE(f.designer.drop(holder, *deepest->parent()));
    EXPECT_EQ(holder.parent(), &top);
    EXPECT_TRUE(f.designer.drop(holder, *deepest->parent()->parent()));
}

TEST(Rename, TakesTheTypedTextAndIgnoresAnEmptyOne)
{
    Tree t;
    EXPECT_FALSE(t.f.designer.rename(*t.a, ""));
    EXPECT_EQ(t.f.changes, 0);
    EXPECT_TRUE(t.f.designer.rename(*t.a, "okButton"));
    EXPECT_EQ(t.a->name(), "okButton");
    EXPECT_EQ(t.f.changes, 1);
}

// A name is what MEL names a control by, unique in its window: any other is refused with the
// reason, and the old name stays.
TEST(Rename, RefusesWhatIsNoMelNameOrTakenInTheWindow)
{
    Tree t;
    const std::string other = t.b->name();
    const std::string notMel = "\" is not a MEL name: a name starts with a letter or _, followed by letters, digits and _";
    const struct {
        std::string name;
        std::string refusal;
    } cases[] = {
        {"1st", "\"1st" + notMel},
        {"ok button", "\"ok button" + notMel},
        {"a-b", "\"a-b" + notMel},
        {"caf\xc3\xa9", "\"caf\xc3\xa9" + notMel},
        {"win|b", "\"win|b" + notMel},
        {other, "\"" + other + "\" is the name of another element of this window"},
        {t.f.window.name(), "\"" + t.f.window.name() + "\" is the name of another element of this window"},
        {"_ok9", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = t.a->name();
        std::string refusal;
        EXPECT_EQ(t.f.designer.rename(*t.a, c.name, &refusal), c.refusal.empty());
        EXPECT_EQ(refusal, c.refusal);
        EXPECT_EQ(t.a->name(), c.refusal.empty() ? c.name : before);
    }
    EXPECT_EQ(t.f.changes, 1);
    std::string refusal;
    EXPECT_FALSE(t.f.designer.rename(*t.a, "_ok9", &refusal)) << "its own name: nothing to do";
    EXPECT_EQ(refusal, "");
}

TEST(ApplyFlags, GridEditsResizeAndCountAsChanges)
{
    Tree t;
    t.f.designer.applyFlags(*t.a, withValues(*t.a, {{CUIButton::kPositions.height, "50"}}));
    EXPECT_EQ(t.a->rect().height(), 50);
    EXPECT_EQ(t.b->rect().top, t.a->rect().bottom) << "the column arranges again";
    EXPECT_EQ(t.f.changes, 1);
}

// A value pasted with a TAB or a line break keeps all of its text when the window is saved
// and read again: the separators of the file's lines become blanks.
TEST(ApplyFlags, TabsAndLineBreaksInAValueBecomeBlanks)
{
    Tree t;
    t.f.designer.applyFlags(*t.a, withValues(*t.a, {{CUIButton::kPositions.label, "one\ttwo\r\nthree"}}));
    EXPECT_EQ(t.a->flags()[CUIButton::kPositions.label], "one two  three");
    EXPECT_EQ(t.a->previewText(), "one two  three");
    CUIWindow loaded(t.f.context);
    OutputLog log;
    ASSERT_TRUE(ReadWindowFile(WriteWindowFile(t.f.window), loaded, log));
    const CUIElement& button = *loaded.children().front()->children().front();
    EXPECT_EQ(button.flags()[CUIButton::kPositions.label], "one two  three");
}

TEST(Resize, StoresTheSizeAndPlacesTheElementAgain)
{
    Tree t;
    const UIRect before = t.b->rect();
    t.f.designer.resize(*t.b, {140, 50});
    EXPECT_EQ(t.b->rect().left, before.left);
    EXPECT_EQ(t.b->rect().top, before.top);
    EXPECT_EQ(t.b->rect().width(), 140);
    EXPECT_EQ(t.b->rect().height(), 50);
    EXPECT_EQ(t.c->rect().top, t.b->rect().bottom);
    EXPECT_EQ(t.f.changes, 1);
}

TEST(ElementAt, FindsTheDeepestVisibleElementDisabledOnesToo)
{
    Tree t;
    CUIElement& inRow = t.f.insert(cmd::button, *t.row);
    FlagValueTable off = t.b->flags();
    off[CUICheckBox::kPositions.enable] = "off";
    t.b->ApplyFlags(off);
    const UIRect client = t.f.window.clientArea();
    auto at = [&](const CUIElement& e, int dx = 1, int dy = 1) {
        UIPoint p{dx, dy};
        for (const CUIElement* x = &e; x && !x->isWindow(); x = x->parent())
            p = {p.x + x->rect().left, p.y + x->rect().top};
        return WindowDesigner::elementAt(t.f.window, p);
    };
    EXPECT_EQ(at(*t.a), t.a);
    EXPECT_EQ(at(*t.b), t.b) << "disabled";
    EXPECT_EQ(at(inRow), &inRow);
    EXPECT_EQ(at(*t.row, inRow.rect().width() + 1, 1), t.column) << "the row ends with its child";
    EXPECT_EQ(WindowDesigner::elementAt(t.f.window, {client.width() - 1, client.height() - 1}), t.column);
    EXPECT_EQ(WindowDesigner::elementAt(t.f.window, {client.width(), 0}), nullptr);
    EXPECT_EQ(WindowDesigner::elementAt(t.f.window, {-1, 0}), nullptr);

    FlagValueTable hidden = t.a->flags();
    hidden[CUIButton::kPositions.visible] = "off";
    t.a->ApplyFlags(hidden);
    EXPECT_NE(at(*t.a), t.a) << "hidden elements are not found";
}

TEST(ElementAt, ThePointOnNoChildIsTheWindow)
{
    DesignerFixture f;
    EXPECT_EQ(WindowDesigner::elementAt(f.window, {5, 5}), &f.window);
}

TEST(InsertMenu, CategoriesOfTheContextMenuFollowTheSelection)
{
    Tree t;
    EXPECT_EQ(disabledCategoriesFor(t.f.window), 0xFFu);
    EXPECT_EQ(disabledCategoriesFor(*t.column), 0u);
    EXPECT_EQ(disabledCategoriesFor(*t.a), 0x1FFu);
    ASSERT_NE(singleCategory(insert_category::slider), nullptr);
    EXPECT_EQ(singleCategory(insert_category::slider)->commands.front().text, "intSlider");
    EXPECT_EQ(singleCategory(insert_category::slider | insert_category::button), nullptr);
    EXPECT_EQ(singleCategory(insert_category::layout), nullptr);
    EXPECT_TRUE(isGrayedInsertCommand(21));
    EXPECT_FALSE(isGrayedInsertCommand(22));
}

// A palette button works when its first command makes an element, or, for a category, when any
// of the category's commands does ("Misc." starts with the grayed picture but offers the separator).
TEST(InsertMenu, PaletteButtonsWorkWhenTheyHaveSomethingToInsert)
{
    const struct {
        std::uint32_t categories;
        int defaultCommand;
        bool works;
    } kButtons[] = {
        {0, 1, true},   {0, 3, true},                             // column and frame layout
        {insert_category::misc, 40, true},                        // separator in its menu
        {insert_category::radioButton, 14, false},                // nothing to insert yet
        {insert_category::button, 4, true},
    };
    for (const auto& b : kButtons)
        EXPECT_EQ(paletteButtonWorks(b.categories, b.defaultCommand), b.works) << b.defaultCommand;
}

} // namespace
