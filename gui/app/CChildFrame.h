// The document window of scripts, projects and icons; it handles "Toggle syntax coloring".
#pragma once

#include "app/TrackedChildFrame.h"

namespace orv {

class CChildFrame : public TrackedChildFrame {
    Q_OBJECT

public:
    using TrackedChildFrame::TrackedChildFrame;

    bool onUpdateCommand(int id, CommandState& state) const override;
    void onCommand(int id) override;
};

} // namespace orv
