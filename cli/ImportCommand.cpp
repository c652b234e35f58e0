// "orvante-cli import": a hand-written MEL script's window as a window file.
#include "CliCommand.h"
#include "VisibleText.h"

#include "files/FileReader.h"
#include "files/SafeFileWriter.h"
#include "mel/CommandDatabase.h"
#include "uimodel/MelWindowImport.h"
#include "uimodel/WindowFile.h"

#include <cstdio>

namespace orv::cli {
namespace {

constexpr const char* kName = "import";

int usage()
{
    std::fprintf(stderr, "usage: orvante-cli import SCRIPT.mel [-o WINDOW.wnd] [--window NAME]\n");
    return 2;
}

int runImport(const Args& args)
{
    std::string input;
    std::string output;
    std::string windowName;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size())
            output = args[++i];
        else if (a == "--window" && i + 1 < args.size())
            windowName = args[++i];
        else if (input.empty() && !a.starts_with("-"))
            input = a;
        else
            return usage();
    }
    if (input.empty())
        return usage();

    std::string error;
    const std::optional<std::string> script = readWholeFile(input, kMaxWindowFileBytes, error);
    if (!script) {
        std::fprintf(stderr, "orvante-cli import: %s\n", visible(error).c_str());
        return 1;
    }
    // Without the flag records no flag could be told from an unknown one.
    const std::string database = installFolder() + kMelCommandDatabaseFile;
    if (LoadMelCommandDatabase(database) == LoadResult::cannotOpen) {
        std::fprintf(stderr, "orvante-cli import: cannot read the command database \"%s\"\n", visible(database).c_str());
        return 1;
    }
    const SettingsRecord settings;
    UIModelContext context(settings);
    CUIWindow window(context);
    const MelWindowImport import = ImportMelWindow(*script, window, windowName);
    if (!import.built) {
        std::fprintf(stderr, "orvante-cli import: %s: %s\n", visible(input).c_str(), visible(import.problem).c_str());
        return 1;
    }
    for (const MelDiagnostic& d : import.warnings)
        std::fprintf(stderr, "%s:%d:%d: warning: %s\n", visible(input).c_str(), d.line, d.column, visible(d.text).c_str());
    const std::string bytes = WriteWindowFile(window);
    if (output.empty()) {
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    } else if (!writeWholeFile(output, bytes, error)) {
        std::fprintf(stderr, "orvante-cli import: %s\n", visible(error).c_str());
        return 1;
    }
    return 0;
}

const bool registered = registerCommand(
    {kName, "SCRIPT.mel [-o WINDOW.wnd] [--window NAME]  (the script's window as a window file)", runImport});

} // namespace
} // namespace orv::cli
