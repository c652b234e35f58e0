// The document window of UI windows: never smaller than 340 x 280.
#pragma once

#include "app/TrackedChildFrame.h"

namespace orv {

class CInterfaceEditorChildFrame : public TrackedChildFrame {
    Q_OBJECT

public:
    explicit CInterfaceEditorChildFrame(SettingsService& settings, QWidget* parent = nullptr);
};

} // namespace orv
