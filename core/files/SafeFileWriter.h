// The one way core writes files (scripts, window files, exports), by one rule for the target:
// - a link is followed to the file it names, and a dangling link creates that file;
// - an existing target that is not a regular file (a pipe, a device such as /dev/null or
//   /dev/stdout) is written in place as a stream, never replaced;
// - a regular file is replaced through a temporary file in its folder that is flushed to
//   disk and renamed over it, so that it holds either its old or its whole new content at
//   every moment; it keeps its permissions, and a read-only one is refused;
// - every failure names its cause ("No space left on device") and leaves the target as it was.
#pragma once

#include <string>
#include <string_view>

namespace orv {

class SafeFileWriter {
public:
    // The start of the temporary files' names, beside the target until they replace it.
    static constexpr const char* kTempFilePrefix = "ORV";

    SafeFileWriter() = default;
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;
    // A writer that was not committed removes its temporary file.
    ~SafeFileWriter();

    bool open(const std::string& targetPath);
    bool write(std::string_view bytes);
    bool commit();

    const std::string& error() const { return m_error; }

private:
    bool openInPlace(const std::string& path);
    bool openReplacing(const std::string& path);
    bool fail(const std::string& what, int errorNumber);
    bool fail(const std::string& what, const std::string& reason);
    void discard();

    std::string m_target;
    std::string m_tempPath;
    int m_fd = -1;
    bool m_inPlace = false;
    std::string m_error;
};

// Writes bytes to path by SafeFileWriter's rule; false, with the reason in error, when it failed.
bool writeWholeFile(const std::string& path, std::string_view bytes, std::string& error);

} // namespace orv
