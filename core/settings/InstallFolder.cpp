// Resolution of the installation folder against the executable's folder and the installed data.
#include "settings/InstallFolder.h"

#include <filesystem>
#include <system_error>

#ifndef ORVANTE_INSTALLED_DATA_DIR
#error "ORVANTE_INSTALLED_DATA_DIR names the installed data folder (set by core/CMakeLists.txt)"
#endif

namespace orv {

namespace {

namespace fs = std::filesystem;

// base/value without "." parts or a trailing separator, so joined file names read cleanly.
std::string resolvedAgainst(const std::string& base, const std::string& value)
{
    const fs::path path(value);
    std::string folder = (path.is_absolute() || base.empty() ? path : fs::path(base) / path).lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder.empty() ? std::string(".") : folder;
}

} // namespace

InstallFolder resolveInstallFolder(const std::string& stored, const std::string& executableFolder,
                                   const std::string& installedDataFolder, const FolderExists& exists)
{
    InstallFolder result;
    std::vector<std::string> candidates{resolvedAgainst(executableFolder, stored)};
    if (!fs::path(stored).is_absolute())
        candidates.push_back(resolvedAgainst(executableFolder, installedDataFolder));
    for (const std::string& folder : candidates) {
        const std::string database = folder + "/" + kDatabaseFolder;
        result.searched.push_back(database);
        if (exists(database)) {
            result.path = folder;
            result.hasDatabase = true;
            return result;
        }
    }
    result.path = candidates.front();
    return result;
}

std::string installedDataFolder()
{
    return ORVANTE_INSTALLED_DATA_DIR;
}

InstallFolder findInstallFolder(const std::string& stored, const std::string& executableFolder)
{
    return resolveInstallFolder(stored, executableFolder, installedDataFolder(), [](const std::string& folder) {
        std::error_code ec;
        return fs::is_directory(folder, ec);
    });
}

} // namespace orv
