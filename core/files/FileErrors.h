// The texts of file errors: what failed, on which file, and why, in one form for every
// reader and writer.
#pragma once

#include <cstdint>
#include <string>

namespace orv {

// `what "path": reason`, the reason being the system's text for errno ("No space left on
// device") or a text of our own.
std::string fileError(const std::string& what, const std::string& path, int errorNumber);
std::string fileError(const std::string& what, const std::string& path, const std::string& reason);

// The refusal of a file larger than maxBytes, naming the limit.
std::string tooLargeError(const std::string& path, std::int64_t maxBytes);

} // namespace orv
