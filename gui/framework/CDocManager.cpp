// Template choice by extension, the active view's activation notices, closing at exit.
#include "framework/CDocManager.h"

#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CView.h"
#include "framework/FrameworkTexts.h"
#include "framework/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>

namespace orv {

CDocManager::CDocManager(Prompts& prompts, SettingsService& settings, QObject* parent)
    : QObject(parent), m_prompts(prompts), m_settings(settings), m_commands([this] { return activeTargets(); })
{
    connect(this, &CDocManager::fileUsed, this, [this](const QString& path) { m_lastFolder = QFileInfo(path).absolutePath(); });
}

void CDocManager::addDocTemplate(CDocTemplate* docTemplate)
{
    if (!m_templates.contains(docTemplate))
        m_templates.append(docTemplate);
}

CDocTemplate* CDocManager::templateForPath(const QString& path) const
{
    for (CDocTemplate* t : m_templates)
        if (t->matchesExtension(path))
            return t;
    return m_templates.value(0);
}

void CDocManager::setMdiArea(QMdiArea* area)
{
    m_mdiArea = area;
    connect(area, &QMdiArea::subWindowActivated, this, &CDocManager::onSubWindowActivated);
}

QString CDocManager::lastFolder() const
{
    return m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder;
}

void CDocManager::onSubWindowActivated(QMdiSubWindow* window)
{
    // The area reports no window while the application is inactive; the current one stays.
    if (!window && m_mdiArea)
        window = m_mdiArea->currentSubWindow();
    auto* frame = qobject_cast<CMDIChildWnd*>(window);
    CView* view = frame ? frame->activeView() : nullptr;
    if (view == m_activeView)
        return;
    if (m_activeView)
        m_activeView->onActivateView(false);
    m_activeView = view;
    if (view)
        view->onActivateView(true);
    m_commands.requestUpdate();
    emit activeFrameChanged(frame);
}

CDocument* CDocManager::openDocumentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CDocument* doc : documents()) {
        if (doc->pathName() == absolute && !doc->views().isEmpty()) {
            if (CMDIChildWnd* frame = doc->views().first()->parentFrame())
                frame->activateFrame(frame->isMaximized() ? ShowCommand::maximized : ShowCommand::normal);
            emit fileUsed(absolute);
            return doc;
        }
    }
    CDocTemplate* docTemplate = templateForPath(path);
    return docTemplate ? docTemplate->openDocumentFile(path) : nullptr;
}

CDocument* CDocManager::onFileNew()
{
    if (m_templates.isEmpty())
        return nullptr;
    CDocTemplate* chosen = m_templates.first();
    if (m_templates.size() > 1) {
        QStringList names;
        for (const CDocTemplate* t : m_templates)
            names << t->docString(CDocTemplate::DocString::fileNewName);
        const std::optional<int> index = m_prompts.chooseItem(QString::fromLatin1(framework_texts::kNewDialogTitle),
                                                              QString::fromLatin1(framework_texts::kNewDialogLabel), names);
        if (!index)
            return nullptr;
        chosen = m_templates.value(*index, chosen);
    }
    return chosen->onFileNew();
}

QList<CDocument*> CDocManager::documents() const
{
    QList<CDocument*> all;
    for (const CDocTemplate* t : m_templates)
        all += t->documents();
    return all;
}

bool CDocManager::saveAllModified()
{
    for (CDocument* doc : documents())
        if (!doc->saveModified())
            return false;
    return true;
}

void CDocManager::closeAllDocuments()
{
    for (CDocument* doc : documents())
        doc->onCloseDocument();
}

CMDIChildWnd* CDocManager::activeFrame() const
{
    return m_mdiArea ? qobject_cast<CMDIChildWnd*>(m_mdiArea->currentSubWindow()) : nullptr;
}

CView* CDocManager::activeView() const
{
    const CMDIChildWnd* frame = activeFrame();
    return frame ? frame->activeView() : nullptr;
}

CDocument* CDocManager::activeDocument() const
{
    const CMDIChildWnd* frame = activeFrame();
    return frame ? frame->activeDocument() : nullptr;
}

QList<CCmdTarget*> CDocManager::activeTargets() const
{
    CMDIChildWnd* frame = activeFrame();
    if (!frame)
        return {};
    return {frame->activeView(), frame->activeDocument(), frame};
}

QString CDocManager::promptSaveFileName(const CDocTemplate* docTemplate, const QString& proposed) const
{
    QString path = m_prompts.chooseFileToSave(lastFolder(), proposed, docTemplate->fileFilter());
    const QString ext = docTemplate->docString(CDocTemplate::DocString::filterExt);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty() && !ext.isEmpty())
        path += ext;
    return path;
}

void CDocManager::reportError(const QString& message) const
{
    m_prompts.showError(message);
}

} // namespace orv
