// Caret notation of control bytes.
#include "VisibleText.h"

namespace orv::cli {

bool isControl(unsigned char u)
{
    return (u < 0x20 && u != '\t') || u == 0x7F;
}

void appendCaret(std::string& out, unsigned char u)
{
    out += '^';
    out += static_cast<char>(u == 0x7F ? '?' : u + '@');
}

void appendVisible(std::string& out, std::string_view text)
{
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (isControl(u))
            appendCaret(out, u);
        else
            out += c;
    }
}

std::string visible(std::string_view text)
{
    std::string out;
    appendVisible(out, text);
    return out;
}

} // namespace orv::cli
