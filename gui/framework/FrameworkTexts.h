// The document/view layer's own texts: file errors, the save prompt, the untitled names, the
// recovery of unsaved documents.
#pragma once

namespace orv::framework_texts {

inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kFailedToSave = "Failed to save document.";
inline constexpr const char* kFileNotFound = "%1 was not found.";
inline constexpr const char* kBadPath = "%1 contains an incorrect path.";
inline constexpr const char* kAccessDenied = "Access to %1 was denied.";
inline constexpr const char* kAskToSave = "Save changes to %1?";
inline constexpr const char* kNewDialogTitle = "New";
inline constexpr const char* kNewDialogLabel = "New";
// A document of the restore prompt: its name, its file (or kNeverSaved), when it was last kept.
inline constexpr const char* kRestoreItem = "%1 (%2), last kept %3";
inline constexpr const char* kNeverSaved = "never saved";
inline constexpr const char* kRecoveryFilesDamaged = "These recovery files cannot be read and were set aside:\n%1";
inline constexpr const char* kDamagedRecoveryFile = "%1: %2";
inline constexpr const char* kNotRestored =
    "These documents could not be opened again; their recovery files were set aside:\n%1";
inline constexpr const char* kRecoveryNotWritten = "Unsaved changes cannot be kept for recovery: %1";

} // namespace orv::framework_texts
