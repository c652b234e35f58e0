// The end of a start-up measurement: the process leaves as soon as its main window has been
// painted once, without any exit work, so that only the start-up is timed.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <cstdlib>

namespace orv::bench {

class ExitAfterFirstPaint final : public QObject {
public:
    ExitAfterFirstPaint() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType() &&
            qobject_cast<QMainWindow*>(static_cast<QWidget*>(watched)->window())) {
            m_seen = true;
            // After the whole window's paint, which the window system does in one pass.
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace orv::bench
