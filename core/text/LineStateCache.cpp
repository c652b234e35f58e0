// The line-state cache over a buffer.
#include "text/LineStateCache.h"

#include <algorithm>

namespace orv {

LineStateCache::LineStateCache(CTextBuffer& buffer, LineColourer colourer)
    : m_buffer(buffer), m_colourer(std::move(colourer))
{
    m_buffer.AttachView(this);
}

LineStateCache::~LineStateCache()
{
    m_buffer.DetachView(this);
}

std::uint32_t LineStateCache::stateBefore(int line)
{
    line = std::clamp(line, 0, m_buffer.LineCount());
    if (line == 0)
        return 0;
    if (line > knownLines()) {
        m_states.reserve(static_cast<std::size_t>(line));
        std::uint32_t state = m_states.empty() ? 0 : m_states.back();
        for (int k = knownLines(); k < line; ++k) {
            state = m_colourer(state, m_buffer.LineText(k), nullptr);
            m_states.push_back(state);
        }
    }
    return m_states[static_cast<std::size_t>(line - 1)];
}

std::uint32_t LineStateCache::colourLine(int line, std::vector<ColourBlock>& blocks)
{
    blocks.clear();
    if (line < 0 || line >= m_buffer.LineCount())
        return 0;
    const std::uint32_t state = m_colourer(stateBefore(line), m_buffer.LineText(line), &blocks);
    if (line == knownLines())
        m_states.push_back(state);
    return state;
}

void LineStateCache::forgetFrom(int line)
{
    if (line < knownLines())
        m_states.resize(static_cast<std::size_t>(std::max(line, 0)));
}

void LineStateCache::onTextUpdate(const TextBufferWatcher*, const TextChange* change, unsigned updateFlags, int line)
{
    if (updateFlags & update_flag::kReset)
        forgetFrom(0);
    else if (change)
        forgetFrom(line);
}

LineStateCache::LineColourer melLineColourer(const SettingsRecord& settings)
{
    return [&settings](std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks) {
        return ParseMelLine(state, line, blocks, settings.syntaxColoring());
    };
}

} // namespace orv
