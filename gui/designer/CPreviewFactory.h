// Makes one view's preview of each kind of element inside its parent's preview, with the
// font of its kind.
#pragma once

#include "designer/DesignerHost.h"
#include "designer/TrackerRule.h"

#include "designer/PreviewPort.h"

class QObject;
class QWidget;

namespace orv {

class CPreviewFactory final : public PreviewFactory {
public:
    // The window's preview is made inside windowParent; inputFilter watches the input of
    // every preview widget.
    CPreviewFactory(const DesignerHost& host, QWidget* windowParent, QObject* inputFilter)
        : m_host(host), m_windowParent(windowParent), m_inputFilter(inputFilter)
    {
    }

    std::unique_ptr<PreviewPort> createPreview(const CUIElement& element, PreviewPort* parentPreview) override;

private:
    std::unique_ptr<PreviewPort> makeFor(const CUIElement& element, PreviewPort* parentPreview);

    const DesignerHost& m_host;
    QWidget* m_windowParent;
    QObject* m_inputFilter;
};

} // namespace orv
