// Benchmark scripts of any length: a body of lines repeated, each line's %d filled with the
// number of its repetition, lines joined with CR LF.
#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace orv::bench {

inline std::string repeatScriptBody(std::span<const char* const> body, int lines)
{
    const int size = static_cast<int>(body.size());
    std::string script;
    for (int line = 0; line < lines; ++line) {
        char text[256];
        std::snprintf(text, sizeof text, body[static_cast<std::size_t>(line % size)], line / size, line / size);
        script += text;
        if (line + 1 < lines)
            script += "\r\n";
    }
    return script;
}

} // namespace orv::bench
