// The window document's model: one window element, stored in the window file format.
#pragma once

#include "uimodel/CUIWindow.h"
#include "uimodel/OutputLog.h"

#include <string>
#include <string_view>

namespace orv {

// What the designer does when it first shows a window: its layout arranges twice. A second
// time changes nothing.
void arrangeWindowForDisplay(CUIWindow& window);

// partial: a window file of which a part was left out (see openProblem()); the rest is loaded.
enum class WindowOpenResult { ok, partial, cannotRead, notWindowFile };

class WindowDocument {
public:
    // A new document: the window element alone, at the default size.
    explicit WindowDocument(UIModelContext& context) : m_window(context) {}

    CUIWindow& window() { return m_window; }
    const CUIWindow& window() const { return m_window; }

    // Reads a window file into the (new) document; loading errors go to log.
    WindowOpenResult open(const std::string& path, OutputLog& log);
    // Reads a window file's bytes held in memory, as open reads the file's.
    WindowOpenResult read(std::string_view bytes, OutputLog& log);
    // Why the last open could not read the file or left a part of it out; empty after a whole load.
    const std::string& openProblem() const { return m_openProblem; }
    // The bytes saved; the model is not changed.
    std::string serialize() const;
    // Saves by the safe writer's rule, so that a failed save keeps the old file; false, with
    // the reason in error, when it failed.
    bool save(const std::string& path, std::string& error) const;
    // What the designer does when it first shows the window: its layout arranges twice.
    void arrangeForDisplay();

private:
    CUIWindow m_window;
    std::string m_openProblem;
};

} // namespace orv
