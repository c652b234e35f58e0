// The framework's prompts as the user meets them: message boxes, file dialogs, a list choice,
// the New and folder dialogs, the colour dialog and the restore prompt, each over the
// application's active window.
#pragma once

#include "framework/Prompts.h"

namespace orv {

class QtPrompts final : public Prompts {
public:
    SaveAnswer askToSave(const QString& question) override;
    QString chooseFileToOpen(const QString& folder, const QString& filter) override;
    QString chooseTitledFileToOpen(const QString& title, const QString& folder, const QString& filter) override;
    QString chooseFileToSave(const QString& folder, const QString& proposed, const QString& filter) override;
    std::optional<int> chooseItem(const QString& title, const QString& label, const QStringList& items) override;
    std::optional<int> chooseNewFileType() override;
    QString chooseFolder(const QString& initial) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
    RestoreChoice chooseDocumentsToRestore(const QStringList& documents) override;
    void showMessage(const QString& message) override;
    void showError(const QString& message) override;
};

} // namespace orv
