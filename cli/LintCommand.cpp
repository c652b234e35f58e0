// "orvante-cli lint FILE.mel ...": the checks of MEL scripts in the FILE:LINE:COL form that
// editors and build logs read; exit 1 when an error was found or a file could not be read
// (notes never fail a run).
#include "CliCommand.h"

#include "mel/CommandDatabase.h"
#include "melparse/MelChecks.h"
#include "text/TextFile.h"

#include <cstdio>
#include <string>

namespace orv::cli {
namespace {

constexpr const char* kUsage = "FILE.mel ... [--werror]  (checks MEL scripts: FILE:LINE:COL: warning|error|note: text)";

// The script's lines as the editor shows them, joined by LF whatever the file's line ends.
bool readScript(const std::string& path, std::string& script, std::string& error)
{
    bool first = true;
    return readTextFileLines(
        path, -1,
        [&](TextLine&& line) {
            if (!first)
                script += '\n';
            first = false;
            script += line.text();
        },
        error);
}

int runLint(const Args& args)
{
    std::vector<std::string> files;
    bool warningsAreErrors = false;
    for (const std::string& a : args) {
        if (a == "--werror") {
            warningsAreErrors = true;
        } else if (a.starts_with("--")) {
            std::fprintf(stderr, "orvante-cli lint: unknown option \"%s\"\n", a.c_str());
            return 2;
        } else {
            files.push_back(a);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: orvante-cli lint %s\n", kUsage);
        return 2;
    }
    const std::string folder = installFolder();
    const MelDatabaseLoad load = LoadMelDatabases(folder);
    if (load.words != LoadResult::ok || load.records != LoadResult::ok)
        std::fprintf(stderr, "orvante-cli lint: the command database below %s is missing or damaged: "
                             "commands and flags are checked only as far as it goes\n",
                     folder.c_str());
    bool failed = false;
    for (const std::string& path : files) {
        std::string script;
        std::string error;
        if (!readScript(path, script, error)) {
            std::fprintf(stderr, "orvante-cli lint: %s\n", error.c_str());
            failed = true;
            continue;
        }
        for (const MelDiagnostic& d : CheckMelScript(script)) {
            // A note stays a note under --werror: it tells of what another script may define.
            const bool note = d.severity == MelSeverity::note;
            const bool asError = d.severity == MelSeverity::error || (warningsAreErrors && !note);
            failed = failed || asError;
            std::printf("%s:%d:%d: %s: %s\n", path.c_str(), d.line, d.column,
                        note ? "note" : asError ? "error" : "warning", d.text.c_str());
        }
    }
    return failed ? 1 : 0;
}

const bool registered = registerCommand({"lint", kUsage, runLint});

} // namespace
} // namespace orv::cli
