// The icon document kind as it registers itself: "*.icm" documents in the icon editor view,
// and New running the icon editor on a 32 x 32 image instead of making a document.
#pragma once

#include "framework/DocumentModule.h"

namespace orv {

class Prompts;
struct IconEditorParams;

class IconModule final : public DocumentModule {
public:
    // params: the application's "icmprm" options; placements go to profile.
    IconModule(IconEditorParams& params, Profile& profile, Prompts& prompts);

    const DocumentType& documentType() const override;
    CDocTemplate::Factories factories() override;
    std::vector<std::unique_ptr<SettingsPage>> settingsPages() override;

private:
    IconEditorParams& m_params;
    Profile& m_profile;
    Prompts& m_prompts;
};

} // namespace orv
