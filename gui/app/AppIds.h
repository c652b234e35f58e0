// The shell's command ids, pane ids, menu ids, sizes and texts, named once.
#pragma once

namespace orv {

// Command ids shared by menus, toolbar, accelerators and handlers.
enum class CommandId : int {
    fileNew = 57600,
    fileOpen = 57601,
    fileClose = 57602,
    fileSave = 57603,
    fileSaveAs = 57604,
    filePageSetup = 57605,
    filePrint = 57607,
    filePrintPreview = 57609,
    editCopy = 57634,
    editCut = 57635,
    editFind = 57636,
    editPaste = 57637,
    editReplace = 57641,
    editUndo = 57643,
    editRedo = 57644,
    sendToMaya = 37007,
    windowNew = 57648,
    windowCascade = 57650,
    windowTile = 57651,
    appAbout = 57664,
    appExit = 57665,
    helpContents = 57666,
    nextPane = 57680,
    prevPane = 57681,
    viewToolbar = 59392,
    viewStatusBar = 59393,
    settings = 32786,
    exportScript = 32801,
    exportPython = 32850,
    toggleProjectExplorer = 32804,
    toggleWindowHierarchy = 32805,
    toggleControlsFlags = 32806,
    toggleOutput = 32813,
    toggleSyntaxColoring = 32826,
    technicalSupport = 32828,
    visitWebsite = 32829,
    subscribeNews = 32830,
    fileImportMelWindow = 32840,
};

// Menu resources: 128 with no document, then one per document type (the template ids).
enum class MenuId : int { noDocument = 128, script = 129, window = 130, project = 131, icon = 132 };

// The four docking panes, by control id.
enum class PaneId : int { windowHierarchy = 123, projectExplorer = 124, output = 125, controlsFlags = 126 };

namespace shell {

inline constexpr const char* kCompanyName = "Tessaly Studios";
inline constexpr const char* kAppName = "ORVANTE";
inline constexpr const char* kVersionText = "Version 0.4";
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
inline constexpr int kOutputFontPixels = 14;

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
// "Import MEL Window...": the scripts offered, and what the Output pane says of an import.
inline constexpr const char* kImportFilter = "MEL scripts (*.mel);;All files (*)";
inline constexpr const char* kImporting = "Importing the window of %1 ...\n";
inline constexpr const char* kImportWarning = "%1:%2:%3: warning: %4\n";
inline constexpr const char* kImported = "Window imported, %1 warning(s).\n";
inline constexpr const char* kImportFailed = "%1: %2";
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
