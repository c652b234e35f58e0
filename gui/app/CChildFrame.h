// The document window of scripts, projects and icons; it handles "Toggle syntax coloring".
#pragma once

#include "app/TrackedChildFrame.h"

namespace orv {

class CChildFrame : public TrackedChildFrame {
    Q_OBJECT

public:
    using TrackedChildFrame::TrackedChildFrame;

    bool onCmdMsg(int id, bool execute) override;
};

} // namespace orv
