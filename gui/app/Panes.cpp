// Each pane creates its one child control, which fills it.
#include "app/Panes.h"

#include "app/COutputEdit.h"
#include "designer/CControlsFlagsDialog.h"
#include "framework/CourierFont.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace orv {

QFont paneFont()
{
    return courierFont(shell::kOutputFontPixels);
}

CTreePane::CTreePane(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id, QTreeWidget* tree)
    : CResizableBar(title, parent, defaultSize, id), m_tree(tree)
{
    m_tree->setObjectName(QStringLiteral("tree"));
    m_tree->header()->hide();
    m_tree->setRootIsDecorated(true);
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_tree->setFont(paneFont());
    setWidget(m_tree);
}

COutputPane::COutputPane(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id, OutputLog& log)
    : CResizableBar(title, parent, defaultSize, id), m_edit(new COutputEdit(log, this))
{
    setWidget(m_edit);
}

CFlagsPane::CFlagsPane(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id)
    : CResizableBar(title, parent, defaultSize, id), m_dialog(new CControlsFlagsDialog(this))
{
    setWidget(m_dialog);
}

} // namespace orv
