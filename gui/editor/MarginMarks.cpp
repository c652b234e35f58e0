// Margin marks and the margin pointer, painted once and kept.
#include "editor/MarginMarks.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace orv {

namespace {

constexpr int kCells = 15;
constexpr int kFirstNumbered = 3;
constexpr int kPlainBookmark = 13;

// The digit a numbered-bookmark cell shows: cells 3..11 are bits 1..9, cell 12 is bit 0.
int digitOf(int cell)
{
    return cell == 12 ? 0 : cell - kFirstNumbered + 1;
}

QPixmap paintMark(int cell)
{
    QPixmap pixmap(kMarkSize, kMarkSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (cell >= kFirstNumbered && cell < kPlainBookmark) {
        p.setPen(QColor(0, 0, 128));
        p.setBrush(QColor(255, 255, 160));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
        QFont font;
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QString::number(digitOf(cell)));
    } else if (cell == kPlainBookmark) {
        // A bookmark ribbon: a band with a notch at its foot.
        QPainterPath ribbon;
        ribbon.moveTo(4, 1.5);
        ribbon.lineTo(12, 1.5);
        ribbon.lineTo(12, 14.5);
        ribbon.lineTo(8, 11);
        ribbon.lineTo(4, 14.5);
        ribbon.closeSubpath();
        p.setPen(QColor(0, 64, 128));
        p.setBrush(QColor(64, 128, 255));
        p.drawPath(ribbon);
    } else {
        // Marks the editor never sets itself: a dot, a diamond and a square in their own colours.
        static constexpr std::array<QRgb, 4> kColours = {0xC00000, 0x00A000, 0xE0A000, 0x808080};
        p.setPen(Qt::black);
        p.setBrush(QColor(kColours[static_cast<std::size_t>(cell == 14 ? 3 : cell)]));
        if (cell == 0) {
            p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
        } else if (cell == 1) {
            p.drawPolygon(QPolygonF({QPointF(8, 1.5), QPointF(14.5, 8), QPointF(8, 14.5), QPointF(1.5, 8)}));
        } else {
            p.drawRect(QRectF(3.5, 3.5, 9, 9));
        }
    }
    return pixmap;
}

} // namespace

const QPixmap& marginMark(int cell)
{
    static const std::array<QPixmap, kCells> marks = [] {
        std::array<QPixmap, kCells> all;
        for (int each = 0; each < kCells; ++each)
            all[static_cast<std::size_t>(each)] = paintMark(each);
        return all;
    }();
    static const QPixmap none;
    return cell >= 0 && cell < kCells ? marks[static_cast<std::size_t>(cell)] : none;
}

const QCursor& marginCursor()
{
    static const QCursor cursor = [] {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        // The standard arrow turned to point right, white with a black outline.
        const QPolygonF arrow({QPointF(20.5, 10.5), QPointF(8.5, 1.5), QPointF(10.5, 7.5), QPointF(1.5, 7.5),
                               QPointF(1.5, 13.5), QPointF(10.5, 13.5), QPointF(8.5, 19.5)});
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(arrow);
        p.end();
        return QCursor(pixmap, 20, 10);
    }();
    return cursor;
}

} // namespace orv
