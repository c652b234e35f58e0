// The four panes of the main frame: two trees, the Output pane and the controls-flags pane.
#pragma once

#include "app/CResizableBar.h"

class QTreeWidget;

namespace orv {

class CControlsFlagsDialog;
class COutputEdit;
class OutputLog;

// "Window hierarchy" and "Project explorer": a tree filling the pane.
class CTreePane : public CResizableBar {
    Q_OBJECT

public:
    // tree: the module's own tree, which the pane takes.
    CTreePane(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id, QTreeWidget* tree);
    QTreeWidget* tree() const { return m_tree; }

private:
    QTreeWidget* m_tree;
};

// "Output": the message log.
class COutputPane : public CResizableBar {
    Q_OBJECT

public:
    COutputPane(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id, OutputLog& log);
    COutputEdit* edit() const { return m_edit; }

private:
    COutputEdit* m_edit;
};

// "Controls flags": the property grid of the selected control.
class CFlagsPane : public CResizableBar {
    Q_OBJECT

public:
    CFlagsPane(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id);
    CControlsFlagsDialog* dialog() const { return m_dialog; }

private:
    CControlsFlagsDialog* m_dialog;
};

// The "Courier" font shared by the hierarchy tree and the Output pane.
QFont paneFont();

} // namespace orv
