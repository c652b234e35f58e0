// The minimum keeps the designed window's preview and its frame usable.
#include "app/CInterfaceEditorChildFrame.h"

#include "app/AppIds.h"

namespace orv {

CInterfaceEditorChildFrame::CInterfaceEditorChildFrame(SettingsRecord& record, QWidget* parent)
    : TrackedChildFrame(record, parent)
{
    setMinimumSize(shell::kDesignerFrameMinWidth, shell::kDesignerFrameMinHeight);
}

} // namespace orv
