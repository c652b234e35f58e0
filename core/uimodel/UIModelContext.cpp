// Element names from the per-type counters.
#include "uimodel/UIModelContext.h"

namespace orv {

std::string UIModelContext::takeName(const std::string& pattern)
{
    int& counter = m_counters[pattern];
    std::string name = pattern;
    name.replace(name.find("%d"), 2, std::to_string(counter));
    ++counter;
    return name;
}

} // namespace orv
