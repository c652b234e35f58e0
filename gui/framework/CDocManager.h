// The list of document templates and the open documents: opening by extension, the active
// frame and view, closing everything at exit.
#pragma once

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

class CDocManager : public QObject {
    Q_OBJECT

public:
    explicit CDocManager(QObject* parent = nullptr);

    // Templates keep the order in which they are added; the first one takes unknown extensions.
    void addDocTemplate(CDocTemplate* docTemplate);
    const QList<CDocTemplate*>& templates() const { return m_templates; }
    CDocTemplate* templateForPath(const QString& path) const;

    void setMdiArea(QMdiArea* area);
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // The window that owns the framework's message boxes and file dialogs.
    QWidget* messageParent() const;

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

    // Offers a command to the active view, then its document, then its frame.
    bool routeCommand(int id, bool execute) const;

    // The Save As file dialog; an empty result means cancelled.
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
    // The active frame changed (null when the last one closed).
    void activeFrameChanged(orv::CMDIChildWnd* frame);

private:
    QString m_lastFolder;
    void onSubWindowActivated(QMdiSubWindow* window);

    QList<CDocTemplate*> m_templates;
    QPointer<QMdiArea> m_mdiArea;
    QPointer<CView> m_activeView;
};

} // namespace orv
