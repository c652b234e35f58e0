// The project explorer's rules: which items offer the Navigator menu, what its commands insert,
// the order of an item's children, the folder pictures following expand and collapse, renaming.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// The explorer's item pictures, by index in its image list.
enum class ProjectImage : int { root = 0, closedFolder = 1, openFolder = 2, window = 3, script = 4 };

// The "Navigator" menu's commands.
enum class NavigatorCommand : int { newFolder = 32774, newWindow = 32775, newScript = 32776, insertDocument = 32782 };

struct NewProjectItem {
    const char* text;
    ProjectImage image;
};

// The item a command inserts; the same text every time. Insert Document inserts nothing.
std::optional<NewProjectItem> newProjectItem(NavigatorCommand command);

// The menu is offered on the root, on a folder, and where there is no item at all.
bool offersNavigatorMenu(std::optional<ProjectImage> item);

// Negative, zero or positive as a sorts before, with or after b: by picture, an open folder
// counting as a closed one, then by the texts' bytes.
int compareProjectItems(ProjectImage a, std::string_view textA, ProjectImage b, std::string_view textB);

// A folder's picture once it has expanded or collapsed; every other picture stays.
ProjectImage imageAfterExpanding(ProjectImage image, bool expanded);

// The text an item keeps after editing its label: an empty label changes nothing.
std::string renamedText(std::string_view current, std::string_view edited);

} // namespace orv
