// The tools palette's "Edit" state, shared by every window document: in edit mode the
// previews below the window are disabled and the surface selects and resizes them.
#pragma once

namespace orv {

class DesignMode {
public:
    static bool editMode() { return s_editMode; }
    static void setEditMode(bool on) { s_editMode = on; }

private:
    static inline bool s_editMode = false;
};

} // namespace orv
