// "melcmd.dat" of any bytes: loading never reads or writes out of bounds, every record kept
// indexes inside the tables, and the typed-flag query works on whatever was kept.
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const orv::LoadResult result =
        orv::ParseMelCommandDatabase(std::string_view(reinterpret_cast<const char*>(data), size));
    if (result == orv::LoadResult::cannotOpen)
        std::abort();
    for (int k = 0; k < orv::kMelCommandCount; ++k) {
        const orv::CommandFlagRecord& record = orv::GetCommandFlagRecord(k);
        if (record.pairCount < 0 || record.pairCount > orv::kMaxFlagPairs)
            std::abort();
        for (int j = 0; j < record.pairCount; ++j) {
            const orv::FlagPair& pair = record.pairs[static_cast<std::size_t>(j)];
            if (pair.flagIndex < 0 || pair.flagIndex >= orv::kMelFlagCount || pair.typeIndex < -1
                || pair.typeIndex >= orv::kMelFlagTypeCount)
                std::abort();
        }
    }
    for (const char* command : {"about", "addAttr", "button", "window", "xform"}) {
        for (const orv::CommandFlag& flag : orv::CommandTypedFlags(command)) {
            if (flag.typeText == nullptr || flag.shortName.empty())
                std::abort();
        }
    }
    return 0;
}
