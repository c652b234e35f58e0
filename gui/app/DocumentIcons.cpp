// Drawn on a 32-unit grid and scaled, in the colours of the command images.
#include "app/DocumentIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace orv {

namespace {

const QColor kOutline(0x33, 0x3a, 0x44);
const QColor kPaper(0xfd, 0xfd, 0xfb);
const QColor kBlue(0x3b, 0x78, 0xd0);
const QColor kFolder(0xf2, 0xc1, 0x4e);
const QColor kFolderDark(0xc9, 0x91, 0x1e);
const QColor kGreen(0x2f, 0x9e, 0x44);
const QColor kPurple(0xa0, 0x3c, 0xb4);
const QColor kRed(0xd2, 0x3c, 0x3c);
const QColor kGrey(0x9a, 0xa2, 0xac);

void sheet(QPainter& p)
{
    QPainterPath path;
    path.moveTo(6, 2);
    path.lineTo(21, 2);
    path.lineTo(27, 8);
    path.lineTo(27, 30);
    path.lineTo(6, 30);
    path.closeSubpath();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({QPointF(21, 2), QPointF(21, 8), QPointF(27, 8)}));
}

void drawScript(QPainter& p)
{
    sheet(p);
    const QColor colours[] = {kBlue, kPurple, kGreen, kRed, kBlue, kGrey};
    for (int i = 0; i < 6; ++i) {
        const qreal y = 11 + 3.2 * i;
        const qreal indent = (i == 1 || i == 2 || i == 4) ? 3 : 0;
        p.setPen(QPen(colours[i], 1.6));
        p.drawLine(QPointF(9 + indent, y), QPointF(13 + indent, y));
        p.setPen(QPen(kGrey, 1.6));
        p.drawLine(QPointF(15 + indent, y), QPointF(24 - (i % 3), y));
    }
}

void drawWindow(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0xe8, 0xea, 0xee));
    p.drawRect(QRectF(2, 4, 28, 24));
    p.fillRect(QRectF(2.6, 4.6, 26.8, 4.5), kBlue);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6, 12, 20, 4));
    p.setBrush(QColor(0xd6, 0xda, 0xe2));
    p.drawRect(QRectF(6, 19, 9, 5));
    p.drawRect(QRectF(17, 19, 9, 5));
}

void drawProject(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kFolderDark);
    p.drawRect(QRectF(2, 6, 12, 4));
    p.setBrush(kFolder);
    p.drawRect(QRectF(2, 9, 28, 19));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 14, 8, 10));
    p.drawRect(QRectF(18, 14, 8, 10));
    p.setPen(QPen(kBlue, 1.2));
    p.drawLine(QPointF(9, 17), QPointF(13, 17));
    p.drawLine(QPointF(20, 17), QPointF(24, 17));
}

void drawIcon(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 3, 26, 26));
    const QColor cells[4][4] = {
        {kPaper, kRed, kRed, kPaper},
        {kRed, kFolder, kFolder, kRed},
        {kRed, kFolder, kFolder, kRed},
        {kPaper, kRed, kRed, kPaper},
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            p.fillRect(QRectF(6 + 5 * x, 6 + 5 * y, 5, 5), cells[y][x]);
    p.setPen(QPen(kGrey, 0.6));
    for (int i = 0; i <= 4; ++i) {
        p.drawLine(QPointF(6 + 5 * i, 6), QPointF(6 + 5 * i, 26));
        p.drawLine(QPointF(6, 6 + 5 * i), QPointF(26, 6 + 5 * i));
    }
}

} // namespace

QPixmap documentIcon(MenuId type, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    switch (type) {
    case MenuId::script: drawScript(p); break;
    case MenuId::window: drawWindow(p); break;
    case MenuId::project: drawProject(p); break;
    case MenuId::icon: drawIcon(p); break;
    case MenuId::noDocument: break;
    }
    return pixmap;
}

} // namespace orv
