// The window document's model: one window element, stored in the window file format.
#pragma once

#include "uimodel/CUIWindow.h"
#include "uimodel/OutputLog.h"

#include <string>

namespace orv {

enum class WindowOpenResult { ok, cannotRead, notWindowFile };

class WindowDocument {
public:
    // A new document: the window element alone, at the default size.
    explicit WindowDocument(UIModelContext& context) : m_window(context) {}

    CUIWindow& window() { return m_window; }
    const CUIWindow& window() const { return m_window; }

    // Reads a window file into the (new) document; loading errors go to log.
    WindowOpenResult open(const std::string& path, OutputLog& log, PreviewFactory* previews = nullptr);
    // The bytes saved; the model is not changed.
    std::string serialize() const;
    // Saves through a temporary file, so that a failed save keeps the old file.
    bool save(const std::string& path) const;
    // What the designer does when it first shows the window: its layout arranges twice.
    void arrangeForDisplay();

private:
    CUIWindow m_window;
};

} // namespace orv
