// The icon image's tools and its one-level undo, pixel by pixel.
#include "icon/IconImage.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kWhite = IconImage::kWhite;

// A 32 x 32 image (exponents 5) whose pixel (x, y) is colourOf(x, y).
template <typename F>
IconImage painted(F colourOf)
{
    IconImage image(5, 5);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel({x, y}, colourOf(x, y));
    return image;
}

} // namespace

TEST(IconImageTest, StartsWhiteWithPowerOfTwoSides)
{
    const IconImage image(5, 3);
    EXPECT_EQ(image.width(), 32);
    EXPECT_EQ(image.height(), 8);
    EXPECT_EQ(image.pixels(), std::vector<ColorRef>(32 * 8, kWhite));
    EXPECT_EQ(image.pixel({32, 0}), std::nullopt);
    EXPECT_EQ(image.pixel({0, -1}), std::nullopt);
    EXPECT_EQ(IconImage(40, -2).width(), 1 << IconImage::kMaxExponent);
}

// The fill takes its snapshot first, whatever it then changes: Undo after a fill that changed
// nothing gives the image as it is, no longer the one before the last change. Outside the
// image nothing happens.
TEST(IconImageTest, FillOnAPixelOfTheFillColourChangesNothingButTakesItsSnapshot)
{
    IconImage image(5, 5);
    image.setPixel({3, 3}, kRed);
    image.snapshot();
    image.setPixel({4, 4}, kBlack);
    const auto before = image.pixels();
    EXPECT_FALSE(image.fill({32, 0}, kRed));
    image.undo(); // outside: still the snapshot before the black pixel
    EXPECT_EQ(image.pixel({4, 4}), kWhite);
    image.setPixel({4, 4}, kBlack);
    EXPECT_FALSE(image.fill({0, 0}, kWhite));
    EXPECT_EQ(image.pixels(), before);
    image.undo();
    EXPECT_EQ(image.pixels(), before);
}

TEST(IconImageTest, CheckerboardFillChangesOnlyTheStartPixel)
{
    IconImage image = painted([](int x, int y) { return (x + y) % 2 ? kBlack : kWhite; });
    const auto before = image.pixels();
    ASSERT_TRUE(image.fill({5, 7}, kRed));
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        changed += before[i] != image.pixels()[i];
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(image.pixel({5, 7}), kRed);
}

TEST(IconImageTest, FillStopsAtOtherColoursAndFollowsFourNeighboursOnly)
{
    // A black ring around the 3 x 3 block at (10..12, 10..12); the fill inside stays inside.
    IconImage image = painted([](int x, int y) {
        const bool ring = x >= 9 && x <= 13 && y >= 9 && y <= 13 && !(x >= 10 && x <= 12 && y >= 10 && y <= 12);
        return ring ? kBlack : kWhite;
    });
    ASSERT_TRUE(image.fill({11, 11}, kRed));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool inside = x >= 10 && x <= 12 && y >= 10 && y <= 12;
            if (inside)
                EXPECT_EQ(image.pixel({x, y}), kRed) << x << "," << y;
            else
                EXPECT_NE(image.pixel({x, y}), kRed) << x << "," << y;
        }
}

TEST(IconImageTest, LargestImageFillsWholeWithoutDeepRecursion)
{
    IconImage image(8, 8); // 256 x 256: 65,536 pixels in one region
    ASSERT_TRUE(image.fill({128, 128}, kRed));
    EXPECT_EQ(image.pixels(), std::vector<ColorRef>(256 * 256, kRed));
}

TEST(IconImageTest, TwoUndoPressesGiveTheSameImage)
{
    IconImage image(5, 5);
    image.beginStroke({1, 1}, kRed);
    image.setPixel({2, 1}, kRed); // the stroke goes on without a new snapshot
    const auto afterStroke = image.pixels();
    image.beginStroke({5, 5}, kBlack);
    image.undo();
    EXPECT_EQ(image.pixels(), afterStroke);
    image.undo();
    EXPECT_EQ(image.pixels(), afterStroke);
}

