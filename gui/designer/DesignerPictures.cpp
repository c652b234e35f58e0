// Flat pictures drawn once per index: dark outlines, one blue accent.
#include "designer/DesignerPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace orv {

namespace {

const QColor kInk(0x33, 0x3a, 0x44);
const QColor kPaper(0xfd, 0xfd, 0xfb);
const QColor kAccent(0x3b, 0x78, 0xd0);
const QColor kFace(0xd8, 0xd8, 0xd4);

template <class Draw>
QIcon picture(Draw draw)
{
    QPixmap pixmap(kPictureSize, kPictureSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(kInk);
    draw(p);
    return QIcon(pixmap);
}

void box(QPainter& p, const QRect& r, const QColor& fill)
{
    p.setBrush(fill);
    p.drawRect(r);
}

} // namespace

QIcon controlPicture(int index)
{
    return picture([index](QPainter& p) {
        switch (index) {
        case 0: // button
            box(p, {1, 4, 13, 8}, kFace);
            p.fillRect(4, 8, 7, 1, kInk);
            break;
        case 1: // check box
            box(p, {2, 3, 9, 9}, kPaper);
            p.setPen(QPen(kAccent, 2));
            p.drawPolyline(QPolygon({{4, 7}, {6, 10}, {10, 4}}));
            break;
        case 2: // radio button
            p.setBrush(kPaper);
            p.drawEllipse(2, 3, 10, 10);
            p.setBrush(kAccent);
            p.drawEllipse(5, 6, 4, 4);
            break;
        case 3: // option menu
            box(p, {1, 4, 13, 8}, kPaper);
            p.setBrush(kAccent);
            p.drawPolygon(QPolygon({{9, 7}, {13, 7}, {11, 10}}));
            break;
        case 4: // slider
            p.fillRect(1, 7, 14, 2, kInk);
            box(p, {6, 3, 4, 9}, kAccent);
            break;
        case 5: // text field
            box(p, {1, 4, 13, 8}, kPaper);
            p.drawLine(4, 6, 4, 10);
            break;
        case 6: // text
            p.setPen(QPen(kInk, 2));
            p.drawLine(3, 3, 12, 3);
            p.drawLine(7, 3, 7, 13);
            break;
        case 11: // list
            box(p, {1, 1, 13, 13}, kPaper);
            p.fillRect(3, 4, 8, 1, kInk);
            p.fillRect(3, 7, 8, 2, kAccent);
            p.fillRect(3, 11, 8, 1, kInk);
            break;
        case 16: // separator
            p.fillRect(1, 7, 14, 1, QColor(0x80, 0x80, 0x80));
            p.fillRect(1, 8, 14, 1, Qt::white);
            break;
        case 8: // grid
            box(p, {1, 1, 13, 13}, kPaper);
            for (int y = 4; y <= 12; y += 3)
                for (int x = 4; x <= 12; x += 3)
                    p.fillRect(x, y, 1, 1, kAccent);
            break;
        case 12: // colour slider
            p.fillRect(1, 6, 14, 4, kAccent);
            box(p, {6, 3, 4, 9}, kFace);
            break;
        default: // picture, icon-and-text, layer, tool, shelf: a framed picture
            box(p, {1, 2, 13, 11}, kPaper);
            p.setBrush(kAccent);
            p.drawPolygon(QPolygon({{3, 11}, {7, 6}, {11, 11}}));
            break;
        }
    });
}

QIcon layoutPicture(int index)
{
    return picture([index](QPainter& p) {
        box(p, {1, 1, 13, 13}, kPaper);
        for (int i = 0; i < 3; ++i) {
            if (index == 1)
                p.fillRect(3 + 4 * i, 3, 3, 10, kAccent);
            else if (index == 0)
                p.fillRect(3, 3 + 4 * i, 10, 3, kAccent);
        }
        if (index == 2) {
            p.fillRect(2, 2, 12, 3, kInk);
            p.fillRect(3, 7, 10, 6, kAccent);
        }
    });
}

QIcon typeCodePicture(ElementTypeCode code)
{
    switch (code) {
    case ElementTypeCode::window:
        return picture([](QPainter& p) {
            box(p, {1, 2, 13, 11}, kPaper);
            p.fillRect(2, 3, 12, 3, kAccent);
        });
    case ElementTypeCode::button: return controlPicture(0);
    case ElementTypeCode::checkBox: return controlPicture(1);
    case ElementTypeCode::slider: return controlPicture(4);
    case ElementTypeCode::textEntry: return controlPicture(5);
    case ElementTypeCode::text: return controlPicture(6);
    case ElementTypeCode::textScrollList: return controlPicture(11);
    case ElementTypeCode::columnLayout: return layoutPicture(0);
    case ElementTypeCode::rowLayout: return layoutPicture(1);
    case ElementTypeCode::separator: return controlPicture(16);
    }
    return {};
}

} // namespace orv
