// Reading regular files within a limit.
#include "files/FileReader.h"

#include "files/FileErrors.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {

FileReader::~FileReader()
{
    close();
}

void FileReader::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool FileReader::open(const std::string& path, std::int64_t maxBytes)
{
    close();
    m_path = path;
    m_limit = maxBytes;
    m_total = 0;
    m_error.clear();
    // Without O_NONBLOCK, opening a FIFO would wait for a writer forever; a regular file
    // reads the same either way.
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        m_error = fileError("cannot open", path, errno);
        close();
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        m_error = fileError("cannot read", path, "not a regular file");
        close();
        return false;
    }
    m_size = info.st_size;
    if (m_size > m_limit) {
        m_error = tooLargeError(path, m_limit);
        close();
        return false;
    }
    m_writable = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
    ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return true;
}

std::optional<std::string_view> FileReader::readBlock(std::size_t size)
{
    if (m_fd < 0)
        return std::nullopt;
    m_block.resize(size);
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = ::read(m_fd, m_block.data() + filled, size - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            m_error = fileError("cannot read", m_path, errno);
            close();
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    m_total += static_cast<std::int64_t>(filled);
    if (m_total > m_limit) {  // it grew while it was read
        m_error = tooLargeError(m_path, m_limit);
        close();
        return std::nullopt;
    }
    return std::string_view(m_block.data(), filled);
}

namespace {

constexpr std::size_t kWholeFileBlock = 1 << 20;

// Up to `count` bytes from an open reader, or nothing with its reason.
std::optional<std::string> readUpTo(FileReader& file, std::size_t count, std::string& error)
{
    std::string bytes;
    // The size known at opening saves the string's growth steps (and their copies), and
    // blocks no larger than what is left of it (one byte more, to see a file that grew)
    // spare clearing a megabyte of buffer for a small file.
    const auto known = static_cast<std::size_t>(std::min<std::int64_t>(file.size(), static_cast<std::int64_t>(count)));
    bytes.reserve(known);
    while (bytes.size() < count) {
        const std::size_t wanted = bytes.size() <= known ? known - bytes.size() + 1 : kWholeFileBlock;
        const auto block = file.readBlock(std::min({kWholeFileBlock, count - bytes.size(), wanted}));
        if (!block) {
            error = file.error();
            return std::nullopt;
        }
        if (block->empty())
            break;
        bytes.append(*block);
    }
    return bytes;
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::int64_t maxBytes, std::string& error)
{
    FileReader file;
    if (!file.open(path, maxBytes)) {
        error = file.error();
        return std::nullopt;
    }
    // One byte past the limit is asked for, so that a file that grew past it is refused.
    const std::int64_t wanted = maxBytes < std::numeric_limits<std::int64_t>::max() ? maxBytes + 1 : maxBytes;
    return readUpTo(file, static_cast<std::size_t>(wanted), error);
}

std::optional<std::string> readFileStart(const std::string& path, std::size_t count, std::string& error)
{
    FileReader file;
    if (!file.open(path, std::numeric_limits<std::int64_t>::max())) {
        error = file.error();
        return std::nullopt;
    }
    return readUpTo(file, count, error);
}

} // namespace orv
