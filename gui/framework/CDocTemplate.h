// A document type: its resource string, and the factories of its document, frame and view.
#pragma once

#include "settings/WindowPlacement.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

namespace orv {

class CDocManager;
class CDocument;
class CMDIChildWnd;
class CView;

class CDocTemplate : public QObject {
    Q_OBJECT

public:
    // The seven newline-separated fields of a resource string, in order.
    enum class DocString { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    struct Factories {
        std::function<CDocument*(QObject* parent)> document;
        std::function<CMDIChildWnd*()> frame;
        std::function<CView*(CDocument*)> view;
        // For a type whose New makes no document (the icon editor runs instead): what New does.
        std::function<void()> newWithoutDocument;
    };

    CDocTemplate(int resourceId, const QString& resourceString, Factories factories, CDocManager* manager);

    int resourceId() const { return m_resourceId; }
    QString docString(DocString which) const;
    CDocManager* manager() const { return m_manager; }

    // The file's extension equals the template's (".mel"), letters in either case.
    bool matchesExtension(const QString& path) const;
    // "ORVANTE Script Files (*.mel)", usable as a file dialog filter.
    QString fileFilter() const { return docString(DocString::filterName); }

    // An empty path makes a new untitled document. Null when the document could not be made
    // or read; the failure has been reported to the user.
    CDocument* openDocumentFile(const QString& path);
    // A new untitled document that prepare fills before its frame and view are made (an
    // import); null, with the document dropped, when prepare returns false.
    CDocument* newDocument(const std::function<bool(CDocument&)>& prepare);
    // What New does for this type: a new untitled document, or the type's own action when it
    // makes none (null then).
    CDocument* onFileNew();
    // A new frame with a new view of doc, placed in the MDI area and shown (New Window too).
    CMDIChildWnd* createAndShowFrame(CDocument* doc);

    const QList<CDocument*>& documents() const { return m_documents; }
    void removeDocument(CDocument* doc);

private:
    int m_resourceId;
    QStringList m_fields;
    Factories m_factories;
    CDocManager* m_manager;
    QList<CDocument*> m_documents;
    int m_untitledCount = 0;
};

} // namespace orv
