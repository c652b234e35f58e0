// Which flags hold a script: MEL code that the control runs (button -command, checkBox
// -changeCommand, the drag and drop callbacks). The command database types them "String"
// like any text; the Python export must hand them to MEL rather than to Python.
#pragma once

#include <cstddef>
#include <string_view>

namespace orv {

struct ScriptFlagName {
    std::string_view command;
    std::string_view longName;
};

// Generated (tools/gen_script_flags.py) from the 2019 release's facts, sorted by command,
// then long name, in byte order.
extern const ScriptFlagName kScriptFlags[];
extern const std::size_t kScriptFlagCount;

// Whether the flag of that long name of the command holds a script.
bool isScriptFlag(std::string_view command, std::string_view longName);

} // namespace orv
