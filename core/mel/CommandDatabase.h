// The command database: the colouring's command word list ("MEL Commands.txt") and the
// per-command flag records ("melcmd.dat"), loaded once at start and read-only after.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

inline constexpr int kMaxCommandRecords = 5000;
inline constexpr int kMaxFlagPairs = 256;

struct FlagPair {
    std::int16_t flagIndex = 0;
    std::int16_t typeIndex = 0;  // -1: the flag takes no value
};

struct CommandFlagRecord {
    std::int16_t field0 = 0;
    std::int16_t pairCount = 0;
    std::array<FlagPair, kMaxFlagPairs> pairs{};
};

// What a loader found. `damaged`: the file was read, its valid part kept, the rest ignored.
enum class LoadResult { ok, cannotOpen, damaged };

LoadResult LoadMelCommandWords(const std::string& path);
// The word list from a file's bytes (LoadMelCommandWords once the file is read).
LoadResult ParseMelCommandWords(std::string_view bytes);
void FreeMelCommandWords();
// Whether the first `length` characters of text form a word of the loaded list.
bool IsMelCommandWord(const char* text, int length);
// The loaded words in byte order (empty when no list is loaded), for completion and
// the near-miss checks that need the whole list rather than one lookup.
const std::vector<std::string>& MelCommandWords();

LoadResult LoadMelCommandDatabase(const std::string& path);
// The records from a file's bytes (LoadMelCommandDatabase once the file is read).
LoadResult ParseMelCommandDatabase(std::string_view bytes);
// The record of a command index 0..764; any other index gives an empty record.
const CommandFlagRecord& GetCommandFlagRecord(int commandIndex);

// One flag of a command, as the checks, completion, the property grid and the export see it:
// its two names, its type and, for a flag of the record with a type, its place among the typed
// flags. A flag that only today's command facts know (KnownCommandFlags) has no type index nor
// place and the facts' type words ("float,float,float").
struct CommandFlag {
    std::string_view shortName;  // empty when only today's facts know the flag and not its short name
    std::string_view longName;   // empty for a flag with one name ("-add-")
    int typeIndex = -1;          // -1: the flag takes no value, or only the facts know it
    const char* typeText = "";   // never null
    int position = -1;           // counts the typed flags of the record, from 0; -1 without a type
    int valueCount = 0;          // the values it takes when given; -1 where the type leaves it open
    bool queryOnly = false;      // answers a query and means nothing without -query

    // The name a row or a message shows: the long one, or the short one where there is none.
    std::string_view shownName() const { return longName.empty() ? shortName : longName; }
};

// Every flag of a command in record order, those without a type too; empty for a name the
// command table does not know or a command whose record holds no flag.
std::vector<CommandFlag> CommandFlags(const char* commandName);
// The typed flags of a command in record order (pairs of type -1 skipped).
std::vector<CommandFlag> CommandTypedFlags(const char* commandName);
// The number of values a flag of a type index takes: 0 without a type, -1 where the type
// leaves the count open (a range, a list of any length, a multi-use flag whose words tell no
// count) or the index is outside the type table.
int flagValueCount(int typeIndex);
// The flag that a word (without its dash) names, by short or long name; null when none does.
const CommandFlag* findCommandFlag(const std::vector<CommandFlag>& flags, std::string_view name);

// The two files below an installation folder (joined by plain concatenation).
inline constexpr const char* kMelCommandWordsFile = "/Database/MEL Commands.txt";
inline constexpr const char* kMelCommandDatabaseFile = "/Database/melcmd.dat";

struct MelDatabaseLoad {
    LoadResult words = LoadResult::cannotOpen;
    LoadResult records = LoadResult::cannotOpen;
};

// Start-up's load of both files of an installation folder: the word list, then the records.
MelDatabaseLoad LoadMelDatabases(const std::string& installDir);

} // namespace orv
