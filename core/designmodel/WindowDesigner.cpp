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
    // Before the element is made: a container grows for a new child as it is made.
    Before before = capture({target});
    std::unique_ptr<CUIElement> element = createElement(command->keyword, *target);
    if (!element)
        return nullptr;
    CUIElement* made = element.get();
    if (!target->AddChild(std::move(element)))
        return nullptr;
    DesignStep step;
    step.kind = DesignStep::Kind::put;
    step.caption = "Insert " + made->command();
    step.parent = pathOf(*target);
    step.index = indexOf(*made);
    if (m_history)
        step.block = WriteElementBlock(*made);
    record(std::move(step), std::move(before), {made}, made);
    return made;
}

CUIElement* WindowDesigner::duplicate(CUIElement& element)
{
    if (!isMovable(element) || !element.parent()->canTake(element))
        return nullptr;
    return putCopy(WriteElementBlock(element), *element.parent(), &element, "Duplicate " + element.name());
}

CUIElement* WindowDesigner::paste(std::string_view text, CUIElement& selected)
{
    CUIElement* target = insertTarget(selected);
    if (!target)
        return nullptr;
    return putCopy(text, *target, &selected == target ? nullptr : &selected, "Paste");
}

CUIElement* WindowDesigner::putCopy(std::string_view block, CUIElement& container, const CUIElement* after,
                                    std::string caption)
{
    Before before = capture({&container});
    CUIElement* copy = ReadElementBlock(block, container, BlockNames::freshWhereTaken);
    if (!copy)
        return nullptr;
    const auto& siblings = container.children();
    if (after) {
        const std::size_t at = indexOf(*after);
        if (at + 2 < siblings.size())
            copy->moveTo(container, siblings[at + 1].get());
    }
    DesignStep step;
    step.kind = DesignStep::Kind::put;
    step.caption = std::move(caption);
    step.parent = pathOf(container);
    step.index = indexOf(*copy);
    if (m_history)
        step.block = WriteElementBlock(*copy);
    record(std::move(step), std::move(before), {copy}, copy);
    return copy;
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

CUIElement* WindowDesigner::remove(CUIElement& element, std::string_view action)
{
    if (!element.parent())
        return nullptr;
    CUIElement* next = nextSelectionAfterDelete(element);
    CUIElement& parent = *element.parent();
    DesignStep step;
    step.kind = DesignStep::Kind::taken;
    step.caption = std::string(action).append(" ").append(element.name());
    step.parent = pathOf(parent);
    step.index = indexOf(element);
    if (m_history)
        step.block = WriteElementBlock(element);
    Before before = capture({&element});
    element.DeleteChildren();
    m_window.RemoveChild(&element);
    record(std::move(step), std::move(before), {&parent});
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
    placeBefore(element, before, direction == MoveDirection::up ? "Move Up" : "Move Down");
    return true;
}

bool WindowDesigner::dropAtEnd(CUIElement& element)
{
    if (!isMovable(element))
        return false;
    placeBefore(element, nullptr, "Move");
    return true;
}

void WindowDesigner::placeBefore(CUIElement& element, const CUIElement* before, std::string caption)
{
    CUIElement& parent = *element.parent();
    const std::size_t from = indexOf(element);
    const auto& siblings = parent.children();
    const CUIElement* next = from + 1 < siblings.size() ? siblings[from + 1].get() : nullptr;
    if (before == &element || before == next)
        return;  // already there: nothing moves and nothing arranges
    moveInto(element, parent, before, std::move(caption));
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
    moveInto(dragged, *container, before, "Move");
    return true;
}

void WindowDesigner::moveInto(CUIElement& element, CUIElement& container, const CUIElement* before, std::string caption)
{
    CUIElement& from = *element.parent();
    DesignStep step;
    step.kind = DesignStep::Kind::moved;
    step.caption = std::move(caption);
    step.parent = pathOf(from);
    step.index = indexOf(element);
    step.toParentBefore = pathOf(container);
    Before valuesBefore = capture({&from, &container});
    element.moveTo(container, before);
    arrangeTop();
    step.parentAfter = pathOf(from);
    step.toParent = pathOf(container);
    step.toIndex = indexOf(element);
    record(std::move(step), std::move(valuesBefore), {&from, &container}, &element);
}

void WindowDesigner::applyFlags(CUIElement& element, const FlagValueTable& table)
{
    // A TAB pasted into a value would cut it where the file is read again.
    FlagValueTable oneLine = table;
    for (int position = 0; position < kFlagTableSize; ++position)
        blankWindowFileSeparators(oneLine[position]);
    Before before = capture({&element});
    element.ApplyFlags(oneLine);
    recordValues(element, std::move(before), "Edit Flags");
}

void WindowDesigner::setListItems(CUITextScrollList& list, std::vector<std::string> items)
{
    Before before = capture({&list});
    list.setItems(std::move(items));
    recordValues(list, std::move(before), "Edit List Items");
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
    Before before = capture({&element});
    element.setName(name);
    element.announceShownState();
    recordValues(element, std::move(before), "Rename");
    return true;
}

void WindowDesigner::resize(CUIElement& element, UISize client)
{
    Before before = capture({&element});
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
    recordValues(element, std::move(before), "Resize");
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

CUIElement* WindowDesigner::undo()
{
    return walkHistory(false);
}

CUIElement* WindowDesigner::redo()
{
    return walkHistory(true);
}

CUIElement* WindowDesigner::walkHistory(bool forward)
{
    if (!m_history || !(forward ? m_history->canRedo() : m_history->canUndo()))
        return nullptr;
    CUIElement* element = forward ? m_history->redo(m_window) : m_history->undo(m_window);
    changed();
    return element;
}

void WindowDesigner::changed()
{
    if (m_changed)
        m_changed();
}

WindowDesigner::Before WindowDesigner::capture(std::initializer_list<const CUIElement*> elements) const
{
    Before before{valuesAround(elements), std::nullopt};
    if (m_history)
        before.geometry.emplace(m_window);
    return before;
}

void WindowDesigner::recordValues(const CUIElement& element, Before before, std::string caption)
{
    DesignStep step;
    step.caption = std::move(caption);
    step.focus = pathOf(element);
    record(std::move(step), std::move(before), {&element});
}

void WindowDesigner::record(DesignStep step, Before before, std::initializer_list<const CUIElement*> touched,
                            const CUIElement* placed)
{
    step.before = std::move(before.values);
    step.after = valuesAround(touched);
    if (before.geometry)
        before.geometry->changesSince(m_window, placed, step.rectsBefore, step.rectsAfter);
    // An edit that left every value, place and rectangle as it was is no step and no change.
    const bool samePlace = step.kind == DesignStep::Kind::values ||
                           (step.kind == DesignStep::Kind::moved && step.parentAfter == step.toParent && step.index == step.toIndex);
    if (samePlace && step.before == step.after && step.rectsBefore.empty() && step.rectsAfter.empty())
        return;
    if (m_history)
        m_history->add(std::move(step));
    changed();
}

} // namespace orv
