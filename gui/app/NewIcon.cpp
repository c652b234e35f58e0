// Wiring the icon module into the application.
#include "app/NewIcon.h"

#include "icon/CIconDoc.h"
#include "icon/CIconEditorDialog.h"
#include "icon/CIconEditorView.h"

namespace orv {

namespace {

// The New command's size exponents: 2^(2 + 3) = 32 pixels a side.
constexpr int kNewIconExponent = 2;

} // namespace

void runNewIcon(IconEditorParams& params, Profile& profile, Prompts& prompts)
{
    CIconEditorDialog editor(kNewIconExponent, kNewIconExponent, params, profile, prompts, nullptr);
    editor.exec();
}

void setIconFactories(CDocTemplate::Factories& factories, IconEditorParams& params, Profile& profile,
                      Prompts& prompts)
{
    factories.document = [](QObject* parent) -> CDocument* { return new CIconDoc(parent); };
    factories.view = [](CDocument* doc) -> CView* { return new CIconEditorView(doc); };
    factories.newWithoutDocument = [&params, &profile, &prompts] { runNewIcon(params, profile, prompts); };
}

} // namespace orv
