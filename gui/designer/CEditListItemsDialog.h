// "Edit list items": the items of a list control (or of a multi-use text flag), typed one
// after another, removed, renamed; OK hands them back in order, Cancel changes nothing.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace orv {

inline constexpr const char* kEditListItemsTitle = "Edit list items";

class CEditListItemsDialog final : public QDialog {
    Q_OBJECT

public:
    // title: the column's title (the list's name); items: the rows it starts with.
    CEditListItemsDialog(const std::string& title, const std::vector<std::string>& items, QWidget* parent = nullptr);

    // The rows, in order, as they stand.
    std::vector<std::string> items() const;
    QTreeWidget* list() const { return m_list; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }
    QPushButton* renameButton() const { return m_rename; }
    bool editingLabel() const { return m_editingLabel; }

    // Appends an empty row and edits it; Enter on it starts the next, Escape ends the series.
    void OnAdd();
    // Deletes the selected rows and selects the row that took the place of the last one.
    void OnRemove();
    void OnRename();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void editRow(QTreeWidgetItem* item);
    void labelEditEnded(bool cancelled);

    QTreeWidget* m_list;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_rename;
    QTreeWidgetItem* m_editedItem = nullptr;
    bool m_editingLabel = false;
    bool m_adding = false;
};

} // namespace orv
