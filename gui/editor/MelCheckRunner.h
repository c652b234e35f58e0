// The checks of a MEL view: run again when typing pauses, in a worker thread that copies the
// text itself (in slices, while typing goes on) so that neither painting nor typing waits for
// them; a result that arrives after the text changed again is dropped, and the newest text is
// checked next. A check under way is told to stop when a newer text waits and when the view
// goes.
#pragma once

#include "melparse/MelDiagnostic.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace orv {

class CTextView;

// Finds what is wrong in a whole script (lines joined by LF); called in a worker thread. Once
// stop is set the findings are of no use, and the checker should end soon.
using MelChecker = std::function<std::vector<MelDiagnostic>(std::string_view text, const std::atomic<bool>& stop)>;

// The checks of the MEL checks module.
MelChecker defaultMelChecker();

class MelCheckRunner : public QObject {
    Q_OBJECT

public:
    // The pause in typing after which the text is checked again.
    static constexpr int kPauseMs = 300;

    MelCheckRunner(CTextView& view, MelChecker checker);
    // A check under way is stopped, and waited for until it no longer reads the text.
    ~MelCheckRunner() override;

    // Another checker (none: no checks, no marks); the text is checked again at once.
    void setChecker(MelChecker checker);
    bool checking() const { return m_watcher.isRunning(); }
    // Stops a check under way; its findings are dropped. The next pause in typing checks again.
    void cancel();

signals:
    // The view's marks now hold the findings of its current text.
    void checked();

private:
    // What a check and its runner share: the signal to stop.
    struct Run {
        std::atomic<bool> stop{false};
    };

    void textChanged();
    void start();
    void finished();

    CTextView& m_view;
    MelChecker m_checker;
    QTimer m_pause;
    QFutureWatcher<std::vector<MelDiagnostic>> m_watcher;
    std::shared_ptr<Run> m_run;             // the check under way, or the last one
    std::uint64_t m_generation = 0;         // counts the changes of the text
    std::uint64_t m_checkedGeneration = 0;  // the text the running check was given
    bool m_startWhenDone = false;
};

} // namespace orv
