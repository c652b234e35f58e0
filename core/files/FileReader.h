// The one way core reads files: regular files only, within a size limit, in blocks or whole,
// and every failure named with its cause.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

class FileReader {
public:
    FileReader() = default;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    ~FileReader();

    // False, with the reason in error(), when path cannot be opened, is not a regular file
    // (a pipe or a device would never end, or block) or holds more than maxBytes.
    bool open(const std::string& path, std::int64_t maxBytes);
    // The next `size` bytes (fewer only at the end of the file, none past it). Nothing,
    // with the reason in error(), when reading fails or the file grew past its limit.
    std::optional<std::string_view> readBlock(std::size_t size);

    // The size the file had when it was opened.
    std::int64_t size() const { return m_size; }
    // False when the file has no write permission at all, or this user may not write it.
    bool writable() const { return m_writable; }
    const std::string& error() const { return m_error; }

private:
    void close();

    int m_fd = -1;
    std::string m_path;
    std::int64_t m_limit = 0;
    std::int64_t m_size = 0;
    std::int64_t m_total = 0;
    bool m_writable = false;
    std::string m_block;
    std::string m_error;
};

// The whole file, refused (with the reason in error) when it holds more than maxBytes.
std::optional<std::string> readWholeFile(const std::string& path, std::int64_t maxBytes, std::string& error);

// The first `count` bytes of a file (all of a shorter one), for formats that keep what fits
// of a file larger than they can hold.
std::optional<std::string> readFileStart(const std::string& path, std::size_t count, std::string& error);

} // namespace orv
