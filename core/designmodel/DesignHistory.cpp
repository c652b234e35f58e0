// The designer's steps: recording them, and undoing and redoing them on the window.
#include "designmodel/DesignHistory.h"

#include "uimodel/CUITextScrollList.h"
#include "uimodel/WindowFile.h"

#include <algorithm>
#include <unordered_map>

namespace orv {
namespace {

std::size_t placeOf(const CUIElement& element)
{
    const auto& siblings = element.parent()->children();
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [&element](const auto& sibling) { return sibling.get() == &element; });
    return static_cast<std::size_t>(it - siblings.begin());
}

CUIElement* childAt(CUIElement& parent, std::size_t index)
{
    return index < parent.children().size() ? parent.children()[index].get() : nullptr;
}

template <class Element, class Visit>
void forEachInTreeOrder(Element& element, Visit&& visit)
{
    visit(element);
    for (const auto& child : element.children())
        forEachInTreeOrder(static_cast<Element&>(*child), visit);
}

// Moves element to index among container's children (counted without element).
void placeAt(CUIElement& element, CUIElement& container, std::size_t index)
{
    const CUIElement* before = nullptr;
    std::size_t seen = 0;
    for (const auto& child : container.children()) {
        if (child.get() == &element)
            continue;
        if (seen++ == index) {
            before = child.get();
            break;
        }
    }
    element.moveTo(container, before);
}

// Puts a block in as parent's child at index; null when refused.
CUIElement* putBlock(CUIWindow& window, const ElementPath& parentPath, std::size_t index, const std::string& block)
{
    CUIElement* parent = elementAtPath(window, parentPath);
    CUIElement* element = parent ? ReadElementBlock(block, *parent) : nullptr;
    if (element && index + 1 < parent->children().size())
        placeAt(*element, *parent, index);
    return element;
}

// Takes the child at index out of the parent at parentPath with its subtree; the parent, or
// null when there was none.
CUIElement* takeOut(CUIWindow& window, const ElementPath& parentPath, std::size_t index)
{
    CUIElement* parent = elementAtPath(window, parentPath);
    CUIElement* child = parent ? childAt(*parent, index) : nullptr;
    if (!child)
        return nullptr;
    child->DeleteChildren();
    parent->RemoveChild(child);
    return parent;
}

// Moves the child at fromIndex of the container at from to toIndex of the one at to, both
// paths as the window stands now.
CUIElement* moveBetween(CUIWindow& window, const ElementPath& from, std::size_t fromIndex, const ElementPath& to,
                        std::size_t toIndex)
{
    CUIElement* source = elementAtPath(window, from);
    CUIElement* element = source ? childAt(*source, fromIndex) : nullptr;
    CUIElement* target = elementAtPath(window, to);
    if (!element || !target)
        return nullptr;
    placeAt(*element, *target, toIndex);
    return element;
}

// Gives element values as the designer's edits do: the name, branch state and list items,
// then the flag values, after which its container arranges.
void restoreElementValues(CUIElement& element, const ElementValues& values)
{
    element.setName(values.name);
    element.setStateFlag(values.state);
    if (element.command() == "textScrollList" && element.listItems() != values.items)
        static_cast<CUITextScrollList&>(element).setItems(values.items);
    element.ApplyFlags(values.table);
    element.announceShownState();
}

// Gives each element of the list its values, the deepest first; paths the window lacks are
// passed over.
void restoreValuesAround(CUIWindow& window, const ValuesAround& values)
{
    for (const auto& [path, elementValues] : values)
        if (CUIElement* element = elementAtPath(window, path); element && ElementValues::of(*element) != elementValues)
            restoreElementValues(*element, elementValues);
}

// Sets every rectangle as the step's other side had it: those the step changed from the list,
// the others as they stood before the step was reverted (held by held), then tells the views.
void restoreRects(CUIWindow& window, const std::unordered_map<const CUIElement*, UIRect>& held, const RectsByPlace& rects)
{
    std::size_t place = 0;
    auto next = rects.begin();
    forEachInTreeOrder(window, [&](CUIElement& element) {
        if (next != rects.end() && next->first == place) {
            element.setRect(next->second);
            ++next;
        } else if (const auto it = held.find(&element); it != held.end() && element.rect() != it->second) {
            element.setRect(it->second);
        }
        ++place;
    });
    window.announceGeometry();
}

std::unordered_map<const CUIElement*, UIRect> rectsOf(const CUIWindow& window)
{
    std::unordered_map<const CUIElement*, UIRect> rects;
    forEachInTreeOrder(window, [&](const CUIElement& element) { rects.emplace(&element, element.rect()); });
    return rects;
}

// Gives the window the state after step (forward) or before it, and returns the element the
// step concerns.
CUIElement* applyStep(CUIWindow& window, const DesignStep& step, bool forward)
{
    const auto held = rectsOf(window);
    CUIElement* focus = nullptr;
    switch (step.kind) {
    case DesignStep::Kind::put:
    case DesignStep::Kind::taken:
        // Redoing a put and undoing a take put the block in; the other two take it out.
        focus = (step.kind == DesignStep::Kind::put) == forward ? putBlock(window, step.parent, step.index, step.block)
                                                                 : takeOut(window, step.parent, step.index);
        break;
    case DesignStep::Kind::moved:
        focus = forward ? moveBetween(window, step.parent, step.index, step.toParentBefore, step.toIndex)
                        : moveBetween(window, step.toParent, step.toIndex, step.parentAfter, step.index);
        break;
    case DesignStep::Kind::values:
        focus = elementAtPath(window, step.focus);
        break;
    }
    restoreValuesAround(window, forward ? step.after : step.before);
    restoreRects(window, held, forward ? step.rectsAfter : step.rectsBefore);
    return focus;
}

} // namespace

