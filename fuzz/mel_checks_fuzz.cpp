// MEL checks over any bytes, with a small command database of its own: the findings come
// sorted, each inside its line, with a text; nothing crashes or hangs.
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "melparse/MelChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

void put16(std::string& out, int value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

int flagIndex(const char* entry)
{
    for (int i = 0; i < orv::kMelFlagCount; ++i)
        if (std::strcmp(orv::kMelFlags[i], entry) == 0)
            return i;
    return -1;
}

// button and window with a few flags of each kind: a string, an int, three floats, two
// ints, a boolean and the query flag without a value.
void loadDatabase()
{
    static const bool loaded = [] {
        orv::ParseMelCommandWords("button\ncolumnLayout\nshowWindow\ntext\nwindow\n");
        const std::vector<std::pair<const char*, int>> flags = {
            {"-l-label", 46}, {"-w-width", 16}, {"-bgc-backgroundColor", 8}, {"-en-enable", 80},
            {"-q-query", -1}, {"-wh-widthHeight", 21}, {"-t-title", 46}};
        std::string records;
        put16(records, orv::kMelCommandCount);
        for (int command = 0; command < orv::kMelCommandCount; ++command) {
            const bool known = command == orv::FindMelCommand("button") || command == orv::FindMelCommand("window");
            put16(records, 0);
            put16(records, known ? static_cast<int>(flags.size()) : 0);
            for (const auto& [entry, type] : known ? flags : decltype(flags){}) {
                put16(records, flagIndex(entry));
                put16(records, type);
            }
        }
        return orv::ParseMelCommandDatabase(records) == orv::LoadResult::ok;
    }();
    check(loaded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    loadDatabase();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::size_t> lineLengths;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        lineLengths.push_back((end == std::string_view::npos ? size : end) - start);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    const auto findings = orv::CheckMelScript(text);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const orv::MelDiagnostic& d = findings[i];
        check(d.line >= 1 && static_cast<std::size_t>(d.line) <= lineLengths.size());
        check(d.column >= 1 && d.length >= 1);
        check(static_cast<std::size_t>(d.column - 1 + d.length) <= lineLengths[static_cast<std::size_t>(d.line - 1)]);
        check(!d.text.empty());
        check(i == 0 || findings[i - 1].line < d.line ||
              (findings[i - 1].line == d.line && findings[i - 1].column <= d.column));
    }
    return 0;
}
