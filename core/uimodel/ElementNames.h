// The names of a window's elements as MEL uses them: the name a command gives its control, by
// which callbacks find it, unique in its window.
#pragma once

#include <string>
#include <string_view>

namespace orv {

class CUIElement;

// A letter or '_', then letters, digits and '_'.
bool isMelName(std::string_view name);

// Why element cannot be renamed to name: not a MEL name, or the name of another element of
// its window. Empty when it can.
std::string elementNameRefusal(const CUIElement& element, std::string_view name);

} // namespace orv
