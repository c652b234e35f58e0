// The lookups over the generated table of today's vocabulary; a command's flags are unpacked at
// its first lookup, so that neither start-up nor a short check pays for the whole table.
#include "mel/CommandFacts.h"

#include "mel/CommandFactsTable.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace orv {
namespace {

using namespace command_facts;

std::string_view textAt(std::uint32_t at, std::uint8_t length)
{
    return {kText + at, length};
}

const std::vector<std::string_view>& names()
{
    static const auto all = [] {
        std::vector<std::string_view> list;
        list.reserve(kCommandCount);
        for (std::size_t i = 0; i < kCommandCount; ++i)
            list.push_back(textAt(kCommands[i].nameAt, kCommands[i].nameLength));
        return list;
    }();
    return all;
}

CommandFact unpack(std::size_t index)
{
    const CommandRow& row = kCommands[index];
    CommandFact fact{names()[index], row.releases, {}};
    fact.flags.reserve(row.flagCount);
    for (std::size_t f = row.firstFlag; f < row.firstFlag + row.flagCount; ++f) {
        const FlagRow& flag = kFlags[f];
        fact.flags.push_back({textAt(flag.shortAt, flag.shortLength), textAt(flag.longAt, flag.longLength),
                              textAt(flag.argumentsAt, flag.argumentsLength), flag.bits});
    }
    return fact;
}

} // namespace

const CommandFact* FindCommandFact(std::string_view name)
{
    // Each command is unpacked at its first lookup, once whichever thread asks first.
    struct Slot {
        std::once_flag once;
        std::optional<CommandFact> fact;
    };
    static const std::unique_ptr<Slot[]> slots(new Slot[kCommandCount]);
    const auto& all = names();
    const auto it = std::lower_bound(all.begin(), all.end(), name);
    if (it == all.end() || *it != name)
        return nullptr;
    const auto index = static_cast<std::size_t>(it - all.begin());
    Slot& slot = slots[index];
    std::call_once(slot.once, [&slot, index] { slot.fact = unpack(index); });
    return &*slot.fact;
}

bool IsCommandFactName(std::string_view name)
{
    return std::binary_search(names().begin(), names().end(), name);
}

std::span<const std::string_view> CommandFactNames()
{
    return names();
}

bool IsCommandFactFlag(std::string_view word)
{
    const NameRow* end = kFlagNames + kFlagNameCount;
    const NameRow* it = std::lower_bound(kFlagNames, end, word, [](const NameRow& row, std::string_view w) {
        return textAt(row.at, row.length) < w;
    });
    return it != end && textAt(it->at, it->length) == word;
}

int factValueCount(std::string_view arguments)
{
    if (arguments.empty())
        return 0;
    if (arguments == "boolean" || arguments.find('[') != std::string_view::npos ||
        arguments.find("range") != std::string_view::npos)
        return -1;
    return static_cast<int>(std::count(arguments.begin(), arguments.end(), ',')) + 1;
}

namespace {

// The smaller of two value counts, an open count (-1) being the smallest.
int smallerCount(int a, int b)
{
    return (a < 0 || b < 0) ? -1 : std::min(a, b);
}

void addFacts(const CommandFact& fact, std::vector<CommandFlag>& flags)
{
    const auto fromRecord = static_cast<std::ptrdiff_t>(flags.size());
    for (const FactFlag& f : fact.flags) {
        const int count = factValueCount(f.arguments);
        const bool queryOnly = (f.modes & flag_mode::kQueryOnly) != 0;
        auto same = std::find_if(flags.begin(), flags.begin() + fromRecord, [&f](const CommandFlag& c) {
            return f.longName.empty() ? c.shortName == f.shortName && c.longName.empty() : c.longName == f.longName;
        });
        if (same == flags.begin() + fromRecord) {
            // The facts' texts each end with a NUL, so the type words are a C string too.
            flags.push_back({f.shortName, f.longName, -1, f.arguments.data(), -1, count < 0 ? -1 : count, queryOnly});
            continue;
        }
        // A boolean of the facts may be written without its value: the record tells.
        if (f.arguments != "boolean")
            same->valueCount = smallerCount(same->valueCount, count);
        if (same->shortName.empty())
            same->shortName = f.shortName;
        same->queryOnly = queryOnly;
    }
}

} // namespace

std::vector<CommandFlag> KnownCommandFlags(std::string_view command)
{
    std::vector<CommandFlag> flags = CommandFlags(std::string(command).c_str());
    if (const CommandFact* fact = FindCommandFact(command))
        addFacts(*fact, flags);
    return flags;
}

bool mayBeUntoldShortName(const std::vector<CommandFlag>& flags, std::string_view word)
{
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    for (const CommandFlag& flag : flags) {
        if (!flag.shortName.empty() || flag.longName.empty() || word.empty() || lower(word[0]) != lower(flag.longName[0]))
            continue;
        std::size_t at = 1;
        for (std::size_t i = 1; i < flag.longName.size() && at < word.size(); ++i)
            if (lower(flag.longName[i]) == lower(word[at]))
                ++at;
        if (at == word.size())
            return true;
    }
    return false;
}

} // namespace orv
