// Opening reads into a fresh model, so a failed open leaves nothing half read behind.
#include "designer/CWindowDoc.h"

#include <QFileInfo>

namespace orv {

namespace {
constexpr const char* kNotWindowFile = "%1 is not a window file: its third line is not \"[window]\" or it ends "
                                       "before the window's state line.\n";
}

CWindowDoc::CWindowDoc(const DesignerHost& host, QObject* parent)
    : CDocument(parent), m_host(host), m_park(std::make_unique<QWidget>()), m_previews(host, m_park.get()),
      m_model(std::make_unique<WindowDocument>(*host.context))
{
}

CWindowDoc::~CWindowDoc() = default;

FileError CWindowDoc::onOpenDocument(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    auto model = std::make_unique<WindowDocument>(*m_host.context);
    OutputLog scratch;
    OutputLog& log = m_host.log ? *m_host.log : scratch;
    const std::size_t logged = log.text().size();
    const WindowOpenResult result = model->open(native.toStdString(), log);
    // What the reader reported about a damaged file is shown, not left in a hidden pane.
    if (log.text().size() != logged && m_host.showOutput)
        m_host.showOutput();
    switch (result) {
    case WindowOpenResult::ok:
        m_model = std::move(model);
        return CDocument::onOpenDocument(path);
    case WindowOpenResult::notWindowFile:
        log.AppendText(QString::fromLatin1(kNotWindowFile).arg(path).toLocal8Bit().toStdString());
        if (m_host.showOutput)
            m_host.showOutput();
        return FileError::failed;
    case WindowOpenResult::cannotRead:
        break;
    }
    const QFileInfo info(path);
    if (!info.exists())
        return FileError::notFound;
    return info.isReadable() ? FileError::failed : FileError::accessDenied;
}

FileError CWindowDoc::onSaveDocument(const QString& path)
{
    if (!m_model->save(QFile::encodeName(path).toStdString()))
        return FileError::failed;
    return CDocument::onSaveDocument(path);
}

} // namespace orv
