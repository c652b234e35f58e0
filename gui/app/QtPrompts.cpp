// Yes saves, No discards, Cancel (or closing the box) keeps the document open.
#include "app/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
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

QString QtPrompts::chooseFileToOpen(const QString& filter)
{
    return QFileDialog::getOpenFileName(owner(), QString(), QString(), filter);
}

QString QtPrompts::chooseTitledFileToOpen(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(owner(), title, QString(), filter);
}

QString QtPrompts::chooseFileToSave(const QString& proposed, const QString& filter)
{
    return QFileDialog::getSaveFileName(owner(), QString(), proposed, filter);
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

} // namespace orv