TEST(IconImageTest, EachUndoableOperationTakesItsSnapshotAndMovesDoNot)
{
    struct Case {
        const char* name;
        void (*apply)(IconImage&);
        bool undoable;
    };
    const Case cases[] = {
        {"pen", [](IconImage& i) { i.beginStroke({0, 0}, kRed); }, true},
        {"fill", [](IconImage& i) { i.fill({0, 0}, kRed); }, true},
        {"h flip", [](IconImage& i) { i.flipHorizontal(); }, true},
        {"v flip", [](IconImage& i) { i.flipVertical(); }, true},
        {"replace", [](IconImage& i) { i.replace(kBlack, kRed); }, true},
        {"clear", [](IconImage& i) { i.clear(kRed); }, true},
        {"move", [](IconImage& i) { i.move(IconMove::left, kRed); }, false},
    };
    for (const Case& c : cases) {
        IconImage image = painted([](int x, int y) { return x == 0 && y < 16 ? kBlack : kWhite; });
        image.snapshot();
        image.setPixel({31, 31}, kBlack); // a change after the last snapshot
        const auto before = image.pixels();
        c.apply(image);
        ASSERT_NE(image.pixels(), before) << c.name;
        image.undo();
        if (c.undoable)
            EXPECT_EQ(image.pixels(), before) << c.name;
        else
            EXPECT_EQ(image.pixel({31, 31}), kWhite) << c.name << ": Undo went back past the move";
    }
}

TEST(IconImageTest, FlipsMirrorTheImage)
{
    IconImage image(5, 4); // 32 x 16
    image.setPixel({0, 0}, kRed);
    image.setPixel({3, 15}, kBlack);
    image.flipHorizontal();
    EXPECT_EQ(image.pixel({31, 0}), kRed);
    EXPECT_EQ(image.pixel({28, 15}), kBlack);
    image.flipVertical();
    EXPECT_EQ(image.pixel({31, 15}), kRed);
    EXPECT_EQ(image.pixel({28, 0}), kBlack);
    EXPECT_EQ(image.pixel({0, 0}), kWhite);
}

TEST(IconImageTest, MovesShiftOnePixelAndUncoverTheEdgeInTheSecondaryColour)
{
    struct Case {
        IconMove move;
        PixelPos markAt;
        PixelPos edgePixel;
    };
    const Case cases[] = {
        {IconMove::left, {9, 10}, {31, 4}},
        {IconMove::right, {11, 10}, {0, 4}},
        {IconMove::up, {10, 9}, {4, 31}},
        {IconMove::down, {10, 11}, {4, 0}},
    };
    for (const Case& c : cases) {
        IconImage image(5, 5);
        image.setPixel({10, 10}, kBlack);
        image.move(c.move, kRed);
        EXPECT_EQ(image.pixel(c.markAt), kBlack) << static_cast<int>(c.move);
        EXPECT_EQ(image.pixel({10, 10}), kWhite) << static_cast<int>(c.move);
        EXPECT_EQ(image.pixel(c.edgePixel), kRed) << static_cast<int>(c.move);
    }
}

TEST(IconImageTest, ThirtyTwoMovesLeftFillTheImageWithTheSecondaryColour)
{
    IconImage image = painted([](int x, int y) { return static_cast<ColorRef>(x * 32 + y); });
    for (int i = 0; i < 31; ++i)
        image.move(IconMove::left, kRed);
    EXPECT_NE(image.pixels(), std::vector<ColorRef>(32 * 32, kRed)); // nothing wraps round
    image.move(IconMove::left, kRed);
    EXPECT_EQ(image.pixels(), std::vector<ColorRef>(32 * 32, kRed));
}

TEST(IconImageTest, ReplaceAndClear)
{
    IconImage image = painted([](int x, int) { return x < 4 ? kBlack : kWhite; });
    const auto before = image.pixels();
    image.replace(kBlack, kBlack);
    EXPECT_EQ(image.pixels(), before);
    image.replace(kBlack, kRed);
    EXPECT_EQ(image.pixel({3, 9}), kRed);
    EXPECT_EQ(image.pixel({4, 9}), kWhite);
    image.clear(kBlack);
    EXPECT_EQ(image.pixels(), std::vector<ColorRef>(32 * 32, kBlack));
}

TEST(IconImageTest, AStrokeOutsideTheImageTakesNoSnapshot)
{
    IconImage image(5, 5);
    image.beginStroke({0, 0}, kRed);
    EXPECT_FALSE(image.beginStroke({32, 0}, kBlack));
    image.undo();
    EXPECT_EQ(image.pixel({0, 0}), kWhite);
}
