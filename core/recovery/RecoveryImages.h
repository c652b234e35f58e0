// Recovery files made ready in memory, for a program that is ending on a signal: the handler
// may only use async-signal-safe calls, so each image holds its bytes and both of its paths,
// and writing them takes nothing but open, write, close and rename.
#pragma once

#include <memory>
#include <string>

namespace orv {

struct RecoveryImage {
    // The whole recovery file.
    std::string bytes;
    // The recovery file, and the file the handler writes before it takes the recovery file's place.
    std::string path;
    std::string tempPath;
};

// One slot a document: the process's images, shared by every thread and by signal handlers.
namespace recovery_images {

inline constexpr int kSlots = 256;

// A free slot, or -1 when every slot is taken (the document is then kept by idle writes only).
int claimSlot();
// The slot's image becomes image (the one before it is freed); a null image empties the slot.
void publish(int slot, std::unique_ptr<const RecoveryImage> image);
// The slot's current image is on disk already: an ending program need not write it again.
void markWritten(int slot);
// The slot's image, for the thread that publishes them (null for an empty or unknown slot).
const RecoveryImage* current(int slot);
// Empties the slot and makes it free.
void release(int slot);

// Writes every image not yet on disk, each through its temporary file; the number written.
// Async-signal-safe; several handlers running at once write each image once.
int writeFromSignal() noexcept;

} // namespace recovery_images

} // namespace orv
