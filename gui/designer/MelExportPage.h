// The Settings dialog's "MEL Export" page: how "Export script" writes the window's script, and
// "Write element names", kept in the profile.
#pragma once

#include "framework/SettingsPage.h"

class QCheckBox;

namespace orv {

class Profile;

class MelExportPage final : public SettingsPage {
public:
    // "Write element names" is read from profile and written back to it on OK (it is not
    // part of the settings record).
    explicit MelExportPage(Profile& profile) : m_profile(profile) {}

    int position() const override { return 5; }
    const char* title() const override { return "MEL Export"; }
    std::optional<MenuId> picture() const override { return MenuId::script; }
    void fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls& controls) override;
    void accept() override;

private:
    Profile& m_profile;
    QCheckBox* m_writeNames = nullptr;
};

} // namespace orv
