// The canvas addressing with each tool's tip, and the import frame's placement and copy.
#include "iconmodel/CanvasGeometry.h"
#include "iconmodel/ImportFrame.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(CanvasGeometryTest, PointsNameThePixelUnderTheToolsTip)
{
    const CanvasGeometry canvas(256, 256, 5, 5); // cells of 8 x 8
    ASSERT_EQ(canvas.cellWidth(), 8);
    struct Case {
        int x, y;
        IconTool tool;
        std::optional<PixelPos> pixel;
    };
    const Case cases[] = {
        {20, 10, IconTool::pen, PixelPos{2, 2}},    // (16, 16)
        {12, 2, IconTool::pen, PixelPos{1, 1}},     // (8, 8)
        {11, 1, IconTool::pen, PixelPos{0, 0}},     // (7, 7)
        {20, 10, IconTool::fill, PixelPos{3, 2}},   // (24, 16)
        {20, 10, IconTool::pick, PixelPos{1, 1}},   // (13, 15)
        {20, 10, IconTool::move, PixelPos{2, 1}},   // no tip
        {2, 20, IconTool::pen, std::nullopt},       // (-2, 26): left of the image, not column 0
        {20, -7, IconTool::pen, std::nullopt},      // (16, -1)
        {255, 100, IconTool::fill, std::nullopt},   // (259, 106)
        {100, 250, IconTool::pen, std::nullopt},    // (96, 256)
        {255, 249, IconTool::pen, PixelPos{31, 31}} // (251, 255)
    };
    for (const Case& c : cases)
        EXPECT_EQ(canvas.pixelAt(c.x, c.y, c.tool), c.pixel) << c.x << "," << c.y << " tool " << static_cast<int>(c.tool);
}

TEST(CanvasGeometryTest, CellsFollowTheImageSize)
{
    EXPECT_EQ(CanvasGeometry(256, 256, 3, 4).cellWidth(), 32);
    EXPECT_EQ(CanvasGeometry(256, 256, 3, 4).cellHeight(), 16);
    EXPECT_EQ(CanvasGeometry(256, 256, 8, 8).pixelAt(255, 0, IconTool::move), (PixelPos{255, 0}));
}

TEST(ImportFrameTest, FramePlacementWithAndWithoutSnap)
{
    struct Case {
        int x, y;
        bool snap;
        FrameRect frame;
    };
    const Case cases[] = {
        {70, 40, true, {64, 32, 96, 64}},
        {31, 31, true, {0, 0, 32, 32}},
        {70, 40, false, {54, 24, 86, 56}},
        {10, 5, false, {0, 0, 32, 32}},
        {-3, -3, true, {0, 0, 32, 32}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(importFrameAt(c.x, c.y, 32, 32, c.snap), c.frame) << c.x << "," << c.y << " snap " << c.snap;
}

TEST(ImportFrameTest, CopyKeepsIconPixelsWhereTheFrameLeavesThePicture)
{
    PixelGrid picture{40, 20, {}};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(static_cast<ColorRef>(y * 1000 + x));
    IconImage icon(5, 5);
    icon.setPixel({0, 0}, 0x123456);
    icon.setPixel({31, 31}, 0x654321);
    icon.snapshot();
    const FrameRect frame = importFrameAt(30, 10, 32, 32, false); // (14, 0) to (46, 32)
    copyFrame(picture, frame, icon);
    EXPECT_EQ(icon.pixel({0, 0}), 14u);
    EXPECT_EQ(icon.pixel({25, 19}), 19039u);       // picture (39, 19), its last pixel
    EXPECT_EQ(icon.pixel({26, 0}), IconImage::kWhite); // picture column 40: outside
    EXPECT_EQ(icon.pixel({0, 20}), IconImage::kWhite); // picture row 20: outside
    EXPECT_EQ(icon.pixel({31, 31}), 0x654321u);
    icon.undo(); // no snapshot was taken by the import
    EXPECT_EQ(icon.pixel({0, 0}), 0x123456u);
}

TEST(ImportFrameTest, AGridWhosePixelsDoNotMatchItsSizeCopiesNothing)
{
    const PixelGrid broken{64, 64, std::vector<ColorRef>(10, 0)};
    IconImage icon(5, 5);
    copyFrame(broken, {0, 0, 32, 32}, icon);
    EXPECT_EQ(icon.pixels(), std::vector<ColorRef>(32 * 32, IconImage::kWhite));
}
