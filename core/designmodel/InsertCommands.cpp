// The command table of the insertion menu.
#include "designmodel/InsertCommands.h"

#include <algorithm>

namespace orv {
namespace {

constexpr InsertCommand kLayouts[] = {
    {1, "columnLayout", 0, true, "columnLayout"},
    {2, "rowLayout", 1, true, "rowLayout"},
    {3, "frameLayout", 2, true, "frameLayout"},
};
constexpr InsertCommand kButtons[] = {
    {4, "button", 0, false, "button"},       {5, "iconTextButton", 9, false, ""},
    {6, "symbolButton", 7, false, ""},       {7, "layerButton", 13, false, ""},
    {8, "toolButton", 14, false, ""},        {9, "shelfButton", 15, false, ""},
};
constexpr InsertCommand kCheckBoxes[] = {
    {10, "checkBox", 1, false, "checkBox"},  {11, "checkBoxGrp", 1, false, ""},
    {12, "iconTextCheckBox", 9, false, ""},  {13, "symbolCheckBox", 7, false, ""},
};
constexpr InsertCommand kRadioButtons[] = {
    {14, "radioButton", 2, false, ""},
    {15, "radioButtonGrp", 2, false, ""},
    {16, "iconTextRadioButton", 9, false, ""},
};
constexpr InsertCommand kLists[] = {
    {17, "textScrollList", 11, false, "textScrollList"},
    {18, "optionMenu", 3, false, ""},
    {19, "optionMenuGrp", 3, false, ""},
};
constexpr InsertCommand kSliders[] = {
    {20, "intSlider", 4, false, "intSlider"},        {21, "intSliderGrp", 4, false, ""},
    {22, "floatSlider", 4, false, "floatSlider"},    {23, "floatSliderGrp", 4, false, ""},
    {24, "floatSliderButtonGrp", 0, false, ""},      {25, "attrFieldSliderGrp", 4, false, ""},
    {26, "attrColorSliderGrp", 12, false, ""},       {27, "colorIndexSliderGrp", 12, false, ""},
    {28, "colorSliderButtonGrp", 12, false, ""},     {29, "colorSliderGrp", 12, false, ""},
};
constexpr InsertCommand kTextFields[] = {
    {30, "intField", 5, false, "intField"},          {31, "intFieldGrp", 5, false, ""},
    {32, "floatField", 5, false, "floatField"},      {33, "floatFieldGrp", 5, false, ""},
    {34, "scrollField", 5, false, "scrollField"},    {35, "textField", 5, false, "textField"},
    {36, "textFieldGrp", 5, false, ""},              {37, "textFieldButtonGrp", 0, false, ""},
};
constexpr InsertCommand kTexts[] = {
    {38, "text", 6, false, "text"},
    {39, "iconTextStaticLabel", 9, false, ""},
};
constexpr InsertCommand kMisc[] = {
    {40, "picture", 7, false, ""},
    {41, "image", 7, false, ""},
    {42, "separator", 16, false, "separator"},
};

constexpr InsertCategory kCategories[] = {
    {"Layout", insert_category::layout, kLayouts},
    {"Button", insert_category::button, kButtons},
    {"Checkbox", insert_category::checkBox, kCheckBoxes},
    {"RadioButton", insert_category::radioButton, kRadioButtons},
    {"ComboBox", insert_category::list, kLists},
    {"Slider", insert_category::slider, kSliders},
    {"TextField", insert_category::textField, kTextFields},
    {"Text", insert_category::text, kTexts},
    {"Misc.", insert_category::misc, kMisc},
};

constexpr std::uint32_t kEveryCategory = 0x1FF;

} // namespace

std::span<const InsertCategory> insertCategories()
{
    return kCategories;
}

const InsertCommand* findInsertCommand(int id)
{
    for (const InsertCategory& category : kCategories)
        for (const InsertCommand& command : category.commands)
            if (command.id == id)
                return &command;
    return nullptr;
}

bool isGrayedInsertCommand(int id)
{
    const InsertCommand* command = findInsertCommand(id);
    return !command || command->keyword.empty();
}

bool paletteButtonWorks(std::uint32_t categoryBits, int defaultCommand)
{
    if (!isGrayedInsertCommand(defaultCommand))
        return true;
    const InsertCategory* category = singleCategory(categoryBits);
    return category && std::any_of(category->commands.begin(), category->commands.end(),
                                   [](const InsertCommand& command) { return !command.keyword.empty(); });
}

const InsertCategory* singleCategory(std::uint32_t bits)
{
    if (bits > insert_category::misc)
        return nullptr;
    for (const InsertCategory& category : kCategories)
        if (category.bit == bits)
            return &category;
    return nullptr;
}

std::uint32_t disabledCategoriesFor(const CUIElement& selected)
{
    if (!selected.IsContainer())
        return kEveryCategory;
    return selected.isWindow() ? kEveryCategory & ~insert_category::layout : 0;
}

} // namespace orv
