// The window element: the root of a designed window, holding one layout, and the list of
// those who observe its tree.
#pragma once

#include "uimodel/CUIElement.h"

#include <vector>

namespace orv {

class CUIWindow final : public CUIElement {
public:
    static constexpr int kBackColor = 0;
    static constexpr int kHeight = 3;
    static constexpr int kTitleBarMenu = 4;
    static constexpr int kLeftEdge = 7;
    static constexpr int kMinimizeButton = 10;
    static constexpr int kMaximizeButton = 12;
    static constexpr int kResizeToFitChildren = 14;
    static constexpr int kSizeable = 15;
    static constexpr int kTitle = 16;
    static constexpr int kTitleBar = 17;
    static constexpr int kTopEdge = 18;
    static constexpr int kToolWindow = 19;
    static constexpr int kTopLeftCorner = 20;
    static constexpr int kVisible = 22;
    static constexpr int kWidth = 23;
    static constexpr int kWidthHeight = 24;
    static constexpr const char* kName = "Window";

    explicit CUIWindow(UIModelContext& context);
    // The observers hear the window removed.
    ~CUIWindow() override;

    // Each change of the tree is told to observer until it stops observing.
    void addObserver(WindowObserver& observer);
    void removeObserver(const WindowObserver& observer);
    const std::vector<WindowObserver*>& observers() const { return m_observers; }

    bool IsContainer() const override { return true; }
    void ApplyFlags(const FlagValueTable& table) override;
    void StoreFlags(FlagValueTable& table) const override;

    bool fitToChildren() const { return m_fitToChildren; }
    // The area its layout takes: the size less both sizing frames' width and the caption.
    UIRect clientArea() const;
    // What the frame adds around the content, for ancestors growing to a new child.
    int frameWidth() const;
    int frameHeight() const;
    // Resizes the window around content of the given size.
    void fitAround(int contentWidth, int contentHeight);

private:
    static constexpr int kClientFrameWidth = 2 * metrics::kFrame;
    static constexpr int kClientFrameHeight = metrics::kCaption;

    bool has(PreviewStyle style) const { return hasStyle(m_styles, style); }

    bool m_fitToChildren = false;
    std::vector<WindowObserver*> m_observers;
};

} // namespace orv
