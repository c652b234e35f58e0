// What the main frame lends the document modules: the empty panes a module fills with its own
// widgets, and the few services of the frame a module's widgets need.
#pragma once

#include "framework/CommandIds.h"

class QDockWidget;
class QString;
class QWidget;

namespace orv {

class FrameServices {
public:
    // The main window, parent of a module's floating tool windows.
    virtual QWidget* frameWindow() = 0;
    // The empty pane a module fills (the frame keeps its place, size and toggle command); null
    // for a pane the frame fills itself.
    virtual QDockWidget* paneSlot(PaneId id) = 0;
    // Shows a pane when it is hidden, at its remembered size, as its toggle does.
    virtual void showPane(PaneId id) = 0;
    // A pane was shown, hidden or enabled: the pane toggles follow.
    virtual void panesChanged() = 0;
    // A text in the status bar's first pane.
    virtual void showHint(const QString& text) = 0;

protected:
    ~FrameServices() = default;
};

} // namespace orv
