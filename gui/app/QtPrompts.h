// The framework's prompts as the user meets them: message boxes, file dialogs and a list
// choice, each over the application's active window.
#pragma once

#include "framework/Prompts.h"

namespace orv {

class QtPrompts final : public Prompts {
public:
    SaveAnswer askToSave(const QString& question) override;
    QString chooseFileToOpen(const QString& folder, const QString& filter) override;
    QString chooseFileToSave(const QString& folder, const QString& proposed, const QString& filter) override;
    std::optional<int> chooseItem(const QString& title, const QString& label, const QStringList& items) override;
    void showError(const QString& message) override;
    void showInformation(const QString& message) override;
};

} // namespace orv
