// What an ending program writes: the newest image of each document that is not on disk yet,
// whole, and nothing for a released slot.
#include "recovery/RecoveryImages.h"

#include "../text/TextTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orv {
namespace {

using test::TempDir;

std::unique_ptr<const RecoveryImage> image(const TempDir& dir, const std::string& name, const std::string& bytes)
{
    return std::make_unique<const RecoveryImage>(
        RecoveryImage{bytes, dir.file(name), dir.file(name + ".signal")});
}

// Slots taken by one test, let go at its end whatever happens.
struct Slots {
    ~Slots()
    {
        for (int slot : taken)
            recovery_images::release(slot);
    }
    int claim()
    {
        taken.push_back(recovery_images::claimSlot());
        return taken.back();
    }
    std::vector<int> taken;
};

TEST(RecoveryImages, WritesTheNewestImageNotOnDisk)
{
    TempDir dir;
    Slots slots;
    const int edited = slots.claim();
    const int saved = slots.claim();
    const int closed = slots.claim();
    ASSERT_GE(closed, 0);
    recovery_images::publish(edited, image(dir, "1.orvrec", "older"));
    recovery_images::publish(edited, image(dir, "1.orvrec", "newer"));
    recovery_images::publish(saved, image(dir, "2.orvrec", "written at idle"));
    recovery_images::markWritten(saved);
    recovery_images::publish(closed, image(dir, "3.orvrec", "closed"));
    recovery_images::release(closed);

    EXPECT_EQ(recovery_images::writeFromSignal(), 1);
    EXPECT_EQ(test::readFile(dir.file("1.orvrec")), "newer");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"1.orvrec"});
    // Once written it is on disk: a second signal writes nothing again.
    EXPECT_EQ(recovery_images::writeFromSignal(), 0);

    // A new image of the same document replaces the file whole.
    recovery_images::publish(edited, image(dir, "1.orvrec", "newest"));
    EXPECT_EQ(recovery_images::writeFromSignal(), 1);
    EXPECT_EQ(test::readFile(dir.file("1.orvrec")), "newest");
}

TEST(RecoveryImages, AFailedWriteLeavesTheOldFile)
{
    TempDir dir;
    Slots slots;
    const int slot = slots.claim();
    test::writeFile(dir.file("1.orvrec"), "kept");
    // The temporary file cannot be made: its folder does not exist.
    recovery_images::publish(slot, std::make_unique<const RecoveryImage>(
                                       RecoveryImage{"lost", dir.file("1.orvrec"), dir.file("missing/1.signal")}));
    EXPECT_EQ(recovery_images::writeFromSignal(), 0);
    EXPECT_EQ(test::readFile(dir.file("1.orvrec")), "kept");
}

TEST(RecoveryImages, SlotsRunOutAndComeBack)
{
    Slots slots;
    int last = 0;
    for (int i = 0; i < recovery_images::kSlots && last >= 0; ++i)
        last = slots.claim();
    // Some may be held by others in this program; past the last one there are none.
    EXPECT_EQ(recovery_images::claimSlot(), -1);
    recovery_images::release(slots.taken.front());
    EXPECT_EQ(recovery_images::claimSlot(), slots.taken.front());
}

} // namespace
} // namespace orv
