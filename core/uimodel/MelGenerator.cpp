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

// "Left out -<flag> of <command> "<name>": ..." with the name escaped, so that the log
// line stays one line whatever the name holds.
std::string leftOutNotice(const CUIElement& element, const TypedFlag& flag)
{
    std::string notice = mel_export::kLeftOutFlag;
    notice += flag.longName.empty() ? flag.shortName : flag.longName;
    notice += mel_export::kLeftOutOf;
    notice += element.command();
    notice += " \"";
    notice += escapeMelString(element.name());
    notice += mel_export::kLeftOutType;
    notice += flag.typeText;
    notice += mel_export::kLeftOutEnd;
    return notice;
}

struct Generation {
    bool shortFlags = false;
    FlagCache cache;
    std::vector<std::string>* leftOut = nullptr;
};

void generate(CUIElement& element, std::string& out, int depth, Generation& run)
{
    element.refreshFlags();
    const FlagValueTable& table = element.flags();
    out.append(static_cast<std::size_t>(depth), '\t');
    out += element.command();
    out += ' ';
    for (const TypedFlag& flag : typedFlags(element.command(), run.cache)) {
        if (flag.position >= kFlagTableSize)
            break;
        const std::string& value = table[flag.position];
        if (value.empty())
            continue;
        const bool quoted = flag.typeIndex == mel_type::kString;
        if (!quoted && !isBareFlagValue(value, flag.typeText)) {
            if (run.leftOut)
                run.leftOut->push_back(leftOutNotice(element, flag));
            continue;
        }
        out += '-';
        out += run.shortFlags ? flag.shortName : flag.longName;
        if (quoted) {
            out += " \"";
            out += escapeMelString(value);
            out += "\" ";
        } else {
            out += ' ';
            out += value;
            out += ' ';
        }
    }
    element.AppendExtraFlags(out, run.shortFlags);
    trimTrailingWhiteSpace(out);
    out += ";\n";
    for (const auto& child : element.children())
        generate(*child, out, depth + 1, run);
    if (depth >= 2 && element.IsContainer()) {
        out.append(static_cast<std::size_t>(depth), '\t');
        out += mel_export::kSetParent;
    }
}

} // namespace

void GenerateElementMel(CUIElement& element, std::string& out, int depth, bool shortFlags,
                        std::vector<std::string>* leftOut)
{
    Generation run{shortFlags, {}, leftOut};
    generate(element, out, depth, run);
}

std::string GenerateWindowScript(CUIWindow& window, bool shortFlags, std::vector<std::string>* leftOut)
{
    std::string script = std::string(mel_export::kBannerRule) + mel_export::kBannerTitle + mel_export::kBannerRule;
    GenerateElementMel(window, script, 0, shortFlags, leftOut);
    script += mel_export::kShowWindow;
    return script;
}

} // namespace orv
