// Two rests in typing: a short one makes the recovery image ready in memory (cheap, so a
// signal loses at most the last moment of typing), a longer one writes it (so the disk is not
// touched at every pause). Restored documents are written at once, before the files they
// came from are removed, so no moment holds the text in one place only.
#include "framework/DocumentRecovery.h"

#include "framework/ByteText.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/FrameworkTexts.h"
#include "framework/Prompts.h"
#include "recovery/RecoveryImages.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <memory>
#include <utility>

namespace orv {

namespace {

// One line of the restore prompt: the document's name, its file, when it was last kept.
QString describe(const RecoveryEntry& entry)
{
    const RecoveredDocument& document = entry.document;
    const QString file = document.path.empty() ? QString::fromLatin1(framework_texts::kNeverSaved)
                                               : QDir::toNativeSeparators(pathFromBytes(document.path));
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(entry.writtenAt), QLocale::ShortFormat);
    return QString::fromLatin1(framework_texts::kRestoreItem).arg(textFromUtf8(document.title), file, when);
}

CDocTemplate* templateOfType(const CDocManager& manager, const std::string& type)
{
    for (CDocTemplate* t : manager.templates())
        if (t->docString(CDocTemplate::DocString::filterExt).compare(textFromUtf8(type), Qt::CaseInsensitive) == 0)
            return t;
    return nullptr;
}

} // namespace

DocumentRecovery::DocumentRecovery(CDocManager& manager, std::string root, QObject* parent)
    : QObject(parent), m_manager(manager), m_root(std::move(root)), m_session(m_root)
{
    m_prepareTimer.setSingleShot(true);
    m_writeTimer.setSingleShot(true);
    setDelays(kPrepareDelay, kWriteDelay);
    connect(&m_prepareTimer, &QTimer::timeout, this, &DocumentRecovery::prepareChanged);
    connect(&m_writeTimer, &QTimer::timeout, this, &DocumentRecovery::writeNow);
    if (!m_root.empty())
        connect(&manager, &CDocManager::documentAdded, this, &DocumentRecovery::onDocumentAdded);
}

// Documents still modified keep their files: the program is ending without their being saved
// or discarded, and the next start offers them.
DocumentRecovery::~DocumentRecovery()
{
    for (const Kept& kept : std::as_const(m_kept))
        recovery_images::release(kept.slot);
}

void DocumentRecovery::setDelays(std::chrono::milliseconds prepare, std::chrono::milliseconds write)
{
    m_prepareDelay = prepare;
    m_writeDelay = write;
}

std::string DocumentRecovery::recoveryFile(const CDocument* doc) const
{
    const auto kept = m_kept.constFind(const_cast<CDocument*>(doc));
    if (kept == m_kept.cend() || !kept->onDisk)
        return {};
    return m_session.filePath(kept->number);
}

void DocumentRecovery::onDocumentAdded(CDocument* doc)
{
    m_kept.insert(doc, Kept{m_nextNumber++});
    connect(doc, &CDocument::contentChanged, this, [this, doc] { onContentChanged(doc); });
    connect(doc, &CDocument::modifiedChanged, this, [this, doc](bool modified) {
        if (!modified)
            drop(doc);
    });
    connect(doc, &QObject::destroyed, this, [this, doc] { forget(doc); });
    // A document that comes modified (restored, imported) is kept from the start.
    if (doc->isModified())
        onContentChanged(doc);
}

void DocumentRecovery::onContentChanged(CDocument* doc)
{
    const auto kept = m_kept.find(doc);
    if (kept == m_kept.end())
        return;
    kept->changed = true;
    kept->onDisk = false;
    if (!m_unprepared.isValid())
        m_unprepared.start();
    // Typing that never rests is made ready now and then all the same.
    const bool overdue = m_unprepared.elapsed() >= kPrepareAtLeastEvery.count();
    m_prepareTimer.start(overdue ? std::chrono::milliseconds(0) : m_prepareDelay);
    m_writeTimer.start(m_writeDelay);
}

void DocumentRecovery::drop(CDocument* doc)
{
    const auto kept = m_kept.find(doc);
    if (kept == m_kept.end())
        return;
    // The slot goes first, so that no signal writes the file again once it is removed.
    recovery_images::release(kept->slot);
    kept->slot = -1;
    kept->changed = false;
    kept->onDisk = false;
    m_session.remove(kept->number);
}

void DocumentRecovery::forget(CDocument* doc)
{
    const auto kept = m_kept.find(doc);
    if (kept == m_kept.end())
        return;
    // A document that was saved or closed was dropped already and has no image.
    if (!kept->onDisk)
        if (const RecoveryImage* image = recovery_images::current(kept->slot)) {
            std::string error;
            if (!m_session.write(kept->number, image->bytes, error))
                reportFailure(error);
        }
    recovery_images::release(kept->slot);
    m_kept.erase(kept);
}

void DocumentRecovery::prepareChanged()
{
    m_unprepared.invalidate();
    for (auto it = m_kept.begin(); it != m_kept.end(); ++it)
        if (it->changed && it.key()->isModified())
            prepare(it.key(), *it);
}

