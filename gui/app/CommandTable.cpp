// The command text table and the accelerator table of the main frame.
#include "app/CommandTable.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace orv {

namespace {

constexpr std::array kCommands{
    CommandInfo{CommandId::fileNew, "&New\tCtrl+N", "Create a new document\nNew", {"Ctrl+N", nullptr}},
    CommandInfo{CommandId::fileOpen, "&Open...\tCtrl+O", "Open an existing document\nOpen", {"Ctrl+O", nullptr}},
    CommandInfo{CommandId::fileImportMelWindow, "&Import MEL Window...",
                "Build a new window from the window a MEL script makes\nImport MEL Window", {nullptr, nullptr}},
    CommandInfo{CommandId::fileClose, "&Close\tCtrl+W", "Close the active document\nClose", {"Ctrl+W", nullptr}},
    CommandInfo{CommandId::fileSave, "&Save\tCtrl+S", "Save the active document\nSave", {"Ctrl+S", nullptr}},
    CommandInfo{CommandId::fileSaveAs, "Save &As...", "Save the active document with a new name\nSave As",
                {nullptr, nullptr}},
    CommandInfo{CommandId::filePrint, "&Print...", "Print the active document\nPrint", {nullptr, nullptr}},
    CommandInfo{CommandId::filePrintPreview, "Print Pre&view", "Display full pages\nPrint Preview", {nullptr, nullptr}},
    CommandInfo{CommandId::filePageSetup, "Page Set&up...", "Change the printing options\nPage Setup",
                {nullptr, nullptr}},
    CommandInfo{CommandId::exportScript, "Export script\tCtrl+G", "Export this window to MEL script\nExport script",
                {"Ctrl+G", nullptr}},
    CommandInfo{CommandId::exportPython, "Export Python script\tCtrl+Shift+G",
                "Export this window to a Python script of maya.cmds calls\nExport Python script",
                {"Ctrl+Shift+G", nullptr}},
    CommandInfo{CommandId::appExit, "E&xit", "Quit the application; prompts to save documents\nExit",
                {nullptr, nullptr}},
    CommandInfo{CommandId::editUndo, "&Undo\tCtrl+Z", "Undo the last action\nUndo", {"Ctrl+Z", "Alt+Backspace"}},
    CommandInfo{CommandId::editRedo, "&Redo\tCtrl+Y", "Redo the previously undone action\nRedo", {"Ctrl+Y", nullptr}},
    CommandInfo{CommandId::editCut, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard\nCut",
                {"Ctrl+X", "Shift+Del"}},
    CommandInfo{CommandId::editCopy, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard\nCopy",
                {"Ctrl+C", "Ctrl+Ins"}},
    CommandInfo{CommandId::editPaste, "&Paste\tCtrl+V", "Insert Clipboard contents\nPaste", {"Ctrl+V", "Shift+Ins"}},
    CommandInfo{CommandId::editFind, "&Find\tCtrl+F", "Find the specified text\nFind", {nullptr, nullptr}},
    CommandInfo{CommandId::editReplace, "&Replace\tCtrl+H", "Replace specific text with different text\nReplace",
                {nullptr, nullptr}},
    CommandInfo{CommandId::sendToMaya, "Send to &Maya\tCtrl+Return",
                "Run the selection, or the whole script without one, in Maya through its command port\nSend to Maya",
                {nullptr, nullptr}},
    CommandInfo{CommandId::settings, "&Settings\tCtrl+P", "Customize the application settings\nSettings",
                {"Ctrl+P", nullptr}},
    CommandInfo{CommandId::viewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", {nullptr, nullptr}},
    CommandInfo{CommandId::viewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle StatusBar",
                {nullptr, nullptr}},
    CommandInfo{CommandId::windowNew, "&New Window", "Open another window for the active document\nNew Window",
                {nullptr, nullptr}},
    CommandInfo{CommandId::windowCascade, "&Cascade", "Arrange windows so they overlap\nCascade Windows",
                {nullptr, nullptr}},
    CommandInfo{CommandId::windowTile, "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows",
                {nullptr, nullptr}},
    CommandInfo{CommandId::helpContents, "&Contents\tF1", "Open ORVANTE documentation\nORVANTE documentation",
                {"F1", nullptr}},
    CommandInfo{CommandId::technicalSupport, "&Technical support",
                "Contact technical support if you encounter any troubles with ORVANTE\nTechnical support",
                {nullptr, nullptr}},
    CommandInfo{CommandId::subscribeNews, "&Subscribe to ORVA-News", "Subscribe to the mailing-list of ORVANTE\nORVA-News",
                {nullptr, nullptr}},
    CommandInfo{CommandId::visitWebsite, "&Visit ORVANTE website",
                "Visit ORVANTE website to check for updates\nORVANTE website", {nullptr, nullptr}},
    CommandInfo{CommandId::appAbout, "&About ORVANTE...",
                "Display program information, version number and copyright\nAbout", {nullptr, nullptr}},
    CommandInfo{CommandId::toggleProjectExplorer, "", "Show or hide the Project explorer\nToggle Project explorer",
                {nullptr, nullptr}},
    CommandInfo{CommandId::toggleWindowHierarchy, "", "Show or hide the Window hierarchy\nToggle Window hierarchy",
                {nullptr, nullptr}},
    CommandInfo{CommandId::toggleControlsFlags, "", "Show or hide the Controls flags\nToggle Controls flags",
                {nullptr, nullptr}},
    CommandInfo{CommandId::toggleOutput, "", "Show or hide the Output window\nToggle Output", {nullptr, nullptr}},
    CommandInfo{CommandId::toggleSyntaxColoring, "", "Enable or disable syntax coloring\nToggle syntax coloring",
                {nullptr, nullptr}},
    CommandInfo{CommandId::nextPane, "", "Switch to the next window pane\nNext Pane", {"F6", nullptr}},
    CommandInfo{CommandId::prevPane, "", "Switch back to the previous window pane\nPrevious Pane",
                {"Shift+F6", nullptr}},
};

QString part(const CommandInfo& info, bool tooltip)
{
    const QString all = QString::fromLatin1(info.promptAndTip);
    const qsizetype newline = all.indexOf(QLatin1Char('\n'));
    if (newline < 0)
        return tooltip ? QString() : all;
    return tooltip ? all.mid(newline + 1) : all.left(newline);
}

} // namespace

std::span<const CommandInfo> commandTable()
{
    return kCommands;
}

const CommandInfo& commandInfo(CommandId id)
{
    const auto it = std::find_if(kCommands.begin(), kCommands.end(), [id](const CommandInfo& c) { return c.id == id; });
    if (it == kCommands.end())
        std::abort();  // every id used by the shell is in the table; a missing one is a build mistake
    return *it;
}

QString commandPrompt(const CommandInfo& info)
{
    return part(info, false);
}

QString commandTooltip(const CommandInfo& info)
{
    return part(info, true);
}

QList<QKeySequence> commandShortcuts(const CommandInfo& info)
{
    QList<QKeySequence> keys;
    for (const char* k : info.keys)
        if (k)
            keys << QKeySequence(QString::fromLatin1(k));
    return keys;
}

} // namespace orv
