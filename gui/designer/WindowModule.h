// The UI window document kind as it registers itself: "*.wnd" documents in designer views,
// the designer's panes and palette in the main frame, and "Import MEL Window...".
#pragma once

#include "designer/DesignerHost.h"
#include "framework/DocumentModule.h"

#include <QFont>

namespace orv {

class CDocManager;
class DesignerPanes;
class Prompts;
class SettingsService;

class WindowModule final : public DocumentModule {
public:
    // previewFont and multiLineFont: the faces of the previews' controls and scroll fields.
    WindowModule(SettingsService& settings, Profile& profile, Prompts& prompts, OutputLog& log, CDocManager& docs,
                 const QFont& previewFont, const QFont& multiLineFont);

    const DocumentType& documentType() const override;
    CDocTemplate::Factories factories() override;
    bool designerFrames() const override { return true; }
    void installCommands(CommandRegistry& commands) override;
    std::vector<std::unique_ptr<SettingsPage>> settingsPages() override;
    void attachToFrame(FrameServices& frame) override;
    void saveState(Profile& profile) const override;
    void frameClosing() override;

private:
    // The window a script builds becomes a new untitled window document; what the import
    // skipped goes to the Output pane, one compiler-style line each.
    void importMelWindow();

    SettingsService& m_settings;
    Profile& m_profile;
    Prompts& m_prompts;
    OutputLog& m_log;
    CDocManager& m_docs;
    // One for the application: the name counters never go back, whatever document.
    UIModelContext m_context;
    DesignerHost m_host;
    DesignerPanes* m_panes = nullptr;
};

} // namespace orv
