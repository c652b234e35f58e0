// A window with default settings, a designer on it that counts its changes, and a view's
// previews that record what they are told.
#pragma once

#include "../uimodel/ModelFixture.h"
#include "../uimodel/RecordingPreview.h"

#include "designmodel/WindowDesigner.h"

namespace orv::test {

struct DesignerFixture : ModelFixture {
    RecordedView view{window};
    WindowDesigner designer{window};
    int changes = 0;

    DesignerFixture() { designer.setChangedHandler([this] { ++changes; }); }

    CUIElement& insert(int command, CUIElement& selected)
    {
        CUIElement* made = designer.insert(command, selected);
        EXPECT_NE(made, nullptr) << "command " << command;
        return *made;
    }
};

// Insert command ids used by the tests.
namespace cmd {
inline constexpr int columnLayout = 1;
inline constexpr int rowLayout = 2;
inline constexpr int frameLayout = 3;
inline constexpr int button = 4;
inline constexpr int checkBox = 10;
inline constexpr int list = 17;
inline constexpr int intSlider = 20;
inline constexpr int textField = 35;
inline constexpr int text = 38;
inline constexpr int picture = 40;
inline constexpr int separator = 42;
} // namespace cmd

inline std::vector<std::string> childNames(const CUIElement& element)
{
    std::vector<std::string> names;
    for (const auto& child : element.children())
        names.push_back(child->name());
    return names;
}

} // namespace orv::test
