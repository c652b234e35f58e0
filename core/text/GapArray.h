// An array with a gap at the last edit point: inserting or removing elements next to the
// previous edit moves only the elements between the two points, never the whole array,
// so typing Enter costs the same in a short script and in a huge one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace orv {

// T must be default-constructible and movable. A slot of the gap is only ever assigned to,
// never read, so moved-from elements may stay in it.
template <typename T>
class GapArray {
public:
    GapArray() = default;
    // Takes the elements with a gap of `gap` free slots after them.
    explicit GapArray(std::vector<T> items, std::size_t gap = 0) : m_slots(std::move(items))
    {
        m_gapStart = m_gapEnd = m_slots.size();
        m_slots.resize(m_slots.size() + gap);
        m_gapEnd = m_slots.size();
    }

    std::size_t size() const { return m_slots.size() - gapLength(); }
    bool empty() const { return size() == 0; }
    T& operator[](std::size_t i) { return m_slots[slotOf(i)]; }
    const T& operator[](std::size_t i) const { return m_slots[slotOf(i)]; }

    // Inserts the elements of [first, last) before index `at`.
    template <typename It>
    void insert(std::size_t at, It first, It last)
    {
        const auto count = static_cast<std::size_t>(std::distance(first, last));
        makeRoom(count);
        moveGapTo(at);
        for (; first != last; ++first)
            m_slots[m_gapStart++] = std::move(*first);
    }
    void insert(std::size_t at, T value)
    {
        T* one = &value;
        insert(at, std::make_move_iterator(one), std::make_move_iterator(one + 1));
    }
    void push_back(T value) { insert(size(), std::move(value)); }

    // Removes `count` elements from index `at` on; their storage is released.
    void erase(std::size_t at, std::size_t count)
    {
        moveGapTo(at);
        for (std::size_t i = 0; i < count; ++i)
            m_slots[m_gapEnd + i] = T();
        m_gapEnd += count;
    }
    // Keeps the first `count` elements.
    void truncate(std::size_t count)
    {
        if (count < size())
            erase(count, size() - count);
    }
    void clear()
    {
        m_slots.clear();
        m_gapStart = m_gapEnd = 0;
    }

private:
    std::size_t gapLength() const { return m_gapEnd - m_gapStart; }
    std::size_t slotOf(std::size_t i) const { return i < m_gapStart ? i : i + gapLength(); }

    void moveGapTo(std::size_t at)
    {
        if (gapLength() == 0) {
            // Nothing to move (and moving elements onto themselves would empty them).
            m_gapStart = m_gapEnd = at;
        } else if (at < m_gapStart) {
            std::move_backward(m_slots.begin() + static_cast<std::ptrdiff_t>(at),
                               m_slots.begin() + static_cast<std::ptrdiff_t>(m_gapStart),
                               m_slots.begin() + static_cast<std::ptrdiff_t>(m_gapEnd));
            m_gapEnd -= m_gapStart - at;
            m_gapStart = at;
        } else if (at > m_gapStart) {
            const std::size_t count = at - m_gapStart;
            std::move(m_slots.begin() + static_cast<std::ptrdiff_t>(m_gapEnd),
                      m_slots.begin() + static_cast<std::ptrdiff_t>(m_gapEnd + count),
                      m_slots.begin() + static_cast<std::ptrdiff_t>(m_gapStart));
            m_gapStart += count;
            m_gapEnd += count;
        }
    }

    // Grows the gap to hold `count` more elements; the array grows by half its size at
    // least, so that a run of insertions costs a constant time each on average.
    void makeRoom(std::size_t count)
    {
        if (count <= gapLength())
            return;
        const std::size_t used = size();
        const std::size_t gap = std::max(count, used / 2 + 64);
        std::vector<T> grown(used + gap);
        std::move(m_slots.begin(), m_slots.begin() + static_cast<std::ptrdiff_t>(m_gapStart), grown.begin());
        std::move(m_slots.begin() + static_cast<std::ptrdiff_t>(m_gapEnd), m_slots.end(),
                  grown.end() - static_cast<std::ptrdiff_t>(m_slots.size() - m_gapEnd));
        m_gapEnd = m_gapStart + gap;
        m_slots = std::move(grown);
    }

    std::vector<T> m_slots;
    std::size_t m_gapStart = 0;
    std::size_t m_gapEnd = 0;
};

} // namespace orv
