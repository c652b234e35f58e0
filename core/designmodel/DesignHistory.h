// The designer's undo and redo of one window: each user action is one step, kept as what it
// changed (a subtree put in or taken out, an element moved, the values of the elements on the
// way up from what it touched, and the rectangles that moved), so that a step's memory is what
// it touched and never a copy of the window. Elements are found by their path of child places
// from the window, or by their place in tree order, as a step outlives the elements it saw.
#pragma once

#include "uimodel/CUIWindow.h"
#include "uimodel/FlagValueTable.h"

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace orv {

// The places of an element's ancestors' children on the way down from the window.
using ElementPath = std::vector<std::size_t>;

ElementPath pathOf(const CUIElement& element);
// The element at path, or null where the window has none there.
CUIElement* elementAtPath(CUIWindow& window, const ElementPath& path);

// What an element holds of its own, as its window file lines do: name, branch state, list
// items and flag values.
struct ElementValues {
    std::string name;
    bool state = true;
    std::vector<std::string> items;
    FlagValueTable table;

    static ElementValues of(const CUIElement& element);
    bool operator==(const ElementValues&) const = default;
};

// The values of some elements and of all their ancestors, each with its path, the deepest
// first: an edit changes an element's own values and, through arrangement, its containers'.
using ValuesAround = std::vector<std::pair<ElementPath, ElementValues>>;

ValuesAround valuesAround(std::initializer_list<const CUIElement*> elements);

// Rectangles by the element's place in tree order (the window 0, then each element before its
// children), in place order.
using RectsByPlace = std::vector<std::pair<std::size_t, UIRect>>;

// Every element's rectangle before an edit, to tell afterwards which ones it changed. Arranging
// again need not give back the rectangles a window had (where the window's layout stands
// depends on what arranged last), so undo gives them back as they were.
class GeometrySnapshot {
public:
    explicit GeometrySnapshot(const CUIWindow& window);
    // The rectangles that differ between the snapshot and window now, as they were (places
    // then) and as they are (places now); elements gone or new count as changed. placed: the
    // subtree the edit put in or moved (null for none), every other element kept its order.
    void changesSince(const CUIWindow& window, const CUIElement* placed, RectsByPlace& before,
                      RectsByPlace& after) const;

private:
    std::vector<std::pair<const CUIElement*, UIRect>> m_rects;
};

struct DesignStep {
    enum class Kind {
        put,     // the block went in at (parent, index); undo takes it out
        taken,   // the block was taken out of (parent, index); undo puts it back
        moved,   // the element went from (parent, index) to (toParent, toIndex)
        values,  // only values changed
    };
    Kind kind = Kind::values;
    std::string caption;  // "Insert button", "Delete button1", "Rename"
    ElementPath parent;
    std::size_t index = 0;
    ElementPath toParent;
    std::size_t toIndex = 0;
    // moved: the paths of the two containers in the other state (taking the element out of
    // one may shift the other's path): the old one's after the move, the new one's before it.
    ElementPath parentAfter;
    ElementPath toParentBefore;
    std::string block;    // put and taken: the subtree as the window file writes it
    ElementPath focus;    // values: the element to select after an undo or a redo
    ValuesAround before;  // as the window was before the step, its paths valid then
    ValuesAround after;   // as the window was after the step, its paths valid then
    RectsByPlace rectsBefore;
    RectsByPlace rectsAfter;
};

class DesignHistory {
public:
    static constexpr std::size_t kMaxSteps = 1000;

    void clear();
    // Drops the steps that could be redone, and the oldest one past the limit.
    void add(DesignStep step);

    bool canUndo() const { return m_position > 0; }
    bool canRedo() const { return m_position < m_steps.size(); }
    // The caption of the step an undo / a redo would apply; empty when there is none.
    std::string undoCaption() const;
    std::string redoCaption() const;

    // Reverts the step below the position / applies the one at it, on window, and tells the
    // window's observers. Returns the element the step concerns, for the selection (the
    // parent of what was taken out), or null when there was nothing to do.
    CUIElement* undo(CUIWindow& window);
    CUIElement* redo(CUIWindow& window);

    void setSavePoint() { m_saved = static_cast<std::ptrdiff_t>(m_position); }
    bool atSavePoint() const { return m_saved == static_cast<std::ptrdiff_t>(m_position); }
    // The window was never saved as it stands: no undo or redo reaches a saved one.
    void forgetSavePoint() { m_saved = -1; }
    std::size_t size() const { return m_steps.size(); }

private:
    // A deque: dropping the oldest step past the limit moves none of the others.
    std::deque<DesignStep> m_steps;
    std::size_t m_position = 0;
    std::ptrdiff_t m_saved = 0;  // -1: no undo or redo reaches the saved window
};

} // namespace orv
