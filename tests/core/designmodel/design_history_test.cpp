// The designer's undo and redo: random edit sequences undone step by step give back each
// earlier window exactly (its file text and every rectangle), redone they give back each later
// one; captions name the action; the save point and the redo history behave as in a text editor.
#include "DesignerFixture.h"

#include "uimodel/CUITextScrollList.h"
#include "uimodel/WindowFile.h"

#include <random>

using namespace orv;
using namespace orv::test;

namespace {

// The window as a user could tell it apart: its file text and where each element stands.
struct Snapshot {
    std::string file;
    std::vector<UIRect> rects;
    bool operator==(const Snapshot&) const = default;
};

// The file text in full, then the first rectangle that differs, where two snapshots differ.
void PrintTo(const Snapshot& s, std::ostream* out)
{
    *out << "\n" << s.file << "rects:";
    for (const UIRect& r : s.rects)
        *out << " (" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

Snapshot snapshotOf(CUIWindow& window)
{
    Snapshot s{WriteWindowFile(window), {}};
    for (const CUIElement* element : elementsInTreeOrder(window))
        s.rects.push_back(element->rect());
    return s;
}

struct HistoryFixture : DesignerFixture {
    DesignHistory history;
    HistoryFixture() { designer.setHistory(&history); }
};

// One random edit of any kind the designer offers; false when the designer refused it.
bool randomEdit(HistoryFixture& f, std::mt19937& random)
{
    const std::vector<CUIElement*> all = elementsInTreeOrder(f.window);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    CUIElement& element = *all[static_cast<std::size_t>(pick(static_cast<int>(all.size())))];
    switch (pick(10)) {
    case 0:
    case 1: {
        static const int kCommands[] = {cmd::columnLayout, cmd::rowLayout,  cmd::frameLayout, cmd::button,
                                        cmd::checkBox,     cmd::list,       cmd::intSlider,   cmd::textField,
                                        cmd::text,         cmd::separator};
        return f.designer.insert(kCommands[pick(static_cast<int>(std::size(kCommands)))], element) != nullptr;
    }
    case 2:
        return f.designer.remove(element) != nullptr;
    case 3:
        return f.designer.move(element, pick(2) ? WindowDesigner::MoveDirection::up : WindowDesigner::MoveDirection::down);
    case 4:
        return f.designer.drop(element, *all[static_cast<std::size_t>(pick(static_cast<int>(all.size())))]);
    case 5:
        return f.designer.rename(element, std::string("renamed").append(std::to_string(random() % 1000)));
    case 6:  // the tracker, or the window's frame
        f.designer.resize(element, {20 + pick(200), 10 + pick(80)});
        return true;
    case 7:
        if (element.command() != "textScrollList")
            return false;
        f.designer.setListItems(static_cast<CUITextScrollList&>(element), {"one", std::to_string(random())});
        return true;
    case 8:
        return f.designer.dropAtEnd(element);
    default: {
        FlagValueTable table = element.flags();
        for (int position = 0; position < kFlagTableSize; ++position)
            if (!table[position].empty() && table[position].find_first_not_of("0123456789") == std::string::npos)
                table[position] = std::to_string(1 + pick(150));
        f.designer.applyFlags(element, table);
        return true;
    }
    }
}

TEST(DesignHistory, UndoAndRedoGiveBackEveryWindowOfARandomSession)
{
    for (unsigned seed = 1; seed <= 100; ++seed) {
        HistoryFixture f;
        std::mt19937 random(seed);
        f.insert(cmd::columnLayout, f.window);
        std::vector<Snapshot> states{snapshotOf(f.window)};
        for (int edit = 0; edit < 120; ++edit) {
            const std::size_t steps = f.history.size();
            randomEdit(f, random);
            if (f.history.size() != steps)  // an edit that changed nothing is no step
                states.push_back(snapshotOf(f.window));
            else
                ASSERT_EQ(snapshotOf(f.window), states.back()) << "seed " << seed << ": a change without a step";
        }
        for (std::size_t i = states.size() - 1; i > 0; --i) {
            ASSERT_TRUE(f.history.canUndo());
            f.designer.undo();
            ASSERT_EQ(snapshotOf(f.window), states[i - 1]) << "seed " << seed << ", undo back to state " << i - 1 << " (" << f.history.redoCaption() << ")";
        }
        for (std::size_t i = 1; i < states.size(); ++i) {
            ASSERT_TRUE(f.history.canRedo());
            f.designer.redo();
            ASSERT_EQ(snapshotOf(f.window), states[i]) << "seed " << seed << ", redo to state " << i;
        }
        // Every element of the window has its preview in the view.
        for (const CUIElement* element : elementsInTreeOrder(f.window)) {
            if (!element->isWindow()) {
                EXPECT_NE(f.view.tree.port(*element), nullptr) << "seed " << seed << ": " << element->name();
            }
        }
    }
}

TEST(DesignHistory, CaptionsNameTheActionAndTheSelectionFollows)
{
    HistoryFixture f;
    EXPECT_EQ(f.history.undoCaption(), "");
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    CUIElement& button = f.insert(cmd::button, column);
    EXPECT_EQ(f.history.undoCaption(), "Insert button");
    ASSERT_TRUE(f.designer.rename(button, "ok"));
    EXPECT_EQ(f.history.undoCaption(), "Rename");
    f.designer.applyFlags(button, withValues(button, {{CUIButton::kPositions.label, "Apply"}}));
    EXPECT_EQ(f.history.undoCaption(), "Edit Flags");
    f.insert(cmd::text, column);
    ASSERT_TRUE(f.designer.move(button, WindowDesigner::MoveDirection::down));
    EXPECT_EQ(f.history.undoCaption(), "Move Down");
    CUIElement* next = f.designer.remove(button);
    EXPECT_EQ(f.history.undoCaption(), "Delete ok");

    CUIElement* back = f.designer.undo();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->name(), "ok") << "undoing a delete selects what came back";
    EXPECT_EQ(back->previewText(), "Apply");
    EXPECT_EQ(f.history.redoCaption(), "Delete ok");
    EXPECT_EQ(f.history.undoCaption(), "Move Down");
    EXPECT_EQ(f.designer.undo(), back) << "undoing a move selects the moved element";
    (void)next;
}

TEST(DesignHistory, ANewEditDropsTheRedoStepsAndTheSavePointFollowsTheSteps)
{
    HistoryFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    f.history.setSavePoint();
    EXPECT_TRUE(f.history.atSavePoint());
    f.insert(cmd::button, column);
    EXPECT_FALSE(f.history.atSavePoint());
    f.designer.undo();
    EXPECT_TRUE(f.history.atSavePoint()) << "back at the saved window";
    f.designer.undo();
    EXPECT_FALSE(f.history.atSavePoint());
    f.designer.redo();
    EXPECT_TRUE(f.history.atSavePoint());
    f.designer.undo();
    f.insert(cmd::rowLayout, f.window);  // a new edit below the save point: the saved window is out of reach
    EXPECT_FALSE(f.history.canRedo());
    EXPECT_FALSE(f.history.atSavePoint());
    f.designer.undo();
    EXPECT_FALSE(f.history.atSavePoint());
    EXPECT_EQ(f.designer.undo(), nullptr);
    EXPECT_EQ(f.window.childCount(), 0u);
}

TEST(DesignHistory, EditsThatChangeNothingAreNoSteps)
{
    HistoryFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    CUIElement& button = f.insert(cmd::button, column);
    const int changes = f.changes;
    const std::size_t steps = f.history.size();
    f.designer.applyFlags(button, button.flags());
    EXPECT_FALSE(f.designer.rename(button, button.name()));
    f.designer.move(button, WindowDesigner::MoveDirection::up);  // the only child stays first
    EXPECT_EQ(f.history.size(), steps);
    EXPECT_EQ(f.changes, changes);
}

TEST(DesignHistory, TheOldestStepsGoPastTheLimit)
{
    HistoryFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    f.history.setSavePoint();
    CUIElement& button = f.insert(cmd::button, column);
    for (std::size_t i = 0; i < DesignHistory::kMaxSteps + 5; ++i)
        f.designer.rename(button, std::string("b").append(std::to_string(i)));
    EXPECT_EQ(f.history.size(), DesignHistory::kMaxSteps);
    while (f.history.canUndo())
        f.designer.undo();
    EXPECT_EQ(button.name(), "b4") << "the first renames are out of reach";
    EXPECT_FALSE(f.history.atSavePoint()) << "the saved window is out of reach";
}

TEST(ElementBlock, ReadsBackWhatItWritesAndRefusesWhatIsNoBlock)
{
    DesignerFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    CUIElement& row = f.insert(cmd::rowLayout, column);
    f.insert(cmd::button, row);
    f.insert(cmd::list, row);
    const std::string block = WriteElementBlock(row);
    EXPECT_TRUE(block.starts_with("\t[rowLayout]\r\n"));
    CUIElement* copy = ReadElementBlock(block, column);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->parent(), &column);
    EXPECT_EQ(WriteElementBlock(*copy), block);
    EXPECT_NE(f.view.tree.port(*copy->children().back()), nullptr);

