// The one source of chance of a random run: every choice is drawn from it in a fixed order, so
// the same seed makes the same choices again.
#pragma once

#include <QList>

#include <cstdint>
#include <random>

namespace orv::test {

class Dice {
public:
    explicit Dice(std::uint64_t seed) : m_engine(seed) {}

    // 0 .. count - 1; 0 when count is not positive.
    int below(int count)
    {
        if (count <= 1)
            return 0;
        return static_cast<int>(std::uniform_int_distribution<int>(0, count - 1)(m_engine));
    }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

    template <typename T>
    const T& pick(const QList<T>& items)
    {
        return items[below(static_cast<int>(items.size()))];
    }

    // The index of a weight, each drawn in proportion to its size.
    int weighted(const QList<int>& weights)
    {
        int total = 0;
        for (int weight : weights)
            total += weight;
        int draw = below(total);
        for (int index = 0; index < weights.size(); ++index) {
            if (draw < weights[index])
                return index;
            draw -= weights[index];
        }
        return 0;
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace orv::test
