// Syntax colouring is one option for all script views; the settings service tells every view.
#include "app/CChildFrame.h"

#include "app/AppIds.h"
#include "framework/SettingsService.h"

namespace orv {

bool CChildFrame::onUpdateCommand(int id, CommandState& state) const
{
    if (id != static_cast<int>(CommandId::toggleSyntaxColoring))
        return false;
    state.checked = settings().record().syntaxColoring();
    return true;
}

void CChildFrame::onCommand(int id)
{
    if (id == static_cast<int>(CommandId::toggleSyntaxColoring))
        settings().setFlag(SettingsFlag::syntaxColoring, !settings().record().syntaxColoring());
}

} // namespace orv
