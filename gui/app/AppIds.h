// The shell's sizes and texts, named once (its ids are the framework's, framework/CommandIds.h).
#pragma once

#include "framework/CommandIds.h"
#include "version/Version.h"

namespace orv {

namespace shell {

inline constexpr const char* kCompanyName = "Tessaly Studios";
inline constexpr const char* kAppName = "ORVANTE";
inline constexpr const char* kVersionText = "Version " ORVANTE_VERSION;
inline constexpr const char* kReadyText = "Ready";
inline constexpr const char* kBarsProfileName = "Bars\\ORVANTE";
// The docking layout (sides, floating, visibility) is kept beside the panes' own sizes.
inline constexpr const char* kBarLayoutSection = "Bars\\ORVANTE-Layout";
inline constexpr const char* kBarLayoutKey = "State";

// The recent file list holds at most 16 files, whatever count the settings give.
inline constexpr int kMaxRecentFiles = 16;

inline constexpr int kSplashMilliseconds = 2000;
inline constexpr int kDesignerFrameMinWidth = 340;
inline constexpr int kDesignerFrameMinHeight = 280;

// Command-line switches that turn the splash screen off.
inline constexpr const char* kNoSplashSwitches[] = {"--no-splash", "-nosplash", "/nosplash"};

// The help that ships in the installation folder, opened with the desktop's viewer.
inline constexpr const char* kHelpFile = "/Help/index.html";
inline constexpr const char* kHelpMissing = "The help file %1 was not found.";
inline constexpr const char* kNoViewer = "No program on this desktop opens\n%1\nPlease open it by hand.";
// Said once at start-up when the installation folder has no command database.
inline constexpr const char* kDatabaseMissing =
    "No MEL command database was found in %1: MEL commands are not coloured and controls have no flags.";

// Open's filters: each one's text is shown as it is; the patterns in its last parentheses apply.
inline constexpr const char* kOpenFilter =
    "ORVANTE files (*.mel, *.wnd, *icm, *.mp) (*.mel *.wnd *.icm *.mp);;All files (*)";
// What New says of the kinds of file this version cannot create.
inline constexpr const char* kNotYetAvailable = "Not yet available in this version";
// The restore prompt after a run that ended with documents not saved.
inline constexpr const char* kRestoreTitle = "Restore Documents";
inline constexpr const char* kRestoreText =
    "%1 ended before these documents were saved. Their changes were kept: the checked documents open "
    "again with them, the others are discarded.";
inline constexpr const char* kRestoreButton = "&Restore";
inline constexpr const char* kDiscardAllButton = "&Discard All";
inline constexpr const char* kAskLaterButton = "Ask &Later";

inline constexpr const char* kSupportAddress = "mailto:support@tessaly-studios.example?subject=ORVANTE";
inline constexpr const char* kWebsiteAddress = "https://www.tessaly-studios.example/orvante/";
inline constexpr const char* kNewsAddress = "mailto:orva-news-request@tessaly-studios.example?subject=subscribe";

} // namespace shell

} // namespace orv
