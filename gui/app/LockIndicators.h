// The status bar's CAP, NUM and SCRL indicators: each shows its text while its lock is on.
#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

namespace orv {

class LockIndicators : public QObject {
    Q_OBJECT

public:
    // Adds the three indicators to the right of the status bar's message pane.
    explicit LockIndicators(QStatusBar* bar);
    ~LockIndicators() override;

    bool capsLock() const { return m_caps; }
    bool numLock() const { return m_num; }
    bool scrollLock() const { return m_scroll; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show();

    QLabel* m_capsLabel;
    QLabel* m_numLabel;
    QLabel* m_scrollLabel;
    bool m_caps = false;
    bool m_num = false;
    bool m_scroll = false;
};

} // namespace orv
