// Bounded edit distance and the choice of the one nearest name.
#include "melparse/NearestName.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace orv {

namespace {

// Whether one insert, delete, replace or swap of neighbours turns a into b (a != b): the
// common case of the command word check, in one pass and without a table.
bool oneEditApart(std::string_view a, std::string_view b)
{
    if (a.size() < b.size())
        std::swap(a, b);
    std::size_t i = 0;
    while (i < b.size() && a[i] == b[i])
        ++i;
    if (a.size() > b.size())
        return a.substr(i + 1) == b.substr(i);
    if (a.substr(i + 1) == b.substr(i + 1))
        return true;
    return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] && a.substr(i + 2) == b.substr(i + 2);
}

} // namespace

int editDistance(std::string_view a, std::string_view b, int bound)
{
    const int n = static_cast<int>(a.size());
    const int m = static_cast<int>(b.size());
    if (n - m > bound || m - n > bound)
        return bound + 1;
    if (a == b)
        return 0;
    if (bound <= 1)
        return bound == 1 && oneEditApart(a, b) ? 1 : bound + 1;
    // Three rows of the optimal string alignment table: the swap looks two rows back.
    std::vector<int> before(static_cast<std::size_t>(m) + 1);
    std::vector<int> previous(static_cast<std::size_t>(m) + 1);
    std::vector<int> current(static_cast<std::size_t>(m) + 1);
    for (int j = 0; j <= m; ++j)
        previous[static_cast<std::size_t>(j)] = j;
    for (int i = 1; i <= n; ++i) {
        current[0] = i;
        int rowBest = i;
        for (int j = 1; j <= m; ++j) {
            const auto J = static_cast<std::size_t>(j);
            const int replace = previous[J - 1] + (a[static_cast<std::size_t>(i - 1)] == b[J - 1] ? 0 : 1);
            int best = std::min({previous[J] + 1, current[J - 1] + 1, replace});
            if (i > 1 && j > 1 && a[static_cast<std::size_t>(i - 1)] == b[J - 2] &&
                a[static_cast<std::size_t>(i - 2)] == b[J - 1])
                best = std::min(best, before[J - 2] + 1);
            current[J] = best;
            rowBest = std::min(rowBest, best);
        }
        if (rowBest > bound)
            return bound + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[static_cast<std::size_t>(m)], bound + 1);
}

int nearEnoughDistance(std::string_view word)
{
    constexpr std::size_t kShortWord = 4;
    return word.size() <= kShortWord ? 1 : 2;
}

void NearestName::consider(std::string_view name, int owner)
{
    const int limit = m_owner < 0 ? m_maxDistance : m_distance;
    const int distance = editDistance(m_word, name, limit);
    if (distance > limit || distance == 0)
        return;
    if (m_owner < 0 || distance < m_distance) {
        m_distance = distance;
        m_owner = owner;
        m_name = name;
        m_ambiguous = false;
    } else if (owner != m_owner) {
        m_ambiguous = true;
    }
}

} // namespace orv
