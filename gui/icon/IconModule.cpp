// The icon kind's document and view, and its New.
#include "icon/IconModule.h"

#include "framework/SettingsPage.h"
#include "icon/CIconDoc.h"
#include "icon/CIconEditorDialog.h"
#include "icon/CIconEditorView.h"
#include "icon/IconDocumentType.h"

namespace orv {

namespace {

// The New command's size exponents: 2^(2 + 3) = 32 pixels a side.
constexpr int kNewIconExponent = 2;

} // namespace

IconModule::IconModule(IconEditorParams& params, Profile& profile, Prompts& prompts)
    : m_params(params), m_profile(profile), m_prompts(prompts)
{
}

const DocumentType& IconModule::documentType() const
{
    return kIconDocumentType;
}

CDocTemplate::Factories IconModule::factories()
{
    CDocTemplate::Factories factories;
    factories.document = [](QObject* parent) -> CDocument* { return new CIconDoc(parent); };
    factories.view = [](CDocument* doc) -> CView* { return new CIconEditorView(doc); };
    // The editor runs modally with no parent, and no document is made.
    factories.newWithoutDocument = [this] {
        CIconEditorDialog editor(kNewIconExponent, kNewIconExponent, m_params, m_profile, m_prompts, nullptr);
        editor.exec();
    };
    return factories;
}

std::vector<std::unique_ptr<SettingsPage>> IconModule::settingsPages()
{
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<UnderConstructionPage>(3, "Icons Editor", MenuId::icon));
    return pages;
}

} // namespace orv
