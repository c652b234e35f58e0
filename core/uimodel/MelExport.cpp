// The export steps and their messages.
#include "uimodel/MelExport.h"

#include "uimodel/MelGenerator.h"
#include "uimodel/PythonGenerator.h"

#include <cstdio>

namespace orv {

std::string scriptFileBytes(const std::string& script, bool unixFormat)
{
    if (unixFormat)
        return script;
    std::string bytes;
    bytes.reserve(script.size() + script.size() / 16);
    for (const char c : script) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

ExportResult ExportWindowScript(const CUIWindow& window, const SettingsRecord& settings, OutputLog& log,
                                ExportTarget& target, ScriptLanguage language, bool writeNames)
{
    ExportResult result;
    std::optional<std::string> path;
    if (settings.exportToFile()) {
        path = target.chooseScriptPath();
        if (!path) {
            result.cancelled = true;
            return result;
        }
    }
    log.Clear();
    log.AppendText(mel_export::kGenerating);
    log.AppendText(mel_export::kDashLine);
    std::vector<std::string> leftOut;
    result.script = language == ScriptLanguage::python
                        ? GenerateWindowPython(window, settings.shortFlags(), &leftOut, writeNames)
                        : GenerateWindowScript(window, settings.shortFlags(), &leftOut, writeNames);
    if (settings.exportToClipboard())
        target.copyToClipboard(result.script);
    log.AppendText(result.script);
    for (const std::string& notice : leftOut)
        log.AppendText(notice);
    std::string error;
    // Python reads either line end; its scripts keep LF, as Python's own tools write them.
    const bool lf = settings.unixFormat() || language == ScriptLanguage::python;
    if (path && !target.writeScriptFile(*path, scriptFileBytes(result.script, lf), error)) {
        const int size = std::snprintf(nullptr, 0, mel_export::kNotSaved, error.c_str());
        std::string message(static_cast<std::size_t>(size), '\0');
        std::snprintf(message.data(), message.size() + 1, mel_export::kNotSaved, error.c_str());
        log.AppendText(message);
    }
    log.AppendText(mel_export::kDashLine);
    log.AppendText(mel_export::kSuccess);
    if (settings.exportToClipboard()) {
        if (settings.unixFormat())
            log.AppendText(mel_export::kUnixMode);
        log.AppendText(mel_export::kClipboard);
    }
    return result;
}

} // namespace orv
