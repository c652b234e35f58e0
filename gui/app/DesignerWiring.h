// Where the shell meets the designer: the services the designer takes from the main frame,
// and the tools palette driving the active designer view.
#pragma once

#include "designer/DesignerHost.h"

namespace orv {

class CDocManager;
class CMainFrame;

// Puts the designer's hierarchy tree into the "Window hierarchy" pane and fills host with
// the frame's services; settings, log and context stay the caller's.
void connectDesignerToFrame(DesignerHost& host, CMainFrame& frame, CDocManager& docs);

} // namespace orv
