// Every kind of output target, written by the one safe writer: the result and the message of
// each, what the target holds afterwards, and that no special file is ever replaced.
#include "files/SafeFileWriter.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOld = "old text\r\n";
constexpr std::string_view kNew = "new text\r\n";

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put(const fs::path& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Written {
    bool ok = false;
    std::string message;
};

// Writes in a child process, so that a file-size limit or a hang stays there; the result
// and the message come back through a pipe.
Written writeInChild(const std::string& path, std::string_view bytes, rlim_t sizeLimit)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {false, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (sizeLimit != RLIM_INFINITY) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{sizeLimit, sizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::string error;
        const std::string report = (writeWholeFile(path, bytes, error) ? "1" : "0") + error;
        (void)!::write(channel[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return {report.starts_with('1'), report.empty() ? "" : report.substr(1)};
}

// A device node like the system's (major 1: 3 is null, 7 is full) inside the test folder,
// so that a writer that replaced it would harm nothing; the system's node when this user
// may not make one.
fs::path deviceLike(const fs::path& folder, const char* name, unsigned minor)
{
    const fs::path node = folder / name;
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0)
        return node;
    return fs::path("/dev") / name;
}

bool isCharDevice(const fs::path& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

struct Row {
    const char* target;
    // Makes the target in the folder and returns the path to write to.
    std::function<fs::path(const fs::path& folder)> make;
    bool ok;
    std::string message;  // "" for none; else a part the message must hold
    // What the target and the folder hold afterwards.
    std::function<void(const fs::path& folder, const fs::path& path)> check;
    rlim_t sizeLimit = RLIM_INFINITY;
};

class OutputTargets : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "orvoutXXXXXX").string();
        m_folder = ::mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // The names in the folder: a temporary file left behind would show here.
    std::vector<std::string> names() const
    {
        std::vector<std::string> all;
        for (const auto& entry : fs::directory_iterator(m_folder))
            all.push_back(entry.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }

    fs::path m_folder;
};

TEST_F(OutputTargets, EachKindOfTargetGetsItsRuleAndANamedReason)
{
    using Names = std::vector<std::string>;
    const auto regular = [](fs::perms perms) {
        return [perms](const fs::path& folder) {
            put(folder / "a.mel", kOld);
            fs::permissions(folder / "a.mel", perms);
            return folder / "a.mel";
        };
    };
    const fs::perms ownerRw = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const Row rows[] = {
        {"regular file: replaced, permissions kept", regular(ownerRw), true, "",
         [&](const fs::path&, const fs::path& path) {
             EXPECT_EQ(slurp(path), kNew);
             EXPECT_EQ(fs::status(path).permissions(), ownerRw);
             EXPECT_EQ(names(), Names{"a.mel"});
         }},
        {"read-only file: refused, kept", regular(readOnly), false, "\": the file is read-only",
         [&](const fs::path&, const fs::path& path) {
             EXPECT_EQ(slurp(path), kOld);
             EXPECT_EQ(fs::status(path).permissions(), readOnly);
             EXPECT_EQ(names(), Names{"a.mel"});
         }},
        {"link to a file: the file is written, the link stays",
         [](const fs::path& folder) {
             put(folder / "real.mel", kOld);
             fs::create_symlink("real.mel", folder / "link.mel");
             return folder / "link.mel";
         },
         true, "",
         [&](const fs::path& folder, const fs::path& path) {
             EXPECT_TRUE(fs::is_symlink(path));
             EXPECT_EQ(slurp(folder / "real.mel"), kNew);
             EXPECT_EQ(names(), (Names{"link.mel", "real.mel"}));
         }},
        {"dangling link: the file it names is created",
         [](const fs::path& folder) {
             fs::create_symlink("made.mel", folder / "link.mel");
             return folder / "link.mel";
         },
         true, "",
         [&](const fs::path& folder, const fs::path& path) {
             EXPECT_TRUE(fs::is_symlink(path));
             EXPECT_EQ(slurp(folder / "made.mel"), kNew);
             EXPECT_EQ(names(), (Names{"link.mel", "made.mel"}));
         }},
        {"pipe that nobody reads: refused at once, kept",
         [](const fs::path& folder) {
             ::mkfifo((folder / "pipe").c_str(), 0600);
             return folder / "pipe";
         },
         false, "No such device or address",
         [&](const fs::path&, const fs::path& path) {
             EXPECT_TRUE(fs::is_fifo(fs::symlink_status(path)));
             EXPECT_EQ(names(), Names{"pipe"});
         }},
        {"null device: written as a stream, kept", [](const fs::path& folder) { return deviceLike(folder, "null", 3); },
         true, "", [](const fs::path&, const fs::path& path) { EXPECT_TRUE(isCharDevice(path)); }},
        {"full device: \"No space left on device\", kept",
         [](const fs::path& folder) { return deviceLike(folder, "full", 7); }, false,
         "\": No space left on device", [](const fs::path&, const fs::path& path) { EXPECT_TRUE(isCharDevice(path)); }},
        {"missing folder: refused, nothing made", [](const fs::path& folder) { return folder / "no" / "a.mel"; }, false,
         "\": No such file or directory", [&](const fs::path&, const fs::path&) { EXPECT_EQ(names(), Names{}); }},
        {"folder: refused, kept",
         [](const fs::path& folder) {
             fs::create_directory(folder / "sub");
             return folder / "sub";
         },
         false, "\": Is a directory", [](const fs::path&, const fs::path& path) { EXPECT_TRUE(fs::is_directory(path)); }},
        {"disk full while writing: the old file stays, no temporary file", regular(ownerRw), false,
         "\": File too large",
         [&](const fs::path&, const fs::path& path) {
             EXPECT_EQ(slurp(path), kOld);
             EXPECT_EQ(names(), Names{"a.mel"});
         },
         4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.target);
        fs::remove_all(m_folder);
        fs::create_directory(m_folder);
        const fs::path path = row.make(m_folder);
        const Written written = writeInChild(path.string(), kNew, row.sizeLimit);
        EXPECT_EQ(written.ok, row.ok) << written.message;
        if (row.ok)
            EXPECT_EQ(written.message, "");
        else
            EXPECT_NE(written.message.find(row.message), std::string::npos) << written.message;
        row.check(m_folder, path);
    }
}

TEST_F(OutputTargets, APipeWithAReaderAndALinkToItAreWrittenAsStreams)
{
    const fs::path pipe = m_folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink("pipe", m_folder / "link");
    for (const fs::path& target : {pipe, m_folder / "link"}) {
        SCOPED_TRACE(target.string());
        // The reader is there before the writer; what is written waits in the pipe.
        const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        const Written written = writeInChild(target.string(), kNew, RLIM_INFINITY);
        EXPECT_TRUE(written.ok) << written.message;
        char buffer[64] = {};
        const ssize_t got = ::read(reader, buffer, sizeof buffer);
        ::close(reader);
        EXPECT_EQ(std::string_view(buffer, got > 0 ? static_cast<std::size_t>(got) : 0), kNew);
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    }
    EXPECT_TRUE(fs::is_symlink(m_folder / "link"));
    EXPECT_EQ(names(), (std::vector<std::string>{"link", "pipe"}));
}

TEST_F(OutputTargets, AReaderThatGoesAwayIsAFailureNotTheEndOfTheProgram)
{
    const fs::path pipe = m_folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    SafeFileWriter writer;
    ASSERT_TRUE(writer.open(pipe.string())) << writer.error();
    ::close(reader);
    EXPECT_FALSE(writer.write(kNew));
    EXPECT_NE(writer.error().find("Broken pipe"), std::string::npos) << writer.error();
}

} // namespace
} // namespace orv
