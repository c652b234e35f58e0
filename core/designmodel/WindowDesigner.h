// The designer's edits of a window's element tree, decided without a screen: inserting,
// deleting, moving, renaming and resizing elements, and what lies under a point. Every
// edit that changes the tree tells the changed handler, so that the document counts as
// modified, and is one step of the document's history when it has one; the views hear the
// changes from the window itself.
#pragma once

#include "designmodel/DesignHistory.h"
#include "designmodel/PreviewFrame.h"
#include "uimodel/CUIWindow.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class CUITextScrollList;

class WindowDesigner {
public:
    enum class MoveDirection { up, down };

    explicit WindowDesigner(CUIWindow& window) : m_window(window) {}

    CUIWindow& window() const { return m_window; }
    void setChangedHandler(std::function<void()> handler) { m_changed = std::move(handler); }
    // The history that each edit adds its step to (the document's, shared by its views).
    void setHistory(DesignHistory* history) { m_history = history; }

    // Undoes / redoes one step of the history and returns the element to select (null when
    // there was nothing to do).
    CUIElement* undo();
    CUIElement* redo();

    // Where an insertion with selected selected goes: the selected container, else its parent.
    static CUIElement* insertTarget(CUIElement& selected);
    // Makes the element of an insert command under the target of selected. Null, with the
    // tree unchanged, for a grayed or unknown command or when the container refuses it.
    CUIElement* insert(int commandId, CUIElement& selected);

    // A copy of element with its subtree right after it, each copied element with a new default
    // name where its own is taken; null, with nothing changed, for the window, its layout, or
    // when the container has no room.
    CUIElement* duplicate(CUIElement& element);
    // The first element block of text (the clipboard's: a copied element, or a whole window
    // file) put where an insertion with selected selected goes: into the selected container,
    // else right after the selected element; new default names where the names are taken.
    // Null, with nothing changed, when text holds no block the target takes.
    CUIElement* paste(std::string_view text, CUIElement& selected);

    // The selection after deleting element: its next sibling, else the previous one, else
    // its parent.
    static CUIElement* nextSelectionAfterDelete(const CUIElement& element);
    // Deletes element with its subtree and returns the next selection; the window cannot be
    // deleted (null, nothing changed). The step's caption is the action's ("Delete", "Cut").
    CUIElement* remove(CUIElement& element, std::string_view action = "Delete");

    // Move up: before the previous sibling, or to the end from the first place. Move down:
    // after the next sibling, or to the end. The window and its layout never move.
    bool move(CUIElement& element, MoveDirection direction);
    // Whether a drop of dragged onto target would be carried out.
    static bool canDrop(const CUIElement& dragged, const CUIElement& target);
    // A drop onto a container appends to it; onto another element puts the dragged one
    // before it. Refused, with the element kept where it was, when the container has no room,
    // when the target is the window, the dragged element itself or inside it.
    bool drop(CUIElement& dragged, CUIElement& target);
    // A drop onto no element: the dragged one goes to the end of its own container. The window
    // and its layout keep their places (false).
    bool dropAtEnd(CUIElement& element);

    // The flags grid's values for element: it takes them (line breaks and TABs as blanks, as
    // a window file keeps them) and its container arranges.
    void applyFlags(CUIElement& element, const FlagValueTable& table);
    // The list's items, as the grid's "edit data" gives them.
    void setListItems(CUITextScrollList& list, std::vector<std::string> items);
    // An empty name is ignored. A name that is not a MEL name or that another element of the
    // window has is refused, the old name kept and the reason given in refusal (when given).
    bool rename(CUIElement& element, const std::string& name, std::string* refusal = nullptr);
    // The element's preview was given a new client size: the element takes the outer size
    // and its container arranges again (twice, as the second pass settles the first).
    void resize(CUIElement& element, UISize client);
    // Flips the element's branch open or closed in the hierarchy (kept in the file).
    void setExpanded(CUIElement& element, bool expanded) { element.setStateFlag(expanded); }

    // The innermost visible element under a point of the window's client area (disabled
    // ones too); the window when the point is on no child; null outside the client area.
    static CUIElement* elementAt(CUIWindow& window, UIPoint clientPoint);
    // The window's layout arranges, as after each move.
    void arrangeTop();

private:
    void changed();
    // One step of the history back (undo) or forward (redo).
    CUIElement* walkHistory(bool forward);
    // What an edit keeps of the window before it changes it: the values around the elements
    // it touches, and every rectangle when there is a history.
    struct Before {
        ValuesAround values;
        std::optional<GeometrySnapshot> geometry;
    };
    Before capture(std::initializer_list<const CUIElement*> elements) const;
    // Completes the step of an edit with the window as the edit left it (the values around
    // touched, the rectangles that moved; placed: the subtree it put in or moved, if any), then
    // tells the history and the changed handler.
    void record(DesignStep step, Before before, std::initializer_list<const CUIElement*> touched,
                const CUIElement* placed = nullptr);
    void recordValues(const CUIElement& element, Before before, std::string caption);
    // Puts element before `before` among its siblings (last when null) and arranges; a change
    // (a step of that caption) only when its place differs.
    void placeBefore(CUIElement& element, const CUIElement* before, std::string caption);
    // Reads a copy of block into container, right after `after` (last when null), as one step.
    CUIElement* putCopy(std::string_view block, CUIElement& container, const CUIElement* after, std::string caption);
    // Moves element before `before` in container (last when null), arranges and records the step.
    void moveInto(CUIElement& element, CUIElement& container, const CUIElement* before, std::string caption);

    CUIWindow& m_window;
    std::function<void()> m_changed;
    DesignHistory* m_history = nullptr;
};

} // namespace orv
