// Drawn in code at the requested size so it stays sharp in the splash, the About box and the icon.
#include "app/AppLogo.h"

#include <QLinearGradient>
#include <QPainter>

namespace orv {

QPixmap appLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, QColor(0x3b, 0x78, 0xd0));
    tile.setColorAt(1, QColor(0x1d, 0x3f, 0x7a));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);

    p.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), s * 0.11));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(s * 0.2, s * 0.16, s * 0.6, s * 0.6));

    p.setPen(QPen(Qt::white, s * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.22, s * 0.88), QPointF(s * 0.52, s * 0.88));
    p.setPen(QPen(QColor(0xb9, 0xd4, 0xf5), s * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.62, s * 0.88), QPointF(s * 0.78, s * 0.88));
    return pixmap;
}

} // namespace orv
