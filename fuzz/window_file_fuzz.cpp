// Window files from anywhere: any bytes load without crashing, give a tree within the
// model's limits, and what is loaded writes out and reads back again.
#include "uimodel/CUIWindow.h"
#include "uimodel/MelGenerator.h"
#include "uimodel/WindowFile.h"

#include <cstdlib>

namespace {

void checkLimits(const orv::CUIElement& element, std::size_t& count)
{
    ++count;
    if (element.childCount() > element.maxChildren() || (element.childCount() > 0 && !element.IsContainer()))
        std::abort();
    for (const auto& child : element.children()) {
        if (child->parent() != &element || (element.childrenMustBeLayouts() && !child->IsLayout()))
            std::abort();
        checkLimits(*child, count);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    orv::SettingsRecord settings;
    orv::UIModelContext context(settings);
    orv::CUIWindow window(context);
    orv::OutputLog log;
    if (!orv::ReadWindowFile(bytes, window, log))
        return 0;
    std::size_t count = 0;
    checkLimits(window, count);
    if (count > orv::kMaxElementsPerFile + 1)
        std::abort();
    const std::string written = orv::WriteWindowFile(window);
    orv::CUIWindow again(context);
    orv::OutputLog againLog;
    if (!orv::ReadWindowFile(written, again, againLog) || again.childCount() != window.childCount())
        std::abort();
    orv::GenerateWindowScript(window, false);
    return 0;
}
