// What the export and tree commands share: a window file loaded as the designer shows it.
#pragma once

#include "uimodel/OutputLog.h"
#include "uimodel/WindowDocument.h"

#include <memory>
#include <string>

namespace orv::cli {

struct LoadedWindow {
    std::unique_ptr<UIModelContext> context;
    std::unique_ptr<WindowDocument> document;
    OutputLog log;
};

// Loads path with settings; on failure prints one line naming the command and returns null.
std::unique_ptr<LoadedWindow> loadWindowFile(const char* command, const std::string& path,
                                             const SettingsRecord& settings);

// The message log as terminal lines (LF ends) on stderr.
void printLog(const OutputLog& log);

} // namespace orv::cli
