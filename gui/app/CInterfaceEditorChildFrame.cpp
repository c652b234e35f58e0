// The minimum keeps the designed window's preview and its frame usable.
#include "app/CInterfaceEditorChildFrame.h"

#include "app/AppIds.h"

namespace orv {

CInterfaceEditorChildFrame::CInterfaceEditorChildFrame(SettingsService& settings, QWidget* parent)
    : TrackedChildFrame(settings, parent)
{
    setMinimumSize(shell::kDesignerFrameMinWidth, shell::kDesignerFrameMinHeight);
}

} // namespace orv