    const char* const notBlocks[] = {"", "[rowLayout]\r\nx\r\n1\r\n", "\t[noSuchThing]\r\nx\r\n1\r\n", "\t[button]\r\n",
                                     "\t\t[button]\r\nx\r\n1\r\n", "\tplain text"};
    for (const char* text : notBlocks) {
        const std::size_t before = column.childCount();
        EXPECT_EQ(ReadElementBlock(text, column), nullptr) << text;
        EXPECT_EQ(column.childCount(), before) << text;
    }
    EXPECT_EQ(ReadElementBlock(WriteElementBlock(f.insert(cmd::button, column)), f.window), nullptr)
        << "the window takes layouts only";
}

TEST(Duplicate, CopiesTheSubtreeAfterTheElementWithNewNamesWhereTaken)
{
    HistoryFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    CUIElement& row = f.insert(cmd::rowLayout, column);
    f.insert(cmd::button, row);
    auto& list = static_cast<CUITextScrollList&>(f.insert(cmd::list, row));
    f.designer.setListItems(list, {"a", "b"});
    CUIElement& after = f.insert(cmd::text, column);
    const std::string before = WriteWindowFile(f.window);

    CUIElement* copy = f.designer.duplicate(row);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(childNames(column), (std::vector<std::string>{row.name(), copy->name(), after.name()}));
    const std::vector<CUIElement*> originals = elementsInTreeOrder(row);
    const std::vector<CUIElement*> copies = elementsInTreeOrder(*copy);
    ASSERT_EQ(copies.size(), originals.size());
    for (std::size_t i = 0; i < copies.size(); ++i) {
        EXPECT_EQ(copies[i]->command(), originals[i]->command());
        EXPECT_NE(copies[i]->name(), originals[i]->name()) << "a taken name gives way to a default one";
        EXPECT_EQ(copies[i]->listItems(), originals[i]->listItems());
        EXPECT_NE(f.view.tree.port(*copies[i]), nullptr);
    }
    EXPECT_EQ(f.history.undoCaption(), "Duplicate " + row.name());
    f.designer.undo();
    EXPECT_EQ(WriteWindowFile(f.window), before);

    EXPECT_EQ(f.designer.duplicate(f.window), nullptr);
    EXPECT_EQ(f.designer.duplicate(column), nullptr) << "the window holds one layout";
    for (std::uint32_t i = row.childCount(); i < 6; ++i)
        f.insert(cmd::button, row);
    EXPECT_EQ(f.designer.duplicate(*row.children().front()), nullptr) << "a row takes six";
    EXPECT_EQ(row.childCount(), 6u);
}

