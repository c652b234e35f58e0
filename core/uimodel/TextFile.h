// Whole-file reading and writing for window files and exported scripts.
#pragma once

#include <optional>
#include <string>

namespace orv {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);
// Writes bytes to a temporary file beside path, flushed to disk, then renamed over it, so
// that a failed write leaves any old file as it was. False when any step failed.
bool writeFileReplacing(const std::string& path, const std::string& bytes);

} // namespace orv
