// Tree operations, shared flag handling and the scheduling of arrangement passes.
#include "uimodel/CUIElement.h"

#include "uimodel/CUIWindow.h"
#include "uimodel/FlagText.h"
#include "uimodel/WindowObserver.h"

namespace orv {
namespace {

void settle(CUIElement& element);
void refit(CUIElement& element);

std::vector<UIRect> childRects(const CUIElement& element)
{
    std::vector<UIRect> rects;
    rects.reserve(element.children().size());
    for (const auto& child : element.children())
        rects.push_back(child->rect());
    return rects;
}

// After a parent placed its settled children again: a child it left as it was has nothing
// left to change; a moved or resized one (a row stretched by an adjustable column, a
// column given the new width of a fitted window) runs its halves again and reconciles its
// own children. Its subtree was settled and heights never depend on widths, so a second
// run of its halves would change nothing: this is what its two passes give.
void reconcileChildren(CUIElement& element, const std::vector<UIRect>& settled)
{
    for (std::size_t i = 0; i < settled.size(); ++i) {
        CUIElement& child = *element.children()[i];
        if (child.isArranging() && child.rect() != settled[i])
            refit(child);
    }
}

void refit(CUIElement& element)
{
    const std::vector<UIRect> settled = childRects(element);
    element.arrangeBeforeParent();
    element.arrangeAfterParent();
    reconcileChildren(element, settled);
    element.noteSettled();
}

// One arrangement pass of a layout whose parent does not re-arrange in between: both
// halves, then every child twice.
void singlePass(CUIElement& element)
{
    element.arrangeBeforeParent();
    element.arrangeAfterParent();
    for (const auto& child : element.children())
        settle(*child);
}

// What two passes in a row give. The first pass leaves every child at its fixed point; the
// second stacks them with their final heights (heights never depend on widths) and places
// them again, after which only what it moved or resized has anything left to change.
// A subtree settled before is at that fixed point already: two passes at the same rectangle
// would change nothing, and at a new one they give what fitting it to the rectangle gives.
// So an edit costs the way from the edited element to the top and what it moved, not the
// whole tree.
void settle(CUIElement& element)
{
    if (!element.isArranging())
        return;
    if (element.settled()) {
        if (element.rect() != element.settledRect())
            refit(element);
        return;
    }
    singlePass(element);
    const std::vector<UIRect> settled = childRects(element);
    element.arrangeBeforeParent();
    element.arrangeAfterParent();
    reconcileChildren(element, settled);
    element.noteSettled();
}

} // namespace

CUIElement::CUIElement(UIModelContext& context, CUIElement* parent, std::string command, ElementTypeCode typeCode)
    : m_command(std::move(command)), m_typeCode(typeCode), m_parent(parent), m_context(&context)
{
}

CUIElement::~CUIElement() = default;

void CUIElement::AppendExtraFlags(ScriptWriter&, bool) const {}

UIPoint CUIElement::GetChildOrigin(const CUIElement&)
{
    return {};
}

// A layout asked by anyone but its parent makes its parent arrange twice, which climbs to
// the top layout; the top's two passes then settle the whole tree and every later step of
// the climb finds nothing left to change. Only the halves run before the climb remain.
void CUIElement::Relayout(const CUIElement* caller)
{
    arrange(caller);
    announceTreeGeometry();
}

void CUIElement::arrange(const CUIElement* caller)
{
    unsettle();
    if (!isArranging() || context().arrangementDeferred())
        return;
    const bool insideLayout = m_parent && m_parent->isArranging();
    if (insideLayout && caller != m_parent) {
        CUIElement* top = this;
        while (top->m_parent && top->m_parent->isArranging()) {
            top->arrangeBeforeParent();
            top = top->m_parent;
        }
        settle(*top);
    } else {
        singlePass(*this);
    }
}

bool CUIElement::canTake(const CUIElement& child) const
{
    if (!IsContainer() || static_cast<std::uint64_t>(childCount()) + 1 > m_maxChildren)
        return false;
    if (m_childrenMustBeLayouts && !child.IsLayout())
        return false;
    return depth() + 1 + child.subtreeHeight() <= kMaxElementDepth;
}

int CUIElement::depth() const
{
    int levels = 0;
    for (const CUIElement* element = m_parent; element; element = element->m_parent)
        ++levels;
    return levels;
}

int CUIElement::subtreeHeight() const
{
    int height = 0;
    for (const auto& child : m_children)
        height = std::max(height, 1 + child->subtreeHeight());
    return height;
}

bool CUIElement::AddChild(std::unique_ptr<CUIElement> child)
{
    if (!child || !canTake(*child))
        return false;
    CUIElement& linked = *child;
    link(std::move(child), nullptr);
    tellObservers([&linked](WindowObserver& observer) { observer.elementInserted(linked); });
    announceTreeGeometry();
    return true;
}

bool CUIElement::RemoveChild(const CUIElement* child)
{
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (it->get() == child) {
            tellObservers([child](WindowObserver& observer) { observer.elementRemoving(*child); });
            m_children.erase(it);
            arrange(nullptr);
            announceTreeGeometry();
            return true;
        }
        if ((*it)->RemoveChild(child))
            return true;
    }
    return false;
}