// A block read into another window keeps the names that window does not have.
TEST(ElementBlock, ACopyKeepsTheNamesTheOtherWindowLacks)
{
    DesignerFixture from;
    CUIElement& row = from.insert(cmd::rowLayout, from.insert(cmd::columnLayout, from.window));
    CUIElement& button = from.insert(cmd::button, row);
    ASSERT_TRUE(from.designer.rename(button, "applyButton"));
    DesignerFixture to;
    CUIElement& column = to.insert(cmd::columnLayout, to.window);
    CUIElement* copy = ReadElementBlock(WriteElementBlock(row), column, BlockNames::freshWhereTaken);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->children().front()->name(), "applyButton");
}

// Paste takes the clipboard's text: an element copied from any window, or a whole window file
// (its layout comes in); it goes into the selected container or right after the selected element.
TEST(Paste, PutsTheCopiedElementWhereAnInsertionGoes)
{
    DesignerFixture from;
    CUIElement& source = from.insert(cmd::rowLayout, from.insert(cmd::columnLayout, from.window));
    from.insert(cmd::button, source);
    const std::string copied = WriteElementBlock(source);

    HistoryFixture f;
    CUIElement& column = f.insert(cmd::columnLayout, f.window);
    CUIElement& first = f.insert(cmd::text, column);
    CUIElement& last = f.insert(cmd::checkBox, column);
    CUIElement* intoColumn = f.designer.paste(copied, column);
    ASSERT_NE(intoColumn, nullptr);
    EXPECT_EQ(column.children().back().get(), intoColumn);
    CUIElement* afterFirst = f.designer.paste(copied, first);
    ASSERT_NE(afterFirst, nullptr);
    EXPECT_EQ(column.children()[1].get(), afterFirst);
    EXPECT_NE(afterFirst->name(), intoColumn->name()) << "the second copy's names are taken by the first";
    EXPECT_EQ(f.history.undoCaption(), "Paste");
    (void)last;

    // A whole window file: its layout is the first block.
    CUIElement* fromFile = f.designer.paste(WriteWindowFile(from.window), column);
    ASSERT_NE(fromFile, nullptr);
    EXPECT_EQ(fromFile->command(), "columnLayout");
    EXPECT_EQ(fromFile->children().front()->command(), "rowLayout");

    const std::size_t steps = f.history.size();
    const std::size_t count = column.childCount();
    for (const char* text : {"", "plain words", "\t\t[button]\r\nx\r\n1\r\n", "\t[window]\r\nw\r\n1\r\n"}) {
        EXPECT_EQ(f.designer.paste(text, column), nullptr) << text;
        EXPECT_EQ(column.childCount(), count) << text;
    }
    EXPECT_EQ(f.history.size(), steps);
}

} // namespace
