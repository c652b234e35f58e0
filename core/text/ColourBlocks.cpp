// The runs of a line's colour blocks, and their text form.
#include "text/ColourBlocks.h"

#include <algorithm>

namespace orv {

std::vector<ColourSpan> colourSpans(const std::vector<ColourBlock>& blocks, int length)
{
    std::vector<ColourSpan> spans;
    int begin = 0;
    int colourClass = colour_class::kNormalText;
    const auto close = [&](int end) {
        end = std::min(end, length);
        if (end > begin)
            spans.push_back({begin, end, colourClass});
    };
    for (const ColourBlock& block : blocks) {
        close(block.pos);
        begin = std::max(begin, std::min(block.pos, length));
        colourClass = block.colourClass;
    }
    close(length);
    return spans;
}

std::string blocksLine(int line, const std::vector<ColourBlock>& blocks)
{
    std::string out = std::to_string(line);
    out += ':';
    for (const ColourBlock& b : blocks) {
        out += ' ';
        out += std::to_string(b.pos);
        out += ':';
        out += std::to_string(b.colourClass);
    }
    return out;
}

} // namespace orv
