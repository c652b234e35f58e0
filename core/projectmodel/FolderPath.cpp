// The root "/" already ends with its separator.
#include "projectmodel/FolderPath.h"

namespace orv {

std::string folderWithSeparator(std::string path)
{
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

} // namespace orv
