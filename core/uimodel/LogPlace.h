// The place a message of the log names at its start, as compilers write it: "file:line:column: ".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv {

struct LogPlace {
    std::string file;
    int line = 0;    // from 1
    int column = 0;  // from 1, in bytes of the line
};

// The place at the start of one line of the log; none when the line names none. A file name
// may hold colons itself: the first ":line:column: " after a non-empty name ends it.
std::optional<LogPlace> FindLogPlace(std::string_view line);

} // namespace orv
