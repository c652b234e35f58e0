// Reading and replacing files.
#include "uimodel/TextFile.h"

#include "text/TextFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace orv {

std::optional<std::string> readWholeFile(const std::string& path)
{
    // Only a regular file: a folder cannot be read and a pipe or device would never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool writeFileReplacing(const std::string& path, const std::string& bytes)
{
    SafeFileWriter writer;
    return writer.open(path) && writer.write(bytes) && writer.commit();
}

} // namespace orv
