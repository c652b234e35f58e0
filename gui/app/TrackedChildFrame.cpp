// The restore that happens while a frame is being opened must not clear the option, hence `shown`.
#include "app/TrackedChildFrame.h"

#include "framework/SettingsService.h"

namespace orv {

TrackedChildFrame::TrackedChildFrame(SettingsService& settings, QWidget* parent)
    : CMDIChildWnd(parent), m_settings(settings)
{
    connect(this, &QMdiSubWindow::windowStateChanged, this, &TrackedChildFrame::onStateChanged);
}

// The sub-window's own destructor still tells of a state change, when this frame is gone.
TrackedChildFrame::~TrackedChildFrame()
{
    disconnect(this, &QMdiSubWindow::windowStateChanged, this, &TrackedChildFrame::onStateChanged);
}

void TrackedChildFrame::activateFrame(ShowCommand requested)
{
    CMDIChildWnd::activateFrame(m_settings.record().childMaximized() ? ShowCommand::maximized : requested);
    m_shown = true;
}

void TrackedChildFrame::onStateChanged(Qt::WindowStates, Qt::WindowStates newState)
{
    if (newState.testFlag(Qt::WindowMinimized))
        return;
    if (newState.testFlag(Qt::WindowMaximized))
        m_settings.setFlag(SettingsFlag::childMaximized, true);
    else if (m_shown)
        m_settings.setFlag(SettingsFlag::childMaximized, false);
}

} // namespace orv
