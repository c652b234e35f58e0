// Today's MEL vocabulary beside the built-in tables: the commands of the 2019 and recent
// releases with their flags (names, argument types, query and edit modes, multi-use), and the
// language's built-in functions and shipped procedures. Compiled in, read-only; the built-in
// tables and the command database keep deciding what they define.
#pragma once

#include "mel/CommandDatabase.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace orv {

namespace command_release {
inline constexpr std::uint8_t k2019 = 1;
inline constexpr std::uint8_t kRecent = 2;
inline constexpr std::uint8_t kFunction = 4;  // a built-in function or shipped procedure
} // namespace command_release

namespace flag_mode {
inline constexpr std::uint8_t kQuery = 1;
inline constexpr std::uint8_t kEdit = 2;
inline constexpr std::uint8_t kQueryOnly = 4;    // answers a query, means nothing otherwise
inline constexpr std::uint8_t kMultiUse = 8;
inline constexpr std::uint8_t kEditUnknown = 16; // known from the recent release alone
} // namespace flag_mode

struct FactFlag {
    std::string_view shortName;  // empty when no release tells it
    std::string_view longName;
    std::string_view arguments;  // "float,float,float"; empty for a flag without a value
    std::uint8_t modes = 0;      // flag_mode bits
};

struct CommandFact {
    std::string_view name;
    std::uint8_t releases = 0;   // command_release bits
    std::vector<FactFlag> flags; // by long name in byte order
};

// The facts of a command or function (case-sensitive), or null.
const CommandFact* FindCommandFact(std::string_view name);
// Whether a name is a command or function of these facts (without unpacking any flag).
bool IsCommandFactName(std::string_view name);
// Every command and function name, in byte order.
std::span<const std::string_view> CommandFactNames();
// Whether a word (without its dash) is the short or long name of a flag of any command.
bool IsCommandFactFlag(std::string_view word);
// The number of values a flag of these facts takes when it is given: -1 where the facts leave
// it open (a boolean may be written with or without its value, a list or a range any length).
int factValueCount(std::string_view arguments);

// Every flag of a command as the checks and completion see it: those of its record in the
// database in record order, then those that only today's command facts know. Where both know a
// flag and disagree on its value count, the smaller count holds (a false alarm costs more than a
// missed fault). Empty for a name that neither knows, or a command of the table whose record
// holds no flag and that the facts lack.
std::vector<CommandFlag> KnownCommandFlags(std::string_view command);
// Whether a word may be the short name of a flag whose short name no fact tells: its letters
// appear in that order in the long name, the first one first (-sbm for -statusBarMessage).
bool mayBeUntoldShortName(const std::vector<CommandFlag>& flags, std::string_view word);

} // namespace orv
