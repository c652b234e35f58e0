// Opening and saving window documents.
#include "uimodel/WindowDocument.h"

#include "files/FileReader.h"
#include "files/SafeFileWriter.h"
#include "uimodel/WindowFile.h"

namespace orv {

WindowOpenResult WindowDocument::open(const std::string& path, OutputLog& log)
{
    m_openProblem.clear();
    const std::optional<std::string> bytes = readWholeFile(path, kMaxWindowFileBytes, m_openProblem);
    if (!bytes)
        return WindowOpenResult::cannotRead;
    return read(*bytes, log);
}

WindowOpenResult WindowDocument::read(std::string_view bytes, OutputLog& log)
{
    const WindowFileRead read = ReadWindowFile(bytes, m_window, log);
    m_openProblem = read.problem;
    if (!read)
        return WindowOpenResult::notWindowFile;
    return read.problem.empty() ? WindowOpenResult::ok : WindowOpenResult::partial;
}

std::string WindowDocument::serialize() const
{
    return WriteWindowFile(m_window);
}

bool WindowDocument::save(const std::string& path, std::string& error) const
{
    return writeWholeFile(path, serialize(), error);
}

void arrangeWindowForDisplay(CUIWindow& window)
{
    if (window.children().empty())
        return;
    // What the arrangement reads may have changed anywhere (the settings' boolean style).
    window.unsettleSubtree();
    CUIElement& layout = *window.children().front();
    layout.Relayout(nullptr);
    layout.Relayout(nullptr);
}

void WindowDocument::arrangeForDisplay()
{
    arrangeWindowForDisplay(m_window);
}

} // namespace orv
