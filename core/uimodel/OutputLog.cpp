// Line-end rule of the message log.
#include "uimodel/OutputLog.h"

namespace orv {

void OutputLog::AppendText(const std::string& text, bool keep)
{
    if (!keep)
        m_text.clear();
    m_text.reserve(m_text.size() + text.size());
    for (const char c : text) {
        if (c == '\n')
            m_text += '\r';
        m_text += c;
    }
    if (m_changed)
        m_changed();
}

void OutputLog::Clear()
{
    m_text.clear();
    if (m_changed)
        m_changed();
}

} // namespace orv
