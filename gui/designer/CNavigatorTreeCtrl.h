// The "Window hierarchy" tree: the active window's elements by name with their type
// pictures, kept in step with the surface's selection; rename in place, Delete,
// Ctrl+Up/Ctrl+Down, the insertion context menu, and drag and drop to move elements.
#pragma once

#include "uimodel/UIModelConstants.h"

#include <QIcon>
#include <QPointer>
#include <QTreeWidget>

#include <map>

class QLabel;

namespace orv {

class CInterfaceEditorView;
class CUIElement;
class CUIWindow;

class CNavigatorTreeCtrl : public QTreeWidget {
    Q_OBJECT

public:
    // What the tree shows: nothing, or a window hierarchy.
    enum class TreeKind { none = 0, windowHierarchy = 2 };

    explicit CNavigatorTreeCtrl(QWidget* parent = nullptr);

    // Rebuilds the tree from the window's elements for view, branches open as their
    // elements say, the view's selection selected.
    void FillHierarchy(CUIWindow& window, CInterfaceEditorView* view);
    void clearHierarchy();
    CInterfaceEditorView* view() const;
    TreeKind treeKind() const { return m_kind; }

    CUIElement* selectedElement() const;
    // Selects the element's item, which makes the surface select it too.
    void selectElement(const CUIElement* element);
    QTreeWidgetItem* itemOf(const CUIElement* element) const;
    static CUIElement* elementOf(const QTreeWidgetItem* item);
    bool dragging() const { return m_dragging; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void insertItems(CUIElement& element, QTreeWidgetItem* parent);
    void onCurrentItemChanged(QTreeWidgetItem* current);
    void onItemChanged(QTreeWidgetItem* item);
    void showContextMenu(const QPoint& pos, const QPoint& globalPos);
    // Gives up a drag: nothing moves and the dragged item is selected again.
    void endDrag();
    // The pictures are drawn once for the tree, not once per item and fill.
    const QIcon& pictureOf(ElementTypeCode code);

    std::map<ElementTypeCode, QIcon> m_pictures;
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
