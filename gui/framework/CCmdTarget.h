// Command routing: the active view, its document and its frame are asked in turn whether they
// handle a command; a command nobody handles is shown disabled.
#pragma once

namespace orv {

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Whether this target handles command id at this moment; with execute true it also runs it.
    virtual bool onCmdMsg(int id, bool execute)
    {
        (void)id;
        (void)execute;
        return false;
    }
};

} // namespace orv
