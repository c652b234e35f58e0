// Document steps: the save prompt, Save and Save As through the template's type, closing.
#include "framework/CDocument.h"

#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CView.h"
#include "framework/FrameworkTexts.h"
#include "framework/Prompts.h"

#include <QDir>
#include <QFileInfo>

namespace orv {

CDocument::CDocument(QObject* parent) : QObject(parent)
{
    connect(this, &CDocument::titleChanged, this, &CDocument::updateFrameTitles);
}

void CDocument::setTitle(const QString& title)
{
    m_title = title;
    emit titleChanged();
}

void CDocument::setPathName(const QString& path)
{
    m_pathName = QFileInfo(path).absoluteFilePath();
    setTitle(QFileInfo(path).fileName());
}

void CDocument::setModifiedFlag(bool modified)
{
    if (m_modified != modified) {
        m_modified = modified;
        if (m_template)
            m_template->manager()->commands().requestUpdate();
        emit modifiedChanged(modified);
        // The frames' titles carry the modified mark.
        emit titleChanged();
    }
    // Marking a document modified is how a type without a text of its own tells of an edit.
    if (modified)
        emit contentChanged();
}

QString CDocument::frameTitle(int windowNumber) const
{
    QString title = m_title;
    if (windowNumber > 0)
        title += QStringLiteral(":%1").arg(windowNumber);
    if (m_modified)
        title += QLatin1Char('*');
    return title;
}

void CDocument::addView(CView* view)
{
    if (!m_views.contains(view))
        m_views.append(view);
}

void CDocument::removeView(CView* view)
{
    m_views.removeAll(view);
    if (m_views.isEmpty() && m_template) {
        m_template->removeDocument(this);
        deleteLater();
        return;
    }
    updateFrameTitles();
}

void CDocument::updateFrameTitles()
{
    const bool numbered = m_views.size() > 1;
    for (qsizetype i = 0; i < m_views.size(); ++i)
        if (CMDIChildWnd* frame = m_views[i]->parentFrame())
            frame->updateTitle(numbered ? static_cast<int>(i + 1) : 0);
}

void CDocument::updateAllViews(CView* sender, int hint)
{
    for (CView* view : m_views)
        if (view != sender)
            view->onUpdate(sender, hint);
}

bool CDocument::onNewDocument()
{
    setModifiedFlag(false);
    return true;
}

FileError CDocument::onOpenDocument(const QString&)
{
    setModifiedFlag(false);
    return FileError::none;
}

FileError CDocument::onSaveDocument(const QString&)
{
    setModifiedFlag(false);
    return FileError::none;
}

QString CDocument::fileFailureMessage(FileError error, const QString& path, bool reading) const
{
    QString message = fileErrorMessage(error, path, reading);
    // The messages of the other kinds say what went wrong already.
    if (const QString detail = fileErrorDetail(); error == FileError::failed && !detail.isEmpty())
        message += QStringLiteral("\n\n") + detail;
    return message;
}

bool CDocument::saveModified()
{
    if (!m_modified)
        return true;
    // A document outside every template has nobody to ask, so it stays rather than lose its changes.
    if (!m_template)
        return false;
    const QString name = m_pathName.isEmpty() ? m_title : QDir::toNativeSeparators(m_pathName);
    switch (m_template->manager()->prompts().askToSave(QString::fromLatin1(framework_texts::kAskToSave).arg(name))) {
    case Prompts::SaveAnswer::save:
        return doFileSave();
    case Prompts::SaveAnswer::discard:
        return true;
    case Prompts::SaveAnswer::cancel:
        break;
    }
    return false;
}

bool CDocument::doFileSave()
{
    const QFileInfo info(m_pathName);
    if (m_pathName.isEmpty() || (info.exists() && !info.isWritable()))
        return doSave(QString());
    return doSave(m_pathName);
}

bool CDocument::doSave(const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        if (!m_template)
            return false;
        const QString proposed = m_pathName.isEmpty() ? m_title : m_pathName;
        target = m_template->manager()->promptSaveFileName(m_template, proposed);
        if (target.isEmpty())
            return false;
    }
    const FileError error = onSaveDocument(target);
    if (error != FileError::none) {
        if (m_template)
            m_template->manager()->reportError(fileFailureMessage(error, target, false));
        return false;
    }
    setModifiedFlag(false);
    if (QFileInfo(target).absoluteFilePath() != m_pathName || path.isEmpty()) {
        setPathName(target);
        if (m_template)
            emit m_template->manager()->fileUsed(m_pathName);
    }
    return true;
}

void CDocument::onCloseDocument()
{
    if (m_closing)
        return;
    m_closing = true;
    setModifiedFlag(false);
    // Closing a frame destroys its view, and the last view takes the document with it.
    const QList<CView*> views = m_views;
    for (CView* view : views)
        if (CMDIChildWnd* frame = view->parentFrame())
            frame->close();
}

} // namespace orv
