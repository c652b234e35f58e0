// The Settings dialog's "UI Editor" page: the default sizes of new windows and controls, the
// designer grid's size, the boolean style of the flags grid, and "use widthHeight".
#pragma once

#include "framework/SettingsPage.h"

namespace orv {

class UiEditorPage final : public SettingsPage {
public:
    int position() const override { return 2; }
    const char* title() const override { return "UI Editor"; }
    std::optional<MenuId> picture() const override { return MenuId::window; }
    void fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls& controls) override;
};

} // namespace orv
