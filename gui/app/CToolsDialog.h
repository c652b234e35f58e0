// The designer's floating tools palette "Tools": created hidden with the main frame; the designer
// fills it and shows it while a UI window view is active.
#pragma once

#include <QDialog>

namespace orv {

class CToolsDialog : public QDialog {
    Q_OBJECT

public:
    explicit CToolsDialog(QWidget* parent);
};

} // namespace orv
