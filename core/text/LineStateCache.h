// The colouring state at the end of every line, found lazily and kept until the text
// changes: drawing a line never re-parses the text above the last known state.
#pragma once

#include "text/CTextBuffer.h"
#include "text/MelColouring.h"
#include "text/TextBufferWatcher.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace orv {

// Registered with its buffer for its whole life: the buffer must outlive it.
class LineStateCache : public TextBufferWatcher {
public:
    // The colouring of one line: state in, the line, blocks (null: state only) -> state out.
    using LineColourer = std::function<std::uint32_t(std::uint32_t, std::string_view, std::vector<ColourBlock>*)>;

    LineStateCache(CTextBuffer& buffer, LineColourer colourer);
    ~LineStateCache() override;
    LineStateCache(const LineStateCache&) = delete;
    LineStateCache& operator=(const LineStateCache&) = delete;

    // The state at the start of a line (0 for line 0): parsed without blocks from the
    // nearest line whose state is known.
    std::uint32_t stateBefore(int line);
    std::uint32_t stateAfter(int line) { return stateBefore(line + 1); }
    // The blocks of a line (replacing `blocks`' content); stores the state it ends with.
    std::uint32_t colourLine(int line, std::vector<ColourBlock>& blocks);

    // Forgets the states from a line on; after a change of the colouring setting, all.
    void forgetFrom(int line);
    int knownLines() const { return static_cast<int>(m_states.size()); }

    void onTextUpdate(const TextBufferWatcher* source, const TextChange* change, unsigned updateFlags,
                      int line) override;

private:
    CTextBuffer& m_buffer;
    LineColourer m_colourer;
    std::vector<std::uint32_t> m_states;  // m_states[k]: the state at the end of line k
};

// The MEL colouring with the colouring switch of the settings, read at every line.
LineStateCache::LineColourer melLineColourer(const SettingsRecord& settings);

} // namespace orv
