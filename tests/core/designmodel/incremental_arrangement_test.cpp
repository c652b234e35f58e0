// Arranging only what an edit changed gives every element the rectangle that settling the
// whole tree at every edit gives: random edit sequences run on two equal windows, one of them
// settling everything, and after each edit both trees have the same rectangles.
#include "DesignerFixture.h"

#include "designmodel/InsertCommands.h"
#include "uimodel/WindowFile.h"

#include <random>

using namespace orv;
using namespace orv::test;

namespace {

// The first element whose rectangle differs, by its place in tree order, or empty.
std::string firstDifference(CUIElement& a, CUIElement& b)
{
    const std::vector<CUIElement*> left = elementsInTreeOrder(a);
    const std::vector<CUIElement*> right = elementsInTreeOrder(b);
    if (left.size() != right.size())
        return "element counts " + std::to_string(left.size()) + " and " + std::to_string(right.size());
    for (std::size_t i = 0; i < left.size(); ++i) {
        const UIRect& l = left[i]->rect();
        const UIRect& r = right[i]->rect();
        if (l != r || left[i]->name() != right[i]->name())
            return left[i]->name() + " (#" + std::to_string(i) + "): " + std::to_string(l.left) + "," +
                   std::to_string(l.top) + "," + std::to_string(l.right) + "," + std::to_string(l.bottom) +
                   " against " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                   std::to_string(r.right) + "," + std::to_string(r.bottom);
    }
    return {};
}

// One window and its designer; reference settles the whole tree at every edit.
struct Side {
    SettingsRecord settings;
    UIModelContext context{settings};
    CUIWindow window{context};
    WindowDesigner designer{window};

    explicit Side(bool reference) { context.setSettleEverything(reference); }
};

// Values that move things: sizes, spacings, attachments, switches.
constexpr const char* kValues[] = {"", "0", "3", "12", "40", "150", "-7", "on", "off", "true", "false",
                                   "left 4", "right 9", "both 2", "none", "2", "5"};
// Flag places that layouts and the window read while arranging, and some others.
constexpr int kPlaces[] = {0, 4, 5, 6, 12, 15, 18, 23, 24, 3, 11, 13, 20, 30, 31, 41, 43, 48, 22, 1};

// One random edit, the same on both sides (elements picked by their place in tree order).
void randomEdit(std::mt19937& random, Side& fast, Side& reference, std::string& done)
{
    const std::vector<CUIElement*> a = elementsInTreeOrder(fast.window);
    const std::vector<CUIElement*> b = elementsInTreeOrder(reference.window);
    const std::size_t pick = random() % a.size();
    const std::size_t other = random() % a.size();
    const unsigned kind = random() % 10;
    if (kind < 4) {
        // Layouts and the working controls, layouts more often so that trees grow deep.
        static constexpr int kCommands[] = {1, 2, 1, 2, 4, 10, 17, 20, 35, 38, 40, 42};
        const int command = kCommands[random() % std::size(kCommands)];
        done = "insert " + std::to_string(command) + " at #" + std::to_string(pick);
        fast.designer.insert(command, *a[pick]);
        reference.designer.insert(command, *b[pick]);
    } else if (kind == 4) {
        done = "remove #" + std::to_string(pick);
        if (pick != 0) {
            fast.designer.remove(*a[pick]);
            reference.designer.remove(*b[pick]);
        }
    } else if (kind == 5) {
        const auto direction = random() % 2 ? WindowDesigner::MoveDirection::up : WindowDesigner::MoveDirection::down;
        done = "move #" + std::to_string(pick);
        fast.designer.move(*a[pick], direction);
        reference.designer.move(*b[pick], direction);
    } else if (kind == 6) {
        done = "drop #" + std::to_string(pick) + " on #" + std::to_string(other);
        fast.designer.drop(*a[pick], *a[other]);
        reference.designer.drop(*b[pick], *b[other]);
    } else if (kind < 9) {
        FlagValueTable table = a[pick]->flags();
        const int place = kPlaces[random() % std::size(kPlaces)];
        table[place] = kValues[random() % std::size(kValues)];
        done = "flag " + std::to_string(place) + " = \"" + table[place] + "\" at #" + std::to_string(pick);
        fast.designer.applyFlags(*a[pick], table);
        FlagValueTable same = b[pick]->flags();
        same[place] = table[place];
        reference.designer.applyFlags(*b[pick], same);
    } else {
        const UISize size{static_cast<int>(random() % 300), static_cast<int>(random() % 200)};
        done = "resize #" + std::to_string(pick);
        fast.designer.resize(*a[pick], size);
        reference.designer.resize(*b[pick], size);
    }
}

TEST(IncrementalArrangement, EveryEditGivesTheRectanglesOfSettlingEverything)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        Side fast(false);
        Side reference(true);
        std::string history;
        for (int step = 0; step < 80; ++step) {
            std::string done;
            randomEdit(random, fast, reference, done);
            history += done + "\n";
            const std::string difference = firstDifference(fast.window, reference.window);
            ASSERT_EQ(difference, "") << "seed " << seed << " after:\n" << history;
        }
        EXPECT_EQ(WriteWindowFile(fast.window), WriteWindowFile(reference.window)) << "seed " << seed;
    }
}

// The same for a window that fits its children, where the window's size follows the tree.
TEST(IncrementalArrangement, AFittedWindowFollowsAsWhenEverythingSettles)
{
    for (unsigned seed = 100; seed <= 130; ++seed) {
        std::mt19937 random(seed);
        Side fast(false);
        Side reference(true);
        for (Side* side : {&fast, &reference}) {
            FlagValueTable table = side->window.flags();
            table[CUIWindow::kResizeToFitChildren] = "true";
            side->designer.applyFlags(side->window, table);
        }
        std::string history;
        for (int step = 0; step < 60; ++step) {
            std::string done;
            randomEdit(random, fast, reference, done);
            history += done + "\n";
            ASSERT_EQ(firstDifference(fast.window, reference.window), "") << "seed " << seed << " after:\n" << history;
        }
    }
}

} // namespace
