// Yes saves, No discards, Cancel (or closing the box) keeps the document open.
#include "app/QtPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

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
    return QFileDialog::getOpenFileName(owner(), QString(), folder, filter);
}

QString QtPrompts::chooseFileToSave(const QString& folder, const QString& proposed, const QString& filter)
{
    const QString start = QFileInfo(proposed).isAbsolute() ? proposed : QDir(folder).filePath(proposed);
    return QFileDialog::getSaveFileName(owner(), QString(), start, filter);
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

void QtPrompts::showError(const QString& message)
{
    QMessageBox::warning(owner(), QCoreApplication::applicationName(), message);
}

void QtPrompts::showInformation(const QString& message)
{
    QMessageBox::information(owner(), QCoreApplication::applicationName(), message);
}

} // namespace orv
