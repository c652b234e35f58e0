// Painting and the mouse on the canvas.
#include "icon/CIconCanvas.h"

#include "iconmodel/CanvasGeometry.h"
#include "framework/CColorSwatch.h"
#include "icon/IconEditorTexts.h"
#include "icon/ToolPictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace orv {

CIconCanvas::CIconCanvas(IconImage& image, IconEditorParams& params, QWidget* parent)
    : QWidget(parent), m_image(image), m_params(params)
{
    setFixedSize(icon_texts::kCanvasSize, icon_texts::kCanvasSize);
    setMouseTracking(true);
    setCursor(toolCursor(m_tool));
}

void CIconCanvas::setGridShown(bool shown)
{
    m_gridShown = shown;
    update();
}

void CIconCanvas::setTool(IconTool tool)
{
    m_tool = tool;
    setCursor(toolCursor(effectiveTool()));
}

void CIconCanvas::setPickMode(bool on)
{
    m_pickMode = on;
    setCursor(toolCursor(effectiveTool()));
}

void CIconCanvas::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const CanvasGeometry geometry(width(), height(), m_image.widthExponent(), m_image.heightExponent());
    const int cw = geometry.cellWidth();
    const int ch = geometry.cellHeight();
    const QRect dirty = event->rect();
    for (int y = std::max(0, dirty.top() / ch); y <= std::min(m_image.height() - 1, dirty.bottom() / ch); ++y)
        for (int x = std::max(0, dirty.left() / cw); x <= std::min(m_image.width() - 1, dirty.right() / cw); ++x)
            p.fillRect(x * cw, y * ch, cw, ch, toQColor(*m_image.pixel({x, y})));
    p.setPen(Qt::black);
    if (m_gridShown) {
        for (int i = 0; i <= m_image.width(); ++i)
            p.drawLine(i * cw, 0, i * cw, height());
        for (int j = 0; j <= m_image.height(); ++j)
            p.drawLine(0, j * ch, width(), j * ch);
    } else {
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CIconCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        act(event->position().toPoint(), event->button(), true);
}

void CIconCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton)
        act(point, Qt::LeftButton, false);
    else if (event->buttons() & Qt::RightButton)
        act(point, Qt::RightButton, false);
    if (m_pickMode || m_tool == IconTool::pick) {
        const CanvasGeometry geometry(width(), height(), m_image.widthExponent(), m_image.heightExponent());
        if (const auto p = geometry.pixelAt(point.x(), point.y(), IconTool::pick))
            emit colorHovered(*m_image.pixel(*p));
    }
}

void CIconCanvas::act(const QPoint& point, Qt::MouseButton button, bool press)
{
    const IconTool tool = effectiveTool();
    const CanvasGeometry geometry(width(), height(), m_image.widthExponent(), m_image.heightExponent());
    const auto p = geometry.pixelAt(point.x(), point.y(), tool);
    if (!p)
        return;
    const bool primary = button == Qt::LeftButton;
    const ColorRef color = primary ? m_params.primaryColor : m_params.secondaryColor;
    switch (tool) {
    case IconTool::pick:
        (primary ? m_params.primaryColor : m_params.secondaryColor) = *m_image.pixel(*p);
        emit colorPicked(primary);
        return;
    case IconTool::pen:
        if (press)
            m_image.beginStroke(*p, color);
        else
            m_image.setPixel(*p, color);
        updateCell(*p);
        emit imageChanged();
        return;
    case IconTool::fill:
        if (press && m_image.fill(*p, color)) {
            update();
            emit imageChanged();
        }
        return;
    case IconTool::move:
    case IconTool::zoom:
        return;
    }
}

void CIconCanvas::updateCell(PixelPos p)
{
    const CanvasGeometry geometry(width(), height(), m_image.widthExponent(), m_image.heightExponent());
    // One pixel wider so that the grid lines on the cell's far edges are drawn again too.
    update(p.x * geometry.cellWidth(), p.y * geometry.cellHeight(), geometry.cellWidth() + 1, geometry.cellHeight() + 1);
}

} // namespace orv
