// What the designer's documents and views take from around them: settings, the message log,
// fonts, and the designer's panes (the hierarchy tree, the flags grid, the palette).
#pragma once

#include "designer/CControlsFlagsDialog.h"
#include "designer/CNavigatorTreeCtrl.h"
#include "settings/SettingsRecord.h"
#include "log/OutputLog.h"
#include "uimodel/UIModelContext.h"

#include <QFont>
#include <QPointer>

namespace orv {

class DesignerPanes;
class Profile;

struct DesignerHost {
    // Read only: the settings change through the shell's settings service.
    const SettingsRecord* record = nullptr;
    // The settings kept beside the record (the export's "Write element names"); may be null.
    const Profile* profile = nullptr;
    // One for the application: the name counters never go back, whatever document.
    UIModelContext* context = nullptr;
    OutputLog* log = nullptr;
    QPointer<CNavigatorTreeCtrl> hierarchy;
    // The "Controls flags" grid: it shows the selection of the active view and must never
    // keep an element that leaves its tree.
    QPointer<CControlsFlagsDialog> controlsFlags;
    // Font 0 (buttons, check boxes, lists, fields, texts) and font 1 (scroll fields).
    QFont previewFont;
    QFont multiLineFont;
    // The panes and palette in the main frame; null where the designer runs without a frame.
    DesignerPanes* panes = nullptr;
};

} // namespace orv
