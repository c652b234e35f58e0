// Items carry their element; the tree follows the window's edits item by item and is
// refilled only when it comes to show a window.
#include "designer/CNavigatorTreeCtrl.h"

#include "designer/CInterfaceEditorView.h"
#include "designer/ElementPictures.h"
#include "designmodel/InsertCommands.h"
#include "designer/PreviewWidget.h"
#include "uimodel/CUIWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace orv {

namespace {
constexpr int kElementRole = Qt::UserRole;
constexpr int kPictureSize = 16;
constexpr int kPictureGap = 3;

// The dragged item as the tree shows it: its type picture, then its name.
QPixmap dragImageOf(const QTreeWidgetItem& item, const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString name = item.text(0);
    const QSize size(kPictureSize + kPictureGap + metrics.horizontalAdvance(name) + 2,
                     std::max(kPictureSize, metrics.height()));
    QPixmap image(size);
    image.fill(Qt::transparent);
    QPainter p(&image);
    item.icon(0).paint(&p, QRect(0, (size.height() - kPictureSize) / 2, kPictureSize, kPictureSize));
    p.setFont(font);
    p.drawText(QRect(kPictureSize + kPictureGap, 0, size.width(), size.height()), Qt::AlignVCenter | Qt::AlignLeft,
               name);
    return image;
}
} // namespace

CNavigatorTreeCtrl::CNavigatorTreeCtrl(QWidget* parent) : QTreeWidget(parent), m_dragImage(new QLabel(viewport()))
{
    m_dragImage->setObjectName(QStringLiteral("dragImage"));
    m_dragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dragImage->setStyleSheet(QStringLiteral("background: rgba(255, 255, 255, 160); border: 1px dotted gray;"));
    m_dragImage->hide();
    setObjectName(QStringLiteral("tree"));
    header()->hide();
    setRootIsDecorated(true);
    // Every item is a picture and a line of text: the view need not measure each row, which
    // keeps placing the current item cheap in a window of thousands of elements.
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { onCurrentItemChanged(current); });
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) { onItemChanged(item); });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (CUIElement* e = elementOf(item); e && !m_filling)
            e->setStateFlag(true);
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (CUIElement* e = elementOf(item); e && !m_filling)
            e->setStateFlag(false);
    });
}

CUIElement* CNavigatorTreeCtrl::elementOf(const QTreeWidgetItem* item)
{
    return item ? reinterpret_cast<CUIElement*>(item->data(0, kElementRole).value<quintptr>()) : nullptr;
}

CNavigatorTreeCtrl::~CNavigatorTreeCtrl()
{
    observe(nullptr);
}

void CNavigatorTreeCtrl::observe(CUIWindow* window)
{
    if (window == m_window)
        return;
    if (m_window)
        m_window->removeObserver(*this);
    m_window = window;
    if (m_window)
        m_window->addObserver(*this);
}

void CNavigatorTreeCtrl::FillHierarchy(CUIWindow& window, CInterfaceEditorView* view)
{
    // A drag over the items going is given up.
    if (m_dragging)
        endDrag();
    m_view = view;
    m_kind = TreeKind::windowHierarchy;
    setEnabled(true);
    m_filling = true;
    setUpdatesEnabled(false);
    clear();
    m_items.clear();
    observe(&window);
    QTreeWidgetItem* top = makeItems(window);
    addTopLevelItem(top);
    expandAsStored(window, top);
    setUpdatesEnabled(true);
    m_filling = false;
    selectElement(view ? view->selected() : nullptr);
}

QTreeWidgetItem* CNavigatorTreeCtrl::makeItems(const CUIElement& element)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, textFromUtf8(element.name()));
    item->setIcon(0, pictureOf(element.typeCode()));
    item->setData(0, kElementRole, QVariant::fromValue(reinterpret_cast<quintptr>(&element)));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_items[&element] = item;
    for (const auto& child : element.children())
        item->addChild(makeItems(*child));
    return item;
}

void CNavigatorTreeCtrl::expandAsStored(const CUIElement& element, QTreeWidgetItem* item)
{
    for (int i = 0; i < item->childCount(); ++i)
        if (const CUIElement* child = elementOf(item->child(i)))
            expandAsStored(*child, item->child(i));
    item->setExpanded(element.stateFlag());
}

