// The settings the application owns, loaded from the profile at start and written at exit.
#pragma once

#include "settings/IconEditorParams.h"
#include "settings/Profile.h"
#include "settings/SettingsRecord.h"

#include <string>

namespace orv {

namespace profile_names {
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kPrm = "prm";
inline constexpr const char* kIconParams = "icmprm";
inline constexpr const char* kInstallDir = "InstallDir";
inline constexpr const char* kMainPlacement = "pos";
inline constexpr const char* kToolsPlacement = "tools";
inline constexpr const char* kIconEditorPlacement = "IconEditor";
inline constexpr const char* kIconPreviewPlacement = "IconPreview";
inline constexpr const char* kRecentFileList = "Recent File List";
inline constexpr const char* kDefaultInstallDir = "./";
} // namespace profile_names

struct AppSettings {
    SettingsRecord record;
    IconEditorParams iconParams;
    std::string installDir = profile_names::kDefaultInstallDir;

    // "prm" (invalid: defaults), "InstallDir" (default "./"), "icmprm" (short: defaults).
    void load(const Profile& profile);
    // "prm" and "icmprm", whole, every time. False when the store refused a write.
    bool save(Profile& profile) const;
};

} // namespace orv