bool DocumentRecovery::prepare(CDocument* doc, Kept& kept)
{
    const std::optional<RecoveryText> text = doc->recoveryText();
    if (!text)
        return false;
    std::string error;
    if (!m_session.ensureFolder(error)) {
        reportFailure(error);
        return false;
    }
    const CDocTemplate* docTemplate = doc->docTemplate();
    RecoveredDocument document{
        docTemplate ? textToUtf8(docTemplate->docString(CDocTemplate::DocString::filterExt)) : std::string(),
        doc->pathName().isEmpty() ? std::string() : pathToBytes(doc->pathName()), textToUtf8(doc->title()), *text};
    if (kept.slot < 0)
        kept.slot = recovery_images::claimSlot();
    recovery_images::publish(kept.slot, std::make_unique<const RecoveryImage>(RecoveryImage{
                                            formatRecoveryFile(document), m_session.filePath(kept.number),
                                            m_session.signalTempPath(kept.number)}));
    kept.changed = false;
    return true;
}

void DocumentRecovery::writeNow()
{
    bool any = false;
    for (auto it = m_kept.begin(); it != m_kept.end(); ++it) {
        CDocument* doc = it.key();
        Kept& kept = *it;
        if (kept.onDisk || !doc->isModified())
            continue;
        if (kept.changed && !prepare(doc, kept))
            continue;
        const RecoveryImage* image = recovery_images::current(kept.slot);
        std::string error;
        if (!image || !m_session.write(kept.number, image->bytes, error)) {
            reportFailure(image ? error : std::string("too many documents with unsaved changes"));
            continue;
        }
        recovery_images::markWritten(kept.slot);
        kept.onDisk = true;
        any = true;
    }
    if (any)
        emit written();
}

void DocumentRecovery::reportFailure(const std::string& error)
{
    if (m_reportedFailure)
        return;
    m_reportedFailure = true;
    emit failed(QString::fromLatin1(framework_texts::kRecoveryNotWritten).arg(pathFromBytes(error)));
}

void DocumentRecovery::offerRestore()
{
    if (m_root.empty())
        return;
    std::vector<AbandonedSession> sessions = claimAbandonedSessions(m_root, m_session.name());
    Prompts& prompts = m_manager.prompts();
    QStringList damaged;
    QStringList items;
    std::vector<std::pair<AbandonedSession*, const RecoveryEntry*>> offered;
    for (AbandonedSession& session : sessions) {
        for (const DamagedRecoveryFile& file : session.damaged())
            damaged << QString::fromLatin1(framework_texts::kDamagedRecoveryFile)
                           .arg(QDir::toNativeSeparators(pathFromBytes(file.file)), textFromUtf8(file.problem));
        for (const RecoveryEntry& entry : session.entries()) {
            items << describe(entry);
            offered.emplace_back(&session, &entry);
        }
    }
    if (!damaged.isEmpty())
        prompts.showError(QString::fromLatin1(framework_texts::kRecoveryFilesDamaged).arg(damaged.join(QLatin1Char('\n'))));
    const RestoreChoice chosen = items.isEmpty() ? RestoreChoice{false, {}} : prompts.chooseDocumentsToRestore(items);
    // Left for the next start: the folders are let go as they are.
    if (chosen.later)
        return;
    QStringList failed;
    bool restored = false;
    for (const int index : chosen.restore) {
        if (index < 0 || static_cast<std::size_t>(index) >= offered.size())
            continue;
        const auto [session, entry] = offered[static_cast<std::size_t>(index)];
        if (restore(entry->document))
            restored = true;
        else if (session->setAside(*entry))
            failed << QDir::toNativeSeparators(pathFromBytes(entry->file + kDamagedRecoveryExtension));
    }
    // The restored documents' own files first; only then the ones they came from go.
    if (restored)
        writeNow();
    for (AbandonedSession& session : sessions)
        session.discard();
    if (!failed.isEmpty())
        prompts.showError(QString::fromLatin1(framework_texts::kNotRestored).arg(failed.join(QLatin1Char('\n'))));
}

CDocument* DocumentRecovery::restore(const RecoveredDocument& document)
{
    CDocTemplate* docTemplate = templateOfType(m_manager, document.type);
    if (!docTemplate)
        return nullptr;
    const QString path = document.path.empty() ? QString() : pathFromBytes(document.path);
    // The same file opened unchanged already (the last document reopened at start) gives way.
    for (CDocument* open : m_manager.documents())
        if (!path.isEmpty() && open->pathName() == QFileInfo(path).absoluteFilePath() && !open->isModified())
            open->onCloseDocument();
    return docTemplate->newDocument([&document, &path](CDocument& doc) {
        if (!doc.restoreRecoveryText(document.content))
            return false;
        if (!path.isEmpty())
            doc.setPathName(path);
        doc.setModifiedFlag(true);
        return true;
    });
}

} // namespace orv
