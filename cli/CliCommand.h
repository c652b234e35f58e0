// The registry of orvante-cli's commands: each source file adds its own at start-up.
#pragma once

#include <string>
#include <vector>

namespace orv::cli {

using Args = std::vector<std::string>;

struct CliCommand {
    const char* name;
    const char* usage;   // one line: the arguments after the command's name
    int (*run)(const Args& args);  // the exit code
};

// Registers a command; call from a namespace-scope object's initialiser.
bool registerCommand(const CliCommand& command);
const std::vector<CliCommand>& commands();

// The installation folder the database is read below: the executable's own folder when it
// holds a Database, else the installed data folder.
std::string installFolder();

} // namespace orv::cli
