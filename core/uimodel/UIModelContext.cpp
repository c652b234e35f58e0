// Element names from the per-type counters.
#include "uimodel/UIModelContext.h"

namespace orv {

std::string UIModelContext::takeName(const std::string& pattern)
{
    int& counter = m_counters[pattern];
    const std::size_t at = pattern.find("%d");
    std::string name = pattern.substr(0, at);
    name += std::to_string(counter);
    if (at != std::string::npos)
        name += pattern.substr(at + 2);
    ++counter;
    return name;
}

} // namespace orv
