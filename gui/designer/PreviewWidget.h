// The part every preview shares: the port its view's preview tree drives, on the preview's
// own widget. A preview mirrors its element and keeps no state of its own.
#pragma once

#include "designer/PreviewPort.h"
#include "framework/ByteText.h"
#include "framework/ColorRefs.h"
#include "uimodel/CUIElement.h"

#include <QColor>
#include <QWidget>

namespace orv {

class PreviewWidget : public PreviewPort {
public:
    PreviewWidget(QWidget& self, const CUIElement& element) : m_self(self), m_element(element) {}

    const CUIElement& element() const { return m_element; }
    QWidget& widget() const { return m_self; }
    // Where the previews of child elements go.
    virtual QWidget* childHost() { return &m_self; }

    void setText(const std::string&) override {}
    // Below the window, edit mode keeps every preview disabled.
    void setEnabled(bool enabled) override;
    void setVisible(bool visible) override { m_self.setVisible(visible); }
    void setGeometry(const UIRect& rect) override;
    void setStyles(std::uint32_t) override {}
    void setListItems(const std::vector<std::string>&) override {}
    void setBackColor(ColorRef) override {}

private:
    QWidget& m_self;
    const CUIElement& m_element;
};

} // namespace orv
