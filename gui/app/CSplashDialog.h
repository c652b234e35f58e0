// The splash window: the picture, the version and a notice line, shown for 2000 ms or until the
// first key or mouse press anywhere in the application.
#pragma once

#include <QTimer>
#include <QWidget>

namespace orv {

class CSplashDialog : public QWidget {
    Q_OBJECT

public:
    explicit CSplashDialog(QWidget* mainFrame);
    ~CSplashDialog() override;

    // The splash that is showing, if any: there is only one at a time.
    static CSplashDialog* current();

signals:
    // The splash closed; the main frame shows itself now.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void finish();

    QTimer m_timer;
    bool m_finished = false;
};

} // namespace orv
