// What the export and tree commands share: a window file loaded as the designer shows it.
#pragma once

#include "log/OutputLog.h"
#include "uimodel/WindowDocument.h"

#include <memory>
#include <string>

namespace orv::cli {

struct LoadedWindow {
    std::unique_ptr<UIModelContext> context;
    std::unique_ptr<WindowDocument> document;
    OutputLog log;
};

// Loads path with settings; on failure prints one line naming the command and the reason,
// and returns null. A file loaded in part is loaded: see finishCommand.
std::unique_ptr<LoadedWindow> loadWindowFile(const char* command, const std::string& path,
                                             const SettingsRecord& settings);

// The exit code of a command that wrote what it read: 0, or 2 with "loaded with errors:
// <reason>" on stderr when the file was loaded only in part.
int finishCommand(const char* command, const LoadedWindow& loaded);

// The message log as terminal lines (LF ends) on stderr.
void printLog(const OutputLog& log);

} // namespace orv::cli
