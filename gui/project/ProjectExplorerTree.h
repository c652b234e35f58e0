// The "Project explorer" tree: folders, windows and scripts in memory, added from its Navigator
// menu on the root, a folder or an empty tree, sorted folders first, renamed in place.
#pragma once

#include "projectmodel/ProjectExplorer.h"

#include <QTreeWidget>

namespace orv {

class ProjectExplorerTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit ProjectExplorerTree(QWidget* parent = nullptr);

    static ProjectImage imageOf(const QTreeWidgetItem* item);
    // Shows item with a new picture; as the selected picture too.
    static void setImage(QTreeWidgetItem* item, ProjectImage image);

    // What the Navigator menu's command does on parent (a root item when parent is null): the
    // inserted item, or null when the command inserts nothing.
    QTreeWidgetItem* runNavigatorCommand(QTreeWidgetItem* parent, NavigatorCommand command);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void onItemChanged(QTreeWidgetItem* item, int column);
};

} // namespace orv
