// "Export script": the window's MEL (or Python) to a chosen file, the clipboard and the
// message log.
#pragma once

#include "settings/SettingsRecord.h"
#include "uimodel/CUIWindow.h"
#include "uimodel/OutputLog.h"

#include <optional>
#include <string>

namespace orv {

// Where an export goes, supplied by the caller (dialogs, disk, clipboard or stand-ins).
class ExportTarget {
public:
    virtual ~ExportTarget() = default;
    // The path the user chose for the script; nothing when the user cancelled.
    virtual std::optional<std::string> chooseScriptPath() = 0;
    // False, with the reason in error, when the file cannot be written.
    virtual bool writeScriptFile(const std::string& path, const std::string& bytes, std::string& error) = 0;
    virtual void copyToClipboard(const std::string& text) = 0;
};

// The language of an exported script; both make the same calls.
enum class ScriptLanguage { mel, python };

struct ExportResult {
    bool cancelled = false;   // the user cancelled the file choice; nothing was done
    std::string script;       // LF line ends
};

// The whole export as the settings' flags say (exportToFile, exportToClipboard,
// shortFlags, unixFormat). The file gets LF line ends with unixFormat, else CR LF. The log
// names each flag whose value was left out of the script, after the script. The Python
// script takes the same steps and messages, and its file always has LF line ends. writeNames
// is the option "Write element names" (GenerateWindowScript).
ExportResult ExportWindowScript(const CUIWindow& window, const SettingsRecord& settings, OutputLog& log,
                                ExportTarget& target, ScriptLanguage language = ScriptLanguage::mel,
                                bool writeNames = false);

// The script as a file stores it: CR LF line ends, or LF with unixFormat.
std::string scriptFileBytes(const std::string& script, bool unixFormat);

} // namespace orv
