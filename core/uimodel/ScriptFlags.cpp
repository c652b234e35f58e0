// Looking a flag up in the generated table of script flags.
#include "uimodel/ScriptFlags.h"

#include <algorithm>
#include <tuple>

namespace orv {

bool isScriptFlag(std::string_view command, std::string_view longName)
{
    const auto key = [](const ScriptFlagName& flag) { return std::tie(flag.command, flag.longName); };
    const ScriptFlagName wanted{command, longName};
    const ScriptFlagName* end = kScriptFlags + kScriptFlagCount;
    const ScriptFlagName* found = std::lower_bound(
        kScriptFlags, end, wanted, [&](const ScriptFlagName& a, const ScriptFlagName& b) { return key(a) < key(b); });
    return found != end && key(*found) == key(wanted);
}

} // namespace orv
