// A document window that keeps the "document windows open maximized" option: maximizing sets it,
// restoring clears it once the frame has been shown, and activation honours it.
#pragma once

#include "framework/CMDIChildWnd.h"

namespace orv {

class SettingsService;

class TrackedChildFrame : public CMDIChildWnd {
    Q_OBJECT

public:
    explicit TrackedChildFrame(SettingsService& settings, QWidget* parent = nullptr);
    ~TrackedChildFrame() override;

    // Set at the end of the first activation.
    bool shown() const { return m_shown; }

    // Shows the frame maximized whenever the option is set, else as asked.
    void activateFrame(ShowCommand requested) override;

protected:
    SettingsService& settings() const { return m_settings; }

private:
    void onStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState);

    SettingsService& m_settings;
    bool m_shown = false;
};

} // namespace orv
