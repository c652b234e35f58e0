// The one table of ids every module and the shell share: the commands of the menus, toolbar,
// accelerators and handlers, the menus (one per document type), and the docking panes.
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
    filePrintDirect = 57608,
    filePrintPreview = 57609,
    editCopy = 57634,
    editCut = 57635,
    editFind = 57636,
    editPaste = 57637,
    editFindNext = 57640,
    editReplace = 57641,
    editSelectAll = 57642,
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

// The value a command registry, a menu or a view's onCommand knows a command by.
constexpr int commandValue(CommandId id)
{
    return static_cast<int>(id);
}

} // namespace orv
