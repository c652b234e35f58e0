// "orvante-cli settings": prints the default settings record as hex, 16 bytes a line.
#include "CliCommand.h"

#include "settings/SettingsRecord.h"

#include <cstdio>

namespace orv::cli {
namespace {

int runSettings(const Args& args)
{
    if (!args.empty()) {
        std::fprintf(stderr, "orvante-cli settings: takes no arguments\n");
        return 2;
    }
    SettingsRecord record;
    ResetSettings(record);
    const auto bytes = record.serialize();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        std::printf("%02x%s", bytes[i], (i % 16 == 15 || i + 1 == bytes.size()) ? "\n" : " ");
    return 0;
}

const bool registered = registerCommand({"settings", "(prints the default 116-byte settings record)", runSettings});

} // namespace
} // namespace orv::cli
