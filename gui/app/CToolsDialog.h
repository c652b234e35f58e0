// The designer's floating tools palette "Tools": created hidden with the main frame; the designer
// fills it and shows it while a UI window view is active. It holds the "Enable/Disable Grid"
// button, which the start-up checks from the settings.
#pragma once

#include <QDialog>

class QToolButton;

namespace orv {

struct SettingsRecord;

class CToolsDialog : public QDialog {
    Q_OBJECT

public:
    CToolsDialog(SettingsRecord& record, QWidget* parent);

    QToolButton* gridButton() const { return m_grid; }
    // Checks the grid button as the designer grid option says, without changing the option.
    void setGridChecked(bool checked);

private:
    SettingsRecord& m_record;
    QToolButton* m_grid;
};

} // namespace orv