ElementPath pathOf(const CUIElement& element)
{
    ElementPath path;
    for (const CUIElement* e = &element; e->parent(); e = e->parent())
        path.push_back(placeOf(*e));
    std::reverse(path.begin(), path.end());
    return path;
}

CUIElement* elementAtPath(CUIWindow& window, const ElementPath& path)
{
    CUIElement* element = &window;
    for (const std::size_t index : path) {
        element = childAt(*element, index);
        if (!element)
            return nullptr;
    }
    return element;
}

ElementValues ElementValues::of(const CUIElement& element)
{
    ElementValues values{element.name(), element.stateFlag(), element.listItems(), {}};
    element.StoreFlags(values.table);
    return values;
}

ValuesAround valuesAround(std::initializer_list<const CUIElement*> elements)
{
    std::vector<const CUIElement*> chain;
    for (const CUIElement* element : elements)
        for (const CUIElement* e = element; e; e = e->parent())
            if (std::find(chain.begin(), chain.end(), e) == chain.end())
                chain.push_back(e);
    ValuesAround values;
    values.reserve(chain.size());
    for (const CUIElement* e : chain)
        values.emplace_back(pathOf(*e), ElementValues::of(*e));
    std::stable_sort(values.begin(), values.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    return values;
}

GeometrySnapshot::GeometrySnapshot(const CUIWindow& window)
{
    forEachInTreeOrder(window, [this](const CUIElement& element) { m_rects.emplace_back(&element, element.rect()); });
}

void GeometrySnapshot::changesSince(const CUIWindow& window, const CUIElement* placed, RectsByPlace& before,
                                    RectsByPlace& after) const
{
    // One walk beside the snapshot: the tree differs from it only by the subtree placed (new
    // or moved here) and by what was taken away or moved elsewhere, which the snapshot lists
    // where the walk does not meet it. Elements met on both sides compare their rectangles.
    std::size_t then = 0;
    std::size_t place = 0;
    const auto visit = [&](const CUIElement& element, bool inPlaced) {
        if (!inPlaced) {
            while (then < m_rects.size() && m_rects[then].first != &element) {
                before.emplace_back(then, m_rects[then].second);
                ++then;
            }
            if (then < m_rects.size()) {
                if (m_rects[then].second != element.rect()) {
                    before.emplace_back(then, m_rects[then].second);
                    after.emplace_back(place, element.rect());
                }
                ++then;
                ++place;
                return;
            }
        }
        after.emplace_back(place, element.rect());
        ++place;
    };
    const auto walk = [&](const auto& self, const CUIElement& element, bool inPlaced) -> void {
        inPlaced = inPlaced || &element == placed;
        visit(element, inPlaced);
        for (const auto& child : element.children())
            self(self, *child, inPlaced);
    };
    walk(walk, window, false);
    for (; then < m_rects.size(); ++then)
        before.emplace_back(then, m_rects[then].second);
}

void DesignHistory::clear()
{
    m_steps.clear();
    m_position = 0;
    m_saved = 0;
}

void DesignHistory::add(DesignStep step)
{
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_position), m_steps.end());
    if (m_saved > static_cast<std::ptrdiff_t>(m_position))
        m_saved = -1;
    if (m_steps.size() >= kMaxSteps) {
        m_steps.pop_front();
        m_saved = m_saved > 0 ? m_saved - 1 : -1;
    }
    m_steps.push_back(std::move(step));
    m_position = m_steps.size();
}

std::string DesignHistory::undoCaption() const
{
    return canUndo() ? m_steps[m_position - 1].caption : std::string();
}

std::string DesignHistory::redoCaption() const
{
    return canRedo() ? m_steps[m_position].caption : std::string();
}

CUIElement* DesignHistory::undo(CUIWindow& window)
{
    return canUndo() ? applyStep(window, m_steps[--m_position], false) : nullptr;
}

CUIElement* DesignHistory::redo(CUIWindow& window)
{
    return canRedo() ? applyStep(window, m_steps[m_position++], true) : nullptr;
}

} // namespace orv
