// A document: its file, title and modified flag, its views, and the open/save/close steps.
#pragma once

#include "framework/CCmdTarget.h"

#include "framework/FileError.h"
#include "recovery/RecoveryFile.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace orv {

class CDocTemplate;
class CView;

class CDocument : public QObject, public CCmdTarget {
    Q_OBJECT

public:
    explicit CDocument(QObject* parent = nullptr);

    CDocTemplate* docTemplate() const { return m_template; }
    const QString& pathName() const { return m_pathName; }
    const QString& title() const { return m_title; }
    void setTitle(const QString& title);
    // Names the document after its file; the title becomes the file's name.
    void setPathName(const QString& path);

    bool isModified() const { return m_modified; }
    void setModifiedFlag(bool modified = true);
    // The title of one of its frames: "Title", or "Title:2" when the document has several,
    // and a "*" after it while the document has changes not saved.
    QString frameTitle(int windowNumber) const;

    const QList<CView*>& views() const { return m_views; }
    void addView(CView* view);
    void removeView(CView* view);
    // "Title", or "Title:1", "Title:2"... when the document has several frames.
    void updateFrameTitles();
    // Tells every view but the sender that the document changed.
    void updateAllViews(CView* sender, int hint = 0);

    // The steps each document type gives its own content.
    virtual bool onNewDocument();
    virtual FileError onOpenDocument(const QString& path);
    virtual FileError onSaveDocument(const QString& path);
    // Why the last open or save failed, in the document's own words; shown below the
    // standard message. Empty when there is nothing to add.
    virtual QString fileErrorDetail() const { return {}; }
    // The standard message of a failed open (reading) or save; below the bare "failed"
    // message, the detail.
    QString fileFailureMessage(FileError error, const QString& path, bool reading) const;

    // The content as its file would hold it, kept in a recovery file while it has unsaved
    // changes; nothing for a type whose content is not kept.
    virtual std::optional<RecoveryText> recoveryText() const { return std::nullopt; }
    // Takes the content kept in a recovery file as the content of this new document; false
    // when the text cannot be read as this type's content.
    virtual bool restoreRecoveryText(const RecoveryText&) { return false; }

    // Asks "Save changes to ...?" when modified: true when the document may close.
    bool saveModified();
    // Saves under its name, or asks for one first when it has none (Save).
    bool doFileSave();
    // Saves under path, or under a name the user picks when path is empty (Save As).
    bool doSave(const QString& path);
    // Closes every frame of the document without asking; the document goes with its last view.
    void onCloseDocument();

signals:
    // The title changed, or the modified mark beside it.
    void titleChanged();
    void modifiedChanged(bool modified);
    // The content changed (each edit, not only the first one after a save).
    void contentChanged();

private:
    friend class CDocTemplate;

    CDocTemplate* m_template = nullptr;
    QString m_pathName;
    QString m_title;
    bool m_modified = false;
    bool m_closing = false;
    QList<CView*> m_views;
};

} // namespace orv
