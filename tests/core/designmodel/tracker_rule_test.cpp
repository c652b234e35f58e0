// The tracker keeps the element's place and snaps sizes to the grid.
#include "designmodel/TrackerRule.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

struct TrackCase {
    const char* what;
    UIRect old;
    UIRect proposed;
    GridSettings grid;
    UIRect expected;
};

const GridSettings kGrid10{true, 10, 10};
const GridSettings kGridOff{false, 10, 10};
const GridSettings kGridOne{true, 1, 1};

const TrackCase kCases[] = {
    {"bottom-right handle on the 10 grid", {0, 0, 80, 28}, {0, 0, 97, 43}, kGrid10, {0, 0, 90, 40}},
    {"grid off keeps the dragged size", {0, 0, 80, 28}, {0, 0, 97, 43}, kGridOff, {0, 0, 97, 43}},
    {"a step of one rounds nothing", {0, 0, 80, 28}, {0, 0, 97, 43}, kGridOne, {0, 0, 97, 43}},
    {"middle drag moves nothing", {5, 7, 85, 35}, {25, 19, 105, 47}, kGrid10, {5, 7, 85, 35}},
    {"middle drag without grid", {5, 7, 85, 35}, {-3, 2, 77, 30}, kGridOff, {5, 7, 85, 35}},
    {"left handle changes the width, left stays", {20, 0, 100, 28}, {10, 0, 100, 28}, kGridOff, {20, 0, 110, 28}},
    {"top handle changes the height, top stays", {0, 20, 80, 48}, {0, 14, 80, 48}, kGrid10, {0, 20, 80, 50}},
    {"a size below one step becomes 0", {0, 0, 80, 28}, {0, 0, 8, 28}, kGrid10, {0, 0, 0, 28}},
    {"only the dragged side is rounded", {0, 0, 80, 28}, {0, 0, 80, 43}, kGrid10, {0, 0, 80, 40}},
};

class TrackerRule : public testing::TestWithParam<TrackCase> {};

TEST_P(TrackerRule, ConstrainsTheDraggedRectangle)
{
    const TrackCase& c = GetParam();
    EXPECT_EQ(constrainTrackedRect(c.old, c.proposed, c.grid), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, TrackerRule, testing::ValuesIn(kCases));

TEST(TrackerGrid, StoredStepOfZeroBehavesAsOne)
{
    SettingsRecord record;
    record.setFlag(SettingsFlag::designerGrid, true);
    record.gridWidth = 0;
    record.gridHeight = 0;
    const GridSettings grid = GridSettings::from(record);
    EXPECT_TRUE(grid.enabled);
    EXPECT_EQ(constrainTrackedRect({0, 0, 80, 28}, {0, 0, 97, 43}, grid), (UIRect{0, 0, 97, 43}));
    // A hand-made setting of 0 does not divide by zero either.
    EXPECT_EQ(constrainTrackedRect({0, 0, 80, 28}, {0, 0, 97, 43}, {true, 0, 0}), (UIRect{0, 0, 97, 43}));
}

} // namespace
