// Checking a new name against MEL's rule and the other names of the window.
#include "uimodel/ElementNames.h"

#include "uimodel/CUIElement.h"

#include <algorithm>

namespace orv {
namespace {

constexpr const char* kNotMelName =
    "\" is not a MEL name: a name starts with a letter or _, followed by letters, digits and _";
constexpr const char* kNameTaken = "\" is the name of another element of this window";

bool nameTakenBelow(const CUIElement& element, const CUIElement& renamed, std::string_view name)
{
    if (&element != &renamed && element.name() == name)
        return true;
    return std::any_of(element.children().begin(), element.children().end(),
                       [&](const auto& child) { return nameTakenBelow(*child, renamed, name); });
}

} // namespace

bool isMelName(std::string_view name)
{
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    return !name.empty() && letter(name.front()) &&
           std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

std::string elementNameRefusal(const CUIElement& element, std::string_view name)
{
    const CUIElement* root = &element;
    while (root->parent())
        root = root->parent();
    const char* reason = !isMelName(name) ? kNotMelName : nameTakenBelow(*root, element, name) ? kNameTaken : nullptr;
    if (!reason)
        return {};
    std::string refusal(1, '"');
    refusal.append(name).append(reason);
    return refusal;
}

} // namespace orv
