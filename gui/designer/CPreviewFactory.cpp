// Preview classes by command keyword.
#include "designer/CPreviewFactory.h"

#include "designer/COrvanteWnd.h"
#include "designer/ControlPreviews.h"

namespace orv {

namespace {

template <class T>
std::unique_ptr<PreviewPort> make(const CUIElement& element, QWidget* parent, const QFont* font)
{
    auto* preview = new T(element, parent);
    if (font)
        preview->setFont(*font);
    return std::unique_ptr<PreviewPort>(static_cast<PreviewPort*>(preview));
}

} // namespace

std::unique_ptr<PreviewPort> CPreviewFactory::createPreview(const CUIElement& element, PreviewPort* parentPreview)
{
    const std::string& command = element.command();
    if (element.isWindow()) {
        const SettingsRecord* record = m_host.record;
        auto grid = [record] { return record ? GridSettings::from(*record) : GridSettings{}; };
        auto* wnd = new COrvanteWnd(element, std::move(grid));
        wnd->setParent(m_park);
        return std::unique_ptr<PreviewPort>(static_cast<PreviewPort*>(wnd));
    }
    auto* parentWidget = dynamic_cast<PreviewWidget*>(parentPreview);
    QWidget* parent = parentWidget ? parentWidget->childHost() : m_park;
    const QFont* font0 = &m_host.previewFont;
    if (command == "columnLayout")
        return make<COrvanteColumnLayout>(element, parent, nullptr);
    if (command == "rowLayout")
        return make<COrvanteRowLayout>(element, parent, nullptr);
    if (command == "button")
        return make<COrvanteButton>(element, parent, font0);
    if (command == "checkBox")
        return make<COrvanteCheckBox>(element, parent, font0);
    if (command == "textScrollList")
        return make<COrvanteList>(element, parent, font0);
    if (command == "intSlider" || command == "floatSlider")
        return make<COrvanteSlider>(element, parent, nullptr);
    if (command == "scrollField")
        return make<COrvanteScrollField>(element, parent, &m_host.multiLineFont);
    if (command == "textField" || command == "intField" || command == "floatField")
        return make<COrvanteTextField>(element, parent, font0);
    if (command == "text")
        return make<COrvanteText>(element, parent, font0);
    if (command == "separator")
        return make<COrvanteSeparator>(element, parent, nullptr);
    return nullptr;
}

void attachPreviewTree(CUIElement& root, PreviewFactory& factory)
{
    PreviewPort* parent = root.parent() ? root.parent()->preview() : nullptr;
    root.attachPreview(factory.createPreview(root, parent));
    for (const auto& child : root.children())
        attachPreviewTree(*child, factory);
}

} // namespace orv
