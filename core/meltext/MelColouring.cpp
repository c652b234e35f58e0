// The MEL line colouring, step by step: comments, strings and "#" lines first, then words
// classified as keywords, command words (the word list's, then today's commands and built-in
// functions) and flags.
#include "meltext/MelColouring.h"

#include "text/CharClass.h"

#include "mel/CommandDatabase.h"
#include "mel/CommandFacts.h"
#include "mel/MelVocabulary.h"

#include <algorithm>

namespace orv {

namespace {

using namespace line_state;

// A MEL word for the colouring also holds dots ("a.b", "3.5").
constexpr bool isMelWordChar(char c)
{
    return isWordChar(c) || c == '.';
}

int classOfState(std::uint32_t state)
{
    if (state & (kLineComment | kBlockComment))
        return colour_class::kComment;
    if (state & (kDoubleQuoted | kSingleQuoted))
        return colour_class::kString;
    if (state & kHashLine)
        return colour_class::kHashLine;
    return colour_class::kNormalText;
}

// A block list that never holds a block before its predecessor; a block at the same
// position is added and hides the one before it.
class BlockList {
public:
    explicit BlockList(std::vector<ColourBlock>* blocks) : m_blocks(blocks) {}
    void add(int pos, int colourClass)
    {
        if (m_blocks && (m_blocks->empty() || m_blocks->back().pos <= pos))
            m_blocks->push_back({pos, colourClass});
    }

private:
    std::vector<ColourBlock>* m_blocks;
};

// The word list and the built-in flag table decide first; today's command facts colour what
// they do not know (the built-in functions, newer commands and flags).
void classifyWord(std::string_view line, int start, int length, BlockList& blocks)
{
    const char* word = line.data() + start;
    const std::string_view text(word, static_cast<std::size_t>(length));
    const bool afterDash = start > 0 && line[static_cast<std::size_t>(start - 1)] == '-';
    if (IsMelKeyword(word, length))
        blocks.add(start, colour_class::kKeyword);
    else if (IsMelCommandWord(word, length))
        blocks.add(start, colour_class::kCommand);
    else if (afterDash && (IsMelFlag(word, length) || IsCommandFactFlag(text)))
        blocks.add(start, colour_class::kFlag);
    else if (!afterDash && IsCommandFactName(text))
        blocks.add(start, colour_class::kCommand);
}

// The closing quote of a string: not one escaped by the character before it.
bool closesString(std::string_view line, int i, char quote)
{
    return line[static_cast<std::size_t>(i)] == quote && (i == 0 || line[static_cast<std::size_t>(i - 1)] != '\\');
}

} // namespace

std::uint32_t ParseMelLine(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks,
                           bool colouring)
{
    const int length = static_cast<int>(line.size());
    if (length <= 0)
        return state & kBlockComment;
    if (!colouring)
        return 0;

    BlockList list(blocks);
    const bool wantWords = blocks != nullptr;
    bool atLineStart = (state & ~kBlockComment) == 0;
    int wordStart = -1;
    bool redefine = true;
    bool backOne = false;
    const auto at = [&line](int k) { return line[static_cast<std::size_t>(k)]; };
    const auto pairEndsAt = [&](int i, char first, char second) { return i > 0 && at(i) == second && at(i - 1) == first; };

    int i = 0;
    for (;; ++i) {
        if (redefine) {
            // After a word the block goes back to the character that ended it.
            list.add(backOne ? i - 1 : i, classOfState(state));
            redefine = backOne = false;
        }
        if (i == length)
            break;
        const char c = at(i);
        if (state & kLineComment) {
            list.add(i, colour_class::kComment);
            break;
        }
        if (state & kDoubleQuoted) {
            if (closesString(line, i, '"')) {
                state &= ~kDoubleQuoted;
                redefine = true;
            }
            continue;
        }
        if (state & kSingleQuoted) {
            if (closesString(line, i, '\'')) {
                state &= ~kSingleQuoted;
                redefine = true;
            }
            continue;
        }
        if (state & kBlockComment) {
            if (pairEndsAt(i, '*', '/')) {
                state &= ~kBlockComment;
                redefine = true;
            }
            continue;
        }
        if (pairEndsAt(i, '/', '/')) {
            list.add(i - 1, colour_class::kComment);
            state |= kLineComment;
            break;
        }
        if (state & kHashLine) {
            if (pairEndsAt(i, '/', '*')) {
                list.add(i - 1, colour_class::kComment);
                state |= kBlockComment;
            }
            continue;
        }
        if (c == '"' || c == '\'') {
            list.add(i, colour_class::kString);
            state |= c == '"' ? kDoubleQuoted : kSingleQuoted;
            continue;
        }
        if (pairEndsAt(i, '/', '*')) {
            list.add(i - 1, colour_class::kComment);
            state |= kBlockComment;
            continue;
        }
        if (atLineStart) {
            if (c == '#') {
                list.add(i, colour_class::kHashLine);
                state |= kHashLine;
                continue;
            }
            if (!isBlankChar(c))
                atLineStart = false;
        }
        if (!wantWords)
            continue;
        if (isMelWordChar(c)) {
            if (wordStart == -1)
                wordStart = i;
        } else if (wordStart >= 0) {
            classifyWord(line, wordStart, i - wordStart, list);
            redefine = backOne = true;
            wordStart = -1;
        }
    }
    if (wordStart >= 0)
        classifyWord(line, wordStart, i - wordStart, list);
    // Only an open block comment reaches the next line, unless the line ends in a backslash.
    if (line.back() != '\\')
        state &= kBlockComment;
    return state;
}

ColorRef ColorOf(int colourClass, const SettingsRecord& settings, ColorRef windowColor)
{
    using namespace colour_class;
    switch (colourClass) {
    case kWhiteSpace:
    case kBackground: return windowColor;
    case kNormalText:
    case kUnusedDefault: return settings.colorDefault;
    case kSelectionMargin: return kButtonFaceColor;
    case kSelectionBackground:
    case kUnusedBlack: return 0x000000;
    case kSelectedText: return 0xFFFFFF;
    case kKeyword: return settings.colorKeywords;
    case kComment: return settings.colorComments;
    case colour_class::kHashLine: return kHashLineColor;
    case kCommand: return settings.colorCommands;
    case kFlag: return settings.colorFlags;
    default: return settings.colorStrings;
    }
}

std::uint32_t colourMelLine(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks,
                            const SettingsRecord& settings)
{
    return ParseMelLine(state, line, blocks, settings.syntaxColoring());
}

LineStateCache::LineColourer melLineColourer(const SettingsRecord& settings)
{
    return [&settings](std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks) {
        return colourMelLine(state, line, blocks, settings);
    };
}

} // namespace orv
