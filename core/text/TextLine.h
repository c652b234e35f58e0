// One line of a text buffer: its characters without the line end, stored in 16-byte steps
// so that typing into a line rarely reallocates, and its line flags (bookmarks).
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace orv {

class TextLine {
public:
    TextLine() = default;
    explicit TextLine(std::string_view text);
    TextLine(TextLine&&) noexcept = default;
    TextLine& operator=(TextLine&&) noexcept = default;

    std::string_view text() const { return {m_text.get(), static_cast<std::size_t>(m_length)}; }
    int length() const { return m_length; }
    int capacity() const { return m_capacity; }

    void insert(int at, std::string_view text);
    void append(std::string_view text) { insert(m_length, text); }
    void erase(int at, int count);
    // Keeps the first `length` characters.
    void truncate(int length) { erase(length, m_length - length); }

    std::uint32_t flags = 0;

private:
    void reserveFor(int length);

    std::unique_ptr<char[]> m_text;
    int m_length = 0;
    int m_capacity = 0;
};

} // namespace orv
