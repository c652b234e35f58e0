// File reading by line-end style and the temporary-file save.
#include "text/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {

LineEnd detectLineEndStyle(std::string_view firstBlock)
{
    const auto lf = firstBlock.find('\n');
    if (lf == std::string_view::npos)
        return LineEnd::crLf;
    if (lf > 0 && firstBlock[lf - 1] == '\r')
        return LineEnd::crLf;
    if (lf + 1 < firstBlock.size() && firstBlock[lf + 1] == '\r')
        return LineEnd::lfCr;
    return LineEnd::lf;
}

void LineSplitter::feed(std::string_view bytes)
{
    while (!bytes.empty()) {
        if (m_matched > 0) {
            if (bytes.front() == m_separator[m_matched]) {
                bytes.remove_prefix(1);
                if (++m_matched == m_separator.size())
                    endLine();
                continue;
            }
            // A broken partial match keeps its bytes as text; the byte that broke it may
            // itself begin a separator (CR CR LF is a CR followed by a line end).
            m_line.append(m_separator.substr(0, m_matched));
            m_matched = 0;
        }
        const auto start = bytes.find(m_separator[0]);
        if (start == std::string_view::npos) {
            m_line.append(bytes);
            return;
        }
        m_line.append(bytes.substr(0, start));
        bytes.remove_prefix(start + 1);
        if (++m_matched == m_separator.size())
            endLine();
    }
}

void LineSplitter::endLine()
{
    m_lines.emplace_back(m_line);
    m_line.clear();
    m_matched = 0;
}

std::vector<TextLine> LineSplitter::finish()
{
    m_line.append(m_separator.substr(0, m_matched));
    endLine();
    return std::move(m_lines);
}

namespace {

// Closes a descriptor when it goes out of scope.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

std::string describe(const std::string& what, const std::string& path)
{
    return what + " \"" + path + "\": " + std::strerror(errno);
}

std::string tooLarge(const std::string& path)
{
    return "cannot read \"" + path + "\": the file is too large (2 GiB at most)";
}

} // namespace

LoadedText splitText(std::string_view bytes, int style)
{
    LoadedText loaded;
    loaded.style = isLineEndStyle(style) ? static_cast<LineEnd>(style)
                                         : detectLineEndStyle(bytes.substr(0, text_limits::kFileBlockSize));
    LineSplitter splitter(loaded.style);
    splitter.feed(bytes);
    loaded.lines = splitter.finish();
    return loaded;
}

std::optional<LoadedText> readTextFile(const std::string& path, int style, std::string& error)
{
    // Without O_NONBLOCK, opening a FIFO would wait for a writer forever; on the regular
    // files that are read it changes nothing.
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        error = describe("cannot open", path);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "cannot read \"" + path + "\": not a regular file";
        return std::nullopt;
    }
    if (info.st_size > text_limits::kMaxFileSize) {
        error = tooLarge(path);
        return std::nullopt;
    }
    ::posix_fadvise(file.fd, 0, 0, POSIX_FADV_SEQUENTIAL);

    LoadedText loaded;
    loaded.readOnly = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
    std::optional<LineSplitter> splitter;
    if (isLineEndStyle(style)) {
        loaded.style = static_cast<LineEnd>(style);
        splitter.emplace(loaded.style);
    }
    std::string block(text_limits::kFileBlockSize, '\0');
    long long total = 0;
    for (;;) {
        const ssize_t got = ::read(file.fd, block.data(), block.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = describe("cannot read", path);
            return std::nullopt;
        }
        if (got == 0)
            break;
        total += got;
        if (total > text_limits::kMaxFileSize) {  // it grew while it was read
            error = tooLarge(path);
            return std::nullopt;
        }
        const std::string_view bytes(block.data(), static_cast<std::size_t>(got));
        if (!splitter) {
            loaded.style = detectLineEndStyle(bytes);
            splitter.emplace(loaded.style);
        }
        splitter->feed(bytes);
    }
    if (!splitter)
        splitter.emplace(loaded.style);
    loaded.lines = splitter->finish();
    return loaded;
}

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

bool SafeFileWriter::fail(const std::string& step)
{
    m_error = describe(step, m_tempPath.empty() ? m_target : m_tempPath);
    discard();
    return false;
}

bool SafeFileWriter::open(const std::string& targetPath)
{
    discard();
    namespace fs = std::filesystem;
    std::error_code ec;
    // Saving through a link writes the file it points to and keeps the link.
    fs::path target = fs::weakly_canonical(fs::path(targetPath), ec);
    if (ec)
        target = targetPath;
    m_target = target.string();
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / (std::string(text_messages::kTempFilePrefix) + "XXXXXX")).string();
    m_fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (m_fd < 0)
        return fail("cannot create a temporary file beside");
    m_tempPath = pattern;

    // The new file keeps the old one's permissions; a new file gets the usual ones.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(m_target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(m_fd, mode) != 0)
        return fail("cannot set the permissions of");
    return true;
}

bool SafeFileWriter::write(std::string_view bytes)
{
    if (m_fd < 0)
        return false;
    while (!bytes.empty()) {
        const ssize_t put = ::write(m_fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = ENOSPC;
            return fail("cannot write");
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool SafeFileWriter::commit()
{
    if (m_fd < 0)
        return false;
    if (::fsync(m_fd) != 0)
        return fail("cannot flush");
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail("cannot close");
    if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        return fail("cannot replace \"" + m_target + "\" by");
    m_tempPath.clear();
    // The rename itself reaches the disk with the folder's entry.
    const auto folder = std::filesystem::path(m_target).parent_path();
    FileDescriptor dir{::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0)
        ::fsync(dir.fd);
    return true;
}

} // namespace orv
