// The element classes by command keyword.
#include "uimodel/ElementFactory.h"

#include "uimodel/CUIColumnLayout.h"
#include "uimodel/CUIFrameLayout.h"
#include "uimodel/CUILabelledControls.h"
#include "uimodel/CUIOrientedControls.h"
#include "uimodel/CUIRowLayout.h"
#include "uimodel/CUITextEntries.h"
#include "uimodel/CUITextScrollList.h"

namespace orv {
namespace {

template <class T>
std::unique_ptr<CUIElement> make(CUIElement& parent)
{
    return std::make_unique<T>(parent);
}

struct ElementClass {
    std::string_view command;
    std::unique_ptr<CUIElement> (*create)(CUIElement& parent);
};

constexpr ElementClass kClasses[] = {
    {"columnLayout", make<CUIColumnLayout>},   {"rowLayout", make<CUIRowLayout>},
    {"button", make<CUIButton>},               {"checkBox", make<CUICheckBox>},
    {"textField", make<CUITextField>},         {"intField", make<CUIIntField>},
    {"floatField", make<CUIFloatField>},       {"scrollField", make<CUIScrollField>},
    {"intSlider", make<CUIIntSlider>},         {"floatSlider", make<CUIFloatSlider>},
    {"textScrollList", make<CUITextScrollList>}, {"text", make<CUIText>},
    {"separator", make<CUISeparator>},         {"frameLayout", make<CUIFrameLayout>},
};

const ElementClass* findClass(std::string_view command)
{
    for (const auto& c : kClasses)
        if (c.command == command)
            return &c;
    return nullptr;
}

} // namespace

std::unique_ptr<CUIElement> createElement(std::string_view command, CUIElement& parent)
{
    const ElementClass* c = findClass(command);
    return c ? c->create(parent) : nullptr;
}

bool isElementCommand(std::string_view command)
{
    return findClass(command) != nullptr;
}

} // namespace orv
