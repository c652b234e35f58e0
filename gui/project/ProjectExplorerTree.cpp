// Item pictures live in the item's data; the texts compare as the bytes they stand for.
#include "project/ProjectExplorerTree.h"

#include "framework/ByteText.h"
#include "framework/Pictures.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace orv {

namespace {

constexpr int kImageRole = Qt::UserRole;
// The last accepted name, restored when a label edit leaves the item without one.
constexpr int kNameRole = Qt::UserRole + 1;

struct MenuEntry {
    NavigatorCommand command;
    const char* text;
};

constexpr MenuEntry kNavigatorMenu[] = {
    {NavigatorCommand::newFolder, "New Folder"},
    {NavigatorCommand::newWindow, "New Window"},
    {NavigatorCommand::newScript, "New MEL Script"},
    {NavigatorCommand::insertDocument, "Insert Document"},
};

class ProjectItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        return compareProjectItems(ProjectExplorerTree::imageOf(this), textToBytes(text(0)),
                                   ProjectExplorerTree::imageOf(&other), textToBytes(other.text(0))) < 0;
    }
};

// The explorer's 16 x 16 pictures: project, closed folder, open folder, window, script.
QIcon projectIcon(ProjectImage image)
{
    switch (image) {
    case ProjectImage::root: return pictureIcon("project-root", 16);
    case ProjectImage::closedFolder: return pictureIcon("project-folder-closed", 16);
    case ProjectImage::openFolder: return pictureIcon("project-folder-open", 16);
    case ProjectImage::window: return pictureIcon("project-window", 16);
    case ProjectImage::script: return pictureIcon("project-script", 16);
    }
    return {};
}

} // namespace

ProjectExplorerTree::ProjectExplorerTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("projectTree"));
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTreeWidget::itemExpanded, this,
            [](QTreeWidgetItem* item) { setImage(item, imageAfterExpanding(imageOf(item), true)); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [](QTreeWidgetItem* item) { setImage(item, imageAfterExpanding(imageOf(item), false)); });
    connect(this, &QTreeWidget::itemChanged, this, &ProjectExplorerTree::onItemChanged);
}

ProjectImage ProjectExplorerTree::imageOf(const QTreeWidgetItem* item)
{
    return static_cast<ProjectImage>(item->data(0, kImageRole).toInt());
}

void ProjectExplorerTree::setImage(QTreeWidgetItem* item, ProjectImage image)
{
    item->setData(0, kImageRole, static_cast<int>(image));
    item->setIcon(0, projectIcon(image));
}

QTreeWidgetItem* ProjectExplorerTree::runNavigatorCommand(QTreeWidgetItem* parent, NavigatorCommand command)
{
    const std::optional<NewProjectItem> made = newProjectItem(command);
    if (!made)
        return nullptr;
    const QSignalBlocker quiet(this);
    auto* item = new ProjectItem;
    item->setText(0, QString::fromLatin1(made->text));
    item->setData(0, kNameRole, item->text(0));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    setImage(item, made->image);
    if (parent) {
        parent->addChild(item);
        parent->setExpanded(true);
        // The expansion signal was held back with the rest.
        setImage(parent, imageAfterExpanding(imageOf(parent), true));
        parent->sortChildren(0, Qt::AscendingOrder);
    } else {
        addTopLevelItem(item);
        sortItems(0, Qt::AscendingOrder);
    }
    viewport()->update();
    return item;
}

void ProjectExplorerTree::contextMenuEvent(QContextMenuEvent* event)
{
    QTreeWidgetItem* item = itemAt(event->pos());
    if (!item)
        item = topLevelItem(0);
    if (item)
        setCurrentItem(item);
    if (!offersNavigatorMenu(item ? std::optional(imageOf(item)) : std::nullopt))
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Navigator"));
    for (const MenuEntry& entry : kNavigatorMenu)
        menu.addAction(QString::fromLatin1(entry.text))->setData(static_cast<int>(entry.command));
    if (const QAction* chosen = menu.exec(event->globalPos()))
        runNavigatorCommand(item, static_cast<NavigatorCommand>(chosen->data().toInt()));
}

void ProjectExplorerTree::onItemChanged(QTreeWidgetItem* item, int column)
{
    if (column != 0)
        return;
    const QString name =
        textFromBytes(renamedText(textToBytes(item->data(0, kNameRole).toString()), textToBytes(item->text(0))));
    const QSignalBlocker quiet(this);
    item->setData(0, kNameRole, name);
    item->setText(0, name);
}

} // namespace orv
