// The panes of the main frame the frame fills itself: the Output pane.
#pragma once

#include "app/CResizableBar.h"

namespace orv {

class COutputEdit;
class OutputLog;

// "Output": the message log.
class COutputPane : public CResizableBar {
    Q_OBJECT

public:
    COutputPane(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id, OutputLog& log);
    COutputEdit* edit() const { return m_edit; }

private:
    COutputEdit* m_edit;
};

} // namespace orv
