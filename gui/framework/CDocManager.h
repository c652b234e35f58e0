// The list of document templates and the open documents: opening by extension, the active
// frame and view, closing everything at exit.
#pragma once

#include "framework/CommandRegistry.h"

#include <QList>
#include <QObject>
#include <QMdiArea>
#include <QPointer>

class QMdiSubWindow;
class QWidget;

namespace orv {

class CDocTemplate;
class CDocument;
class CMDIChildWnd;
class CView;
class Prompts;
class SettingsService;

class CDocManager : public QObject {
    Q_OBJECT

public:
    // Prompts answer the framework's questions; settings reach every view it makes.
    CDocManager(Prompts& prompts, SettingsService& settings, QObject* parent = nullptr);

    Prompts& prompts() const { return m_prompts; }
    SettingsService& settings() const { return m_settings; }
    CommandRegistry& commands() { return m_commands; }

    // Templates keep the order in which they are added; the first one takes unknown extensions.
    void addDocTemplate(CDocTemplate* docTemplate);
    const QList<CDocTemplate*>& templates() const { return m_templates; }
    CDocTemplate* templateForPath(const QString& path) const;

    void setMdiArea(QMdiArea* area);
    QMdiArea* mdiArea() const { return m_mdiArea; }

    // Opens path with the template its extension picks; a document already open is activated.
    CDocument* openDocumentFile(const QString& path);
    // The framework's New: asks for the document type when there is more than one.
    CDocument* onFileNew();

    QList<CDocument*> documents() const;
    // Offers to save every modified document; false when the user cancelled.
    bool saveAllModified();
    void closeAllDocuments();

    CMDIChildWnd* activeFrame() const;
    CView* activeView() const;
    CDocument* activeDocument() const;

    // Those asked about a command before the application: the active view, its document, its frame.
    QList<CCmdTarget*> activeTargets() const;

    // The Save As prompt; the type's extension is added to a name without one. Empty when cancelled.
    QString promptSaveFileName(const CDocTemplate* docTemplate, const QString& proposed) const;
    // Where the Open and Save As dialogs start: the folder of the file last opened or saved,
    // else the user's home.
    QString lastFolder() const;

    // Reports a failure of the framework's file steps.
    void reportError(const QString& message) const;

signals:
    // A file was opened or saved under a name: it belongs at the top of the recent file list.
    void fileUsed(const QString& path);
    // A file could not be opened: it leaves the recent file list.
    void fileFailed(const QString& path);
    // A document was made or read, and is about to be shown.
    void documentAdded(orv::CDocument* doc);
    // The active frame changed (null when the last one closed).
    void activeFrameChanged(orv::CMDIChildWnd* frame);

private:
    void onSubWindowActivated(QMdiSubWindow* window);

    Prompts& m_prompts;
    SettingsService& m_settings;
    CommandRegistry m_commands;
    QList<CDocTemplate*> m_templates;
    QPointer<QMdiArea> m_mdiArea;
    QPointer<CView> m_activeView;
    QString m_lastFolder;
};

} // namespace orv
