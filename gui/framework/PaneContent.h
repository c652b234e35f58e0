// How the content of a docking pane looks, whichever module fills the pane: the "Courier" face
// of the trees and the Output pane, and a tree that fills its pane.
#pragma once

#include <QFont>

class QTreeWidget;

namespace orv {

// The "Courier" font shared by the pane trees and the Output pane.
QFont paneFont();
// A tree as a pane shows it: no header, branches, renamed by F2 or a click on the selection.
void preparePaneTree(QTreeWidget& tree);

} // namespace orv
