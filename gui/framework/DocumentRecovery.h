// Keeps the text of every document with unsaved changes in a recovery file: made ready in
// memory after a short rest in typing (for a fatal signal's handler to write), written after a
// longer one, dropped when the document is saved or closed (kept when the program ends with
// the document still modified); and at start offers to open again the documents that a
// program which ended before saving them left behind.
#pragma once

#include "recovery/RecoveryStore.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <string>

namespace orv {

class CDocManager;
class CDocument;

class DocumentRecovery : public QObject {
    Q_OBJECT

public:
    // How long the text rests before it is made ready for a signal, the longest it goes unready
    // while the typing goes on, and how long it rests before it is written.
    static constexpr std::chrono::milliseconds kPrepareDelay{500};
    static constexpr std::chrono::milliseconds kPrepareAtLeastEvery{5000};
    static constexpr std::chrono::milliseconds kWriteDelay{3000};

    // Keeps the documents of manager in a folder of this program's own under root (see
    // recoveryRoot); an empty root keeps nothing.
    DocumentRecovery(CDocManager& manager, std::string root, QObject* parent = nullptr);
    ~DocumentRecovery() override;

    void setDelays(std::chrono::milliseconds prepare, std::chrono::milliseconds write);

    // Offers the documents kept by programs that ended before saving them: those chosen open
    // again, modified, under their own files' names (or untitled); the others are discarded.
    // Recovery files that cannot be read are set aside and named in an error.
    void offerRestore();

    // Writes the recovery files of the documents changed since they were last written.
    void writeNow();
    // The recovery file of doc as the file system spells it, or empty while it has none written.
    std::string recoveryFile(const CDocument* doc) const;

signals:
    // Recovery files were written (at rest, or at once for restored documents).
    void written();
    // A recovery file could not be written; said once a program run.
    void failed(const QString& message);

private:
    struct Kept {
        int number = 0;
        int slot = -1;          // the document's place among the images a signal writes
        bool changed = false;   // changed since its image was made
        bool onDisk = false;    // its file holds its last image
    };

    void onDocumentAdded(CDocument* doc);
    void onContentChanged(CDocument* doc);
    // The document was saved or closed: its file goes.
    void drop(CDocument* doc);
    // The document went while modified (the program ends without its being saved or
    // discarded): its file stays, with the last image made ready.
    void forget(CDocument* doc);
    // Makes the images of changed documents ready.
    void prepareChanged();
    bool prepare(CDocument* doc, Kept& kept);
    void reportFailure(const std::string& error);
    CDocument* restore(const RecoveredDocument& document);

    CDocManager& m_manager;
    std::string m_root;
    RecoverySession m_session;
    QHash<CDocument*, Kept> m_kept;
    int m_nextNumber = 1;
    std::chrono::milliseconds m_prepareDelay = kPrepareDelay;
    std::chrono::milliseconds m_writeDelay = kWriteDelay;
    QTimer m_prepareTimer;
    QTimer m_writeTimer;
    // Since the first change not yet made ready.
    QElapsedTimer m_unprepared;
    bool m_reportedFailure = false;
};

} // namespace orv
