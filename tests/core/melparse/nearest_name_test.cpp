// The nearest name of a misspelt word: bounded edit distance, and a suggestion only when it
// is near enough and no other owner is as near.
#include "melparse/NearestName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

TEST(EditDistance, CountsInsertsDeletesReplacesAndSwapsUpToTheBound)
{
    struct Case {
        const char* a;
        const char* b;
        int bound;
        int distance;
    } const cases[] = {
        {"label", "label", 2, 0},   {"lable", "label", 2, 1},  {"labl", "label", 2, 1},
        {"labell", "label", 2, 1},  {"lebel", "label", 2, 1},  {"Label", "label", 2, 1},
        {"lbael", "label", 2, 1},   {"albel", "label", 2, 1},  {"lbl", "label", 2, 2},
        {"xyz", "label", 2, 3},     {"", "ab", 5, 2},          {"abc", "", 1, 2},
        {"width", "height", 1, 2},  {"width", "height", 9, 4}, {"ca", "abc", 3, 3},
        // bound 1: the one-pass test
        {"buton", "button", 1, 1},  {"butto", "button", 1, 1}, {"xbutton", "button", 1, 1},
        {"buttno", "button", 1, 1}, {"ubtton", "button", 1, 1}, {"bvtton", "button", 1, 1},
        {"buttox", "button", 1, 1}, {"butotn", "button", 1, 1}, {"nuttob", "button", 1, 2},
        {"btuton", "button", 1, 1}, {"bottun", "button", 1, 2}, {"button", "button", 1, 0}, {"a", "b", 0, 1},
        {"", "a", 1, 1},            {"ab", "ba", 1, 1},        {"abc", "bca", 1, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(editDistance(c.a, c.b, c.bound), c.distance) << c.a << " " << c.b;
        EXPECT_EQ(editDistance(c.b, c.a, c.bound), c.distance) << c.b << " " << c.a;
    }
}

struct Named {
    const char* name;
    int owner;
};

int ownerOf(const char* word, const std::vector<Named>& names)
{
    NearestName nearest(word, nearEnoughDistance(word));
    for (const Named& n : names)
        nearest.consider(n.name, n.owner);
    return nearest.owner();
}

TEST(NearestName, SuggestsOnlyANearAndUnambiguousName)
{
    const std::vector<Named> button = {{"l", 0}, {"label", 0}, {"w", 1}, {"width", 1}, {"h", 2}, {"height", 2},
                                       {"al", 3}, {"align", 3}, {"en", 4}, {"enable", 4}};
    EXPECT_EQ(ownerOf("lable", button), 0);
    EXPECT_EQ(ownerOf("widht", button), 1);
    EXPECT_EQ(ownerOf("heigth", button), 2);
    EXPECT_EQ(ownerOf("enabel", button), 4);
    EXPECT_EQ(ownerOf("x", button), -1);       // one edit from l, w and h alike
    EXPECT_EQ(ownerOf("zzzzzz", button), -1);  // near nothing
    EXPECT_EQ(ownerOf("lbel", button), 0);     // one edit; "l" is three away
    EXPECT_EQ(ownerOf("wl", button), -1);      // one edit from w, l and al
}

TEST(NearestName, ANearerNameEndsAnEarlierTie)
{
    NearestName nearest("buton", 2);
    nearest.consider("bottom", 0);   // 2
    nearest.consider("baton", 1);    // 1
    nearest.consider("button", 2);   // 1: a tie
    EXPECT_TRUE(nearest.found());
    EXPECT_EQ(nearest.owner(), -1);
    nearest.consider("buton2", 3);   // 1, another tie
    EXPECT_EQ(nearest.owner(), -1);

    NearestName single("buton", 1);
    single.consider("bottom", 0);
    single.consider("button", 1);
    EXPECT_EQ(single.owner(), 1);
    EXPECT_EQ(single.name(), "button");
}

} // namespace
} // namespace orv
