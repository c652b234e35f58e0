// Building, mirroring and dropping the ports of one view.
#include "designer/PreviewTree.h"

#include <algorithm>

namespace orv {

PreviewTree::PreviewTree(CUIWindow& window, PreviewFactory& factory) : m_window(&window), m_factory(factory)
{
    build(window, nullptr);
    syncGeometry(*m_root);
    window.addObserver(*this);
}

PreviewTree::~PreviewTree()
{
    if (m_window)
        m_window->removeObserver(*this);
}

PreviewPort* PreviewTree::port(const CUIElement& element) const
{
    const auto it = m_nodes.find(&element);
    return it == m_nodes.end() ? nullptr : it->second->port.get();
}

void PreviewTree::build(const CUIElement& element, Node* parent)
{
    auto made = std::make_unique<Node>();
    Node& node = *made;
    node.element = &element;
    node.parent = parent;
    node.port = m_factory.createPreview(element, parent ? parent->port.get() : nullptr);
    if (parent)
        parent->children.push_back(std::move(made));
    else
        m_root = std::move(made);
    m_nodes[&element] = &node;
    show(node);
    for (const auto& child : element.children())
        build(*child, &node);
}

void PreviewTree::show(Node& node)
{
    if (!node.port)
        return;
    const CUIElement& element = *node.element;
    node.port->setText(element.previewText());
    node.port->setEnabled(element.previewEnabled());
    node.port->setVisible(element.visible());
    node.port->setStyles(element.previewStyles());
    node.port->setListItems(element.listItems());
    node.port->setBackColor(element.backColor());
}

void PreviewTree::syncGeometry(Node& node)
{
    const UIRect& rect = node.element->rect();
    if (node.port && (!node.rectShown || node.shown != rect)) {
        node.port->setGeometry(rect);
        node.shown = rect;
        node.rectShown = true;
    }
    for (const auto& child : node.children)
        syncGeometry(*child);
}

void PreviewTree::forget(Node& node)
{
    m_nodes.erase(node.element);
    for (const auto& child : node.children)
        forget(*child);
}

void PreviewTree::drop(Node& node)
{
    forget(node);
    if (!node.parent) {
        m_root.reset();
        return;
    }
    auto& siblings = node.parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [&node](const auto& n) { return n.get() == &node; }));
}

void PreviewTree::elementInserted(const CUIElement& element)
{
    const auto parent = element.parent() ? m_nodes.find(element.parent()) : m_nodes.end();
    if (parent == m_nodes.end() || m_nodes.contains(&element))
        return;
    build(element, parent->second);
    syncGeometry(*m_nodes.at(&element));
}

void PreviewTree::elementRemoving(const CUIElement& element)
{
    const auto it = m_nodes.find(&element);
    if (it != m_nodes.end())
        drop(*it->second);
    if (&element == m_window) {
        m_window->removeObserver(*this);
        m_window = nullptr;
    }
}

// The ports are made again inside the new parent's, as the newest there, on top.
void PreviewTree::elementMoved(const CUIElement& element)
{
    const auto it = m_nodes.find(&element);
    if (it != m_nodes.end())
        drop(*it->second);
    elementInserted(element);
}

void PreviewTree::flagsChanged(const CUIElement& element)
{
    const auto it = m_nodes.find(&element);
    if (it != m_nodes.end())
        show(*it->second);
}

void PreviewTree::geometryChanged(const CUIElement& subtree)
{
    const auto it = m_nodes.find(&subtree);
    if (it != m_nodes.end())
        syncGeometry(*it->second);
}

void PreviewTree::enableBelowWindow(bool on)
{
    if (m_root)
        for (const auto& child : m_root->children)
            enable(*child, on);
}

void PreviewTree::enable(Node& node, bool on)
{
    if (node.port)
        node.port->setEnabled(on && node.element->previewEnabled());
    for (const auto& child : node.children)
        enable(*child, on);
}

} // namespace orv
