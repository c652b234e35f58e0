// The window preview's sizing frame, its caption boxes and the view's fit to its form.
#include "designmodel/FormFit.h"
#include "designmodel/WindowSizing.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

using namespace frame_edge;

struct EdgeCase {
    UIPoint point;
    int edges;
};

// A 320 x 240 window with a 4-pixel frame; corners reach 4 + 19 pixels along each edge.
const EdgeCase kEdgeCases[] = {
    {{0, 100}, left},         {{3, 100}, left},          {{4, 100}, 0},
    {{319, 100}, right},      {{316, 100}, right},       {{315, 100}, 0},
    {{160, 0}, top},          {{160, 239}, bottom},      {{160, 20}, 0},
    {{0, 0}, left | top},     {{319, 239}, right | bottom},
    {{2, 22}, left | top},    {{2, 23}, left},           {{22, 1}, left | top},
    {{300, 1}, right | top},  {{1, 220}, left | bottom}, {{319, 217}, right | bottom}, {{319, 216}, right},
    {{-1, 100}, 0},           {{320, 100}, 0},
};

TEST(WindowFrame, EveryEdgeAndCornerOfTheFrameIsGrabbed)
{
    for (const EdgeCase& c : kEdgeCases)
        EXPECT_EQ(frameEdgesAt({320, 240}, c.point, 4), c.edges) << c.point.x << "," << c.point.y;
    EXPECT_EQ(frameEdgesAt({320, 240}, {0, 0}, 0), 0);   // no sizing frame
}

struct DragCase {
    int edges;
    UIPoint delta;
    UISize size;
};

// From 320 x 240: the far edges follow the pointer, the near ones change the size the
// other way (the window stays at the corner), and the size never falls below 8 x 27.
const DragCase kDragCases[] = {
    {right, {40, 20}, {360, 240}},          {bottom, {40, 20}, {320, 260}},
    {right | bottom, {40, 20}, {360, 260}}, {left, {-30, 5}, {350, 240}},
    {left, {30, 5}, {290, 240}},            {top, {5, -25}, {320, 265}},
    {left | top, {-10, -20}, {330, 260}},   {right | top, {10, 20}, {330, 220}},
    {left | bottom, {10, 20}, {310, 260}},  {left, {400, 0}, {8, 240}},
    {bottom, {0, -300}, {320, 27}},
};

TEST(WindowFrame, DraggedEdgesChangeTheSizeNeverThePlace)
{
    for (const DragCase& c : kDragCases)
        EXPECT_EQ(draggedWindowSize({320, 240}, c.edges, c.delta, {8, 27}), c.size)
            << c.edges << " by " << c.delta.x << "," << c.delta.y;
}

TEST(WindowCaptionBoxes, MaximizeFillsTheAreaAndRestoresTheSizeBefore)
{
    WindowShowState state;
    EXPECT_EQ(state.pressMaximizeBox({320, 240}, {480, 320}), (WindowSizing{{480, 320}, true}));
    EXPECT_EQ(state.shown(), WindowShow::maximized);
    state.sizeSet({480, 320}, {480, 320});   // the element's echo of its new size
    EXPECT_EQ(state.shown(), WindowShow::maximized);
    EXPECT_EQ(state.pressMaximizeBox({480, 320}, {480, 320}), (WindowSizing{{320, 240}, true}));
    EXPECT_EQ(state.shown(), WindowShow::normal);
}

TEST(WindowCaptionBoxes, MinimizeKeepsTheStoredSizeAndComesBackAsItWas)
{
    WindowShowState state;
    EXPECT_EQ(state.pressMinimizeBox({320, 240}, {160, 27}), (WindowSizing{{160, 27}, false}));
    EXPECT_EQ(state.shown(), WindowShow::minimized);
    EXPECT_EQ(state.pressMinimizeBox({160, 27}, {160, 27}), (WindowSizing{{320, 240}, false}));
    EXPECT_EQ(state.shown(), WindowShow::normal);

    // Maximized, minimized, restored: maximized again; then restored to the first size.
    state.pressMaximizeBox({320, 240}, {480, 320});
    state.pressMinimizeBox({480, 320}, {160, 27});
    EXPECT_EQ(state.pressMinimizeBox({160, 27}, {160, 27}), (WindowSizing{{480, 320}, false}));
    EXPECT_EQ(state.shown(), WindowShow::maximized);
    EXPECT_EQ(state.pressMaximizeBox({480, 320}, {480, 320}), (WindowSizing{{320, 240}, true}));

    // Maximize straight from minimized.
    state.pressMinimizeBox({320, 240}, {160, 27});
    EXPECT_EQ(state.pressMaximizeBox({160, 27}, {500, 400}), (WindowSizing{{500, 400}, true}));
    EXPECT_EQ(state.pressMaximizeBox({500, 400}, {500, 400}), (WindowSizing{{320, 240}, true}));
}

TEST(WindowCaptionBoxes, ASizeFromTheFlagsEndsMaximizedAndRestoresMinimizedToIt)
{
    WindowShowState state;
    state.pressMaximizeBox({320, 240}, {480, 320});
    state.sizeSet({300, 200}, {480, 320});
    EXPECT_EQ(state.shown(), WindowShow::normal);

    state.pressMinimizeBox({300, 200}, {160, 27});
    state.sizeSet({350, 260}, {160, 27});
    EXPECT_EQ(state.shown(), WindowShow::minimized);
    EXPECT_EQ(state.pressMinimizeBox({160, 27}, {160, 27}), (WindowSizing{{350, 260}, false}));
}

TEST(DesignerForm, TheFrameShrinksToTheFormNeverGrowsAndKeepsTheWindowWhole)
{
    const UISize form = designerFormSize();
    EXPECT_EQ(form, (UISize{483, 322}));
    const UISize window{320, 240};
    EXPECT_EQ(shrinkToForm({700, 500}, form, window), form);
    EXPECT_EQ(shrinkToForm({300, 200}, form, window), (UISize{300, 200}));
    EXPECT_EQ(shrinkToForm({700, 200}, form, window), (UISize{483, 200}));
    // A window taller than the form: the view keeps room for it, as far as it had.
    EXPECT_EQ(shrinkToForm({700, 500}, form, {280, 330}), (UISize{483, 330}));
    EXPECT_EQ(shrinkToForm({700, 500}, form, {600, 900}), (UISize{600, 500}));
}

} // namespace
