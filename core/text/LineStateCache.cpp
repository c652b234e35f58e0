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

int LineStateCache::knownLines() const
{
    return m_stale.empty() ? static_cast<int>(m_states.size()) : m_stale.front().first;
}

std::uint32_t LineStateCache::stateBefore(int line)
{
    line = std::clamp(line, 0, m_buffer.LineCount());
    if (line == 0)
        return 0;
    findStates(line);
    return m_states[static_cast<std::size_t>(line - 1)];
}

std::uint32_t LineStateCache::colourLine(int line, std::vector<ColourBlock>& blocks)
{
    blocks.clear();
    if (line < 0 || line >= m_buffer.LineCount())
        return 0;
    const std::uint32_t state = m_colourer(stateBefore(line), m_buffer.LineText(line), &blocks);
    if (line == knownLines())
        storeNext(line, state);
    return state;
}

void LineStateCache::findStates(int count)
{
    for (int line = knownLines(); line < count; line = knownLines()) {
        const std::uint32_t before = line == 0 ? 0 : m_states[static_cast<std::size_t>(line - 1)];
        storeNext(line, m_colourer(before, m_buffer.LineText(line), nullptr));
    }
}

void LineStateCache::storeNext(int line, std::uint32_t state)
{
    if (m_stale.empty()) {
        m_states.push_back(state);
        return;
    }
    StaleRun& run = m_stale.front();
    std::uint32_t& held = m_states[static_cast<std::size_t>(line)];
    const bool unchanged = held == state;
    held = state;
    if (line >= run.last && unchanged) {
        m_stale.pop_front();
        return;
    }
    run.first = line + 1;
    if (run.first == static_cast<int>(m_states.size())) {
        m_stale.pop_front();  // the last run: the lines after it are found as new ones
    } else if (m_stale.size() > 1 && m_stale[1].first == run.first) {
        run.last = std::max(run.last, m_stale[1].reach());
        m_stale.erase(m_stale.begin() + 1);
    }
}

void LineStateCache::forgetFrom(int line)
{
    line = std::max(line, 0);
    m_states.truncate(static_cast<std::size_t>(line));
    dropStaleFrom(line);
}

void LineStateCache::useVariant(std::uint32_t variant)
{
    if (m_variant != variant) {
        m_variant = variant;
        forgetFrom(0);
    }
}

void LineStateCache::dropStaleFrom(int line)
{
    while (!m_stale.empty() && m_stale.back().first >= line)
        m_stale.pop_back();
}

void LineStateCache::markStale(StaleRun run)
{
    // The runs that overlap or touch the new one become part of it.
    auto from = std::lower_bound(m_stale.begin(), m_stale.end(), run.first - 1,
                                 [](const StaleRun& r, int line) { return r.reach() < line; });
    auto to = from;
    for (; to != m_stale.end() && to->first <= run.last + 1; ++to) {
        run.first = std::min(run.first, to->first);
        run.last = std::max(run.last, to->reach());
    }
    m_stale.insert(m_stale.erase(from, to), run);
}

// Lines first to last hold new text, the state line `first` ended with before now ends line
// `last`, and the lines after it move down.
void LineStateCache::followInsert(int first, int last)
{
    if (first >= static_cast<int>(m_states.size()))
        return;
    const int added = last - first;
    const std::vector<std::uint32_t> placeholders(static_cast<std::size_t>(added), 0);
    m_states.insert(static_cast<std::size_t>(first), placeholders.begin(), placeholders.end());
    const auto moved = [&](int line) { return line > first ? line + added : line; };
    for (auto run = m_stale.rbegin(); run != m_stale.rend() && run->reach() > first; ++run) {
        run->first = moved(run->first);
        run->last = moved(run->last);
    }
    markStale({first, last});
}

// Line `first` now ends where line `last` ended, in the state line `last` ended with; the
// lines between are gone and the lines after move up.
void LineStateCache::followErase(int first, int last)
{
    const int held = static_cast<int>(m_states.size());
    if (first >= held)
        return;
    if (last >= held) {
        forgetFrom(first);
        return;
    }
    m_states[static_cast<std::size_t>(first)] = m_states[static_cast<std::size_t>(last)];
    const int removed = last - first;
    m_states.erase(static_cast<std::size_t>(first) + 1, static_cast<std::size_t>(removed));
    const auto moved = [&](int line) { return line <= first ? line : std::max(first, line - removed); };
    for (auto run = m_stale.rbegin(); run != m_stale.rend() && run->reach() > first; ++run) {
        run->first = moved(run->first);
        run->last = moved(run->last);
    }
    markStale({first, first});
}

void LineStateCache::onTextUpdate(const TextBufferWatcher*, const TextChange* change, unsigned updateFlags, int)
{
    if (updateFlags & update_flag::kReset)
        forgetFrom(0);
    else if (change && change->inserted)
        followInsert(change->start.line, change->end.line);
    else if (change)
        followErase(change->start.line, change->end.line);
}

LineStateCache::LineColourer melLineColourer(const SettingsRecord& settings)
{
    return [&settings](std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks) {
        return ParseMelLine(state, line, blocks, settings.syntaxColoring());
    };
}

} // namespace orv
