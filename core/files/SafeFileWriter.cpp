// Writing files by the output-target rule.
#include "files/SafeFileWriter.h"

#include "files/FileErrors.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinkHops = 40;

// Closes a descriptor when it goes out of scope.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// The file a path names once its links are followed: a link stands for the path it holds,
// read from the link's folder. A path that names nothing (a dangling link's end) is the file
// to create.
std::optional<std::string> followLinks(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current.string();
        std::error_code ec;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec)
            return current.string();
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return std::nullopt;
}

// While a pipe is written, a reader that goes away makes write() fail with EPIPE instead of
// ending the program: SIGPIPE is held back for this thread, and one it raised is taken off.
class HeldSigpipe {
public:
    HeldSigpipe()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
    }
    ~HeldSigpipe()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!m_wasPending && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{0, 0};
            sigtimedwait(&m_pipe, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    HeldSigpipe(const HeldSigpipe&) = delete;
    HeldSigpipe& operator=(const HeldSigpipe&) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_old;
    bool m_wasPending = false;
};

bool isReadOnly(const struct stat& info, const std::string& path)
{
    // The permission bits decide even for root, so that a file marked read-only stays so.
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

} // namespace

SafeFileWriter::~SafeFileWriter()
{
    discard();
}

void SafeFileWriter::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

bool SafeFileWriter::fail(const std::string& what, int errorNumber)
{
    m_error = fileError(what, m_target, errorNumber);
    discard();
    return false;
}

bool SafeFileWriter::fail(const std::string& what, const std::string& reason)
{
    m_error = fileError(what, m_target, reason);
    discard();
    return false;
}

bool SafeFileWriter::open(const std::string& targetPath)
{
    discard();
    m_error.clear();
    m_inPlace = false;
    m_target = targetPath;
    struct stat info {};
    if (::stat(targetPath.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return fail("cannot replace", EISDIR);
        // A pipe or a device is opened through the path as given: links such as
        // /dev/stdout -> /proc/self/fd/1 -> "pipe:[...]" name no file that could be found again.
        if (!S_ISREG(info.st_mode))
            return openInPlace(targetPath);
    } else if (errno != ENOENT) {
        return fail("cannot write", errno);
    }
    const std::optional<std::string> target = followLinks(targetPath);
    if (!target)
        return fail("cannot write", ELOOP);
    m_target = *target;
    return openReplacing(m_target);
}

bool SafeFileWriter::openInPlace(const std::string& path)
{
    // Neither created nor truncated: the special file stays what it is. O_NONBLOCK makes
    // the open of a pipe that nobody reads fail (ENXIO) rather than wait for a reader.
    m_fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        if (errno == ENXIO)
            return fail("cannot write", std::string(std::strerror(ENXIO)) + " (nothing reads from it)");
        return fail("cannot write", errno);
    }
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags < 0 || ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return fail("cannot write", errno);
    m_inPlace = true;
    return true;
}

bool SafeFileWriter::openReplacing(const std::string& path)
{
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && isReadOnly(old, path))
        return fail("cannot replace", "the file is read-only");

    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / (std::string(kTempFilePrefix) + "XXXXXX")).string();
    m_fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (m_fd < 0)
        return fail("cannot create a temporary file beside", errno);
    m_tempPath = pattern;

    // The new file keeps the old one's permissions; a new file gets the usual ones.
    mode_t mode = 0;
    if (exists) {
        mode = old.st_mode & 07777;
        // Root replacing another user's file gives it back to that user; anyone else cannot,
        // and the file becomes theirs as any new file would.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)!::fchown(m_fd, old.st_uid, old.st_gid);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(m_fd, mode) != 0)
        return fail("cannot set the permissions of", errno);
    return true;
}

bool SafeFileWriter::write(std::string_view bytes)
{
    if (m_fd < 0)
        return false;
    std::optional<HeldSigpipe> held;
    if (m_inPlace)
        held.emplace();
    while (!bytes.empty()) {
        const ssize_t put = ::write(m_fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return fail("cannot write", put == 0 ? ENOSPC : errno);
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool SafeFileWriter::commit()
{
    if (m_fd < 0)
        return false;
    if (m_inPlace) {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 || fail("cannot write", errno);
    }
    if (::fsync(m_fd) != 0)
        return fail("cannot write", errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail("cannot write", errno);
    if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        return fail("cannot replace", errno);
    m_tempPath.clear();
    // The rename itself reaches the disk with the folder's entry.
    const auto folder = std::filesystem::path(m_target).parent_path();
    FileDescriptor dir{::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0)
        ::fsync(dir.fd);
    return true;
}

bool writeWholeFile(const std::string& path, std::string_view bytes, std::string& error)
{
    SafeFileWriter writer;
    if (writer.open(path) && writer.write(bytes) && writer.commit())
        return true;
    error = writer.error();
    return false;
}

} // namespace orv
