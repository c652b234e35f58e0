// The folder a folder selection dialog returns: its path with one trailing separator.
#pragma once

#include <string>

namespace orv {

// path followed by exactly one "/"; an empty path and one already ending with "/" (the root)
// stay as they are.
std::string folderWithSeparator(std::string path);

} // namespace orv
