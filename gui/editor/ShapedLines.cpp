// Forgetting the lines off screen.
#include "editor/ShapedLines.h"

namespace orv {

void ShapedLines::endPaint()
{
    std::erase_if(m_lines, [this](const auto& entry) { return entry.second.used != m_paint; });
    ++m_paint;
}

} // namespace orv
