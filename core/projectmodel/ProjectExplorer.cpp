// Folders first, then windows, then scripts; a name decides within a kind.
#include "projectmodel/ProjectExplorer.h"

namespace orv {

namespace {

int sortRank(ProjectImage image)
{
    return image == ProjectImage::openFolder ? static_cast<int>(ProjectImage::closedFolder) : static_cast<int>(image);
}

bool isFolder(ProjectImage image)
{
    return image == ProjectImage::closedFolder || image == ProjectImage::openFolder;
}

} // namespace

std::optional<NewProjectItem> newProjectItem(NavigatorCommand command)
{
    switch (command) {
    case NavigatorCommand::newFolder:
        return NewProjectItem{"Folder1", ProjectImage::closedFolder};
    case NavigatorCommand::newWindow:
        return NewProjectItem{"Window1", ProjectImage::window};
    case NavigatorCommand::newScript:
        return NewProjectItem{"MEL script 1", ProjectImage::script};
    case NavigatorCommand::insertDocument:
        break;
    }
    return std::nullopt;
}

bool offersNavigatorMenu(std::optional<ProjectImage> item)
{
    return !item || *item == ProjectImage::root || isFolder(*item);
}

int compareProjectItems(ProjectImage a, std::string_view textA, ProjectImage b, std::string_view textB)
{
    if (const int rankA = sortRank(a), rankB = sortRank(b); rankA != rankB)
        return rankA < rankB ? -1 : 1;
    // Byte order, each byte unsigned, as a C string comparison orders them.
    const int order = textA.compare(textB);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

ProjectImage imageAfterExpanding(ProjectImage image, bool expanded)
{
    if (!isFolder(image))
        return image;
    return expanded ? ProjectImage::openFolder : ProjectImage::closedFolder;
}

std::string renamedText(std::string_view current, std::string_view edited)
{
    return std::string(edited.empty() ? current : edited);
}

} // namespace orv
