// The outer size each preview kind stores for a client size.
#include "DesignerFixture.h"

#include "designmodel/PreviewFrame.h"

using namespace orv;
using namespace orv::test;

namespace {

struct FrameCase {
    int command;
    UISize client;
    UISize stored;
};

// list: 2 x border + scroll bar; fields: 3 x edge, scroll field also a scroll bar; others none.
const FrameCase kCases[] = {
    {cmd::list, {100, 80}, {118, 82}},
    {cmd::textField, {100, 20}, {106, 26}},
    {34 /* scrollField */, {100, 20}, {122, 26}},
    {30 /* intField */, {50, 17}, {56, 23}},
    {cmd::button, {90, 40}, {90, 40}},
    {cmd::intSlider, {120, 17}, {120, 17}},
};

TEST(PreviewFrame, StoresTheOuterSizeAtTheOrigin)
{
    for (const FrameCase& c : kCases) {
        DesignerFixture f;
        CUIElement& column = f.insert(cmd::columnLayout, f.window);
        f.insert(cmd::button, column);
        CUIElement& element = f.insert(c.command, column);
        storePreviewClientSize(element, c.client);
        EXPECT_EQ(element.rect(), (UIRect{0, 0, c.stored.width, c.stored.height})) << element.command();
    }
}

TEST(PreviewFrame, WindowAddsFrameAndCaptionUnlessFittedToItsChildren)
{
    DesignerFixture f;
    storePreviewClientSize(f.window, {300, 200});
    EXPECT_EQ(f.window.rect(), (UIRect{0, 0, 308, 227}));

    FlagValueTable table = f.window.flags();
    table[CUIWindow::kSizeable] = "off";
    table[CUIWindow::kTitleBar] = "off";
    f.window.ApplyFlags(table);
    storePreviewClientSize(f.window, {300, 200});
    EXPECT_EQ(f.window.rect(), (UIRect{0, 0, 300, 200}));

    table[CUIWindow::kResizeToFitChildren] = "on";
    f.window.ApplyFlags(table);
    const UIRect fitted = f.window.rect();
    storePreviewClientSize(f.window, {10, 10});
    EXPECT_EQ(f.window.rect(), fitted);
}

} // namespace

namespace {

TEST(PreviewFrame, MinimizedCaptionIsTheIconNameAndRestoredTheTitle)
{
    DesignerFixture f;
    EXPECT_EQ(windowCaptionAfterSizing(f.window, true), nullptr);
    EXPECT_EQ(windowCaptionAfterSizing(f.window, false), nullptr);
    FlagValueTable table = f.window.flags();
    table[6] = "icon";
    table[CUIWindow::kTitle] = "My tool";
    f.window.ApplyFlags(table);
    ASSERT_NE(windowCaptionAfterSizing(f.window, true), nullptr);
    EXPECT_EQ(*windowCaptionAfterSizing(f.window, true), "icon");
    EXPECT_EQ(*windowCaptionAfterSizing(f.window, false), "My tool");
}

} // namespace
