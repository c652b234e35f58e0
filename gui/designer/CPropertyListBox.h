// The property grid: category rows with a plus/minus box, one row per property with its
// name and value, and one in-place editor per editor kind laid on the selected row's value
// cell. The rows come from a property set in the core; this widget paints and edits them.
#pragma once

#include "propgrid/PropertyRows.h"

#include <QAbstractScrollArea>

namespace orv {

class CInPlaceComboBoxImp;
class CInPlaceEditPropItemMulti;
class CInPlaceEditPropItemString;

namespace prop_grid {
inline constexpr int kMarginWidth = 16;     // the column of the category boxes
inline constexpr int kToggleClickX = 17;    // a click left of this toggles a category
inline constexpr int kValueIndent = 3;      // the value cell starts this far right of the divider
inline constexpr int kNameIndent = 2;
inline constexpr QRgb kGridLineColour = 0xC6C6C6;
inline constexpr int kMinRowHeight = 16;
} // namespace prop_grid

class CPropertyListBox final : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CPropertyListBox(QWidget* parent = nullptr);

    // Shows the set's categories, each expanded, with no row selected. The set is not
    // owned and must outlive its rows; null shows nothing.
    void SetPropertySet(CPropertySet* set);
    // Commits a pending edit, then empties the list.
    void ResetGrid();

    const PropertyRows& rows() const { return m_rows; }
    int currentRow() const { return m_currentRow; }
    // Selects a row (-1: none), places its editor and tells selectionChanged.
    void setCurrentRow(int row);
    QWidget* currentEditor() const { return m_currentEditor; }
    int rowHeight() const;
    // In viewport coordinates; empty for a row outside the list.
    QRect rowRect(int row) const;
    QRect valueRect(int row) const;
    int rowAt(int y) const;
    // The column divider: the middle of what is right of the margin.
    int dividerX() const;
    // Expands or collapses a category row, committing a pending edit first.
    void toggleCategory(int row);

    CInPlaceEditPropItemString* textEditor() const { return m_textEditor; }
    CInPlaceComboBoxImp* choiceEditor() const { return m_choiceEditor; }
    CInPlaceEditPropItemMulti* dataButton() const { return m_dataButton; }

signals:
    void selectionChanged(int row);
    // A value was taken from an editor into its row's item.
    void committed(int row);
    // The "edit data" button of a row was pressed.
    void editDataRequested(int row);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void paintRow(QPainter& painter, int row);
    void placeEditor(bool refresh);
    void setCurrentEditor(QWidget* editor);
    void commit();
    // Only text typed into the line edit that still has the focus is not committed yet.
    void commitPending();
    void rowsChanged();
    void ensureVisible(int row);
    void moveSelection(int delta);

    PropertyRows m_rows;
    CPropertySet* m_set = nullptr;
    int m_currentRow = -1;
    QWidget* m_currentEditor = nullptr;
    // Made on first need and kept for the life of the list.
    CInPlaceEditPropItemString* m_textEditor = nullptr;
    CInPlaceComboBoxImp* m_choiceEditor = nullptr;
    CInPlaceEditPropItemMulti* m_dataButton = nullptr;
};

} // namespace orv
