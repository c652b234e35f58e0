// "orvante-cli flags COMMAND [--database FOLDER]": the typed flags of a MEL command as the
// property grid lists them, from an installation folder's melcmd.dat.
#include "CliCommand.h"

#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"

#include <cstdio>

namespace orv::cli {
namespace {

int runFlags(const Args& args)
{
    std::string command;
    std::string installDir = installFolder();
    bool haveCommand = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--database") {
            if (i + 1 == args.size()) {
                std::fprintf(stderr, "orvante-cli flags: --database needs a folder\n");
                return 2;
            }
            installDir = args[++i];
        } else if (!haveCommand) {
            command = args[i];
            haveCommand = true;
        } else {
            std::fprintf(stderr, "orvante-cli flags: unexpected argument \"%s\"\n", args[i].c_str());
            return 2;
        }
    }
    if (!haveCommand) {
        std::fprintf(stderr, "orvante-cli flags: name a MEL command\n");
        return 2;
    }
    if (FindMelCommand(command.c_str()) < 0) {
        std::fprintf(stderr, "orvante-cli flags: \"%s\" is not a command of the table\n", command.c_str());
        return 1;
    }
    const std::string path = installDir + kMelCommandDatabaseFile;
    switch (LoadMelCommandDatabase(path)) {
    case LoadResult::cannotOpen:
        std::fprintf(stderr, "orvante-cli flags: cannot open \"%s\"\n", path.c_str());
        return 1;
    case LoadResult::damaged:
        std::fprintf(stderr, "orvante-cli flags: \"%s\" is damaged; showing what it holds\n", path.c_str());
        break;
    case LoadResult::ok:
        break;
    }
    for (const CommandFlag& flag : CommandTypedFlags(command.c_str()))
        std::printf("%d\t-%s\t-%s\t%s\n", flag.position, std::string(flag.shortName).c_str(),
                    std::string(flag.longName).c_str(), flag.typeText);
    return 0;
}

const bool registered = registerCommand(
    {"flags", "COMMAND [--database INSTALL_FOLDER]  (the command's typed flags: position, short, long, type)",
     runFlags});

} // namespace
} // namespace orv::cli
