// Opening and saving window documents.
#include "uimodel/WindowDocument.h"

#include "uimodel/TextFile.h"
#include "uimodel/WindowFile.h"

namespace orv {

WindowOpenResult WindowDocument::open(const std::string& path, OutputLog& log, PreviewFactory* previews)
{
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes)
        return WindowOpenResult::cannotRead;
    return ReadWindowFile(*bytes, m_window, log, previews) ? WindowOpenResult::ok : WindowOpenResult::notWindowFile;
}

std::string WindowDocument::serialize() const
{
    return WriteWindowFile(m_window);
}

bool WindowDocument::save(const std::string& path) const
{
    return writeFileReplacing(path, serialize());
}

void WindowDocument::arrangeForDisplay()
{
    if (m_window.children().empty())
        return;
    CUIElement& layout = *m_window.children().front();
    layout.Relayout(nullptr);
    layout.Relayout(nullptr);
}

} // namespace orv
