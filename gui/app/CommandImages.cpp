// The menu image table and the command pictures (gui/pictures/command-*.svg) it names.
#include "app/CommandImages.h"

#include "framework/Pictures.h"

#include <array>

namespace orv {

namespace {

constexpr std::array kImageTable{
    CommandImageEntry{commandValue(CommandId::fileNew), 0, kNoImage},
    CommandImageEntry{commandValue(CommandId::fileOpen), 1, kNoImage},
    CommandImageEntry{commandValue(CommandId::fileSave), 2, kNoImage},
    CommandImageEntry{commandValue(CommandId::filePrint), 6, kNoImage},
    CommandImageEntry{commandValue(CommandId::exportScript), 9, kNoImage},
    CommandImageEntry{commandValue(CommandId::settings), 8, kNoImage},
    CommandImageEntry{commandValue(CommandId::editCut), 3, kNoImage},
    CommandImageEntry{commandValue(CommandId::editCopy), 4, kNoImage},
    CommandImageEntry{commandValue(CommandId::editPaste), 5, kNoImage},
    CommandImageEntry{commandValue(CommandId::editFind), 15, kNoImage},
    CommandImageEntry{commandValue(CommandId::toggleProjectExplorer), 11, 10},
    CommandImageEntry{commandValue(CommandId::toggleWindowHierarchy), 11, 10},
    CommandImageEntry{commandValue(CommandId::toggleControlsFlags), 11, 10},
    CommandImageEntry{commandValue(CommandId::toggleOutput), 11, 10},
    CommandImageEntry{commandValue(CommandId::viewStatusBar), 11, 10},
    CommandImageEntry{commandValue(CommandId::viewToolbar), 11, 10},
    CommandImageEntry{commandValue(CommandId::windowNew), 12, kNoImage},
    CommandImageEntry{commandValue(CommandId::windowTile), 13, kNoImage},
    CommandImageEntry{commandValue(CommandId::windowCascade), 14, kNoImage},
    CommandImageEntry{commandValue(CommandId::visitWebsite), 16, kNoImage},
    CommandImageEntry{commandValue(CommandId::appAbout), 7, kNoImage},
    CommandImageEntry{-1, kNoImage, 10},
};

// The pictures in the order of CommandImage.
constexpr std::array<const char*, static_cast<std::size_t>(CommandImage::count)> kPictures{
    "command-new-file", "command-open", "command-save", "command-cut", "command-copy",
    "command-paste", "command-print", "command-about", "command-settings", "command-export-script",
    "command-checked", "command-unchecked", "command-new-window", "command-tile", "command-cascade",
    "command-find", "command-website", "command-syntax-colouring", "command-project-explorer",
    "command-window-hierarchy", "command-controls-flags", "command-output", "command-export-python",
};

const char* pictureOf(int image)
{
    return image >= 0 && image < static_cast<int>(kPictures.size()) ? kPictures[static_cast<std::size_t>(image)] : "";
}

} // namespace

std::span<const CommandImageEntry> commandImageTable()
{
    return kImageTable;
}

QPixmap commandImage(CommandImage image)
{
    return picture(pictureOf(static_cast<int>(image)), kCommandImageSize);
}

QIcon commandIcon(CommandId id)
{
    for (const CommandImageEntry& e : kImageTable) {
        if (e.command != static_cast<int>(id) || e.image == kNoImage)
            continue;
        return pictureIcon(pictureOf(e.image), kCommandImageSize,
                           e.checkedImage != kNoImage ? pictureOf(e.checkedImage) : nullptr);
    }
    return {};
}

QIcon toolbarIcon(CommandImage image)
{
    return pictureIcon(pictureOf(static_cast<int>(image)), kCommandImageSize);
}

} // namespace orv
