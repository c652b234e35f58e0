// Line-end rule of the message log.
#include "uimodel/OutputLog.h"

#include "text/TextEncoding.h"

namespace orv {

void OutputLog::AppendText(const std::string& text, bool keep)
{
    if (!keep)
        m_text.clear();
    // Nearly every text is UTF-8 already (ASCII messages, scripts, model values): only the
    // rare other one is converted.
    std::string converted;
    if (!IsValidUtf8(text))
        converted = Windows1252ToUtf8(text);
    const std::string& utf8 = converted.empty() ? text : converted;
    m_text.reserve(m_text.size() + utf8.size());
    for (const char c : utf8) {
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
