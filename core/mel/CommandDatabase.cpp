// The command database: loads "MEL Commands.txt" and "melcmd.dat" defensively (any file
// shape loads without reading or writing out of bounds) and answers the lookups over them.
#include "mel/CommandDatabase.h"

#include "files/FileReader.h"
#include "mel/MelVocabulary.h"
#include "mel/MelWordCompare.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

namespace orv {

namespace {

// The list's count is a signed 16-bit number and the reading buffer holds 255 characters.
constexpr std::size_t kMaxCommandWords = std::numeric_limits<std::int16_t>::max();
constexpr std::size_t kMaxWordLength = 255;
// Room for the most words of the longest length, each on its own CR LF line.
constexpr std::size_t kMaxWordListBytes = kMaxCommandWords * (kMaxWordLength + 2);
constexpr std::size_t kRecordHeaderBytes = 4;
constexpr std::size_t kPairBytes = 4;
// The largest well-formed melcmd.dat; reading stops one byte past it.
constexpr std::size_t kMaxDatabaseBytes =
    2 + kMaxCommandRecords * (kRecordHeaderBytes + kMaxFlagPairs * kPairBytes);

struct CommandWords {
    bool present = false;
    std::vector<std::string> words;
};

CommandWords& commandWords()
{
    static CommandWords list;
    return list;
}

// The records the file holds (at most kMaxCommandRecords); a command past them has none.
std::vector<CommandFlagRecord>& commandRecords()
{
    static std::vector<CommandFlagRecord> records;
    return records;
}

// The file's bytes, at most `limit` of them; nothing when it cannot be opened or read, or
// is not a regular file (a pipe as the database would hang every start).
std::optional<std::string> readFile(const std::string& path, std::size_t limit)
{
    std::string error;
    return readFileStart(path, limit, error);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads little-endian 16-bit numbers from a byte string, refusing to pass its end.
class LittleEndianReader {
public:
    explicit LittleEndianReader(std::string_view bytes) : m_bytes(bytes) {}

    bool read(std::int16_t& value)
    {
        if (m_bytes.size() - m_offset < 2)
            return false;
        const auto low = static_cast<unsigned char>(m_bytes[m_offset]);
        const auto high = static_cast<unsigned char>(m_bytes[m_offset + 1]);
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
        m_offset += 2;
        return true;
    }
    bool atEnd() const { return m_offset == m_bytes.size(); }

private:
    std::string_view m_bytes;
    std::size_t m_offset = 0;
};

bool validPair(const FlagPair& pair)
{
    return pair.flagIndex >= 0 && pair.flagIndex < kMelFlagCount
        && pair.typeIndex >= mel_type::kNone && pair.typeIndex < kMelFlagTypeCount;
}

// Reads one record into `record`; false when the file ends inside it or breaks its limits.
bool readRecord(LittleEndianReader& reader, CommandFlagRecord& record, bool& truncated)
{
    std::int16_t pairCount = 0;
    if (!reader.read(record.field0) || !reader.read(pairCount)) {
        truncated = true;
        return false;
    }
    bool sound = pairCount >= 0 && pairCount <= kMaxFlagPairs;
    const int pairsInFile = std::max<int>(pairCount, 0);
    int kept = 0;
    for (int j = 0; j < pairsInFile; ++j) {
        FlagPair pair;
        if (!reader.read(pair.flagIndex) || !reader.read(pair.typeIndex)) {
            truncated = true;
            sound = false;
            break;
        }
        if (j >= kMaxFlagPairs || !validPair(pair)) {
            sound = false;
            continue;
        }
        record.pairs[static_cast<std::size_t>(kept++)] = pair;
    }
    record.pairCount = static_cast<std::int16_t>(kept);
    return sound;
}

} // namespace

LoadResult LoadMelCommandWords(const std::string& path)
{
    FreeMelCommandWords();
    const std::optional<std::string> bytes = readFile(path, kMaxWordListBytes + 1);
    if (!bytes)
        return LoadResult::cannotOpen;
    if (bytes->size() > kMaxWordListBytes) {
        // Larger than any list the lookups could hold: keep the words of its first part.
        ParseMelCommandWords(std::string_view(*bytes).substr(0, bytes->rfind('\n', kMaxWordListBytes) + 1));
        return LoadResult::damaged;
    }
    return ParseMelCommandWords(*bytes);
}

LoadResult ParseMelCommandWords(std::string_view text)
{
    FreeMelCommandWords();
    CommandWords& list = commandWords();
    list.present = true;
    bool damaged = false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isBlank(text[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < text.size() && !isBlank(text[at]))
            ++at;
        const std::string_view word = text.substr(start, at - start);
        // A word no reading buffer could hold is not a command name.
        if (word.size() > kMaxWordLength || list.words.size() == kMaxCommandWords) {
            damaged = true;
            continue;
        }
        list.words.emplace_back(word);
    }
    // The lookups bisect: a list out of order is put in order rather than half-found.
    const auto byBytes = [](const std::string& a, const std::string& b) {
        return mel_detail::compareWord(a, b) < 0;
    };
    if (!std::is_sorted(list.words.begin(), list.words.end(), byBytes)) {
        std::stable_sort(list.words.begin(), list.words.end(), byBytes);
        damaged = true;
    }
    return damaged ? LoadResult::damaged : LoadResult::ok;
}

void FreeMelCommandWords()
{
    CommandWords& list = commandWords();
    list.present = false;
    list.words.clear();
    list.words.shrink_to_fit();
}

bool IsMelCommandWord(const char* text, int length)
{
    const CommandWords& list = commandWords();
    if (!list.present || text == nullptr || length < 0)
        return false;
    const int count = static_cast<int>(list.words.size());
    return mel_detail::bisect(mel_detail::wordOf(text, length), count,
                              [&list](int i) { return std::string_view(list.words[static_cast<std::size_t>(i)]); })
        >= 0;
}

const std::vector<std::string>& MelCommandWords()
{
    return commandWords().words;
}

LoadResult LoadMelCommandDatabase(const std::string& path)
{
    const std::optional<std::string> bytes = readFile(path, kMaxDatabaseBytes + 1);
    if (!bytes) {
        commandRecords().clear();
        return LoadResult::cannotOpen;
    }
    return ParseMelCommandDatabase(*bytes);
}

LoadResult ParseMelCommandDatabase(std::string_view bytes)
{
    auto& records = commandRecords();
    records.clear();
    LittleEndianReader reader(bytes);
    std::int16_t recordCount = 0;
    if (!reader.read(recordCount))
        return LoadResult::damaged;
    bool sound = recordCount >= 0 && recordCount <= kMaxCommandRecords;
    const int recordsToRead = std::clamp<int>(recordCount, 0, kMaxCommandRecords);
    // Only the records the file can hold take room: each is a kilobyte, the file may say
    // thousands.
    records.reserve(std::min<std::size_t>(static_cast<std::size_t>(recordsToRead), bytes.size() / kRecordHeaderBytes));
    bool truncated = false;
    for (int k = 0; k < recordsToRead && !truncated; ++k) {
        if (!readRecord(reader, records.emplace_back(), truncated))
            sound = false;
    }
    // Records past the table's room, or bytes after the last record, are ignored.
    if (!reader.atEnd())
        sound = false;
    return sound ? LoadResult::ok : LoadResult::damaged;
}

const CommandFlagRecord& GetCommandFlagRecord(int commandIndex)
{
    static const CommandFlagRecord empty{};
    const auto& records = commandRecords();
    if (commandIndex < 0 || commandIndex >= kMelCommandCount || static_cast<std::size_t>(commandIndex) >= records.size())
        return empty;
    return records[static_cast<std::size_t>(commandIndex)];
}

int flagValueCount(int typeIndex)
{
    if (typeIndex == mel_type::kNone)
        return 0;
    if (typeIndex < 0 || typeIndex >= kMelFlagTypeCount)
        return -1;
    const std::string_view type = kMelFlagTypes[typeIndex];
    int count = 0;
    std::size_t pos = 0;
    while (pos < type.size()) {
        std::size_t end = type.find(' ', pos);
        if (end == std::string_view::npos)
            end = type.size();
        const std::string_view word = type.substr(pos, end - pos);
        if (word.ends_with("[...]") || word.ends_with("Range"))
            return -1;
        if (word != "(multi-use)" && !word.empty())
            ++count;
        pos = end + 1;
    }
    return count == 0 ? -1 : count;
}

std::vector<CommandFlag> CommandFlags(const char* commandName)
{
    std::vector<CommandFlag> flags;
    const int index = FindMelCommand(commandName);
    if (index < 0)
        return flags;
    const CommandFlagRecord& record = GetCommandFlagRecord(index);
    flags.reserve(static_cast<std::size_t>(record.pairCount));
    int typed = 0;
    for (int j = 0; j < record.pairCount; ++j) {
        const FlagPair& pair = record.pairs[static_cast<std::size_t>(j)];
        const mel_detail::FlagNames names = mel_detail::splitFlag(kMelFlags[pair.flagIndex]);
        if (pair.typeIndex == mel_type::kNone)
            flags.push_back({names.shortName, names.longName, mel_type::kNone, "", -1, 0});
        else
            flags.push_back({names.shortName, names.longName, pair.typeIndex, kMelFlagTypes[pair.typeIndex], typed++,
                             flagValueCount(pair.typeIndex)});
    }
    return flags;
}

std::vector<CommandFlag> CommandTypedFlags(const char* commandName)
{
    std::vector<CommandFlag> flags = CommandFlags(commandName);
    std::erase_if(flags, [](const CommandFlag& flag) { return flag.position < 0; });
    return flags;
}

const CommandFlag* findCommandFlag(const std::vector<CommandFlag>& flags, std::string_view name)
{
    for (const CommandFlag& flag : flags)
        if (flag.shortName == name || flag.longName == name)
            return &flag;
    return nullptr;
}

MelDatabaseLoad LoadMelDatabases(const std::string& installDir)
{
    MelDatabaseLoad result;
    result.words = LoadMelCommandWords(installDir + kMelCommandWordsFile);
    result.records = LoadMelCommandDatabase(installDir + kMelCommandDatabaseFile);
    return result;
}

} // namespace orv
