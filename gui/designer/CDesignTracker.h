// The selection tracker of edit mode: a glass over the window preview's client area that
// draws the hatched frame with eight handles around the selected preview, resizes it by a
// handle (its place stays, the grid rounds its size) and reports right clicks.
#pragma once

#include "designmodel/TrackerRule.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace orv {

class CDesignTracker : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHandleSize = 7;

    CDesignTracker(std::function<GridSettings()> grid, QWidget* parent);

    // The tracked rectangle in the client area's coordinates; none hides the tracker.
    void setTrackRect(std::optional<QRect> rect);
    std::optional<QRect> trackRect() const { return m_rect; }

signals:
    void rightPressed(const QPoint& clientPos);
    // A drag of the tracker ended with the rectangle it leaves.
    void tracked(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // 0..7 for the handles (corners, then sides), 8 for the middle, -1 outside.
    int hitTest(const QPoint& pos) const;
    QRect handleRect(int handle) const;
    void updateCursor(int hit);

    std::function<GridSettings()> m_grid;
    std::optional<QRect> m_rect;
    int m_dragHit = -1;
    QPoint m_dragStart;
    QRect m_startRect;
};

} // namespace orv
