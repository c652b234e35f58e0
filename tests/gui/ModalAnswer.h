// Answering a modal dialog from a test: the step runs once the dialog's event loop is up, and a
// watchdog closes a dialog the step missed, so a wrong dialog fails instead of hanging.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace orv::test {

inline constexpr int kWatchdogMs = 5000;

// Runs step on the modal dialog of type Dialog once control reaches its event loop.
template <typename Dialog>
void answerModal(QObject* context, std::function<void(Dialog*)> step)
{
    QTimer::singleShot(0, context, [step] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            step(dialog);
    });
    QTimer::singleShot(kWatchdogMs, context, [] {
        if (auto* left = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            QTest::qFail("the dialog was not the one expected", __FILE__, __LINE__);
            left->reject();
        }
    });
}

} // namespace orv::test
