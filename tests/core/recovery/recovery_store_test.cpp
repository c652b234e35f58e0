// The recovery folder: where it is, a folder a running program, files read back after the
// program ended, damaged files set aside with their problem, and two programs that never take
// each other's files.
#include "recovery/RecoveryStore.h"

#include "../text/TextTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace orv {
namespace {

using test::TempDir;

RecoveredDocument script(const std::string& path, const std::string& text)
{
    return {".mel", path, std::filesystem::path(path).filename().string(), {text, TextEncoding::utf8, LineEnd::crLf}};
}

std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RecoveryStore, FolderIsInTheDataHome)
{
    const struct {
        const char* xdgDataHome;
        const char* home;
        std::string root;
    } cases[] = {
        {"/data", "/home/ta", "/data/Tessaly Studios/ORVANTE/recovery"},
        {nullptr, "/home/ta", "/home/ta/.local/share/Tessaly Studios/ORVANTE/recovery"},
        {"", "/home/ta", "/home/ta/.local/share/Tessaly Studios/ORVANTE/recovery"},
        // A relative data home is not one (the folder would move with the current folder).
        {"relative/data", "/home/ta", "/home/ta/.local/share/Tessaly Studios/ORVANTE/recovery"},
        {nullptr, nullptr, ""},
        {"rel", "rel", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(recoveryRoot(c.xdgDataHome, c.home), c.root) << (c.xdgDataHome ? c.xdgDataHome : "(null)");
}

TEST(RecoveryStore, NothingIsMadeUntilADocumentIsKept)
{
    TempDir dir;
    const std::string root = dir.file("recovery");
    {
        RecoverySession session(root);
        EXPECT_TRUE(claimAbandonedSessions(root, session.name()).empty());
    }
    EXPECT_FALSE(std::filesystem::exists(root));
}

TEST(RecoveryStore, FilesOfAnEndedProgramAreReadBack)
{
    TempDir dir;
    const std::string root = dir.file("deep/recovery");
    std::string error;
    {
        RecoverySession ended(root);
        ASSERT_TRUE(ended.write(1, formatRecoveryFile(script("/s/a.mel", "print \"a\";")), error)) << error;
        ASSERT_TRUE(ended.write(2, formatRecoveryFile(script("", "print \"b\";")), error)) << error;
        // Rewritten: the newer text replaces the older.
        ASSERT_TRUE(ended.write(2, formatRecoveryFile(script("", "print \"b2\";")), error)) << error;
        ASSERT_TRUE(ended.write(3, formatRecoveryFile(script("/s/c.mel", "gone")), error)) << error;
        ended.remove(3);
        // While its program runs, the folder is nobody else's.
        EXPECT_TRUE(claimAbandonedSessions(root, "another").empty());
    }
    RecoverySession next(root);
    std::vector<AbandonedSession> sessions = claimAbandonedSessions(root, next.name());
    ASSERT_EQ(sessions.size(), 1u);
    const auto& entries = sessions[0].entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].document.path, "/s/a.mel");
    EXPECT_EQ(entries[0].document.content.text, "print \"a\";");
    EXPECT_EQ(entries[1].document.path, "");
    EXPECT_EQ(entries[1].document.content.text, "print \"b2\";");
    EXPECT_GT(entries[0].writtenAt, 0);
    EXPECT_TRUE(sessions[0].damaged().empty());

    // Held by the one that found it: a third program does not offer the same files.
    EXPECT_TRUE(claimAbandonedSessions(root, "third").empty());
    const std::string folder = sessions[0].folder();
    sessions[0].discard();
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_TRUE(claimAbandonedSessions(root, next.name()).empty());
}

TEST(RecoveryStore, ALetGoSessionIsOfferedAgain)
{
    TempDir dir;
    const std::string root = dir.file("recovery");
    std::string error;
    {
        RecoverySession ended(root);
        ASSERT_TRUE(ended.write(1, formatRecoveryFile(script("/s/a.mel", "x")), error)) << error;
    }
    // Found, then neither restored nor discarded (the user asked to be asked later).
    EXPECT_EQ(claimAbandonedSessions(root, "").size(), 1u);
    const std::vector<AbandonedSession> again = claimAbandonedSessions(root, "");
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].entries().size(), 1u);
}

TEST(RecoveryStore, DamagedFilesAreSetAsideWithTheirProblem)
{
    TempDir dir;
    const std::string root = dir.file("recovery");
    std::string error;
    std::string folder;
    {
        RecoverySession ended(root);
        for (int n = 1; n <= 4; ++n)
            ASSERT_TRUE(ended.write(n, formatRecoveryFile(script("/s/" + std::to_string(n) + ".mel", "text")), error));
        const std::string cut = test::readFile(ended.filePath(2));
        test::writeFile(ended.filePath(2), cut.substr(0, cut.size() / 2));
        std::string flipped = test::readFile(ended.filePath(3));
        flipped[flipped.size() / 2] ^= 0x20;
        test::writeFile(ended.filePath(3), flipped);
        test::writeFile(ended.filePath(4), "");
        folder = root + "/" + ended.name();
    }
    std::vector<AbandonedSession> sessions = claimAbandonedSessions(root, "");
    ASSERT_EQ(sessions.size(), 1u);
    ASSERT_EQ(sessions[0].entries().size(), 1u);
    EXPECT_EQ(sessions[0].entries()[0].document.path, "/s/1.mel");
    const auto& damaged = sessions[0].damaged();
    ASSERT_EQ(damaged.size(), 3u);
    EXPECT_EQ(damaged[0].file, folder + "/2.orvrec.damaged");
    EXPECT_EQ(damaged[0].problem, "the file is cut short");
    EXPECT_EQ(damaged[1].problem, "the file is damaged");
    EXPECT_EQ(damaged[2].problem, "the file is cut short");

    sessions[0].discard();
    EXPECT_EQ(filesIn(folder),
              (std::vector<std::string>{"2.orvrec.damaged", "3.orvrec.damaged", "4.orvrec.damaged"}));
    // Told once: the files set aside are not offered, nor told, again.
    EXPECT_TRUE(claimAbandonedSessions(root, "").empty());
}

TEST(RecoveryStore, TwoProgramsKeepToTheirOwnFiles)
{
    TempDir dir;
    const std::string root = dir.file("recovery");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The other program: keeps a document, says so, and runs until it is killed.
        RecoverySession other(root);
        std::string error;
        const bool written = other.write(1, formatRecoveryFile(script("/o/other.mel", "theirs")), error);
        const char answer = written ? 'y' : 'n';
        (void)!::write(ready[1], &answer, 1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');

    RecoverySession mine(root);
    std::string error;
    ASSERT_TRUE(mine.write(1, formatRecoveryFile(script("/m/mine.mel", "mine")), error)) << error;
    // Running, the other program keeps its files; this one's own are never offered to itself.
    EXPECT_TRUE(claimAbandonedSessions(root, mine.name()).empty());

    // Killed outright, it clears nothing: its files are offered now, and only those.
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    std::vector<AbandonedSession> sessions = claimAbandonedSessions(root, mine.name());
    ASSERT_EQ(sessions.size(), 1u);
    ASSERT_EQ(sessions[0].entries().size(), 1u);
    EXPECT_EQ(sessions[0].entries()[0].document.content.text, "theirs");
    EXPECT_NE(sessions[0].folder().find(std::to_string(child) + "-"), std::string::npos);
    ::close(ready[0]);
}

} // namespace
} // namespace orv
