// What a Maya command port answers to a script: its bytes up to the NUL that ends a reply,
// kept up to a limit, and the text they make. A reply of any length costs the limit in memory
// and each byte one look for the NUL.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

class CommandPortReply {
public:
    // The most of a reply that is kept and shown.
    static constexpr std::size_t kMaxBytes = std::size_t{1} << 20;
    // The line shown after a reply that was cut at the limit.
    static constexpr const char* kCutNote = "... reply cut at 1 MB";

    // Takes bytes as they arrive; true once the reply is complete: its NUL came, or it reached
    // the limit (what comes after is not wanted). Bytes after that are ignored.
    bool add(std::string_view bytes);
    bool complete() const { return m_complete; }
    bool cut() const { return m_cut; }
    bool empty() const { return m_bytes.empty(); }

    // The reply as UTF-8 (valid UTF-8 as it came, anything else read as Windows-1252), its
    // own line ends at its end dropped, and the note on a line of its own when it was cut.
    std::string text() const;

private:
    std::string m_bytes;
    bool m_complete = false;
    bool m_cut = false;
};

} // namespace orv
