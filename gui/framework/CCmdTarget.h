// Command routing: the active view, its document and its frame are asked in turn whether they
// handle a command. Whether a command is enabled or checked is asked apart from running it, so
// menus, toolbar buttons and accelerators can follow the model without running anything.
#pragma once

namespace orv {

// How a command shows now: whether it may run, and for a toggle whether it is on.
struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Whether this target handles command id at this moment; when it does, state says how the
    // command shows (enabled and unchecked unless the target says otherwise).
    virtual bool onUpdateCommand(int id, CommandState& state) const
    {
        (void)id;
        (void)state;
        return false;
    }

    // Runs command id. Only called when onUpdateCommand handled it and left it enabled.
    virtual void onCommand(int id) { (void)id; }
};

} // namespace orv
