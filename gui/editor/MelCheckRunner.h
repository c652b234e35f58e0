// The checks of a MEL view: run again when typing pauses, on a copy of the text in a worker
// thread so that neither painting nor typing waits for them; a result that arrives after
// the text changed again is dropped, and the newest text is checked next.
#pragma once

#include "melparse/MelDiagnostic.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace orv {

class CTextView;

// Finds what is wrong in a whole script (lines joined by LF); called in a worker thread.
using MelChecker = std::function<std::vector<MelDiagnostic>(std::string_view text)>;

// The checks of the MEL checks module.
MelChecker defaultMelChecker();

class MelCheckRunner : public QObject {
    Q_OBJECT

public:
    // The pause in typing after which the text is checked again.
    static constexpr int kPauseMs = 300;

    // A check still under way when the runner goes finishes on its own copy of the text,
    // unheard.
    MelCheckRunner(CTextView& view, MelChecker checker);

    // Another checker (none: no checks, no marks); the text is checked again at once.
    void setChecker(MelChecker checker);
    bool checking() const { return m_watcher.isRunning(); }

signals:
    // The view's marks now hold the findings of its current text.
    void checked();

private:
    void textChanged();
    void start();
    void finished();

    CTextView& m_view;
    MelChecker m_checker;
    QTimer m_pause;
    QFutureWatcher<std::vector<MelDiagnostic>> m_watcher;
    std::uint64_t m_generation = 0;         // counts the changes of the text
    std::uint64_t m_checkedGeneration = 0;  // the text the running check was given
    bool m_startWhenDone = false;
};

} // namespace orv
