// Making documents of one type: untitled names, reading files, frames with their views.
#include "framework/CDocTemplate.h"

#include "framework/CDocManager.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CView.h"
#include "framework/SettingsService.h"

#include <QFileInfo>
#include <QMdiArea>

namespace orv {

namespace {
constexpr int kDocStringCount = 7;
}

CDocTemplate::CDocTemplate(int resourceId, const QString& resourceString, Factories factories, CDocManager* manager)
    : QObject(manager),
      m_resourceId(resourceId),
      m_fields(resourceString.split(QLatin1Char('\n'))),
      m_factories(std::move(factories)),
      m_manager(manager)
{
    while (m_fields.size() < kDocStringCount)
        m_fields.append(QString());
    manager->addDocTemplate(this);
}

QString CDocTemplate::docString(DocString which) const
{
    return m_fields.value(static_cast<int>(which));
}

bool CDocTemplate::matchesExtension(const QString& path) const
{
    const QString ext = docString(DocString::filterExt);
    return !ext.isEmpty() && QFileInfo(path).fileName().endsWith(ext, Qt::CaseInsensitive);
}

CDocument* CDocTemplate::openDocumentFile(const QString& path)
{
    CDocument* doc = m_factories.document(this);
    doc->m_template = this;
    m_documents.append(doc);

    if (path.isEmpty()) {
        doc->setTitle(docString(DocString::fileNewName) + QString::number(++m_untitledCount));
        if (!doc->onNewDocument()) {
            removeDocument(doc);
            doc->deleteLater();
            return nullptr;
        }
    } else {
        const FileError error = doc->onOpenDocument(path);
        if (error != FileError::none) {
            const QString message = doc->fileFailureMessage(error, path, true);
            removeDocument(doc);
            doc->deleteLater();
            m_manager->reportError(message);
            emit m_manager->fileFailed(QFileInfo(path).absoluteFilePath());
            return nullptr;
        }
        doc->setPathName(path);
        doc->setModifiedFlag(false);
    }
    emit m_manager->documentAdded(doc);
    createAndShowFrame(doc);
    if (!path.isEmpty())
        emit m_manager->fileUsed(doc->pathName());
    return doc;
}

CDocument* CDocTemplate::newDocument(const std::function<bool(CDocument&)>& prepare)
{
    CDocument* doc = m_factories.document(this);
    doc->m_template = this;
    m_documents.append(doc);
    doc->setTitle(docString(DocString::fileNewName) + QString::number(++m_untitledCount));
    if (!doc->onNewDocument() || !prepare(*doc)) {
        removeDocument(doc);
        doc->deleteLater();
        return nullptr;
    }
    emit m_manager->documentAdded(doc);
    createAndShowFrame(doc);
    return doc;
}

CDocument* CDocTemplate::onFileNew()
{
    if (m_factories.newWithoutDocument) {
        m_factories.newWithoutDocument();
        return nullptr;
    }
    return openDocumentFile(QString());
}

CMDIChildWnd* CDocTemplate::createAndShowFrame(CDocument* doc)
{
    CMDIChildWnd* frame = m_factories.frame();
    CView* view = m_factories.view(doc);
    connect(&m_manager->settings(), &SettingsService::changed, view, &CView::onSettingsChanged);
    frame->setWidget(view);
    if (QMdiArea* area = m_manager->mdiArea()) {
        area->addSubWindow(frame);
        frame->placeInArea();
    }
    doc->updateFrameTitles();
    view->onInitialUpdate();
    frame->activateFrame(ShowCommand::normal);
    return frame;
}

void CDocTemplate::removeDocument(CDocument* doc)
{
    m_documents.removeAll(doc);
}

} // namespace orv
