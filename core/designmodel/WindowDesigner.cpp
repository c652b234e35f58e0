// The designer's tree edits and their refusals.
#include "designmodel/WindowDesigner.h"

#include "designmodel/InsertCommands.h"
#include "uimodel/CUITextScrollList.h"
#include "uimodel/ElementFactory.h"
#include "uimodel/ElementNames.h"
#include "uimodel/WindowFile.h"

#include <algorithm>

namespace orv {
namespace {

bool contains(const UIRect& r, UIPoint p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Whether element is ancestor itself or lies below it.
bool isWithin(const CUIElement* element, const CUIElement& ancestor)
{
    for (; element; element = element->parent())
        if (element == &ancestor)
            return true;
    return false;
}

std::size_t indexOf(const CUIElement& element)
{
    const auto& siblings = element.parent()->children();
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [&element](const auto& sibling) { return sibling.get() == &element; });
    return static_cast<std::size_t>(it - siblings.begin());
}

// The window and its layout keep their places.
bool isMovable(const CUIElement& element)
{
    return element.parent() && !element.parent()->childrenMustBeLayouts();
}

} // namespace

CUIElement* WindowDesigner::insertTarget(CUIElement& selected)
{
    return selected.IsContainer() ? &selected : selected.parent();
}

CUIElement* WindowDesigner::insert(int commandId, CUIElement& selected)
{
    CUIElement* target = insertTarget(selected);
    const InsertCommand* command = findInsertCommand(commandId);
    if (!target || !command || command->keyword.empty())
        return nullptr;
    std::unique_ptr<CUIElement> element = createElement(command->keyword, *target);
    if (!element)
        return nullptr;
    CUIElement* made = element.get();
    if (!target->AddChild(std::move(element)))
        return nullptr;
    changed();
    return made;
}

CUIElement* WindowDesigner::nextSelectionAfterDelete(const CUIElement& element)
{
    CUIElement* parent = element.parent();
    if (!parent)
        return nullptr;
    const std::size_t i = indexOf(element);
    const auto& siblings = parent->children();
    if (i + 1 < siblings.size())
        return siblings[i + 1].get();
    if (i > 0)
        return siblings[i - 1].get();
    return parent;
}

CUIElement* WindowDesigner::remove(CUIElement& element)
{
    if (!element.parent())
        return nullptr;
    CUIElement* next = nextSelectionAfterDelete(element);
    element.DeleteChildren();
    m_window.RemoveChild(&element);
    changed();
    return next;
}

bool WindowDesigner::move(CUIElement& element, MoveDirection direction)
{
    if (!isMovable(element))
        return false;
    const std::size_t from = indexOf(element);
    const auto& siblings = element.parent()->children();
    const CUIElement* before = nullptr;
    if (direction == MoveDirection::up && from > 0)
        before = siblings[from - 1].get();
    else if (direction == MoveDirection::down && from + 2 < siblings.size())
        before = siblings[from + 2].get();
    placeBefore(element, before);
    return true;
}

bool WindowDesigner::dropAtEnd(CUIElement& element)
{
    if (!isMovable(element))
        return false;
    placeBefore(element, nullptr);
    return true;
}

void WindowDesigner::placeBefore(CUIElement& element, const CUIElement* before)
{
    CUIElement& parent = *element.parent();
    const std::size_t from = indexOf(element);
    element.moveTo(parent, before);
    arrangeTop();
    if (indexOf(element) != from)
        changed();
}

bool WindowDesigner::canDrop(const CUIElement& dragged, const CUIElement& target)
{
    if (!isMovable(dragged) || target.childrenMustBeLayouts() || isWithin(&target, dragged))
        return false;
    const CUIElement* container = target.IsContainer() ? &target : target.parent();
    return container && (container == dragged.parent() || container->canTake(dragged));
}

bool WindowDesigner::drop(CUIElement& dragged, CUIElement& target)
{
    if (!canDrop(dragged, target))
        return false;
    CUIElement* container = target.IsContainer() ? &target : target.parent();
    const CUIElement* before = target.IsContainer() ? nullptr : &target;
    dragged.moveTo(*container, before);
    arrangeTop();
    changed();
    return true;
}

void WindowDesigner::applyFlags(CUIElement& element, const FlagValueTable& table)
{
    // A TAB pasted into a value would cut it where the file is read again.
    FlagValueTable oneLine = table;
    for (int position = 0; position < kFlagTableSize; ++position)
        blankWindowFileSeparators(oneLine[position]);
    element.ApplyFlags(oneLine);
    changed();
}

void WindowDesigner::setListItems(CUITextScrollList& list, std::vector<std::string> items)
{
    list.setItems(std::move(items));
    changed();
}

bool WindowDesigner::rename(CUIElement& element, const std::string& name, std::string* refusal)
{
    if (name.empty() || name == element.name())
        return false;
    std::string reason = elementNameRefusal(element, name);
    if (!reason.empty()) {
        if (refusal)
            *refusal = std::move(reason);
        return false;
    }
    element.setName(name);
    changed();
    return true;
}

void WindowDesigner::resize(CUIElement& element, UISize client)
{
    storePreviewClientSize(element, client);
    if (CUIElement* parent = element.parent()) {
        parent->Relayout(nullptr);
        parent->Relayout(nullptr);
    } else if (!m_window.children().empty()) {
        CUIElement& layout = *m_window.children().front();
        layout.Relayout(nullptr);
        layout.Relayout(nullptr);
    }
    element.announceGeometry();
    changed();
}

CUIElement* WindowDesigner::elementAt(CUIWindow& window, UIPoint clientPoint)
{
    const UIRect client = window.clientArea();
    if (!contains({0, 0, client.width(), client.height()}, clientPoint))
        return nullptr;
    CUIElement* found = &window;
    UIPoint p = clientPoint;
    for (bool descended = true; descended;) {
        descended = false;
        const auto& children = found->children();
        // The newest child lies on top.
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            CUIElement& child = **it;
            if (child.visible() && contains(child.rect(), p)) {
                p = {p.x - child.rect().left, p.y - child.rect().top};
                found = &child;
                descended = true;
                break;
            }
        }
    }
    return found;
}

void WindowDesigner::arrangeTop()
{
    if (m_window.children().empty())
        return;
    m_window.children().front()->Relayout(&m_window);
}

void WindowDesigner::changed()
{
    if (m_changed)
        m_changed();
}

} // namespace orv
