// A folder chooser on the file dialog: it shows folders, names the current one in its "Folder:"
// box and offers "Open", which takes the folder the dialog is in.
#pragma once

#include <QFileDialog>

class QLineEdit;

namespace orv {

class CFolderSelectDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit CFolderSelectDialog(const QString& initialFolder, QWidget* parent = nullptr);

    // The initial folder as given until the dialog moves, then the current one with one
    // trailing "/".
    const QString& folder() const { return m_folder; }

    // "Open" takes the current folder, whatever the box holds.
    void accept() override;

private:
    void onFolderChanged(const QString& path);

    QString m_folder;
    QLineEdit* m_folderEdit;
};

} // namespace orv
