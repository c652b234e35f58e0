// The system's message log: the text shown by the Output pane, kept without a screen, in UTF-8.
#pragma once

#include <functional>
#include <string>

namespace orv {

class OutputLog {
public:
    // Each "\n" of text becomes "\r\n" (a "\r\n" therefore gains a second CR);
    // keep=false replaces the whole log by the new text. A text that is not UTF-8 (a reply
    // of Maya, a name from an old file) is taken as Windows-1252 and kept as UTF-8.
    void AppendText(const std::string& text, bool keep = true);
    void Clear();

    const std::string& text() const { return m_text; }

    // Told after every change, so that a view can show the new text.
    void setChangedHandler(std::function<void()> handler) { m_changed = std::move(handler); }

private:
    std::string m_text;
    std::function<void()> m_changed;
};

} // namespace orv
