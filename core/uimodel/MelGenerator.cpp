// Writing the element tree as MEL.
#include "uimodel/MelGenerator.h"

#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "uimodel/MelText.h"

#include <map>

namespace orv {
namespace {

// The typed flags of each command met in one script, looked up once.
using FlagCache = std::map<std::string, std::vector<TypedFlag>, std::less<>>;

const std::vector<TypedFlag>& typedFlags(const std::string& command, FlagCache& cache)
{
    auto it = cache.find(command);
    if (it == cache.end())
        it = cache.emplace(command, CommandTypedFlags(command.c_str())).first;
    return it->second;
}

void trimTrailingWhiteSpace(std::string& out)
{
    const std::size_t end = out.find_last_not_of(" \t\r\n");
    out.erase(end == std::string::npos ? 0 : end + 1);
}

void generate(CUIElement& element, std::string& out, int depth, bool shortFlags, FlagCache& cache)
{
    element.refreshFlags();
    const FlagValueTable& table = element.flags();
    out.append(static_cast<std::size_t>(depth), '\t');
    out += element.command();
    out += ' ';
    for (const TypedFlag& flag : typedFlags(element.command(), cache)) {
        if (flag.position >= kFlagTableSize)
            break;
        const std::string& value = table[flag.position];
        if (value.empty())
            continue;
        out += '-';
        out += shortFlags ? flag.shortName : flag.longName;
        if (flag.typeIndex == mel_type::kString) {
            out += " \"";
            out += escapeMelString(value);
            out += "\" ";
        } else {
            out += ' ';
            out += value;
            out += ' ';
        }
    }
    element.AppendExtraFlags(out, shortFlags);
    trimTrailingWhiteSpace(out);
    out += ";\n";
    for (const auto& child : element.children())
        generate(*child, out, depth + 1, shortFlags, cache);
    if (depth >= 2 && element.IsContainer()) {
        out.append(static_cast<std::size_t>(depth), '\t');
        out += mel_export::kSetParent;
    }
}

} // namespace

void GenerateElementMel(CUIElement& element, std::string& out, int depth, bool shortFlags)
{
    FlagCache cache;
    generate(element, out, depth, shortFlags, cache);
}

std::string GenerateWindowScript(CUIWindow& window, bool shortFlags)
{
    std::string script = std::string(mel_export::kBannerRule) + mel_export::kBannerTitle + mel_export::kBannerRule;
    GenerateElementMel(window, script, 0, shortFlags);
    script += mel_export::kShowWindow;
    return script;
}

} // namespace orv
