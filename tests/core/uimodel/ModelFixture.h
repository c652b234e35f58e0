// A window with default settings and fresh name counters, and a helper to add elements.
#pragma once

#include "uimodel/CUIColumnLayout.h"
#include "uimodel/CUILabelledControls.h"
#include "uimodel/CUIOrientedControls.h"
#include "uimodel/CUIRowLayout.h"
#include "uimodel/CUITextEntries.h"
#include "uimodel/CUITextScrollList.h"
#include "uimodel/CUIWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace orv::test {

struct ModelFixture {
    SettingsRecord settings;
    UIModelContext context{settings};
    CUIWindow window{context};
};

// Constructs a T under parent and links it; the test fails if the parent refuses it.
template <class T>
T& addChild(CUIElement& parent)
{
    auto element = std::make_unique<T>(parent);
    T& ref = *element;
    EXPECT_TRUE(parent.AddChild(std::move(element)));
    return ref;
}

// The element's table with the given values set, ready for ApplyFlags.
inline FlagValueTable withValues(const CUIElement& element, std::initializer_list<std::pair<int, std::string>> values)
{
    FlagValueTable table = element.flags();
    for (const auto& [position, value] : values)
        table[position] = value;
    return table;
}

// Appends the element and everything below it, in tree order (each element before its children).
inline void appendInTreeOrder(CUIElement& element, std::vector<CUIElement*>& out)
{
    out.push_back(&element);
    for (const auto& child : element.children())
        appendInTreeOrder(*child, out);
}

inline std::vector<CUIElement*> elementsInTreeOrder(CUIElement& root)
{
    std::vector<CUIElement*> out;
    appendInTreeOrder(root, out);
    return out;
}

} // namespace orv::test
