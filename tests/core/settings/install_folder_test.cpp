// The installation folder: "InstallDir" against the executable's folder, then the installed data.
#include "settings/InstallFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

using namespace orv;

namespace {

struct Case {
    const char* name;
    const char* stored;
    const char* executableFolder;
    const char* installedData;
    std::set<std::string> databases;  // the Database folders that exist
    const char* path;
    bool hasDatabase;
    std::vector<std::string> searched;
};

} // namespace

TEST(InstallFolder, StoredValueResolvesAgainstTheExecutablesFolderThenTheInstalledData)
{
    const Case cases[] = {
        {"default beside the executable", "./", "/opt/orv/bin", "../share/orvante", {"/opt/orv/bin/Database"},
         "/opt/orv/bin", true, {"/opt/orv/bin/Database"}},
        {"default, installed data", "./", "/usr/bin", "../share/orvante", {"/usr/share/orvante/Database"},
         "/usr/share/orvante", true, {"/usr/bin/Database", "/usr/share/orvante/Database"}},
        {"beside the executable wins", "./", "/usr/bin", "../share/orvante",
         {"/usr/bin/Database", "/usr/share/orvante/Database"}, "/usr/bin", true, {"/usr/bin/Database"}},
        {"relative subfolder", "data/", "/a/bin", "../share/orvante", {"/a/bin/data/Database"}, "/a/bin/data", true,
         {"/a/bin/data/Database"}},
        {"relative parent", "../lib/orvante", "/usr/bin", "../share/orvante", {"/usr/lib/orvante/Database"},
         "/usr/lib/orvante", true, {"/usr/lib/orvante/Database"}},
        {"empty value is the executable's folder", "", "/a/bin", "../share/orvante", {"/a/bin/Database"}, "/a/bin",
         true, {"/a/bin/Database"}},
        {"absolute installed data folder", "./", "/a/bin", "/srv/orvante/", {"/srv/orvante/Database"},
         "/srv/orvante", true, {"/a/bin/Database", "/srv/orvante/Database"}},
        {"absolute value kept without a fallback", "/home/u/orv/", "/usr/bin", "../share/orvante",
         {"/usr/share/orvante/Database"}, "/home/u/orv", false, {"/home/u/orv/Database"}},
        {"absolute value with its database", "/home/u/orv", "/usr/bin", "../share/orvante", {"/home/u/orv/Database"},
         "/home/u/orv", true, {"/home/u/orv/Database"}},
        {"nowhere: the executable's folder", "./", "/usr/bin", "../share/orvante", {}, "/usr/bin", false,
         {"/usr/bin/Database", "/usr/share/orvante/Database"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> probed;
        const InstallFolder found =
            resolveInstallFolder(c.stored, c.executableFolder, c.installedData, [&](const std::string& folder) {
                probed.push_back(folder);
                return c.databases.count(folder) > 0;
            });
        EXPECT_EQ(found.path, c.path);
        EXPECT_EQ(found.hasDatabase, c.hasDatabase);
        EXPECT_EQ(found.searched, c.searched);
        // The current folder is never consulted: every folder probed is absolute.
        EXPECT_EQ(probed, c.searched);
    }
}

TEST(InstallFolder, BuildsInstalledDataFolderIsFoundFromAnInstalledExecutable)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("orvante-install-folder-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path bin = root / "bin";
    const fs::path data = (bin / installedDataFolder()).lexically_normal();
    fs::create_directories(bin);
    fs::create_directories(data / kDatabaseFolder);

    const InstallFolder found = findInstallFolder("./", bin.string());
    EXPECT_TRUE(found.hasDatabase);
    EXPECT_EQ(found.path, data.string());

    fs::remove_all(data / kDatabaseFolder);
    EXPECT_FALSE(findInstallFolder("./", bin.string()).hasDatabase);
    fs::remove_all(root);
}
