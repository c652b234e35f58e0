// "orvante-cli export": a window file's MEL (or Python) script, as the designer's export
// writes it.
#include "CliCommand.h"
#include "WindowFileLoading.h"

#include "mel/CommandDatabase.h"
#include "uimodel/MelExport.h"
#include "files/SafeFileWriter.h"

#include <cstdio>

namespace orv::cli {
namespace {

constexpr const char* kName = "export";

// The chosen output file stands in for the save dialog; there is no clipboard here.
class CliExportTarget final : public ExportTarget {
public:
    explicit CliExportTarget(std::string path) : m_path(std::move(path)) {}
    std::optional<std::string> chooseScriptPath() override { return m_path; }
    bool writeScriptFile(const std::string& path, const std::string& bytes, std::string& error) override
    {
        m_written = writeWholeFile(path, bytes, error);
        return m_written;
    }
    void copyToClipboard(const std::string&) override {}
    bool written() const { return m_written; }

private:
    std::string m_path;
    bool m_written = false;
};

int usage()
{
    std::fprintf(stderr, "usage: orvante-cli export WINDOW.wnd [-o OUT.mel] [--python] [--short-flags] "
                         "[--boolean-style 0|1|2] [--use-width-height] [--unix] [--names]\n");
    return 2;
}

int runExport(const Args& args)
{
    SettingsRecord settings;
    std::string input;
    std::string output;
    ScriptLanguage language = ScriptLanguage::mel;
    bool writeNames = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (a == "--python") {
            language = ScriptLanguage::python;
        } else if (a == "--short-flags") {
            settings.setFlag(SettingsFlag::shortFlags, true);
        } else if (a == "--use-width-height") {
            settings.setFlag(SettingsFlag::useWidthHeight, true);
        } else if (a == "--names") {
            writeNames = true;
        } else if (a == "--unix") {
            settings.setFlag(SettingsFlag::unixFormat, true);
        } else if (a == "--boolean-style" && i + 1 < args.size()) {
            const std::string& style = args[++i];
            if (style != "0" && style != "1" && style != "2")
                return usage();
            settings.booleanStyle = static_cast<BooleanStyle>(style[0] - '0');
        } else if (input.empty() && !a.starts_with("-")) {
            input = a;
        } else {
            return usage();
        }
    }
    if (input.empty())
        return usage();
    settings.setFlag(SettingsFlag::exportToFile, !output.empty());
    settings.setFlag(SettingsFlag::exportToClipboard, false);

    const std::string database = installFolder() + kMelCommandDatabaseFile;
    if (LoadMelCommandDatabase(database) == LoadResult::cannotOpen)
        std::fprintf(stderr, "orvante-cli export: cannot read the command database \"%s\": no flags are written\n",
                     database.c_str());
    const auto loaded = loadWindowFile(kName, input, settings);
    if (!loaded)
        return 1;
    // The export clears the log: what loading reported is shown first.
    printLog(loaded->log);
    CliExportTarget target(output);
    const ExportResult result = ExportWindowScript(loaded->document->window(), settings, loaded->log, target, language, writeNames);
    printLog(loaded->log);
    if (output.empty())
        std::fwrite(result.script.data(), 1, result.script.size(), stdout);
    else if (!target.written())
        return 1;
    return finishCommand(kName, *loaded);
}

const bool registered = registerCommand(
    {kName,
     "WINDOW.wnd [-o OUT.mel] [--python] [--short-flags] [--boolean-style 0|1|2] [--use-width-height] [--unix] [--names]",
     runExport});

} // namespace
} // namespace orv::cli
