// The view of a MEL script: an edit view with MEL colouring over its document's buffer,
// in the document's font, filling its document window.
#pragma once

#include "editor/CTextEditView.h"
#include "framework/CView.h"

class QPrinter;

namespace orv {

class CScriptDoc;
class Profile;
class Prompts;

// The edit view that colours MEL, by the colouring switch of the settings.
class MelTextView final : public CTextEditView {
    Q_OBJECT

public:
    using CTextEditView::CTextEditView;
    std::uint32_t ScanLineColors(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks) override;
};

class CMELEditorView : public CView {
    Q_OBJECT

public:
    // The profile keeps the values of the Find and Replace dialogs and the page margins;
    // prompts tell of a search that found nothing.
    CMELEditorView(CScriptDoc* document, const SettingsRecord& settings, Profile& profile, Prompts& prompts,
                   QWidget* parent = nullptr);

    CScriptDoc* scriptDoc() const;
    MelTextView* textView() const { return m_text; }

    void onInitialUpdate() override;
    bool onUpdateCommand(int id, CommandState& state) const override;
    void onCommand(int id) override;
    // A new tab size measures the text again; new colours or colouring switch redraw it now.
    void onSettingsChanged(SettingsChanges what) override;
    QString indicatorText(int id) const override;
    QString menuText(int id) const override;

    // Prints the script on a printer (or PDF file) set up by the caller; the page count.
    int printOn(QPrinter& printer);

private:
    void runPrintCommand(int id);

    MelTextView* m_text;
    Profile& m_profile;
    Prompts& m_prompts;
};

} // namespace orv
