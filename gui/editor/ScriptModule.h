// The MEL script document kind as it registers itself: "*.mel" documents in the MEL editor
// view, whose hints go to the status bar and whose replies open the Output pane.
#pragma once

#include "framework/DocumentModule.h"

namespace orv {

class OutputLog;
class Prompts;
class SettingsService;

class ScriptModule final : public DocumentModule {
public:
    ScriptModule(SettingsService& settings, Profile& profile, Prompts& prompts, OutputLog& log);

    const DocumentType& documentType() const override;
    CDocTemplate::Factories factories() override;
    std::vector<std::unique_ptr<SettingsPage>> settingsPages() override;
    void attachToFrame(FrameServices& frame) override { m_frame = &frame; }

private:
    SettingsService& m_settings;
    Profile& m_profile;
    Prompts& m_prompts;
    OutputLog& m_log;
    FrameServices* m_frame = nullptr;
};

} // namespace orv