void CNavigatorTreeCtrl::forgetItems(const CUIElement& element)
{
    m_items.erase(&element);
    for (const auto& child : element.children())
        forgetItems(*child);
}

void CNavigatorTreeCtrl::placeItems(const CUIElement& element, QTreeWidgetItem* item)
{
    const auto parentItem = m_items.find(element.parent());
    if (parentItem == m_items.end())
        return;
    const auto& siblings = element.parent()->children();
    const auto at = std::find_if(siblings.begin(), siblings.end(), [&](const auto& e) { return e.get() == &element; });
    parentItem->second->insertChild(static_cast<int>(at - siblings.begin()), item);
    expandAsStored(element, item);
}

void CNavigatorTreeCtrl::elementInserted(const CUIElement& element)
{
    if (!element.parent() || !m_items.contains(element.parent()))
        return;
    m_filling = true;
    placeItems(element, makeItems(element));
    m_filling = false;
}

void CNavigatorTreeCtrl::elementRemoving(const CUIElement& element)
{
    if (&element == m_window) {
        // The window goes with its observers: nothing to stop hearing.
        m_window = nullptr;
        clearHierarchy();
        return;
    }
    const auto found = m_items.find(&element);
    if (found == m_items.end())
        return;
    if (m_dragging && m_dragSource && elementOf(m_dragSource) == &element)
        endDrag();
    QTreeWidgetItem* item = found->second;
    forgetItems(element);
    m_filling = true;
    delete item;
    m_filling = false;
}

void CNavigatorTreeCtrl::elementMoved(const CUIElement& element)
{
    const auto found = m_items.find(&element);
    if (found == m_items.end())
        return;
    QTreeWidgetItem* item = found->second;
    m_filling = true;
    const bool current = currentItem() == item;
    if (QTreeWidgetItem* oldParent = item->parent())
        oldParent->takeChild(oldParent->indexOfChild(item));
    placeItems(element, item);
    if (current)
        setCurrentItem(item);
    m_filling = false;
}

void CNavigatorTreeCtrl::flagsChanged(const CUIElement& element)
{
    const auto found = m_items.find(&element);
    if (found == m_items.end())
        return;
    const QString name = textFromUtf8(element.name());
    if (found->second->text(0) == name)
        return;
    m_filling = true;
    found->second->setText(0, name);
    m_filling = false;
}

void CNavigatorTreeCtrl::showSelection(const CUIElement* element)
{
    if (QTreeWidgetItem* item = itemOf(element)) {
        setCurrentItem(item);
        return;
    }
    m_filling = true;
    setCurrentItem(nullptr);
    m_filling = false;
}

CInterfaceEditorView* CNavigatorTreeCtrl::view() const
{
    return m_view;
}

const QIcon& CNavigatorTreeCtrl::pictureOf(ElementTypeCode code)
{
    auto it = m_pictures.find(code);
    if (it == m_pictures.end())
        it = m_pictures.emplace(code, elementPicture(code)).first;
    return it->second;
}

void CNavigatorTreeCtrl::clearHierarchy()
{
    if (m_dragging)
        endDrag();
    m_filling = true;
    clear();
    m_items.clear();
    observe(nullptr);
    m_filling = false;
    m_view = nullptr;
    m_kind = TreeKind::none;
}

CUIElement* CNavigatorTreeCtrl::selectedElement() const
{
    return elementOf(currentItem());
}

QTreeWidgetItem* CNavigatorTreeCtrl::itemOf(const CUIElement* element) const
{
    const auto found = m_items.find(element);
    return found == m_items.end() ? nullptr : found->second;
}

void CNavigatorTreeCtrl::selectElement(const CUIElement* element)
{
    if (QTreeWidgetItem* item = itemOf(element))
        setCurrentItem(item);
}

void CNavigatorTreeCtrl::onCurrentItemChanged(QTreeWidgetItem* current)
{
    if (m_filling || m_dragging || !current || m_kind != TreeKind::windowHierarchy || !m_view)
        return;
    m_view->onTreeSelection(elementOf(current));
}

