// The window element's position, size, styles, title and fit-to-children flag.
#include "uimodel/CUIWindow.h"

#include "mel/MelVocabulary.h"
#include "uimodel/FlagText.h"
#include "uimodel/WindowObserver.h"

#include <algorithm>

namespace orv {

namespace {
constexpr std::uint32_t kDefaultStyles = PreviewStyle::caption | PreviewStyle::systemMenu |
                                         PreviewStyle::minimizeBox | PreviewStyle::maximizeBox |
                                         PreviewStyle::sizingFrame;
} // namespace

CUIWindow::CUIWindow(UIModelContext& context) : CUIElement(context, nullptr, "window", ElementTypeCode::window)
{
    m_name = kName;
    m_previewText = kName;
    m_rect = {0, 0, static_cast<int>(settings().windowWidth), static_cast<int>(settings().windowHeight)};
    m_maxChildren = 1;
    m_childrenMustBeLayouts = true;
    m_styles = kDefaultStyles;
    finishConstruction();
}

CUIWindow::~CUIWindow()
{
    // Taken first: an observer may stop observing as it hears it.
    const std::vector<WindowObserver*> observers = std::move(m_observers);
    m_observers.clear();
    for (WindowObserver* observer : observers)
        observer->elementRemoving(*this);
}

void CUIWindow::addObserver(WindowObserver& observer)
{
    m_observers.push_back(&observer);
}

void CUIWindow::removeObserver(const WindowObserver& observer)
{
    std::erase(m_observers, &observer);
}

// The same frame and caption are taken off for every window, whatever its styles.
UIRect CUIWindow::clientArea() const
{
    return {0, 0, m_rect.width() - kClientFrameWidth, m_rect.height() - kClientFrameHeight};
}

int CUIWindow::frameWidth() const
{
    return (has(PreviewStyle::sizingFrame) ? 2 * metrics::kFrame : 0) +
           (has(PreviewStyle::caption) ? 2 * metrics::kBorder : 0);
}

int CUIWindow::frameHeight() const
{
    return frameWidth() + (has(PreviewStyle::caption) ? metrics::kCaption : 0);
}

// Mended on purpose, two ways. The window is sized from its own left and top edges: taking
// the content's extent as the new right and bottom edges would give a window with a top
// edge a negative height. And what its client area takes off (both frames' width, the
// caption) is added back whatever its styles, the frames' height only for a sizing frame:
// adding the width only for a sizing frame and the caption only for a title bar would leave
// a window without them too small for its content, and one whose adjustable column spans
// its client area narrower at every pass.
void CUIWindow::fitAround(int contentWidth, int contentHeight)
{
    const int frameHeight = has(PreviewStyle::sizingFrame) ? 2 * metrics::kFrame : 0;
    m_rect.right = m_rect.left + contentWidth + kClientFrameWidth;
    m_rect.bottom = m_rect.top + contentHeight + frameHeight + kClientFrameHeight;
}

void CUIWindow::ApplyFlags(const FlagValueTable& table)
{
    m_flags = table;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    if (settings().useWidthHeight()) {
        const auto [topText, leftText] = splitAtFirstBlank(flags()[kTopLeftCorner]);
        const auto [widthText, heightText] = splitAtFirstBlank(flags()[kWidthHeight]);
        top = readFlagLength(topText);
        left = readFlagLength(leftText);
        width = readFlagLength(widthText);
        height = readFlagLength(heightText);
    } else {
        top = readFlagLength(flags()[kTopEdge]);
        left = readFlagLength(flags()[kLeftEdge]);
        width = readFlagLength(flags()[kWidth]);
        height = readFlagLength(flags()[kHeight]);
    }
    // A size that is not given keeps the default, whichever way the size is written.
    if (width == 0)
        width = static_cast<int>(settings().windowWidth);
    if (height == 0)
        height = static_cast<int>(settings().windowHeight);
    m_rect = {left, top, left + width, top + height};

    setStyle(PreviewStyle::systemMenu, flagOn(kTitleBarMenu));
    setStyle(PreviewStyle::minimizeBox, flagOn(kMinimizeButton));
    setStyle(PreviewStyle::maximizeBox, flagOn(kMaximizeButton));
    setStyle(PreviewStyle::sizingFrame, flagOn(kSizeable));
    const bool titleBar = flagOn(kTitleBar);
    setStyle(PreviewStyle::caption, titleBar);
    setStyle(PreviewStyle::systemMenu, titleBar);
    // The style follows the flag both ways, or a tool window could never be turned back.
    setStyle(PreviewStyle::toolWindow, flagExactlyTrue(kToolWindow));
    if (!flags()[kTitle].empty())
        setPreviewText(flags()[kTitle]);
    applyBackColor(kBackColor);
    m_fitToChildren = flagExactlyTrue(kResizeToFitChildren);
    if (m_fitToChildren && !children().empty()) {
        children().front()->Relayout(this);
        children().front()->Relayout(this);
    }
    applyVisible(kVisible);
    announceShownState();
}

void CUIWindow::StoreFlags(FlagValueTable& table) const
{
    table = m_flags;
    if (settings().useWidthHeight()) {
        table[kWidthHeight] = formatFlagInt(m_rect.width()) + " " + formatFlagInt(m_rect.height());
        table[kWidth].clear();
        table[kHeight].clear();
    } else {
        table[kWidthHeight].clear();
        table[kWidth] = formatFlagInt(m_rect.width());
        table[kHeight] = formatFlagInt(m_rect.height());
    }
    const char* falseWord = MelFalseWord(booleanStyle());
    if (!has(PreviewStyle::caption))
        table[kTitleBar] = falseWord;
    if (!has(PreviewStyle::systemMenu))
        table[kTitleBarMenu] = falseWord;
    if (!has(PreviewStyle::maximizeBox))
        table[kMaximizeButton] = falseWord;
    if (!has(PreviewStyle::minimizeBox))
        table[kMinimizeButton] = falseWord;
    if (has(PreviewStyle::toolWindow))
        table[kToolWindow] = MelTrueWord(booleanStyle());
}

} // namespace orv
