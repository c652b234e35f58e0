// Where the database and the help are read from: "InstallDir" taken from the executable's
// folder, then the installed data folder, so the program started from anywhere finds its data.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orv {

// The folder below an installation folder that holds the command database.
inline constexpr const char* kDatabaseFolder = "Database";

struct InstallFolder {
    std::string path;                   // the folder the database and the help are read below
    bool hasDatabase = false;           // whether path holds a Database folder
    std::vector<std::string> searched;  // the Database folders looked at, in order
};

using FolderExists = std::function<bool(const std::string& folder)>;

// A relative stored value (the default "./" too) is resolved against the executable's folder,
// never the current one; where that holds no Database, the installed data folder (itself
// resolved against the executable's folder when relative) is used. An absolute stored value
// is the user's own choice and is kept as it is. With no Database anywhere, path is the first
// folder looked at.
InstallFolder resolveInstallFolder(const std::string& stored, const std::string& executableFolder,
                                   const std::string& installedDataFolder, const FolderExists& exists);

// The installed data folder of this build (<prefix>/share/orvante), as seen from the folder
// the installed executables live in, so that a staged or moved installation finds its own data.
std::string installedDataFolder();

// resolveInstallFolder on the file system with this build's installed data folder.
InstallFolder findInstallFolder(const std::string& stored, const std::string& executableFolder);

} // namespace orv
