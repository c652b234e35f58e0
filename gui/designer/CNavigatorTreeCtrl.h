// The "Window hierarchy" tree: the active window's elements by name with their type
// pictures, kept in step with the surface's selection; rename in place, Delete,
// Ctrl+Up/Ctrl+Down, the insertion context menu, and drag and drop to move elements.
#pragma once

#include "uimodel/UIModelConstants.h"
#include "uimodel/WindowObserver.h"

#include <QIcon>
#include <QPointer>
#include <QTreeWidget>

#include <map>
#include <unordered_map>

class QLabel;

namespace orv {

class CInterfaceEditorView;
class CUIElement;
class CUIWindow;

// The tree observes the window it shows: an edit changes the items of the elements it
// touched, found through a map from element to item, and never refills the tree.
class CNavigatorTreeCtrl : public QTreeWidget, private WindowObserver {
    Q_OBJECT

public:
    // What the tree shows: nothing, or a window hierarchy.
    enum class TreeKind { none = 0, windowHierarchy = 2 };

    explicit CNavigatorTreeCtrl(QWidget* parent = nullptr);
    ~CNavigatorTreeCtrl() override;

    // Rebuilds the tree from the window's elements for view, branches open as their
    // elements say, the view's selection selected.
    void FillHierarchy(CUIWindow& window, CInterfaceEditorView* view);
    void clearHierarchy();
    CInterfaceEditorView* view() const;
    TreeKind treeKind() const { return m_kind; }

    CUIElement* selectedElement() const;
    // Selects the element's item, which makes the surface select it too.
    void selectElement(const CUIElement* element);
    // After an edit: the element's item becomes the current one (the surface selects it
    // too), or no item is current for none.
    void showSelection(const CUIElement* element);
    QTreeWidgetItem* itemOf(const CUIElement* element) const;
    static CUIElement* elementOf(const QTreeWidgetItem* item);
    bool dragging() const { return m_dragging; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void elementInserted(const CUIElement& element) override;
    void elementRemoving(const CUIElement& element) override;
    void elementMoved(const CUIElement& element) override;
    // A new name (a rename in another view, an undo) shows on the element's item.
    void flagsChanged(const CUIElement& element) override;
    void geometryChanged(const CUIElement&) override {}

    // Starts hearing window's changes (none: stops).
    void observe(CUIWindow* window);
    // The items of element's subtree, not yet in the tree.
    QTreeWidgetItem* makeItems(const CUIElement& element);
    // Puts element's items, made or taken out, at element's place under its parent's item.
    void placeItems(const CUIElement& element, QTreeWidgetItem* item);
    // Opens and closes the branches of element's subtree as the elements say.
    void expandAsStored(const CUIElement& element, QTreeWidgetItem* item);
    void forgetItems(const CUIElement& element);
    void onCurrentItemChanged(QTreeWidgetItem* current);
    void onItemChanged(QTreeWidgetItem* item);
    void showContextMenu(const QPoint& pos, const QPoint& globalPos);
    // Gives up a drag: nothing moves and the dragged item is selected again.
    void endDrag();
    // The pictures are drawn once for the tree, not once per item and fill.
    const QIcon& pictureOf(ElementTypeCode code);

    std::map<ElementTypeCode, QIcon> m_pictures;
    CUIWindow* m_window = nullptr;
    std::unordered_map<const CUIElement*, QTreeWidgetItem*> m_items;
    QPointer<CInterfaceEditorView> m_view;
    TreeKind m_kind = TreeKind::none;
    bool m_filling = false;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressPos;
    QTreeWidgetItem* m_dragSource = nullptr;
    // The dragged item's picture and name, following the cursor.
    QLabel* m_dragImage;
};

} // namespace orv
