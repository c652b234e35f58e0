// "orvante-cli tree": the element tree of a window file, one line per element.
#include "CliCommand.h"
#include "VisibleText.h"
#include "WindowFileLoading.h"

#include <cstdio>

namespace orv::cli {
namespace {

constexpr const char* kName = "tree";

void printElement(const CUIElement& element, int depth)
{
    const UIRect& r = element.rect();
    std::printf("%s%s %s %d,%d,%d,%d\n", std::string(static_cast<std::size_t>(depth), '\t').c_str(),
                element.command().c_str(), visible(element.name()).c_str(), r.left, r.top, r.right, r.bottom);
    for (const auto& child : element.children())
        printElement(*child, depth + 1);
}

int runTree(const Args& args)
{
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: orvante-cli tree WINDOW.wnd\n");
        return 2;
    }
    const SettingsRecord settings;
    const auto loaded = loadWindowFile(kName, args[0], settings);
    if (!loaded)
        return 1;
    printLog(loaded->log);
    printElement(loaded->document->window(), 0);
    return finishCommand(kName, *loaded);
}

const bool registered = registerCommand({kName, "WINDOW.wnd (prints the element tree with rectangles)", runTree});

} // namespace
} // namespace orv::cli
