// The name a misspelt word most likely meant: the nearest of a set of names by edit
// distance, offered only when it is close and no other name is as close.
#pragma once

#include <string_view>

namespace orv {

// Edits (insert, delete, replace, swap of two neighbours) that turn `a` into `b`, counted up
// to `bound`: any larger distance reads as bound + 1.
int editDistance(std::string_view a, std::string_view b, int bound);

// The edits a word may be away from a name and still be taken for it: one for short words,
// where two edits reach almost any other short name, two for longer ones.
int nearEnoughDistance(std::string_view word);

// Collects the names near a word. Several names may stand for one thing (a flag's short and
// long name): they share an owner, and a tie between them is no ambiguity.
class NearestName {
public:
    NearestName(std::string_view word, int maxDistance) : m_word(word), m_maxDistance(maxDistance) {}

    void consider(std::string_view name, int owner);
    // The owner of the nearest name, or -1 when no name is near enough or two owners are.
    int owner() const { return m_ambiguous ? -1 : m_owner; }
    std::string_view name() const { return m_ambiguous ? std::string_view() : m_name; }
    // Whether some name was near enough, even if no single owner can be told.
    bool found() const { return m_owner >= 0; }

private:
    std::string_view m_word;
    int m_maxDistance;
    int m_distance = 0;
    int m_owner = -1;
    std::string_view m_name;
    bool m_ambiguous = false;
};

} // namespace orv
