// Handles sit inside the rectangle; the hatched band lies just outside it.
#include "designer/CDesignTracker.h"

#include <QMouseEvent>
#include <QPainter>

namespace orv {

namespace {

enum Handle { topLeft, topRight, bottomRight, bottomLeft, top, right, bottom, left, middle };

UIRect toUIRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect toQRect(const UIRect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

} // namespace

CDesignTracker::CDesignTracker(std::function<GridSettings()> grid, QWidget* parent)
    : QWidget(parent), m_grid(std::move(grid))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void CDesignTracker::setTrackRect(std::optional<QRect> rect)
{
    m_rect = rect;
    m_dragHit = -1;
    update();
}

QRect CDesignTracker::handleRect(int handle) const
{
    const QRect& r = *m_rect;
    const int s = kHandleSize;
    const int cx = r.left() + (r.width() - s) / 2;
    const int cy = r.top() + (r.height() - s) / 2;
    const int rx = r.left() + r.width() - s;
    const int by = r.top() + r.height() - s;
    switch (handle) {
    case topLeft: return {r.left(), r.top(), s, s};
    case topRight: return {rx, r.top(), s, s};
    case bottomRight: return {rx, by, s, s};
    case bottomLeft: return {r.left(), by, s, s};
    case top: return {cx, r.top(), s, s};
    case right: return {rx, cy, s, s};
    case bottom: return {cx, by, s, s};
    default: return {r.left(), cy, s, s};
    }
}

int CDesignTracker::hitTest(const QPoint& pos) const
{
    if (!m_rect)
        return -1;
    for (int h = topLeft; h <= left; ++h)
        if (handleRect(h).contains(pos))
            return h;
    return m_rect->contains(pos) ? middle : -1;
}

void CDesignTracker::updateCursor(int hit)
{
    switch (hit) {
    case topLeft:
    case bottomRight: setCursor(Qt::SizeFDiagCursor); break;
    case topRight:
    case bottomLeft: setCursor(Qt::SizeBDiagCursor); break;
    case top:
    case bottom: setCursor(Qt::SizeVerCursor); break;
    case left:
    case right: setCursor(Qt::SizeHorCursor); break;
    case middle: setCursor(Qt::SizeAllCursor); break;
    default: unsetCursor(); break;
    }
}

void CDesignTracker::paintEvent(QPaintEvent*)
{
    if (!m_rect)
        return;
    QPainter p(this);
    const QRect r = *m_rect;
    const int s = kHandleSize - 3;
    QBrush hatch(Qt::black, Qt::BDiagPattern);
    p.fillRect(QRect(r.left() - s, r.top() - s, r.width() + 2 * s, s), hatch);
    p.fillRect(QRect(r.left() - s, r.bottom() + 1, r.width() + 2 * s, s), hatch);
    p.fillRect(QRect(r.left() - s, r.top(), s, r.height()), hatch);
    p.fillRect(QRect(r.right() + 1, r.top(), s, r.height()), hatch);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    for (int h = topLeft; h <= left; ++h)
        p.fillRect(handleRect(h), Qt::black);
}

void CDesignTracker::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        emit rightPressed(pos);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_dragHit = hitTest(pos);
    if (m_dragHit < 0)
        return;
    m_dragStart = pos;
    m_startRect = *m_rect;
}

void CDesignTracker::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragHit < 0) {
        updateCursor(hitTest(pos));
        return;
    }
    const QPoint d = pos - m_dragStart;
    UIRect proposed = toUIRect(m_startRect);
    switch (m_dragHit) {
    case topLeft: proposed.left += d.x(); proposed.top += d.y(); break;
    case topRight: proposed.right += d.x(); proposed.top += d.y(); break;
    case bottomRight: proposed.right += d.x(); proposed.bottom += d.y(); break;
    case bottomLeft: proposed.left += d.x(); proposed.bottom += d.y(); break;
    case top: proposed.top += d.y(); break;
    case right: proposed.right += d.x(); break;
    case bottom: proposed.bottom += d.y(); break;
    case left: proposed.left += d.x(); break;
    default: proposed.offset({d.x(), d.y()}); break;
    }
    UIRect kept = constrainTrackedRect(toUIRect(m_startRect), proposed, m_grid());
    kept.right = std::max(kept.right, kept.left);
    kept.bottom = std::max(kept.bottom, kept.top);
    m_rect = toQRect(kept);
    update();
}

void CDesignTracker::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_dragHit < 0)
        return;
    m_dragHit = -1;
    emit tracked(*m_rect);
}

} // namespace orv
