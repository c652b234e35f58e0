// Syntax colouring is one flag for all script views; the active one is redrawn at once.
#include "app/CChildFrame.h"

#include "app/AppIds.h"
#include "framework/CView.h"
#include "settings/SettingsRecord.h"

namespace orv {

bool CChildFrame::onCmdMsg(int id, bool execute)
{
    if (id != static_cast<int>(CommandId::toggleSyntaxColoring))
        return false;
    if (execute) {
        record().setFlag(SettingsFlag::syntaxColoring, !record().syntaxColoring());
        if (CView* view = activeView())
            view->repaint();
    }
    return true;
}

} // namespace orv
