// Reading and writing the items of a multi-use text flag's value.
#include "propgrid/MultiValueItems.h"

#include "uimodel/MelText.h"

#include <cctype>

namespace orv {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Undoes escapeMelString from just after the opening quote; pos ends after the closing one.
std::string readLiteral(std::string_view value, std::size_t& pos)
{
    std::string item;
    while (pos < value.size() && value[pos] != '"') {
        char c = value[pos++];
        if (c == '\\' && pos < value.size()) {
            c = value[pos++];
            if (c == 'n')
                c = '\n';
            else if (c == 'r')
                c = '\r';
            else if (c == 't')
                c = '\t';
            else if (c == 'x' && pos + 1 < value.size() && hexDigit(value[pos]) >= 0 && hexDigit(value[pos + 1]) >= 0) {
                c = static_cast<char>(hexDigit(value[pos]) * 16 + hexDigit(value[pos + 1]));
                pos += 2;
            }
        }
        item += c;
    }
    if (pos < value.size())
        ++pos;
    return item;
}

} // namespace

std::vector<std::string> splitMultiValue(std::string_view value)
{
    std::vector<std::string> items;
    std::size_t pos = 0;
    while (true) {
        while (pos < value.size() && isBlank(value[pos]))
            ++pos;
        if (pos == value.size())
            return items;
        if (value[pos] == '"') {
            ++pos;
            items.push_back(readLiteral(value, pos));
        } else {
            const std::size_t start = pos;
            while (pos < value.size() && !isBlank(value[pos]))
                ++pos;
            items.emplace_back(value.substr(start, pos - start));
        }
    }
}

std::string joinMultiValue(const std::vector<std::string>& items)
{
    std::string value;
    for (const std::string& item : items) {
        if (!value.empty())
            value += ' ';
        value += '"';
        value += escapeMelString(item);
        value += '"';
    }
    return value;
}

} // namespace orv
