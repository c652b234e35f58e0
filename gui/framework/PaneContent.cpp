// The panes' face and their trees' look.
#include "framework/PaneContent.h"

#include "framework/CourierFont.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace orv {

namespace {

constexpr int kPaneFontPixels = 14;

} // namespace

QFont paneFont()
{
    return courierFont(kPaneFontPixels);
}

void preparePaneTree(QTreeWidget& tree)
{
    tree.setObjectName(QStringLiteral("tree"));
    tree.header()->hide();
    tree.setRootIsDecorated(true);
    tree.setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    tree.setFont(paneFont());
}

} // namespace orv
