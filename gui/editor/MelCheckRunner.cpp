// Checks in a worker thread, started after a pause in typing, results only for the text shown.
#include "editor/MelCheckRunner.h"

#include "editor/CTextView.h"
#include "melparse/MelChecks.h"
#include "text/CTextBuffer.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace orv {

namespace {

// The niceness of the checks' thread: when both want the processor, typing wins it.
constexpr int kCheckNiceness = 10;
// The lines copied under the buffer's lock at a time: an edit waits for one slice at most.
constexpr int kCopySliceLines = 8192;

// One thread for the checks of every view: they queue rather than crowd the processor.
QThreadPool& checkThreads()
{
    static QThreadPool* pool = [] {
        auto* threads = new QThreadPool(QCoreApplication::instance());
        threads->setMaxThreadCount(1);
        return threads;
    }();
    return *pool;
}

// The whole text, taken in slices; false when it changed between two slices or the check
// was stopped (the copy is of no use then).
bool copyText(const CTextBuffer& buffer, std::string& text, const std::atomic<bool>& stop)
{
    std::uint64_t edits = 0;
    for (int line = 0;; line += kCopySliceLines) {
        if (stop.load(std::memory_order_relaxed))
            return false;
        const CTextBuffer::SharedSlice slice = buffer.CopyLinesShared(line, kCopySliceLines, text);
        if (line == 0)
            edits = slice.edits;
        else if (slice.edits != edits)
            return false;
        if (line + kCopySliceLines >= slice.lineCount)
            return true;
    }
}

} // namespace

MelChecker defaultMelChecker()
{
    return [](std::string_view text, const std::atomic<bool>& stop) { return CheckMelScript(text, &stop); };
}

MelCheckRunner::MelCheckRunner(CTextView& view, MelChecker checker) : QObject(&view), m_view(view), m_checker(std::move(checker))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &MelCheckRunner::start);
    connect(&m_watcher, &QFutureWatcher<std::vector<MelDiagnostic>>::finished, this, &MelCheckRunner::finished);
    connect(&view, &CTextView::textChanged, this, &MelCheckRunner::textChanged);
}

MelCheckRunner::~MelCheckRunner()
{
    // The worker reads the buffer, which may go soon after the view.
    cancel();
    m_watcher.disconnect(this);
    m_watcher.waitForFinished();
}

void MelCheckRunner::setChecker(MelChecker checker)
{
    m_checker = std::move(checker);
    ++m_generation;
    m_pause.stop();
    start();
}

void MelCheckRunner::cancel()
{
    m_startWhenDone = false;
    if (m_run)
        m_run->stop = true;
}

void MelCheckRunner::textChanged()
{
    ++m_generation;
    // A check of an older text is of no use: it stops, and the pause starts the next one.
    if (m_run && m_watcher.isRunning())
        m_run->stop = true;
    m_pause.start();
}

void MelCheckRunner::start()
{
    if (m_watcher.isRunning()) {
        m_run->stop = true;
        m_startWhenDone = true;
        return;
    }
    const CTextBuffer* buffer = m_view.buffer();
    if (!m_checker || !buffer) {
        m_view.setDiagnostics({});
        return;
    }
    m_checkedGeneration = m_generation;
    m_run = std::make_shared<Run>();
    m_watcher.setFuture(QtConcurrent::run(&checkThreads(), [checker = m_checker, buffer, run = m_run] {
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kCheckNiceness);
        std::string text;
        if (!copyText(*buffer, text, run->stop))
            return std::vector<MelDiagnostic>{};
        return checker(text, run->stop);
    }));
}

void MelCheckRunner::finished()
{
    if (m_checkedGeneration == m_generation && !m_run->stop) {
        m_view.setDiagnostics(m_watcher.result());
        emit checked();
    }
    if (m_startWhenDone) {
        m_startWhenDone = false;
        start();
    }
}

} // namespace orv
