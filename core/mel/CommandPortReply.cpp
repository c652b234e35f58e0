// A command port's reply: the NUL searched for in the new bytes only, the kept part capped.
#include "mel/CommandPortReply.h"

#include "text/TextEncoding.h"

#include <algorithm>

namespace orv {

namespace {
// A command port ends each reply with a NUL byte.
constexpr char kReplyEnd = '\0';
} // namespace

bool CommandPortReply::add(std::string_view bytes)
{
    if (m_complete)
        return true;
    const std::size_t end = bytes.find(kReplyEnd);
    if (end != std::string_view::npos) {
        bytes = bytes.substr(0, end);
        m_complete = true;
    }
    const std::size_t room = kMaxBytes - m_bytes.size();
    if (bytes.size() > room) {
        bytes = bytes.substr(0, room);
        m_cut = true;
        m_complete = true;
    }
    m_bytes.append(bytes);
    return m_complete;
}

std::string CommandPortReply::text() const
{
    std::string_view kept = m_bytes;
    // A cut may fall inside a character: the bytes of a sequence begun at the very end are
    // dropped when that makes the rest UTF-8.
    if (m_cut && !IsValidUtf8(kept)) {
        for (std::size_t drop = 1; drop <= std::min<std::size_t>(3, kept.size()); ++drop) {
            if (IsValidUtf8(kept.substr(0, kept.size() - drop))) {
                kept.remove_suffix(drop);
                break;
            }
        }
    }
    while (!kept.empty() && (kept.back() == '\n' || kept.back() == '\r'))
        kept.remove_suffix(1);
    std::string text = ToUtf8(kept);
    if (m_cut)
        (text += '\n') += kCutNote;
    return text;
}

} // namespace orv
