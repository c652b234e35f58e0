// The palette is a tool window that floats over the main frame.
#include "app/CToolsDialog.h"

namespace orv {

CToolsDialog::CToolsDialog(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Tools"));
    setWindowTitle(QStringLiteral("Tools"));
    setModal(false);
    resize(64, 240);
}

} // namespace orv
