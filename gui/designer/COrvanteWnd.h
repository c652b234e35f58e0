// The window element's preview: a window painted by hand inside the designer view, with
// its caption bar (system menu, title, minimize, maximize and close boxes as its styles
// say) and its sizing frame. It stays pinned at the view's top-left corner; every edge and
// corner of its frame resizes it, the maximize box fills the view with it, the minimize box
// folds it to its caption. Its client area hosts the layout's preview and, above it, the
// tracker.
#pragma once

#include "designer/CDesignTracker.h"
#include "designer/PreviewWidget.h"
#include "designmodel/WindowSizing.h"

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
    WindowShow shown() const { return m_show.shown(); }

    void setText(const std::string& text) override;
    void setGeometry(const UIRect& rect) override;
    void setStyles(std::uint32_t styles) override;
    void setBackColor(ColorRef color) override;

signals:
    // The user resized the window by its frame or its maximize box; the new client size.
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
    // Which edges (frame_edge bits) a press at pos would drag.
    int frameEdgesAt(const QPoint& pos) const;
    // A window fitted to its children takes the size they give it, not the user's.
    bool sizedByUser() const;
    void pressBox(CaptionBox box);
    void placeClient();

    QWidget* m_client;
    CDesignTracker* m_tracker;
    QString m_caption;
    std::uint32_t m_styles = 0;
    QColor m_back;
    WindowShowState m_show;
    int m_resizeEdges = 0;
    QPoint m_resizeStart;
    QSize m_resizeStartSize;
};

} // namespace orv
