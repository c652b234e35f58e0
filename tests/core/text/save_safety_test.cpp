// Saving never loses the old file nor the new text: a save that cannot create its
// temporary file, or fails while writing it, leaves the target untouched and no temporary
// file behind; a good save keeps the file's permissions and writes through links.
#include "text/CTextBuffer.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orv;
using namespace orv::test;

namespace {

constexpr int kSaved = 10;
constexpr int kFailed = 20;

// Runs a save in a child process so that it can give up root or limit file sizes; the
// exit code says whether the save reported success.
template <typename Prepare>
int saveInChild(CTextBuffer& buffer, const std::string& path, Prepare prepare)
{
    const pid_t child = ::fork();
    if (child == 0) {
        prepare();
        ::_exit(buffer.StoreText(path) ? kSaved : (buffer.LastFileError().empty() ? 0 : kFailed));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SaveSafety, ASaveIntoAReadOnlyFolderFailsAndLeavesTheOldFile)
{
    TempDir dir;
    writeFile(dir.file("script.mel"), "old text\r\n");
    CTextBuffer buffer;
    ASSERT_TRUE(buffer.LoadText(dir.file("script.mel")));
    TextPos end;
    buffer.InsertTextAt(nullptr, {0, 0}, "new ", end);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                 std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    const int result = saveInChild(buffer, dir.file("script.mel"), [] {
        // Root may write anywhere: act as an ordinary user for this save.
        if (::geteuid() == 0 && ::setgid(65534) == 0)
            (void)::setuid(65534);
    });
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(result, kFailed);
    EXPECT_EQ(readFile(dir.file("script.mel")), "old text\r\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"script.mel"});
    EXPECT_TRUE(buffer.IsModified());
}

TEST(SaveSafety, ASaveThatFailsWhileWritingLeavesTheOldFileAndNoTemporaryFile)
{
    TempDir dir;
    writeFile(dir.file("script.mel"), "old text\r\n");
    CTextBuffer buffer;
    fill(buffer, std::string(200000, 'x'));
    const int result = saveInChild(buffer, dir.file("script.mel"), [] {
        // The disk "fills up" after 64 KiB.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{65536, 65536};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(result, kFailed);
    EXPECT_EQ(readFile(dir.file("script.mel")), "old text\r\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"script.mel"});
}

TEST(SaveSafety, ASaveKeepsPermissionsAndWritesThroughALink)
{
    TempDir dir;
    writeFile(dir.file("real.mel"), "old");
    std::filesystem::permissions(dir.file("real.mel"), std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::owner_write |
                                                           std::filesystem::perms::group_read);
    std::filesystem::create_symlink("real.mel", dir.file("link.mel"));
    CTextBuffer buffer;
    fill(buffer, "new\r\ntext");
    ASSERT_TRUE(buffer.StoreText(dir.file("link.mel")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.mel")));
    EXPECT_EQ(readFile(dir.file("real.mel")), "new\r\ntext");
    EXPECT_EQ(std::filesystem::status(dir.file("real.mel")).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"link.mel", "real.mel"}));
}

TEST(SaveSafety, ASaveToAMissingFolderFailsWithAReason)
{
    TempDir dir;
    CTextBuffer buffer;
    fill(buffer, "text");
    EXPECT_FALSE(buffer.StoreText(dir.file("no/such/folder.mel")));
    EXPECT_NE(buffer.LastFileError().find("temporary"), std::string::npos);
}

} // namespace

namespace {

TEST(SaveSafety, AFailedReplaceOfTheTargetLeavesItAndNoTemporaryFile)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("script.mel"));  // a folder cannot be replaced by a file
    writeFile(dir.file("script.mel/inside.txt"), "kept");
    CTextBuffer buffer;
    fill(buffer, "text");
    EXPECT_FALSE(buffer.StoreText(dir.file("script.mel")));
    EXPECT_NE(buffer.LastFileError().find("replace"), std::string::npos) << buffer.LastFileError();
    EXPECT_EQ(readFile(dir.file("script.mel/inside.txt")), "kept");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"script.mel"});
}

} // namespace
