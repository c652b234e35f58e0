// What the designer takes from the shell around it: settings, the message log, the
// hierarchy tree, fonts, and the few services whose widgets live in the shell.
#pragma once

#include "designer/CControlsFlagsDialog.h"
#include "designer/CNavigatorTreeCtrl.h"
#include "settings/SettingsRecord.h"
#include "uimodel/OutputLog.h"
#include "uimodel/UIModelContext.h"

#include <QFont>
#include <QPoint>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <string>

namespace orv {

class CInterfaceEditorView;
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
    // A designer view became active: the palette and the designer's panes are shown.
    std::function<void(bool active)> showDesignerPanes;
    // A designer view goes with its closing window: unless another designer view is the
    // active one, the palette and the designer's panes go (a designer view activated next
    // brings them back).
    std::function<void(const CInterfaceEditorView* going)> designerViewClosing;
    // The insertion menu at a screen point; the chosen command id, 0 when dismissed.
    std::function<int(std::uint32_t categories, std::uint32_t disabled, const QPoint& at)> insertMenu;
    std::function<void(const std::string& text)> copyToClipboard;
    // After an export: the Output pane, which holds the script, is shown.
    std::function<void()> showOutput;
};

} // namespace orv
