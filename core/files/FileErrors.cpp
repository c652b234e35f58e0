// File error texts.
#include "files/FileErrors.h"

#include <cstring>

namespace orv {

std::string fileError(const std::string& what, const std::string& path, int errorNumber)
{
    return fileError(what, path, std::string(std::strerror(errorNumber)));
}

std::string fileError(const std::string& what, const std::string& path, const std::string& reason)
{
    return what + " \"" + path + "\": " + reason;
}

std::string tooLargeError(const std::string& path, std::int64_t maxBytes)
{
    // The limit in the largest unit it reaches, rounded: 0x7FFFFFFF bytes is "2 GiB".
    constexpr std::int64_t kMiB = std::int64_t{1} << 20;
    constexpr std::int64_t kGiB = std::int64_t{1} << 30;
    std::string limit;
    if (maxBytes >= kGiB)
        limit = std::to_string((maxBytes + kGiB / 2) / kGiB) + " GiB";
    else if (maxBytes >= kMiB)
        limit = std::to_string((maxBytes + kMiB / 2) / kMiB) + " MiB";
    else
        limit = std::to_string(maxBytes) + " bytes";
    return fileError("cannot read", path, "the file is too large (" + limit + " at most)");
}

} // namespace orv
