// Makes the preview of each kind of element inside its parent's preview, with the font of
// its kind.
#pragma once

#include "designer/DesignerHost.h"
#include "designer/TrackerRule.h"

#include "uimodel/PreviewPort.h"

class QWidget;

namespace orv {

class CPreviewFactory final : public PreviewFactory {
public:
    // The window's preview is made inside park until a view takes it.
    CPreviewFactory(const DesignerHost& host, QWidget* park) : m_host(host), m_park(park) {}

    std::unique_ptr<PreviewPort> createPreview(const CUIElement& element, PreviewPort* parentPreview) override;

private:
    const DesignerHost& m_host;
    QWidget* m_park;
};

// Gives every element of the tree below root (root too) a preview, parents first.
void attachPreviewTree(CUIElement& root, PreviewFactory& factory);

} // namespace orv