std::unique_ptr<CUIElement> CUIElement::unlink(const CUIElement* child)
{
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (it->get() == child) {
            std::unique_ptr<CUIElement> taken = std::move(*it);
            m_children.erase(it);
            taken->m_parent = nullptr;
            arrange(nullptr);
            return taken;
        }
    }
    return nullptr;
}

void CUIElement::link(std::unique_ptr<CUIElement> child, const CUIElement* before)
{
    child->m_parent = this;
    auto at = m_children.begin();
    while (at != m_children.end() && at->get() != before)
        ++at;
    m_children.insert(at, std::move(child));
    for (CUIElement* element = this; element; element = element->m_parent)
        element->arrange(nullptr);
}

void CUIElement::moveTo(CUIElement& container, const CUIElement* before)
{
    std::unique_ptr<CUIElement> self = m_parent->unlink(this);
    container.link(std::move(self), before);
    tellObservers([this](WindowObserver& observer) { observer.elementMoved(*this); });
    announceTreeGeometry();
}

void CUIElement::DeleteChildren()
{
    for (const auto& child : m_children)
        tellObservers([&child](WindowObserver& observer) { observer.elementRemoving(*child); });
    m_children.clear();
}

void CUIElement::unsettle()
{
    for (CUIElement* element = this; element && element->m_settled; element = element->m_parent)
        element->m_settled = false;
}

void CUIElement::unsettleSubtree()
{
    m_settled = false;
    for (const auto& child : m_children)
        child->unsettleSubtree();
}

void CUIElement::setRect(const UIRect& rect)
{
    if (rect == m_rect)
        return;
    m_rect = rect;
    if (m_parent)
        m_parent->unsettle();
}

void CUIElement::resizeFromPreview(int width, int height)
{
    setRect({0, 0, width, height});
}

void CUIElement::announceGeometry() const
{
    tellObservers([this](WindowObserver& observer) { observer.geometryChanged(*this); });
}

void CUIElement::finishConstruction()
{
    if (m_parent)
        m_rect.offset(m_parent->GetChildOrigin(*this));
    // A fresh table: only the flags the element gives are kept.
    FlagValueTable table;
    StoreFlags(table);
    m_flags = std::move(table);
}

bool CUIElement::flagOn(int position) const
{
    return isFlagOn(m_flags[position], booleanStyle());
}

bool CUIElement::flagExactlyTrue(int position) const
{
    return isFlagExactlyTrue(m_flags[position], booleanStyle());
}

const CUIElement& CUIElement::root() const
{
    const CUIElement* element = this;
    while (element->m_parent)
        element = element->m_parent;
    return *element;
}

template <class Tell>
void CUIElement::tellObservers(Tell tell) const
{
    const CUIElement& top = root();
    if (!top.isWindow())
        return;
    // By index: an observer may stop observing while it is told.
    const std::vector<WindowObserver*>& observers = static_cast<const CUIWindow&>(top).observers();
    for (std::size_t i = 0; i < observers.size(); ++i)
        tell(*observers[i]);
}

void CUIElement::applySize(int widthPosition, int heightPosition)
{
    m_rect.right = m_rect.left + readFlagLength(flags()[widthPosition]);
    m_rect.bottom = m_rect.top + readFlagLength(flags()[heightPosition]);
}

void CUIElement::applyEnabled(int enablePosition)
{
    m_enabled = flagOn(enablePosition);
}

void CUIElement::applyVisible(int visiblePosition)
{
    m_visible = flagOn(visiblePosition);
}

void CUIElement::applyBackColor(int position)
{
    m_backColor = readFlagColor(flags()[position]);
}

void CUIElement::applyAlignment(int position)
{
    const std::string& value = flags()[position];
    setStyle(PreviewStyle::alignLeft, value == "left");
    setStyle(PreviewStyle::alignRight, value == "right");
}

void CUIElement::storeSize(FlagValueTable& table, int widthPosition, int heightPosition) const
{
    table[widthPosition] = formatFlagInt(m_rect.width());
    table[heightPosition] = formatFlagInt(m_rect.height());
}

void CUIElement::finishApply()
{
    announceShownState();
    if (m_parent)
        m_parent->arrange(nullptr);
    announceTreeGeometry();
}

void CUIElement::announceTreeGeometry() const
{
    if (!context().arrangementDeferred())
        root().announceGeometry();
}

void CUIElement::announceShownState() const
{
    tellObservers([this](WindowObserver& observer) {
        observer.flagsChanged(*this);
        observer.geometryChanged(*this);
    });
}

void CUIElement::setPreviewText(std::string text)
{
    m_previewText = std::move(text);
}

void CUIElement::setStyle(PreviewStyle style, bool on)
{
    const auto bit = static_cast<std::uint32_t>(style);
    m_styles = on ? (m_styles | bit) : (m_styles & ~bit);
}

} // namespace orv
