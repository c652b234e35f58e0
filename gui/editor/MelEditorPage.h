// The Settings dialog's "MEL Editor" page: the author information option, the six MEL colours
// with "Default colors", the indent size, and the Maya command port kept in the profile.
#pragma once

#include "framework/SettingsPage.h"

class QLineEdit;

namespace orv {

class Profile;

class MelEditorPage final : public SettingsPage {
public:
    // The command port's host and port are read from profile and written back to it on OK
    // (they are not part of the settings record).
    explicit MelEditorPage(Profile& profile) : m_profile(profile) {}

    int position() const override { return 1; }
    const char* title() const override { return "MEL Editor"; }
    std::optional<MenuId> picture() const override { return MenuId::script; }
    void fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls& controls) override;
    void accept() override;

private:
    Profile& m_profile;
    QLineEdit* m_portHost = nullptr;
    QLineEdit* m_portNumber = nullptr;
};

} // namespace orv
