// The shell's 16 x 16 images and the table that gives each menu command its image.
#pragma once

#include "app/AppIds.h"

#include <QIcon>
#include <QPixmap>

#include <span>

namespace orv {

// Images 0 to 16 are the menu image list in its order; the rest are toolbar-only pictures.
enum class CommandImage : int {
    newFile, open, save, cut, copy, paste, print, about, settings, exportScript,
    checked, unchecked, newWindow, tile, cascade, find, website,
    syntaxColoring, projectExplorer, windowHierarchy, controlsFlags, output, exportPython,
    count
};

inline constexpr int kCommandImageSize = 16;
inline constexpr int kNoImage = -1;

// One entry of the menu image table: the normal image and, for toggles, the checked one.
struct CommandImageEntry {
    int command;
    int image;
    int checkedImage;
};

// The 22 entries, ending with the -1 entry that names the checked image of plain check marks.
std::span<const CommandImageEntry> commandImageTable();

QPixmap commandImage(CommandImage image);
// The icon of a command from the table: its image, with the checked image as the "on" state.
// Null for a command the table does not list.
QIcon commandIcon(CommandId id);
// The icon of a toolbar-only picture, the same drawing in both check states.
QIcon toolbarIcon(CommandImage image);

} // namespace orv
