// Each picture a few strokes on a transparent 20 x 20 square, dark outlines over flat colours.
#include "icon/ToolPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace orv {

namespace {

const QColor kInk(0x20, 0x24, 0x2c);
const QColor kAccent(0x2f, 0x7d, 0xd1);
const QColor kPaint(0xe0, 0x40, 0x30);

void drawPen(QPainter& p)
{
    // The nib at (6, 16): the pen's tip offset (-4, +6) from the centre.
    QPolygonF body;
    body << QPointF(6, 16) << QPointF(7.5, 11.5) << QPointF(16, 3) << QPointF(19, 6) << QPointF(10.5, 14.5);
    p.setBrush(QColor(0xf2, 0xc2, 0x4b));
    p.drawPolygon(body);
    p.drawLine(QPointF(7.5, 11.5), QPointF(10.5, 14.5));
}

void drawFill(QPainter& p)
{
    // A tipped bucket pouring onto (14, 16): the fill's tip offset (+4, +6).
    QPolygonF bucket;
    bucket << QPointF(2, 7) << QPointF(8, 1) << QPointF(15, 8) << QPointF(9, 14);
    p.setBrush(QColor(0xd8, 0xdc, 0xe4));
    p.drawPolygon(bucket);
    p.setBrush(kPaint);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(12.5, 9, 3, 7.5));
}

void drawMove(QPainter& p)
{
    p.drawLine(10, 2, 10, 18);
    p.drawLine(2, 10, 18, 10);
    p.setBrush(kInk);
    for (const QPolygonF& head : {QPolygonF({QPointF(10, 1), QPointF(7, 5), QPointF(13, 5)}),
                                  QPolygonF({QPointF(10, 19), QPointF(7, 15), QPointF(13, 15)}),
                                  QPolygonF({QPointF(1, 10), QPointF(5, 7), QPointF(5, 13)}),
                                  QPolygonF({QPointF(19, 10), QPointF(15, 7), QPointF(15, 13)})})
        p.drawPolygon(head);
}

void drawZoom(QPainter& p)
{
    p.setBrush(QColor(0xdd, 0xee, 0xff));
    p.drawEllipse(QRectF(2, 2, 11, 11));
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(18, 18));
}

void drawPick(QPainter& p)
{
    // The dropper's point at (3, 15): the picker's tip offset (-7, +5).
    p.setBrush(QColor(0xd8, 0xdc, 0xe4));
    QPolygonF tube;
    tube << QPointF(3, 15) << QPointF(4, 12) << QPointF(12, 4) << QPointF(14, 6) << QPointF(6, 14);
    p.drawPolygon(tube);
    p.setBrush(kInk);
    p.drawEllipse(QRectF(12, 1, 6, 6));
}

void drawRotate(QPainter& p, bool right)
{
    if (!right) {
        p.translate(kToolPictureSize, 0);
        p.scale(-1, 1);
    }
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 4, 13, 13), 90 * 16, -270 * 16);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({QPointF(9, 1), QPointF(13, 4.5), QPointF(9, 8)}));
}

void drawFlip(QPainter& p, bool horizontal)
{
    if (!horizontal) {
        p.translate(kToolPictureSize, 0);
        p.rotate(90);
    }
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(10, 1, 10, 19);
    p.setPen(kInk);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({QPointF(8, 4), QPointF(8, 16), QPointF(2, 16)}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(12, 4), QPointF(12, 16), QPointF(18, 16)}));
}

void drawClear(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 2.5, 15, 15));
    p.setPen(QPen(kPaint, 2));
    p.drawLine(QPointF(6, 6), QPointF(14, 14));
    p.drawLine(QPointF(14, 6), QPointF(6, 14));
}

void drawExport(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 6.5, 11, 11));
    p.setPen(QPen(kAccent, 2));
    p.drawLine(QPointF(8, 12), QPointF(17, 3));
    p.drawLine(QPointF(12, 3), QPointF(17, 3));
    p.drawLine(QPointF(17, 3), QPointF(17, 8));
}

} // namespace

QPixmap toolPicture(ToolPicture picture)
{
    QPixmap pixmap(kToolPictureSize, kToolPictureSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    switch (picture) {
    case ToolPicture::pen: drawPen(p); break;
    case ToolPicture::fill: drawFill(p); break;
    case ToolPicture::move: drawMove(p); break;
    case ToolPicture::zoom: drawZoom(p); break;
    case ToolPicture::pick: drawPick(p); break;
    case ToolPicture::rotateRight: drawRotate(p, true); break;
    case ToolPicture::rotateLeft: drawRotate(p, false); break;
    case ToolPicture::hFlip: drawFlip(p, true); break;
    case ToolPicture::vFlip: drawFlip(p, false); break;
    case ToolPicture::clear: drawClear(p); break;
    case ToolPicture::exportImage: drawExport(p); break;
    }
    return pixmap;
}

QCursor toolCursor(IconTool tool)
{
    return QCursor(toolPicture(static_cast<ToolPicture>(tool)), kToolPictureSize / 2, kToolPictureSize / 2);
}

} // namespace orv
