// The New dialog: "File type", a large-icon list of the four kinds of file the application
// creates; OK, a double click or nothing selected at all choose.
#pragma once

#include <QDialog>

class QListWidget;

namespace orv {

// The kinds in their list order.
enum class NewFileKind : int { script = 0, window = 1, icon = 2, project = 3 };

class CNewFileDialog : public QDialog {
    Q_OBJECT

public:
    explicit CNewFileDialog(QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    // The kind chosen on OK: the selected item, the MEL script when none is.
    int chosenIndex() const { return m_chosen; }

    void accept() override;

private:
    QListWidget* m_list;
    int m_chosen = 0;
};

} // namespace orv
