// The 44-byte window placement blob and its conversion to a geometry.
#include "settings/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(WindowPlacement, RoundTripsThroughItsBytes)
{
    WindowPlacement p;
    p.flags = 2;
    p.showCmd = ShowCommand::maximized;
    p.minPosition = {-1, -1};
    p.maxPosition = {-4, -4};
    p.normalPosition = {10, 20, 810, 620};
    const auto bytes = p.serialize();
    EXPECT_EQ(readU32(bytes, 0), 44u);
    EXPECT_EQ(readU32(bytes, 8), 3u);
    EXPECT_EQ(readU32(bytes, 20), 0xFFFFFFFCu);
    EXPECT_EQ(readU32(bytes, 40), 620u);
    const auto back = WindowPlacement::parse(bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, p);
}

TEST(WindowPlacement, RefusesWrongSizeOrLength)
{
    const auto good = WindowPlacement{}.serialize();
    EXPECT_TRUE(WindowPlacement::parse(good).has_value());
    EXPECT_FALSE(WindowPlacement::parse(std::span(good).first(43)).has_value());
    auto wrongLength = good;
    wrongLength[0] = 40;
    EXPECT_FALSE(WindowPlacement::parse(wrongLength).has_value());
}

TEST(WindowPlacement, GeometryRoundTrip)
{
    const WindowGeometry g{30, 40, 640, 480, true, false};
    const auto p = WindowPlacement::fromGeometry(g);
    EXPECT_EQ(p.normalPosition, (PlacementRect{30, 40, 670, 520}));
    EXPECT_EQ(p.showCmd, ShowCommand::maximized);
    EXPECT_EQ(p.toGeometry(), g);
}

TEST(WindowPlacement, HostileRectangleGivesNoNegativeSize)
{
    WindowPlacement p;
    p.normalPosition = {500, 500, 100, 100};
    const auto g = p.toGeometry();
    EXPECT_EQ(g.width, 0);
    EXPECT_EQ(g.height, 0);
}
