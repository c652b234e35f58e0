// New, open and save of a script, each keeping the line-end style of its text; the line
// states its views share.
#include "editor/CScriptDoc.h"

#include "framework/ByteText.h"
#include "framework/CourierFont.h"

namespace orv {

CScriptDoc::CScriptDoc(QObject* parent) : CDocument(parent), m_font(courierFont())
{
    m_buffer.AttachView(&m_changes);
}

CScriptDoc::~CScriptDoc()
{
    m_buffer.DetachView(&m_changes);
}

void CScriptDoc::ChangeWatcher::onTextUpdate(const TextBufferWatcher*, const TextChange* change, unsigned, int)
{
    if (change)
        emit m_doc.contentChanged();
}

LineStateCache& CScriptDoc::lineStates(const SettingsRecord& settings)
{
    if (!m_lineStates)
        m_lineStates = std::make_unique<LineStateCache>(m_buffer, melLineColourer(settings));
    return *m_lineStates;
}

void CScriptDoc::Buffer::MarkModified(bool modified)
{
    CTextBuffer::MarkModified(modified);
    m_doc.setModifiedFlag(modified);
}

bool CScriptDoc::onNewDocument()
{
    if (!CDocument::onNewDocument())
        return false;
    m_buffer.CreateEmpty(LineEnd::crLf);
    return true;
}

FileError CScriptDoc::onOpenDocument(const QString& path)
{
    // Anything but a missing or forbidden file (a folder, a file too big, a read error) is told
    // by the text engine.
    if (!m_buffer.LoadText(pathToBytes(path), -1))
        return openFailureOf(path);
    return CDocument::onOpenDocument(path);
}

FileError CScriptDoc::onSaveDocument(const QString& path)
{
    if (!m_buffer.StoreText(pathToBytes(path), -1, true))
        return FileError::failed;
    return CDocument::onSaveDocument(path);
}

std::optional<RecoveryText> CScriptDoc::recoveryText() const
{
    const LineEnd style = m_buffer.LineEndStyle();
    return RecoveryText{m_buffer.CopyRange({0, 0}, m_buffer.EndPos(), lineEndSeparator(style)), m_buffer.Encoding(),
                        style};
}

bool CScriptDoc::restoreRecoveryText(const RecoveryText& text)
{
    m_buffer.LoadUnsavedBytes(text.text, text.lineEnd, text.encoding);
    return true;
}

QString CScriptDoc::fileErrorDetail() const
{
    // The engine's reason names the file as the file system spells it.
    return pathFromBytes(m_buffer.LastFileError());
}

} // namespace orv
