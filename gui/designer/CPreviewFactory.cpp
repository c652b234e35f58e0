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
    std::unique_ptr<PreviewPort> port = makeFor(element, parentPreview);
    // The widgets inside a control (a list's viewport and scroll bars) take the clicks.
    if (auto* preview = dynamic_cast<PreviewWidget*>(port.get()); preview && m_inputFilter) {
        preview->widget().installEventFilter(m_inputFilter);
        for (QWidget* inner : preview->widget().findChildren<QWidget*>())
            inner->installEventFilter(m_inputFilter);
    }
    return port;
}

std::unique_ptr<PreviewPort> CPreviewFactory::makeFor(const CUIElement& element, PreviewPort* parentPreview)
{
    const std::string& command = element.command();
    if (element.isWindow()) {
        const SettingsRecord* record = m_host.record;
        auto grid = [record] { return record ? GridSettings::from(*record) : GridSettings{}; };
        auto* wnd = new COrvanteWnd(element, std::move(grid));
        wnd->setParent(m_windowParent);
        return std::unique_ptr<PreviewPort>(static_cast<PreviewPort*>(wnd));
    }
    auto* parentWidget = dynamic_cast<PreviewWidget*>(parentPreview);
    QWidget* parent = parentWidget ? parentWidget->childHost() : m_windowParent;
    const QFont* font0 = &m_host.previewFont;
    if (command == "columnLayout")
        return make<COrvanteColumnLayout>(element, parent, nullptr);
    if (command == "frameLayout")
        return std::unique_ptr<PreviewPort>(new COrvanteFrameLayout(element, parent, m_host.previewFont));
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

} // namespace orv
