// Shared by the shell's GUI tests: an application run on a memory profile, its prompts scripted.
#pragma once

#include "ScriptedPrompts.h"

#include "app/COrvanteApp.h"
#include "app/CMainFrame.h"
#include "app/CResizableBar.h"
#include "designer/CControlsFlagsDialog.h"
#include "designer/CToolsDialog.h"
#include "settings/Profile.h"

#include <QApplication>

#include <memory>

namespace orv::test {

// One start of the application, ended by closing its main frame and running the exit steps;
// every prompt it shows, exit included, must be scripted on prompts().
class AppRun {
public:
    explicit AppRun(Profile& profile, QStringList arguments = {QStringLiteral("orvante"), QStringLiteral("--no-splash")})
        : m_app(std::make_unique<COrvanteApp>(profile, m_prompts))
    {
        QApplication::setQuitOnLastWindowClosed(false);
        m_started = m_app->InitInstance(arguments);
    }
    ~AppRun() { exit(); }

    bool started() const { return m_started; }
    COrvanteApp& app() { return *m_app; }
    ScriptedPrompts& prompts() { return m_prompts; }
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
    ScriptedPrompts m_prompts;
    std::unique_ptr<COrvanteApp> m_app;
    bool m_started = false;
};

// The designer's palette and grid, which the designer module put into the frame.
inline CToolsDialog* toolsPalette(CMainFrame* frame)
{
    return frame->findChild<CToolsDialog*>();
}

inline CControlsFlagsDialog* flagsGrid(CMainFrame* frame)
{
    return qobject_cast<CControlsFlagsDialog*>(frame->controlsFlagsPane()->widget());
}

} // namespace orv::test
