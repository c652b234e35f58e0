// The base of every element of a designed window: tree links, flag table, rectangle,
// the state its previews show, and the operations every element type answers. Elements own
// no previews: each change is told to the window's observers.
#pragma once

#include "colour/Color.h"
#include "uimodel/FlagValueTable.h"
#include "uimodel/PreviewStyle.h"
#include "uimodel/UIGeometry.h"
#include "uimodel/UIModelConstants.h"
#include "uimodel/UIModelContext.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orv {

class ScriptWriter;
class WindowObserver;

class CUIElement {
public:
    virtual ~CUIElement();
    CUIElement(const CUIElement&) = delete;
    CUIElement& operator=(const CUIElement&) = delete;

    // Type-specific flags of the element's call, after the typed ones (the list's items);
    // none in most types.
    virtual void AppendExtraFlags(ScriptWriter& out, bool shortFlags) const;
    virtual bool IsContainer() const { return false; }
    bool IsLayout() const { return IsContainer(); }
    // Takes the values of table, then brings rectangle and shown state in line with them.
    virtual void ApplyFlags(const FlagValueTable& table) = 0;
    // The own values with the positions that geometry and preview own refreshed.
    virtual void StoreFlags(FlagValueTable& table) const = 0;
    // Where a new child goes; containers also grow for it. Leaves and the window: (0, 0).
    virtual UIPoint GetChildOrigin(const CUIElement& child);
    // Layouts arrange their children and grow; nothing in leaves and the window. The
    // observers are told once that the tree may have moved.
    // caller: the element that asks (null for none).
    void Relayout(const CUIElement* caller);

    // The two halves of one arrangement pass of a layout, before and after its parent is
    // asked to arrange; Relayout schedules them (nothing in other elements).
    virtual void arrangeBeforeParent() {}
    virtual void arrangeAfterParent() {}
    // The same halves while arranging is deferred, where the children other than the newest
    // are as the previous such call left them: only the newest is visited.
    virtual void arrangeNewestBeforeParent() { arrangeBeforeParent(); }
    virtual void arrangeNewestAfterParent() { arrangeAfterParent(); }

    // Whether AddChild would link child: a container with room, a layout where only layouts
    // are taken, and the child's subtree no deeper than kMaxElementDepth there.
    bool canTake(const CUIElement& child) const;
    // The number of ancestors (the window: 0), and the levels of descendants below (a leaf: 0).
    int depth() const;
    int subtreeHeight() const;
    // False, with nothing changed, when this element cannot take the child.
    bool AddChild(std::unique_ptr<CUIElement> child);
    // Unlinks and destroys child wherever it is in the subtree; false when it is not there.
    bool RemoveChild(const CUIElement* child);
    void DeleteChildren();
    // Moves this element (not the window) before the direct child `before` of container
    // (last when null) with no refusal, arranging the old and the new container. Callers
    // check first that the container may take it.
    void moveTo(CUIElement& container, const CUIElement* before);

    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }
    const std::string& command() const { return m_command; }
    ElementTypeCode typeCode() const { return m_typeCode; }
    const UIRect& rect() const { return m_rect; }
    // A new rectangle unsettles the parent, which places its children from their sizes.
    void setRect(const UIRect& rect);
    CUIElement* parent() const { return m_parent; }
    const std::vector<std::unique_ptr<CUIElement>>& children() const { return m_children; }
    std::uint32_t childCount() const { return static_cast<std::uint32_t>(m_children.size()); }
    std::uint32_t maxChildren() const { return m_maxChildren; }
    bool childrenMustBeLayouts() const { return m_childrenMustBeLayouts; }
    const FlagValueTable& flags() const { return m_flags; }
    // Whether the last ApplyFlags changed values of the table it was given (a slider turned its
    // width and height round): whoever shows the values shows them again.
    bool flagsRewritten() const { return m_flagsRewritten; }
    bool stateFlag() const { return m_stateFlag; }
    void setStateFlag(bool expanded) { m_stateFlag = expanded; }
    bool enabled() const { return m_enabled; }
    bool visible() const { return m_visible; }
    ColorRef backColor() const { return m_backColor; }
    // What a preview shows as its text (label, field text, window title).
    const std::string& previewText() const { return m_previewText; }
    std::uint32_t previewStyles() const { return m_styles; }
    const std::vector<std::string>& listItems() const { return m_listItems; }
    UIModelContext& context() const { return *m_context; }
    bool isWindow() const { return m_typeCode == ElementTypeCode::window; }
    // A column or row layout (the window is a container but arranges nothing).
    bool isArranging() const { return IsContainer() && !isWindow(); }

    // Whether a preview takes input; text entries also need to be editable.
    virtual bool previewEnabled() const { return m_enabled; }
    // The size the designer gave a preview; the next arrangement places it again.
    void resizeFromPreview(int width, int height);
    // Tells the window's observers that rectangles of this subtree may have changed.
    void announceGeometry() const;
    // Tells the observers that what this element shows (its name too) changed, and where it is.
    void announceShownState() const;

    // Arrangement bookkeeping. A layout is settled when its subtree is where two passes put
    // it and nothing in it changed since: a pass that finds it settled at the same rectangle
    // leaves it alone, and one that moved or resized it only fits it to its new rectangle.
    // Every edit unsettles the element it arranges and the elements above it.
    bool settled() const { return m_settled && !m_context->settlesEverything(); }
    const UIRect& settledRect() const { return m_settledRect; }
    void noteSettled()
    {
        m_settled = true;
        m_settledRect = m_rect;
    }
    // This element and its ancestors need settling again.
    void unsettle();
    // Every element of the subtree needs settling again (after what all of them read changed).
    void unsettleSubtree();

