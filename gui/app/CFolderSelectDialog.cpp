// A read-only folder box shows the current folder, so the result is always the folder the
// dialog shows.
#include "app/CFolderSelectDialog.h"

#include "framework/ByteText.h"
#include "project/FolderPath.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>

namespace orv {

CFolderSelectDialog::CFolderSelectDialog(const QString& initialFolder, QWidget* parent)
    : QFileDialog(parent, QStringLiteral("Select Folder"), initialFolder), m_folder(initialFolder),
      m_folderEdit(new QLineEdit(this))
{
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::ShowDirsOnly);
    setFileMode(QFileDialog::Directory);
    setAcceptMode(QFileDialog::AcceptOpen);
    // One type, named for what the dialog lists, with no pattern: folders only.
    setOption(QFileDialog::HideNameFilterDetails);
    setNameFilter(QStringLiteral("Show Folders Only ()"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Folder:"));
    setLabelText(QFileDialog::Accept, QStringLiteral("Open"));
    // The folder box takes the place of the file-name box, which the dialog clears and reads.
    m_folderEdit->setObjectName(QStringLiteral("folderEdit"));
    m_folderEdit->setReadOnly(true);
    m_folderEdit->setText(initialFolder);
    if (auto* nameEdit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); nameEdit && layout()) {
        delete layout()->replaceWidget(nameEdit, m_folderEdit);
        nameEdit->hide();
        if (auto* label = findChild<QLabel*>(QStringLiteral("fileNameLabel")))
            label->setBuddy(m_folderEdit);
    }
    connect(this, &QFileDialog::directoryEntered, this, &CFolderSelectDialog::onFolderChanged);
}

void CFolderSelectDialog::onFolderChanged(const QString& path)
{
    m_folder = pathFromBytes(folderWithSeparator(pathToBytes(path)));
    m_folderEdit->setText(m_folder);
    m_folderEdit->setCursorPosition(static_cast<int>(m_folder.size()));
    m_folderEdit->setFocus();
}

void CFolderSelectDialog::accept()
{
    QDialog::accept();
}

} // namespace orv
