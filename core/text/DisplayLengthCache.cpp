// Line widths in columns, kept per line and counted per width.
#include "text/DisplayLengthCache.h"

#include "text/TabColumns.h"

#include <algorithm>
#include <vector>

namespace orv {

DisplayLengthCache::DisplayLengthCache(CTextBuffer& buffer, int tabSize) : m_buffer(buffer), m_tabSize(std::max(tabSize, 1))
{
    m_buffer.AttachView(this);
    measureAll();
}

DisplayLengthCache::~DisplayLengthCache()
{
    m_buffer.DetachView(this);
}

int DisplayLengthCache::lineLength(int line) const
{
    if (line < 0 || static_cast<std::size_t>(line) >= m_lengths.size())
        return 0;
    return m_lengths[static_cast<std::size_t>(line)];
}

int DisplayLengthCache::longestLine() const
{
    return m_linesOfLength.empty() ? 0 : m_linesOfLength.rbegin()->first;
}

void DisplayLengthCache::setTabSize(int tabSize)
{
    m_tabSize = std::max(tabSize, 1);
    measureAll();
}

void DisplayLengthCache::measureAll()
{
    std::vector<int> lengths(static_cast<std::size_t>(m_buffer.LineCount()));
    m_linesOfLength.clear();
    for (std::size_t line = 0; line < lengths.size(); ++line) {
        lengths[line] = displayLength(m_buffer.LineText(static_cast<int>(line)), m_tabSize, m_buffer.Encoding());
        ++m_linesOfLength[lengths[line]];
    }
    m_lengths = GapArray<int>(std::move(lengths), text_limits::kLoadedLineArrayStep);
}

void DisplayLengthCache::count(int length, int delta)
{
    auto it = m_linesOfLength.try_emplace(length, 0).first;
    it->second += delta;
    if (it->second <= 0)
        m_linesOfLength.erase(it);
}

void DisplayLengthCache::remeasure(int line)
{
    int& length = m_lengths[static_cast<std::size_t>(line)];
    count(length, -1);
    length = displayLength(m_buffer.LineText(line), m_tabSize, m_buffer.Encoding());
    count(length, +1);
}

void DisplayLengthCache::onTextUpdate(const TextBufferWatcher*, const TextChange* change, unsigned updateFlags, int)
{
    if (updateFlags & update_flag::kReset) {
        measureAll();
        return;
    }
    if (!change)
        return;
    // Only the lines of the change are measured again; the lines after it move along.
    const int first = change->start.line;
    const auto spanned = static_cast<std::size_t>(change->end.line - first);
    if (change->inserted) {
        const std::vector<int> added(spanned, 0);
        m_lengths.insert(static_cast<std::size_t>(first) + 1, added.begin(), added.end());
        count(0, static_cast<int>(spanned));
        for (int line = first; line <= change->end.line; ++line)
            remeasure(line);
    } else {
        for (std::size_t k = 1; k <= spanned; ++k)
            count(m_lengths[static_cast<std::size_t>(first) + k], -1);
        m_lengths.erase(static_cast<std::size_t>(first) + 1, spanned);
        remeasure(first);
    }
}

} // namespace orv
