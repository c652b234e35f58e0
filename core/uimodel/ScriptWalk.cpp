// Choosing the calls and flags of the element tree.
#include "uimodel/ScriptWalk.h"

#include "mel/MelVocabulary.h"
#include "uimodel/CUIElement.h"
#include "uimodel/ElementNames.h"
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

// "Left out the name of <command> "<name>": ..." with the name escaped.
std::string leftOutNameNotice(const CUIElement& element)
{
    std::string notice = mel_export::kLeftOutName;
    notice += element.command();
    notice += " \"";
    notice += escapeMelString(element.name());
    notice += mel_export::kLeftOutNameEnd;
    return notice;
}

struct Walk {
    ScriptOptions options;
    ScriptWriter& writer;
    std::vector<std::string>* leftOut = nullptr;
    FlagCache cache;
};

void walk(const CUIElement& element, int depth, Walk& run)
{
    // What the element would store now, geometry included; the element keeps its own table.
    FlagValueTable table;
    element.StoreFlags(table);
    run.writer.beginCall(element.command(), depth);
    for (const TypedFlag& flag : typedFlags(element.command(), run.cache)) {
        if (flag.position >= kFlagTableSize)
            break;
        const std::string& value = table[flag.position];
        if (value.empty())
            continue;
        const std::string& name = run.options.shortFlags ? flag.shortName : flag.longName;
        if (flag.typeIndex == mel_type::kString) {
            run.writer.addFlag(flag, name, value);
            continue;
        }
        const std::vector<std::string_view> uses = flagUses(value, flag.typeText);
        if (uses.empty() && run.leftOut)
            run.leftOut->push_back(leftOutNotice(element, flag));
        for (const std::string_view use : uses)
            run.writer.addFlag(flag, name, std::string(use));
    }
    element.AppendExtraFlags(run.writer, run.options.shortFlags);
    const bool named = run.options.writeNames && isMelName(element.name());
    if (run.options.writeNames && !named && run.leftOut)
        run.leftOut->push_back(leftOutNameNotice(element));
    run.writer.endCall(named ? element.name() : std::string());
    for (const auto& child : element.children())
        walk(*child, depth + 1, run);
    if (depth >= 2 && element.IsContainer())
        run.writer.closeContainer(depth);
}

} // namespace

std::string withName(const char* pattern, const std::string& name)
{
    std::string out = pattern;
    for (std::size_t at = out.find("%s"); at != std::string::npos; at = out.find("%s", at + name.size()))
        out.replace(at, 2, name);
    return out;
}

void WalkElementScript(const CUIElement& element, int depth, const ScriptOptions& options, ScriptWriter& writer,
                       std::vector<std::string>* leftOut)
{
    Walk run{options, writer, leftOut, {}};
    walk(element, depth, run);
}

} // namespace orv
