// Line storage in 16-byte steps.
#include "text/TextLine.h"

#include "text/TextConstants.h"

#include <cstring>

namespace orv {

namespace {
int capacityFor(int length)
{
    return (length / text_limits::kLineCapacityStep + 1) * text_limits::kLineCapacityStep;
}
} // namespace

TextLine::TextLine(std::string_view text)
{
    // An empty line holds no storage until something is typed into it.
    append(text);
}

void TextLine::reserveFor(int length)
{
    if (m_text && length < m_capacity)
        return;
    const int capacity = capacityFor(length);
    auto grown = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(capacity));
    if (m_length > 0)
        std::memcpy(grown.get(), m_text.get(), static_cast<std::size_t>(m_length));
    m_text = std::move(grown);
    m_capacity = capacity;
}

void TextLine::insert(int at, std::string_view text)
{
    if (text.empty())
        return;
    const int count = static_cast<int>(text.size());
    reserveFor(m_length + count);
    char* const base = m_text.get();
    std::memmove(base + at + count, base + at, static_cast<std::size_t>(m_length - at));
    std::memcpy(base + at, text.data(), text.size());
    m_length += count;
}

void TextLine::erase(int at, int count)
{
    if (count <= 0)
        return;
    char* const base = m_text.get();
    std::memmove(base + at, base + at + count, static_cast<std::size_t>(m_length - at - count));
    m_length -= count;
}

} // namespace orv
