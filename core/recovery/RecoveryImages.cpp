// The image table lives in static storage and holds only lock-free atomics, so a signal handler
// on any thread reads it without a lock; an image replaced while a handler may be reading it is
// left alone rather than freed, since the program is ending then.
#include "recovery/RecoveryImages.h"

#include <atomic>
#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace orv::recovery_images {

namespace {

struct Slot {
    std::atomic<bool> taken{false};
    std::atomic<const RecoveryImage*> image{nullptr};
    // The image last written to disk, by an idle write or a handler.
    std::atomic<const RecoveryImage*> written{nullptr};
};

static_assert(std::atomic<const RecoveryImage*>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);

Slot g_slots[kSlots];
// Handlers that have started; while any has, no image is freed.
std::atomic<int> g_handlers{0};
// Set by the handler that writes; others wait for it to finish.
std::atomic<bool> g_writing{false};

// How long a second handler waits for the first one's writing before the program ends anyway.
constexpr int kWaitSteps = 5000;
constexpr long kWaitStepNs = 1'000'000;

void retire(const RecoveryImage* image)
{
    // Sequentially consistent with the handler's increment before it reads any slot: a handler
    // that could still see this image has been counted by now.
    if (image && g_handlers.load() == 0)
        delete image;
}

bool writeAll(int fd, const char* data, std::size_t size) noexcept
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool writeImage(const RecoveryImage& image) noexcept
{
    const int fd = ::open(image.tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, image.bytes.data(), image.bytes.size());
    const bool closed = ::close(fd) == 0;
    if (written && closed && ::rename(image.tempPath.c_str(), image.path.c_str()) == 0)
        return true;
    ::unlink(image.tempPath.c_str());
    return false;
}

} // namespace

int claimSlot()
{
    for (int i = 0; i < kSlots; ++i) {
        bool expected = false;
        if (g_slots[i].taken.compare_exchange_strong(expected, true))
            return i;
    }
    return -1;
}

void publish(int slot, std::unique_ptr<const RecoveryImage> image)
{
    if (slot < 0 || slot >= kSlots)
        return;
    retire(g_slots[slot].image.exchange(image.release()));
}

void markWritten(int slot)
{
    if (slot >= 0 && slot < kSlots)
        g_slots[slot].written.store(g_slots[slot].image.load());
}

const RecoveryImage* current(int slot)
{
    return slot >= 0 && slot < kSlots ? g_slots[slot].image.load() : nullptr;
}

void release(int slot)
{
    if (slot < 0 || slot >= kSlots)
        return;
    publish(slot, nullptr);
    g_slots[slot].written.store(nullptr);
    g_slots[slot].taken.store(false);
}

int writeFromSignal() noexcept
{
    g_handlers.fetch_add(1);
    if (g_writing.exchange(true)) {
        // Another thread's handler writes; the program ends once it has, not before.
        const timespec step{0, kWaitStepNs};
        for (int i = 0; i < kWaitSteps && g_writing.load(); ++i)
            ::nanosleep(&step, nullptr);
        g_handlers.fetch_sub(1);
        return 0;
    }
    int count = 0;
    for (Slot& slot : g_slots) {
        const RecoveryImage* image = slot.image.load();
        if (!image || image == slot.written.load())
            continue;
        if (writeImage(*image)) {
            slot.written.store(image);
            ++count;
        }
    }
    g_writing.store(false);
    g_handlers.fetch_sub(1);
    return count;
}

} // namespace orv::recovery_images
