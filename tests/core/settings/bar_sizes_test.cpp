// A pane's three sizes: "<profile>-Bar<id>" values, raised to the 250 x 100 minimum on load.
#include "settings/BarSizes.h"
#include "settings/Profile.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {
const std::string kProfile = "Bars\\ORVANTE";
}

TEST(BarSizes, SectionNameJoinsProfileAndId)
{
    EXPECT_EQ(BarSizes::sectionName(kProfile, 123), "Bars\\ORVANTE-Bar123");
}

TEST(BarSizes, StoredValuesBelowTheMinimumLoadAsTheMinimum)
{
    struct Case {
        const char* key;
        int stored;
        int loaded;
    };
    const Case cases[] = {
        {"WidthCX", 100, 250}, {"WidthCY", 99, 100}, {"HeightCX", 249, 250},
        {"HeightCY", 640, 640}, {"FloatCX", 251, 251}, {"FloatCY", 50, 100},
    };
    MemoryProfile profile;
    for (const Case& c : cases)
        profile.writeInt("Bars\\ORVANTE-Bar125", c.key, c.stored);
    BarSizes sizes = BarSizes::withDefault({80, 200});
    sizes.load(profile, kProfile, 125);
    EXPECT_EQ(sizes.horizontal, (BarSize{250, 100}));
    EXPECT_EQ(sizes.vertical, (BarSize{250, 640}));
    EXPECT_EQ(sizes.floating, (BarSize{251, 100}));
}

TEST(BarSizes, NothingStoredGivesTheDefaultRaisedToTheMinimum)
{
    MemoryProfile profile;
    profile.writeString("Bars\\ORVANTE-Bar126", "WidthCX", "garbage");
    BarSizes sizes = BarSizes::withDefault({80, 200});
    sizes.load(profile, kProfile, 126);
    EXPECT_EQ(sizes.horizontal, (BarSize{250, 200}));
    EXPECT_EQ(sizes.vertical, (BarSize{250, 200}));
    EXPECT_EQ(sizes.floating, (BarSize{250, 200}));
}

TEST(BarSizes, SaveThenLoadRoundTrips)
{
    MemoryProfile profile;
    BarSizes saved;
    saved.horizontal = {700, 180};
    saved.vertical = {260, 420};
    saved.floating = {300, 150};
    ASSERT_TRUE(saved.save(profile, kProfile, 123));
    EXPECT_EQ(profile.readInt("Bars\\ORVANTE-Bar123", "HeightCY", 0), 420);
    BarSizes loaded;
    loaded.load(profile, kProfile, 123);
    EXPECT_EQ(loaded.horizontal, saved.horizontal);
    EXPECT_EQ(loaded.vertical, saved.vertical);
    EXPECT_EQ(loaded.floating, saved.floating);
}
