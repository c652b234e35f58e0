// The document/view layer's own texts: file errors, the save prompt, the untitled names.
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

} // namespace orv::framework_texts
