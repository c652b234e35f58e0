// The designer's part of the main frame: the "Window hierarchy" tree and the "Controls flags"
// grid in the empty panes the frame lends, and the floating "Tools" palette. They show while
// a UI window view is active, and the palette acts on the active designer view.
#pragma once

#include "framework/CommandIds.h"

#include <QObject>
#include <QPointer>

namespace orv {

class CControlsFlagsDialog;
class CDocManager;
class CInterfaceEditorView;
class CMDIChildWnd;
class CNavigatorTreeCtrl;
class CToolsDialog;
class FrameServices;
class Profile;
class SettingsService;
struct DesignerHost;

class DesignerPanes final : public QObject {
    Q_OBJECT

public:
    // Fills the frame's hierarchy and flags panes, makes the palette hidden at its stored
    // place, and gives host its panes.
    DesignerPanes(FrameServices& frame, SettingsService& settings, const Profile& profile, CDocManager& docs,
                  DesignerHost& host);

    CToolsDialog* palette() const;

    // A designer view became active: the palette and the designer's panes are shown.
    void showPanes();
    // A designer view goes with its closing window: unless another designer view is the
    // active one, the palette and the designer's panes go, and the tree and the grid let go
    // of what they showed (a designer view activated next shows them again).
    void viewClosing(const CInterfaceEditorView* going);
    // After an export or an import: the Output pane, which holds what was written, is shown.
    void showOutput();

    // The palette's place, when it was on screen during this run.
    void saveState(Profile& profile) const;
    // The frame closes: the palette goes with it.
    void frameClosing();

private:
    void setPanesShown(bool shown);
    // Another kind of document window hides the palette and disables the two panes, which
    // keep what they showed until a window document is active again or its last view goes.
    void onActiveFrameChanged(CMDIChildWnd* frame);
    CInterfaceEditorView* activeView() const;

    FrameServices& m_frame;
    CDocManager& m_docs;
    QPointer<CNavigatorTreeCtrl> m_tree;
    QPointer<CControlsFlagsDialog> m_grid;
    QPointer<CToolsDialog> m_palette;
};

} // namespace orv
