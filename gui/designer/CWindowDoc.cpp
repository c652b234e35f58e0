// Opening reads into a fresh model, so a failed open leaves nothing half read behind.
#include "designer/CWindowDoc.h"

#include "designer/DesignerPanes.h"
#include "framework/ByteText.h"

namespace orv {

namespace {
constexpr const char* kNotWindowFile = "%1 is not a window file: its third line is not \"[window]\" or it ends "
                                       "before the window's state line.\n";
// After the reason of the writer ("cannot write \"x.wnd\": No space left on device").
constexpr const char* kNotSaved = "The window was not saved: %1.\n";

// The log holds bytes: the path goes in as the file system spells it.
std::string logLine(const char* text, const std::string& inserted)
{
    std::string line = text;
    line.replace(line.find("%1"), 2, inserted);
    return line;
}
} // namespace

CWindowDoc::CWindowDoc(const DesignerHost& host, QObject* parent)
    : CDocument(parent), m_host(host), m_model(std::make_unique<WindowDocument>(*host.context))
{
}

CWindowDoc::~CWindowDoc() = default;

OutputLog& CWindowDoc::log()
{
    return m_host.log ? *m_host.log : m_scratchLog;
}

void CWindowDoc::showOutput() const
{
    if (m_host.panes)
        m_host.panes->showOutput();
}

FileError CWindowDoc::onOpenDocument(const QString& path)
{
    auto model = std::make_unique<WindowDocument>(*m_host.context);
    const std::size_t logged = log().text().size();
    const WindowOpenResult result = model->open(pathToBytes(path), log());
    // What the reader reported about a damaged file is shown, not left in a hidden pane.
    if (log().text().size() != logged)
        showOutput();
    switch (result) {
    case WindowOpenResult::ok:
    case WindowOpenResult::partial:   // the reader logged what it left out
        m_model = std::move(model);
        m_history.clear();
        return CDocument::onOpenDocument(path);
    case WindowOpenResult::notWindowFile:
        log().AppendText(logLine(kNotWindowFile, pathToBytes(path)));
        showOutput();
        return FileError::failed;
    case WindowOpenResult::cannotRead:
        break;
    }
    // The reader's reason (a folder, a device, a file too large) is the detail of the message.
    m_fileProblem = model->openProblem();
    return openFailureOf(path);
}

QString CWindowDoc::fileErrorDetail() const
{
    return pathFromBytes(m_fileProblem);
}

MelWindowImport CWindowDoc::importMelWindow(std::string_view script, std::string_view windowName)
{
    auto model = std::make_unique<WindowDocument>(*m_host.context);
    MelWindowImport import = ImportMelWindow(script, model->window(), windowName);
    if (import.built) {
        m_model = std::move(model);
        // A window no file holds: no undo gives back a saved one.
        m_history.clear();
        m_history.forgetSavePoint();
    }
    return import;
}

FileError CWindowDoc::onSaveDocument(const QString& path)
{
    std::string error;
    if (!m_model->save(pathToBytes(path), error)) {
        // The framework's message names the kind of failure; the log keeps the writer's reason.
        log().AppendText(logLine(kNotSaved, error));
        showOutput();
        m_fileProblem = error;
        return fileErrorOf(QFileDevice::OpenError, path, false);
    }
    m_history.setSavePoint();
    return CDocument::onSaveDocument(path);
}

std::optional<RecoveryText> CWindowDoc::recoveryText() const
{
    std::string text = m_model->serialize();
    const TextEncoding encoding = DetectTextEncoding(text);
    return RecoveryText{std::move(text), encoding, LineEnd::crLf};
}

bool CWindowDoc::restoreRecoveryText(const RecoveryText& text)
{
    auto model = std::make_unique<WindowDocument>(*m_host.context);
    if (model->read(text.text, log()) == WindowOpenResult::notWindowFile)
        return false;
    m_model = std::move(model);
    // The recovered window is not the one its file holds.
    m_history.clear();
    m_history.forgetSavePoint();
    return true;
}

} // namespace orv
