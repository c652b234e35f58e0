// Any bytes as a file on disk, read the ways the command-line tools read it: a window file
// opened as a document gives what the reader gives on the same bytes; a script read line by
// line (highlight) gives the lines of the whole-file read (the editor) and of the bytes split
// in memory; the command database files load as their bytes parse.
#include "mel/CommandDatabase.h"
#include "settings/SettingsRecord.h"
#include "text/TextFile.h"
#include "uimodel/WindowDocument.h"
#include "uimodel/WindowFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

// One file for the whole run, rewritten for every input and removed at exit.
const std::string& scratchFile()
{
    struct Scratch {
        std::string path;
        Scratch()
        {
            std::string pattern = (std::filesystem::temp_directory_path() / "orvfuzzXXXXXX").string();
            const int fd = ::mkstemp(pattern.data());
            if (fd >= 0)
                ::close(fd);
            path = pattern;
        }
        ~Scratch() { ::unlink(path.c_str()); }
    };
    static const Scratch scratch;
    return scratch.path;
}

std::vector<std::string> texts(const std::vector<orv::TextLine>& lines)
{
    std::vector<std::string> out;
    for (const auto& line : lines)
        out.emplace_back(line.text());
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string& path = scratchFile();
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    orv::SettingsRecord settings;
    orv::UIModelContext context(settings);
    orv::WindowDocument document(context);
    orv::OutputLog log;
    const orv::WindowOpenResult opened = document.open(path, log);
    // A context of its own: default names count on from each context's counters.
    orv::UIModelContext directContext(settings);
    orv::CUIWindow direct(directContext);
    orv::OutputLog directLog;
    const orv::WindowFileRead read = orv::ReadWindowFile(bytes, direct, directLog);
    check(opened != orv::WindowOpenResult::cannotRead);
    check((opened == orv::WindowOpenResult::notWindowFile) == !read);
    check((opened == orv::WindowOpenResult::partial) == (read && !read.problem.empty()));
    check(document.openProblem() == read.problem && log.text() == directLog.text());
    check(orv::WriteWindowFile(document.window()) == orv::WriteWindowFile(direct));

    std::string error;
    const auto whole = orv::readTextFile(path, -1, error);
    check(whole.has_value());
    std::vector<std::string> streamed;
    check(orv::readTextFileLines(
        path, -1, [&streamed](orv::TextLine&& line) { streamed.emplace_back(line.text()); }, error));
    check(streamed == texts(whole->lines));
    const orv::LoadedText inMemory = orv::splitText(bytes, -1);
    check(inMemory.style == whole->style && texts(inMemory.lines) == streamed);

    check(orv::LoadMelCommandWords(path) == orv::ParseMelCommandWords(bytes));
    orv::FreeMelCommandWords();
    check(orv::LoadMelCommandDatabase(path) == orv::ParseMelCommandDatabase(bytes));
    return 0;
}
