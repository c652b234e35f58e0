// Edit mode and geometry of every preview.
#include "designer/PreviewWidget.h"

#include "designer/DesignMode.h"

namespace orv {

void PreviewWidget::setEnabled(bool enabled)
{
    m_self.setEnabled(enabled && (m_element.isWindow() || !DesignMode::editMode()));
}

void PreviewWidget::setGeometry(const UIRect& rect)
{
    m_self.setGeometry(rect.left, rect.top, rect.width(), rect.height());
}

} // namespace orv
