// The MEL view: its text view shows the document's buffer and answers the commands.
#include "editor/CMELEditorView.h"

#include "editor/CScriptDoc.h"
#include "editor/EditorCommands.h"
#include "editor/SearchDialogs.h"
#include "settings/SettingsRecord.h"

#include <QVBoxLayout>

namespace orv {

std::uint32_t MelTextView::ScanLineColors(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks)
{
    return ParseMelLine(state, line, blocks, settings().syntaxColoring());
}

CMELEditorView::CMELEditorView(CScriptDoc* document, const SettingsRecord& settings, Profile& profile, QWidget* parent)
    : CView(document, parent), m_text(new MelTextView(settings, this)), m_profile(profile)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    setFocusProxy(m_text);
    connect(m_text, &CTextView::stateChanged, this, &CView::indicatorsChanged);
    connect(m_text, &CTextEditView::findRequested, this, [this] {
        CFindDialog dialog(*m_text, m_profile, this);
        dialog.exec();
    });
    connect(m_text, &CTextEditView::replaceRequested, this, [this] {
        CReplaceDialog dialog(*m_text, m_profile, this);
        dialog.exec();
    });
}

CScriptDoc* CMELEditorView::scriptDoc() const
{
    return static_cast<CScriptDoc*>(document());
}

void CMELEditorView::onInitialUpdate()
{
    CView::onInitialUpdate();
    if (CScriptDoc* doc = scriptDoc()) {
        m_text->ShowBuffer(&doc->buffer());
        m_text->SetViewFont(doc->font());
    }
}

bool CMELEditorView::onCmdMsg(int id, bool execute)
{
    return m_text->onCommand(id, execute);
}

QString CMELEditorView::indicatorText(int id) const
{
    return m_text->indicatorText(id);
}

QString CMELEditorView::menuText(int id) const
{
    if (id == editor_command::kUndo)
        return m_text->undoMenuText();
    if (id == editor_command::kRedo)
        return m_text->redoMenuText();
    return {};
}

} // namespace orv
