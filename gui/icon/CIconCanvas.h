// The enlarged pixel view: one cell a pixel, the grid lines, the tool's cursor; mouse presses
// and drags paint, fill or pick through the image's tools at the pixel under the tool's tip.
#pragma once

#include "iconmodel/IconImage.h"
#include "iconmodel/IconTool.h"
#include "settings/IconEditorParams.h"

#include <QWidget>

namespace orv {

class CIconCanvas : public QWidget {
    Q_OBJECT

public:
    // image and params (the two colours) belong to the editor and outlive the canvas.
    CIconCanvas(IconImage& image, IconEditorParams& params, QWidget* parent = nullptr);

    void setGridShown(bool shown);
    bool gridShown() const { return m_gridShown; }
    void setTool(IconTool tool);
    IconTool tool() const { return m_tool; }
    // Picking overlays the tool while Alt is held; the tool comes back when it is let go.
    void setPickMode(bool on);
    bool pickMode() const { return m_pickMode; }

signals:
    void imageChanged();
    // A colour was picked into the primary (left button) or secondary colour.
    void colorPicked(bool primary);
    // The colour under the picker, as the read-out shows it.
    void colorHovered(orv::ColorRef color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    IconTool effectiveTool() const { return m_pickMode ? IconTool::pick : m_tool; }
    void act(const QPoint& point, Qt::MouseButton button, bool press);
    void updateCell(PixelPos p);

    IconImage& m_image;
    IconEditorParams& m_params;
    IconTool m_tool = IconTool::pen;
    bool m_pickMode = false;
    bool m_gridShown = false;
};

} // namespace orv
