// The recent file list: order, capacity, duplicates and its "Recent File List" values.
#include "settings/Profile.h"
#include "settings/RecentFileList.h"

#include <gtest/gtest.h>

using namespace orv;
using Entries = std::vector<std::string>;

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndCappedAtCapacity)
{
    RecentFileList list(3);
    for (const char* p : {"/a.mel", "/b.wnd", "/c.mel", "/b.wnd", "/d.icm"})
        list.add(p);
    EXPECT_EQ(list.entries(), (Entries{"/d.icm", "/b.wnd", "/c.mel"}));
    list.remove("/b.wnd");
    EXPECT_EQ(list.entries(), (Entries{"/d.icm", "/c.mel"}));
}

TEST(RecentFileList, CapacityZeroKeepsNothingAndStoresNothing)
{
    MemoryProfile profile;
    profile.writeString(RecentFileList::kSection, "File1", "/left/from/before.mel");
    RecentFileList list(0);
    list.load(profile);
    list.add("/x.mel");
    EXPECT_TRUE(list.empty());
    list.save(profile);
    // The value of an earlier run stays for the "reload last document" option to read.
    EXPECT_EQ(profile.readString(RecentFileList::kSection, "File1", ""), "/left/from/before.mel");
}

TEST(RecentFileList, RoundTripsThroughTheProfileAndClearsShortenedTail)
{
    MemoryProfile profile;
    RecentFileList first(4);
    for (const char* p : {"/1", "/2", "/3", "/4"})
        first.add(p);
    first.save(profile);
    EXPECT_EQ(profile.readString(RecentFileList::kSection, "File1", ""), "/4");
    EXPECT_EQ(profile.readString(RecentFileList::kSection, "File4", ""), "/1");

    RecentFileList second(4);
    second.load(profile);
    EXPECT_EQ(second.entries(), first.entries());
    second.remove("/1");
    second.save(profile);
    EXPECT_EQ(profile.find(RecentFileList::kSection, "File4"), nullptr);
}

TEST(RecentFileList, LoadSkipsGapsAndRepeatsAndHonoursTheLength)
{
    MemoryProfile profile;
    profile.writeString(RecentFileList::kSection, "File1", "/a");
    profile.writeString(RecentFileList::kSection, "File3", "/a");
    profile.writeString(RecentFileList::kSection, "File4", "/b");
    profile.writeString(RecentFileList::kSection, "File6", "/c");
    RecentFileList list(5);
    list.load(profile);
    EXPECT_EQ(list.entries(), (Entries{"/a", "/b"}));
}
