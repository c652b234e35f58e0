// Line widths in columns, cached per line.
#include "text/DisplayLengthCache.h"

#include "text/TabColumns.h"

#include <algorithm>

namespace orv {

DisplayLengthCache::DisplayLengthCache(CTextBuffer& buffer, int tabSize) : m_buffer(buffer), m_tabSize(std::max(tabSize, 1))
{
    m_buffer.AttachView(this);
}

DisplayLengthCache::~DisplayLengthCache()
{
    m_buffer.DetachView(this);
}

int DisplayLengthCache::lineLength(int line)
{
    if (line < 0 || line >= m_buffer.LineCount())
        return 0;
    if (line >= static_cast<int>(m_lengths.size()))
        m_lengths.resize(static_cast<std::size_t>(line) + 1, kUnknown);
    int& length = m_lengths[static_cast<std::size_t>(line)];
    if (length == kUnknown)
        length = displayLength(m_buffer.LineText(line), m_tabSize);
    return length;
}

int DisplayLengthCache::longestLine()
{
    if (m_longestKnown == kUnknown) {
        int longest = 0;
        for (int line = 0; line < m_buffer.LineCount(); ++line)
            longest = std::max(longest, lineLength(line));
        m_longestKnown = longest;
    }
    return m_longestKnown;
}

void DisplayLengthCache::setTabSize(int tabSize)
{
    m_tabSize = std::max(tabSize, 1);
    forgetFrom(0);
}

void DisplayLengthCache::forgetFrom(int line)
{
    if (line < static_cast<int>(m_lengths.size()))
        m_lengths.resize(static_cast<std::size_t>(std::max(line, 0)));
    m_longestKnown = kUnknown;
}

void DisplayLengthCache::onTextUpdate(const TextBufferWatcher*, const TextChange* change, unsigned updateFlags, int line)
{
    if (updateFlags & update_flag::kReset)
        forgetFrom(0);
    else if (change)
        forgetFrom(line);
}

} // namespace orv
