// Checks in a worker thread, started after a pause in typing, results only for the text shown.
#include "editor/MelCheckRunner.h"

#include "editor/CTextView.h"
#include "melparse/MelChecks.h"

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

} // namespace

MelChecker defaultMelChecker()
{
    return [](std::string_view text) { return CheckMelScript(text); };
}

MelCheckRunner::MelCheckRunner(CTextView& view, MelChecker checker) : QObject(&view), m_view(view), m_checker(std::move(checker))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &MelCheckRunner::start);
    connect(&m_watcher, &QFutureWatcher<std::vector<MelDiagnostic>>::finished, this, &MelCheckRunner::finished);
    connect(&view, &CTextView::textChanged, this, &MelCheckRunner::textChanged);
}

void MelCheckRunner::setChecker(MelChecker checker)
{
    m_checker = std::move(checker);
    ++m_generation;
    m_pause.stop();
    start();
}

void MelCheckRunner::textChanged()
{
    ++m_generation;
    m_pause.start();
}

void MelCheckRunner::start()
{
    if (m_watcher.isRunning()) {
        m_startWhenDone = true;
        return;
    }
    if (!m_checker || !m_view.buffer()) {
        m_view.setDiagnostics({});
        return;
    }
    // The copy is taken here, in the thread that owns the buffer; the worker never sees it.
    const CTextBuffer& buffer = *m_view.buffer();
    std::size_t size = 0;
    for (int line = 0; line < buffer.LineCount(); ++line)
        size += buffer.LineText(line).size() + 1;
    std::string text;
    text.reserve(size);
    for (int line = 0; line < buffer.LineCount(); ++line) {
        if (line > 0)
            text += '\n';
        text += buffer.LineText(line);
    }
    m_checkedGeneration = m_generation;
    m_watcher.setFuture(QtConcurrent::run(&checkThreads(), [checker = m_checker, text = std::move(text)] {
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kCheckNiceness);
        return checker(text);
    }));
}

void MelCheckRunner::finished()
{
    if (m_checkedGeneration == m_generation && !m_watcher.future().isCanceled()) {
        m_view.setDiagnostics(m_watcher.result());
        emit checked();
    }
    if (m_startWhenDone) {
        m_startWhenDone = false;
        start();
    }
}

} // namespace orv
