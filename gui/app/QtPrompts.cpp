// Yes saves, No discards, Cancel (or closing the box) keeps the document open.
#include "app/QtPrompts.h"

#include "app/CFolderSelectDialog.h"
#include "app/CNewFileDialog.h"
#include "app/RestoreDocumentsDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace orv {

namespace {

QWidget* owner()
{
    return QApplication::activeWindow();
}

} // namespace

Prompts::SaveAnswer QtPrompts::askToSave(const QString& question)
{
    switch (QMessageBox::question(owner(), QCoreApplication::applicationName(), question,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return SaveAnswer::save;
    case QMessageBox::No:
        return SaveAnswer::discard;
    default:
        return SaveAnswer::cancel;
    }
}

QString QtPrompts::chooseFileToOpen(const QString& folder, const QString& filter)
{
    // The filters' own texts are shown; the patterns in their last parentheses are applied.
    return QFileDialog::getOpenFileName(owner(), QString(), folder, filter, nullptr,
                                        QFileDialog::HideNameFilterDetails);
}

QString QtPrompts::chooseTitledFileToOpen(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(owner(), title, folder, filter);
}

QString QtPrompts::chooseFileToSave(const QString& folder, const QString& proposed, const QString& filter)
{
    const QString start =
        folder.isEmpty() || QFileInfo(proposed).isAbsolute() ? proposed : QDir(folder).filePath(proposed);
    QFileDialog dialog(owner(), QString(), start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the filter's before the dialog looks for a file
    // it would replace, so "x" asks before replacing "x.mel".
    static const QRegularExpression firstExtension(QStringLiteral("\\*\\.(\\w+)"));
    dialog.setDefaultSuffix(firstExtension.match(filter).captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}

std::optional<int> QtPrompts::chooseItem(const QString& title, const QString& label, const QStringList& items)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(owner(), title, label, items, 0, false, &ok);
    const auto index = static_cast<int>(items.indexOf(chosen));
    if (!ok || index < 0)
        return std::nullopt;
    return index;
}

std::optional<int> QtPrompts::chooseNewFileType()
{
    CNewFileDialog dialog(owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenIndex();
}

QString QtPrompts::chooseFolder(const QString& initial)
{
    CFolderSelectDialog dialog(initial, owner());
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.folder();
}

std::optional<QColor> QtPrompts::chooseColour(const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, owner());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

RestoreChoice QtPrompts::chooseDocumentsToRestore(const QStringList& documents)
{
    RestoreDocumentsDialog dialog(documents, owner());
    dialog.exec();
    return dialog.choice();
}

void QtPrompts::showMessage(const QString& message)
{
    QMessageBox::information(owner(), QCoreApplication::applicationName(), message);
}

void QtPrompts::showError(const QString& message)
{
    QMessageBox::warning(owner(), QCoreApplication::applicationName(), message);
}

} // namespace orv