void CNavigatorTreeCtrl::onItemChanged(QTreeWidgetItem* item)
{
    CUIElement* element = elementOf(item);
    if (m_filling || !element || !m_view)
        return;
    const std::string typed = textToUtf8(item->text(0));
    if (!typed.empty())
        m_view->renameElement(*element, typed);
    if (element->name() != typed) {
        m_filling = true;
        item->setText(0, textFromUtf8(element->name()));
        m_filling = false;
    }
}

void CNavigatorTreeCtrl::keyPressEvent(QKeyEvent* event)
{
    if (m_dragging && event->key() == Qt::Key_Escape) {
        endDrag();
        return;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (m_view && event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        m_view->DeleteSelection();
        return;
    }
    if (m_view && ctrl && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        m_view->moveSelection(event->key() == Qt::Key_Up ? WindowDesigner::MoveDirection::up
                                                         : WindowDesigner::MoveDirection::down);
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CNavigatorTreeCtrl::showContextMenu(const QPoint& pos, const QPoint& globalPos)
{
    QTreeWidgetItem* item = itemAt(pos);
    if (!item)
        item = topLevelItem(0);
    CUIElement* element = elementOf(item);
    if (!element || !m_view)
        return;
    setCurrentItem(item);
    const int chosen =
        m_view->InsertElement(insert_category::all, disabledCategoriesFor(*element), 0, true, globalPos);
    switch (static_cast<EditCommand>(chosen)) {
    case EditCommand::rename:
        if (QTreeWidgetItem* current = currentItem())
            editItem(current);
        break;
    case EditCommand::remove: m_view->DeleteSelection(); break;
    case EditCommand::moveUp: m_view->moveSelection(WindowDesigner::MoveDirection::up); break;
    case EditCommand::moveDown: m_view->moveSelection(WindowDesigner::MoveDirection::down); break;
    case EditCommand::duplicate: m_view->duplicateSelection(); break;
    }
}

void CNavigatorTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton && m_kind == TreeKind::windowHierarchy) {
        showContextMenu(pos, event->globalPosition().toPoint());
        return;
    }
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && state() != QAbstractItemView::EditingState) {
        m_pressed = true;
        m_pressPos = pos;
        m_dragSource = itemAt(pos);
    }
}

void CNavigatorTreeCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_pressed && !m_dragging && m_dragSource && m_view &&
        (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragging = true;
        m_dragImage->setPixmap(dragImageOf(*m_dragSource, font()));
        m_dragImage->adjustSize();
        m_dragImage->show();
        m_dragImage->raise();
    }
    if (!m_dragging) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    m_dragImage->move(pos + QPoint(12, 4));
    QTreeWidgetItem* target = itemAt(pos);
    if (target)
        setCurrentItem(target);
    const CUIElement* dragged = elementOf(m_dragSource);
    const CUIElement* over = elementOf(target);
    const bool refused = dragged && over && over != dragged && !WindowDesigner::canDrop(*dragged, *over);
    setCursor(refused ? Qt::ForbiddenCursor : Qt::ArrowCursor);
}

void CNavigatorTreeCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    if (!m_dragging) {
        QTreeWidget::mouseReleaseEvent(event);
        return;
    }
    // Released outside the tree, the drag is given up; on the tree's empty space it drops onto
    // no element, which sends the dragged one to the end of its container.
    const QPoint pos = event->position().toPoint();
    CUIElement* dragged = elementOf(m_dragSource);
    if (!viewport()->rect().contains(pos) || !dragged || !m_view) {
        endDrag();
        return;
    }
    CUIElement* target = elementOf(itemAt(pos));
    m_dragging = false;
    m_dragSource = nullptr;
    unsetCursor();
    m_dragImage->hide();
    m_view->dropElement(*dragged, target);
}

void CNavigatorTreeCtrl::endDrag()
{
    unsetCursor();
    m_dragImage->hide();
    // The items passed over were highlighted in turn: the surface's selection, the dragged
    // element, is the tree's again.
    if (m_view)
        selectElement(m_view->selected());
    m_dragging = false;
    m_pressed = false;
    m_dragSource = nullptr;
}

} // namespace orv
