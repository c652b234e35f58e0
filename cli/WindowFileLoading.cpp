// Loading window files for the command line.
#include "WindowFileLoading.h"

#include "VisibleText.h"

#include <cstdio>

namespace orv::cli {

std::unique_ptr<LoadedWindow> loadWindowFile(const char* command, const std::string& path,
                                             const SettingsRecord& settings)
{
    auto loaded = std::make_unique<LoadedWindow>();
    loaded->context = std::make_unique<UIModelContext>(settings);
    loaded->document = std::make_unique<WindowDocument>(*loaded->context);
    switch (loaded->document->open(path, loaded->log)) {
    case WindowOpenResult::cannotRead:
        std::fprintf(stderr, "orvante-cli %s: %s\n", command, loaded->document->openProblem().c_str());
        return nullptr;
    case WindowOpenResult::notWindowFile:
        std::fprintf(stderr, "orvante-cli %s: \"%s\" is not a window file\n", command, path.c_str());
        return nullptr;
    case WindowOpenResult::ok:
    case WindowOpenResult::partial:
        break;
    }
    loaded->document->arrangeForDisplay();
    return loaded;
}

int finishCommand(const char* command, const LoadedWindow& loaded)
{
    const std::string& problem = loaded.document->openProblem();
    if (problem.empty())
        return 0;
    std::fprintf(stderr, "orvante-cli %s: loaded with errors: %s\n", command, visible(problem).c_str());
    return 2;
}

void printLog(const OutputLog& log)
{
    std::string text;
    for (const char c : log.text())
        if (c != '\r')
            text += c;
    std::fputs(text.c_str(), stderr);
}

} // namespace orv::cli
