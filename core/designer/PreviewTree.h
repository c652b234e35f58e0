// One view's previews of a window: a port for every element, made by the view's factory
// inside its parent's port, kept in step with the model by observing the window.
#pragma once

#include "designer/PreviewPort.h"
#include "uimodel/CUIWindow.h"
#include "uimodel/WindowObserver.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace orv {

class PreviewTree final : public WindowObserver {
public:
    // Makes the ports of the whole tree and observes window from then on.
    PreviewTree(CUIWindow& window, PreviewFactory& factory);
    ~PreviewTree() override;
    PreviewTree(const PreviewTree&) = delete;
    PreviewTree& operator=(const PreviewTree&) = delete;

    // The element's port in this view; null for an element it does not show.
    PreviewPort* port(const CUIElement& element) const;
    // Enables the port of each element below the window when on and the element's preview
    // takes input (edit mode turns them all off).
    void enableBelowWindow(bool on);

    void elementInserted(const CUIElement& element) override;
    void elementRemoving(const CUIElement& element) override;
    void elementMoved(const CUIElement& element) override;
    void flagsChanged(const CUIElement& element) override;
    void geometryChanged(const CUIElement& subtree) override;

private:
    struct Node {
        const CUIElement* element = nullptr;
        Node* parent = nullptr;
        std::unique_ptr<PreviewPort> port;
        // Declared after the port: child ports go before it, as child widgets before their parent.
        std::vector<std::unique_ptr<Node>> children;
        UIRect shown;
        bool rectShown = false;
    };

    // Makes the ports of element's subtree under parent (null for the window).
    void build(const CUIElement& element, Node* parent);
    // Shows the element's whole state in its port.
    static void show(Node& node);
    void syncGeometry(Node& node);
    void forget(Node& node);
    // Takes node's subtree out of the tree, destroying its ports.
    void drop(Node& node);
    void enable(Node& node, bool on);

    CUIWindow* m_window;
    PreviewFactory& m_factory;
    std::unique_ptr<Node> m_root;
    std::unordered_map<const CUIElement*, Node*> m_nodes;
};

} // namespace orv
