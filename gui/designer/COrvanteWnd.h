// The window element's preview: a window painted by hand inside the designer view, with
// its caption bar (system menu, title, minimize, maximize and close boxes as its styles
// say) and its sizing frame. It stays pinned at the view's top-left corner; its frame
// resizes it. Its client area hosts the layout's preview and, above it, the tracker.
#pragma once

#include "designer/CDesignTracker.h"
#include "designer/PreviewWidget.h"

#include <QWidget>

namespace orv {

class COrvanteWnd final : public QWidget, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteWnd(const CUIElement& window, std::function<GridSettings()> grid);

    QWidget* childHost() override { return m_client; }
    CDesignTracker* tracker() const { return m_tracker; }
    // The client area's rectangle in this widget.
    QRect clientRect() const;
    const QString& caption() const { return m_caption; }
    bool minimized() const { return m_minimized; }
    void setMinimized(bool minimized);

    void setText(const std::string& text) override;
    void setGeometry(const UIRect& rect) override;
    void setStyles(std::uint32_t styles) override;
    void setBackColor(ColorRef color) override;

signals:
    // The user resized the window by its frame; the new client size.
    void resizedByFrame(const QSize& client);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class CaptionBox { none, minimize, maximize, close };

    int frame() const;
    int captionHeight() const;
    QRect captionRect() const;
    QRect boxRect(CaptionBox box) const;
    CaptionBox boxAt(const QPoint& pos) const;
    // Which edges a press at pos would drag: bit 1 right, bit 2 bottom.
    int frameEdgesAt(const QPoint& pos) const;
    void placeClient();

    QWidget* m_client;
    CDesignTracker* m_tracker;
    QString m_caption;
    std::uint32_t m_styles = 0;
    QColor m_back;
    bool m_minimized = false;
    QSize m_restoredSize;
    int m_resizeEdges = 0;
    QPoint m_resizeStart;
    QSize m_resizeStartSize;
};

} // namespace orv
