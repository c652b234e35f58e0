// The script kind's document, view and wiring to the frame.
#include "editor/ScriptModule.h"

#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "editor/MelEditorPage.h"
#include "editor/ScriptDocumentType.h"
#include "framework/FrameServices.h"
#include "framework/SettingsService.h"

namespace orv {

ScriptModule::ScriptModule(SettingsService& settings, Profile& profile, Prompts& prompts, OutputLog& log)
    : m_settings(settings), m_profile(profile), m_prompts(prompts), m_log(log)
{
}

const DocumentType& ScriptModule::documentType() const
{
    return kScriptDocumentType;
}

CDocTemplate::Factories ScriptModule::factories()
{
    CDocTemplate::Factories factories;
    factories.document = [](QObject* parent) -> CDocument* { return new CScriptDoc(parent); };
    factories.view = [this](CDocument* doc) -> CView* {
        auto* view = new CMELEditorView(static_cast<CScriptDoc*>(doc), m_settings.record(), m_profile, m_prompts, &m_log);
        if (m_frame) {
            // The finding under the cursor is told where the menus' prompts are.
            FrameServices* frame = m_frame;
            QObject::connect(view, &CMELEditorView::statusHintChanged, frame->frameWindow(),
                             [frame](const QString& hint) { frame->showHint(hint); });
            QObject::connect(view, &CMELEditorView::outputWritten, frame->frameWindow(),
                             [frame] { frame->showPane(PaneId::output); });
        }
        return view;
    };
    return factories;
}

std::vector<std::unique_ptr<SettingsPage>> ScriptModule::settingsPages()
{
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<MelEditorPage>(m_profile));
    return pages;
}

} // namespace orv
