// orvante-cli: dispatches to the registered commands.
#include "CliCommand.h"

#include "settings/AppSettings.h"
#include "settings/InstallFolder.h"
#include "version/Version.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace orv::cli {

namespace {
std::vector<CliCommand>& registry()
{
    static std::vector<CliCommand> all;
    return all;
}
} // namespace

bool registerCommand(const CliCommand& command)
{
    registry().push_back(command);
    std::sort(registry().begin(), registry().end(),
              [](const CliCommand& a, const CliCommand& b) { return std::string_view(a.name) < b.name; });
    return true;
}

const std::vector<CliCommand>& commands()
{
    return registry();
}

std::string installFolder()
{
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string executableFolder = ec ? std::string(".") : self.parent_path().string();
    return findInstallFolder(profile_names::kDefaultInstallDir, executableFolder).path;
}

} // namespace orv::cli

namespace {
void printUsage(std::FILE* to)
{
    std::fprintf(to, "usage: orvante-cli COMMAND [ARGS]\n\ncommands:\n");
    for (const auto& c : orv::cli::commands())
        std::fprintf(to, "  %s %s\n", c.name, c.usage);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(stdout);
        return 0;
    }
    if (name == "--version") {
        std::printf("orvante-cli " ORVANTE_VERSION "\n");
        return 0;
    }
    for (const auto& c : orv::cli::commands()) {
        if (name == c.name)
            return c.run(orv::cli::Args(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "orvante-cli: unknown command \"%s\" (try --help)\n", argv[1]);
    return 2;
}
