// The Output pane creates its one child control, which fills it.
#include "app/Panes.h"

#include "app/COutputEdit.h"

namespace orv {

COutputPane::COutputPane(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id, OutputLog& log)
    : CResizableBar(title, parent, defaultSize, id), m_edit(new COutputEdit(log, this))
{
    setWidget(m_edit);
}

} // namespace orv