protected:
    CUIElement(UIModelContext& context, CUIElement* parent, std::string command, ElementTypeCode typeCode);

    // The end of every constructor: place at the parent's origin, fill the own table.
    void finishConstruction();
    const SettingsRecord& settings() const { return m_context->settings(); }
    int booleanStyle() const { return m_context->booleanStyle(); }
    bool flagOn(int position) const;
    bool flagExactlyTrue(int position) const;
    // The tree's top: the window, or the first element without a parent.
    const CUIElement& root() const;
    // Rectangle size from the width and height values.
    void applySize(int widthPosition, int heightPosition);
    void applyEnabled(int enablePosition);
    void applyVisible(int visiblePosition);
    void applyBackColor(int position);
    void applyAlignment(int position);
    void storeSize(FlagValueTable& table, int widthPosition, int heightPosition) const;
    // Tells of the new shown state, then lets the parent arrange.
    void finishApply();
    // Relayout without telling the observers: for the steps of an edit that tells them once
    // at its end.
    void arrange(const CUIElement* caller);
    // Tells the observers that the whole tree may have moved, unless arranging is deferred.
    void announceTreeGeometry() const;
    void setPreviewText(std::string text);
    void setStyle(PreviewStyle style, bool on);

    std::string m_name;
    std::string m_command;
    UIRect m_rect;
    ElementTypeCode m_typeCode;
    bool m_childrenMustBeLayouts = false;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_stateFlag = true;
    std::uint32_t m_maxChildren = 0;
    CUIElement* m_parent = nullptr;
    FlagValueTable m_flags;
    ColorRef m_backColor = kButtonFaceColor;
    std::string m_previewText;
    std::uint32_t m_styles = 0;
    std::vector<std::string> m_listItems;
    bool m_flagsRewritten = false;

private:
    // Calls tell on each observer of the window this element is in (none outside a window).
    template <class Tell>
    void tellObservers(Tell tell) const;
    // Takes a direct child out and arranges, telling nobody that it left.
    std::unique_ptr<CUIElement> unlink(const CUIElement* child);
    // Links child before the direct child `before` (last when null) and arranges as AddChild does.
    void link(std::unique_ptr<CUIElement> child, const CUIElement* before);

    UIModelContext* m_context;
    std::vector<std::unique_ptr<CUIElement>> m_children;
    bool m_settled = false;
    UIRect m_settledRect;
};

} // namespace orv
