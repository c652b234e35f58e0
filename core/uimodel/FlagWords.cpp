// The table of flags whose values are words of a list.
#include "uimodel/FlagWords.h"

namespace orv {
namespace {

namespace ss = separator_style;
constexpr std::string_view kSeparatorStyles[] = {ss::none,       ss::single, ss::doubleLine, ss::singleDash,
                                                  ss::doubleDash, ss::in,     ss::out};

struct FlagWordList {
    std::string_view command;
    std::string_view longName;
    std::span<const std::string_view> words;
};

constexpr FlagWordList kLists[] = {
    {"separator", "style", kSeparatorStyles},
};

} // namespace

std::span<const std::string_view> flagWords(std::string_view command, std::string_view longName)
{
    for (const FlagWordList& list : kLists)
        if (list.command == command && list.longName == longName)
            return list.words;
    return {};
}

} // namespace orv
