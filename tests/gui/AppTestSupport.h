// Shared by the shell's GUI tests: an application run on a memory profile, answers to modal
// message boxes.
#pragma once

#include "app/COrvanteApp.h"
#include "app/CMainFrame.h"
#include "settings/Profile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <memory>

namespace orv::test {

// One start of the application, ended by closing its main frame and running the exit steps.
class AppRun {
public:
    explicit AppRun(Profile& profile, QStringList arguments = {QStringLiteral("orvante"), QStringLiteral("--no-splash")})
        : m_app(std::make_unique<COrvanteApp>(profile))
    {
        QApplication::setQuitOnLastWindowClosed(false);
        m_started = m_app->InitInstance(arguments);
    }
    ~AppRun() { exit(); }

    bool started() const { return m_started; }
    COrvanteApp& app() { return *m_app; }
    CMainFrame* frame() { return m_app->mainFrame(); }

    void exit()
    {
        if (!m_app)
            return;
        if (frame())
            frame()->close();
        m_app->ExitInstance();
        m_app.reset();
    }

private:
    std::unique_ptr<COrvanteApp> m_app;
    bool m_started = false;
};

// Answers the next modal message box with `button` and records its text.
class MessageBoxAnswer : public QObject {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button) : m_button(button)
    {
        QTimer::singleShot(0, this, &MessageBoxAnswer::answer);
    }
    const QString& text() const { return m_text; }
    bool seen() const { return m_seen; }

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, this, &MessageBoxAnswer::answer);
            return;
        }
        m_seen = true;
        m_text = box->text();
        box->button(m_button)->click();
    }

    QMessageBox::StandardButton m_button;
    QString m_text;
    bool m_seen = false;
};

} // namespace orv::test
