// The colouring state at the end of every line, found lazily and kept through edits: drawing
// a line never re-parses the text above the last known state, the states below an edit move
// with their lines, and re-parsing after an edit stops where a line ends in the state it
// ended in before. One cache serves every view of a text.
#pragma once

#include "text/CTextBuffer.h"
#include "text/GapArray.h"
#include "text/MelColouring.h"
#include "text/TextBufferWatcher.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
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
    // The colouring has variants (the colouring switch of the settings): states found under
    // another variant than `variant` are all forgotten. Every view calls this before it draws,
    // so the first view to draw after a change of the setting finds the states again for all.
    void useVariant(std::uint32_t variant);
    // The lines from the start whose states are known for the text as it is now.
    int knownLines() const;

    void onTextUpdate(const TextBufferWatcher* source, const TextChange* change, unsigned updateFlags,
                      int line) override;

private:
    // Lines changed since their states were found: `first` to `last` are parsed again
    // whatever they held; from `last` on, a line that ends in the state it had before the
    // change ends the re-parse, as every line after it up to the next stale run starts in
    // the state it started in before.
    struct StaleRun {
        int first;
        int last;
        // The lines the run still covers: up to its last changed line, or up to the line
        // the re-parse stands at once it went past that (the states from there on are the
        // ones from before the change, and only a line that ends as it did then can say
        // that they still hold).
        int reach() const { return first > last ? first : last; }
    };

    // Parses lines until `count` lines from the start are known.
    void findStates(int count);
    // The state a line ends with, found by parsing it as the first line not known.
    void storeNext(int line, std::uint32_t state);
    void followInsert(int first, int last);
    void followErase(int first, int last);
    // Adds a run, merging it with the runs it touches.
    void markStale(StaleRun run);
    // Drops what lies past the states held.
    void dropStaleFrom(int line);

    CTextBuffer& m_buffer;
    LineColourer m_colourer;
    GapArray<std::uint32_t> m_states;  // m_states[k]: the state at the end of line k
    std::deque<StaleRun> m_stale;      // in line order, apart, each starting inside m_states
    std::optional<std::uint32_t> m_variant;
};

// The MEL colouring with the colouring switch of the settings, read at every line.
LineStateCache::LineColourer melLineColourer(const SettingsRecord& settings);

} // namespace orv
