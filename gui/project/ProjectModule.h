// The project document kind as it registers itself: "*.mp" documents with their own empty
// document and a view that names them, and the "Project explorer" tree in its pane. New does
// not make one in this version.
#pragma once

#include "framework/DocumentModule.h"

namespace orv {

class ProjectModule final : public DocumentModule {
public:
    const DocumentType& documentType() const override;
    CDocTemplate::Factories factories() override;
    bool offersNew() const override { return false; }
    std::vector<std::unique_ptr<SettingsPage>> settingsPages() override;
    void attachToFrame(FrameServices& frame) override;
};

} // namespace orv
