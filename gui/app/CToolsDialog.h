// The designer's floating tools palette "Tools": created hidden with the main frame; the designer
// fills it and shows it while a UI window view is active. It holds the "Enable/Disable Grid"
// button, checked as the designer grid option is, whoever changes the option.
#pragma once

#include <QDialog>

class QToolButton;

namespace orv {

class SettingsService;

class CToolsDialog : public QDialog {
    Q_OBJECT

public:
    CToolsDialog(SettingsService& settings, QWidget* parent);

    QToolButton* gridButton() const { return m_grid; }
    // Checks the grid button as the designer grid option says, without changing the option.
    void setGridChecked(bool checked);

private:
    SettingsService& m_settings;
    QToolButton* m_grid;
};

} // namespace orv
