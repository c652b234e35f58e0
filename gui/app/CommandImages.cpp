// The drawn image set: one flat style (dark outline, light fills, one accent colour per picture).
#include "app/CommandImages.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace orv {

namespace {

constexpr std::array kImageTable{
    CommandImageEntry{commandValue(CommandId::fileNew), 0, kNoImage},
    CommandImageEntry{commandValue(CommandId::fileOpen), 1, kNoImage},
    CommandImageEntry{commandValue(CommandId::fileSave), 2, kNoImage},
    CommandImageEntry{commandValue(CommandId::filePrint), 6, kNoImage},
    CommandImageEntry{commandValue(CommandId::exportScript), 9, kNoImage},
    CommandImageEntry{commandValue(CommandId::settings), 8, kNoImage},
    CommandImageEntry{commandValue(CommandId::editCut), 3, kNoImage},
    CommandImageEntry{commandValue(CommandId::editCopy), 4, kNoImage},
    CommandImageEntry{commandValue(CommandId::editPaste), 5, kNoImage},
    CommandImageEntry{commandValue(CommandId::editFind), 15, kNoImage},
    CommandImageEntry{commandValue(CommandId::toggleProjectExplorer), 11, 10},
    CommandImageEntry{commandValue(CommandId::toggleWindowHierarchy), 11, 10},
    CommandImageEntry{commandValue(CommandId::toggleControlsFlags), 11, 10},
    CommandImageEntry{commandValue(CommandId::toggleOutput), 11, 10},
    CommandImageEntry{commandValue(CommandId::viewStatusBar), 11, 10},
    CommandImageEntry{commandValue(CommandId::viewToolbar), 11, 10},
    CommandImageEntry{commandValue(CommandId::windowNew), 12, kNoImage},
    CommandImageEntry{commandValue(CommandId::windowTile), 13, kNoImage},
    CommandImageEntry{commandValue(CommandId::windowCascade), 14, kNoImage},
    CommandImageEntry{commandValue(CommandId::visitWebsite), 16, kNoImage},
    CommandImageEntry{commandValue(CommandId::appAbout), 7, kNoImage},
    CommandImageEntry{-1, kNoImage, 10},
};

const QColor kOutline(0x33, 0x3a, 0x44);
const QColor kPaper(0xfd, 0xfd, 0xfb);
const QColor kFolder(0xf2, 0xc1, 0x4e);
const QColor kFolderDark(0xc9, 0x91, 0x1e);
const QColor kBlue(0x3b, 0x78, 0xd0);
const QColor kLightBlue(0xb9, 0xd4, 0xf5);
const QColor kGreen(0x2f, 0x9e, 0x44);
const QColor kRed(0xd2, 0x3c, 0x3c);
const QColor kGrey(0x9a, 0xa2, 0xac);
const QColor kPurple(0xa0, 0x3c, 0xb4);

QPen outline(qreal width = 1.0)
{
    return QPen(kOutline, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// A page with a folded top-right corner; x, y is its top left.
void page(QPainter& p, qreal x, qreal y, qreal w, qreal h, const QColor& fill = kPaper)
{
    QPainterPath path;
    path.moveTo(x + 0.5, y + 0.5);
    path.lineTo(x + w - 3.5, y + 0.5);
    path.lineTo(x + w - 0.5, y + 3.5);
    path.lineTo(x + w - 0.5, y + h - 0.5);
    path.lineTo(x + 0.5, y + h - 0.5);
    path.closeSubpath();
    p.setPen(outline());
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(x + w - 3.5, y + 0.5), QPointF(x + w - 3.5, y + 3.5));
    p.drawLine(QPointF(x + w - 3.5, y + 3.5), QPointF(x + w - 0.5, y + 3.5));
}

void textLines(QPainter& p, qreal x, qreal y, qreal w, int count, const QColor& color = kGrey)
{
    p.setPen(QPen(color, 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x, y + 2 * i + 0.5), QPointF(x + w - (i % 2 ? 2 : 0), y + 2 * i + 0.5));
}

// A small window with a blue caption.
void window(QPainter& p, qreal x, qreal y, qreal w, qreal h)
{
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(x + 0.5, y + 0.5, w - 1, h - 1));
    p.fillRect(QRectF(x + 1, y + 1, w - 2, 2), kBlue);
}

void folder(QPainter& p, qreal x, qreal y, qreal w, qreal h)
{
    p.setPen(outline());
    p.setBrush(kFolderDark);
    p.drawRect(QRectF(x + 0.5, y + 0.5, w / 2, 2));
    p.setBrush(kFolder);
    p.drawRect(QRectF(x + 0.5, y + 2.5, w - 1, h - 3));
}

void drawNewFile(QPainter& p)
{
    page(p, 2, 1, 12, 14);
    p.setPen(QPen(kFolderDark, 1));
    p.drawLine(QPointF(5.5, 6), QPointF(5.5, 11));
    p.drawLine(QPointF(3, 8.5), QPointF(8, 8.5));
}

void drawOpen(QPainter& p)
{
    folder(p, 1, 3, 13, 11);
    QPainterPath flap;
    flap.moveTo(3.5, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(13.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    p.setPen(outline());
    p.setBrush(QColor(0xfa, 0xdc, 0x8c));
    p.drawPath(flap);
}

void drawSave(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(kBlue);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(kLightBlue);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.fillRect(QRectF(9, 2.5, 2, 3), kOutline);
}

void drawCut(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 1.3));
    p.drawLine(QPointF(4, 1), QPointF(10.5, 11));
    p.drawLine(QPointF(12, 1), QPointF(5.5, 11));
    p.setPen(QPen(kRed, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.3, 2.3);
    p.drawEllipse(QPointF(11.5, 12.5), 2.3, 2.3);
}

void drawCopy(QPainter& p)
{
    page(p, 1, 1, 9, 11);
    page(p, 6, 4, 9, 11, QColor(0xee, 0xf4, 0xfd));
    textLines(p, 8, 9.5, 5, 3, kBlue);
}

void drawPaste(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(QColor(0xc8, 0x8c, 0x50));
    p.drawRect(QRectF(1.5, 2.5, 10, 12));
    p.setBrush(kGrey);
    p.drawRect(QRectF(4.5, 1.5, 4, 2));
    page(p, 7, 6, 8, 9);
    textLines(p, 9, 10, 4, 2, kBlue);
}

void drawPrint(QPainter& p)
{
    page(p, 4, 1, 8, 6);
    p.setPen(outline());
    p.setBrush(kGrey);
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.fillRect(QRectF(12, 8, 1, 1), kGreen);
}

void drawAbout(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3.5, 2.2, 2.2));
    p.drawRect(QRectF(7, 7, 2.2, 5.5));
}

void drawSettings(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-1.5, -7.5, 3, 4));
        p.rotate(45);
    }
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kGrey);
    p.drawEllipse(QPointF(0, 0), 5, 5);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(0, 0), 2, 2);
}

void arrowRight(QPainter& p, qreal x, qreal y, const QColor& color)
{
    QPainterPath arrow;
    arrow.moveTo(x, y - 1.5);
    arrow.lineTo(x + 3, y - 1.5);
    arrow.lineTo(x + 3, y - 4);
    arrow.lineTo(x + 7, y);
    arrow.lineTo(x + 3, y + 4);
    arrow.lineTo(x + 3, y + 1.5);
    arrow.lineTo(x, y + 1.5);
    arrow.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(150), 1));
    p.setBrush(color);
    p.drawPath(arrow);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawExportScript(QPainter& p)
{
    page(p, 1, 1, 10, 14);
    textLines(p, 3, 5.5, 5, 4, kPurple);
    arrowRight(p, 8.5, 10.5, kGreen);
}

void checkBox(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 2.5, 11, 11));
}

void drawChecked(QPainter& p)
{
    checkBox(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(4.5, 8), QPointF(7, 10.5), QPointF(11.5, 5)}));
}

void drawUnchecked(QPainter& p)
{
    checkBox(p);
}

void drawNewWindow(QPainter& p)
{
    window(p, 1, 2, 12, 10);
    p.setPen(QPen(kGreen, 2));
    p.drawLine(QPointF(12, 9), QPointF(12, 15));
    p.drawLine(QPointF(9, 12), QPointF(15, 12));
}

void drawTile(QPainter& p)
{
    window(p, 1, 1, 7, 14);
    window(p, 8, 1, 7, 14);
}

void drawCascade(QPainter& p)
{
    window(p, 1, 1, 10, 9);
    window(p, 3, 4, 10, 9);
    window(p, 5, 7, 10, 8);
}

void drawFind(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kLightBlue);
    p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
}

void drawWebsite(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kLightBlue);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(kBlue, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
    p.drawLine(QPointF(2, 8), QPointF(14, 8));
    p.drawLine(QPointF(3, 5), QPointF(13, 5));
    p.drawLine(QPointF(3, 11), QPointF(13, 11));
}

void drawSyntaxColoring(QPainter& p)
{
    page(p, 1, 1, 14, 14);
    const std::array<QColor, 5> colors{kBlue, kPurple, kGreen, kRed, kBlue};
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(colors[static_cast<std::size_t>(i)], 1));
        const qreal y = 4.5 + 2 * i;
        const qreal indent = (i == 1 || i == 2) ? 2 : 0;
        p.drawLine(QPointF(3 + indent, y), QPointF(3 + indent + 3, y));
        p.setPen(QPen(kGrey, 1));
        p.drawLine(QPointF(7 + indent, y), QPointF(12 - (i % 2), y));
    }
}

void drawProjectExplorer(QPainter& p)
{
    folder(p, 1, 1, 8, 6);
    p.setPen(QPen(kOutline, 1, Qt::DotLine));
    p.drawLine(QPointF(3.5, 7), QPointF(3.5, 12.5));
    p.drawLine(QPointF(3.5, 12.5), QPointF(6, 12.5));
    page(p, 7, 8, 8, 8);
}

void drawWindowHierarchy(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.drawLine(QPointF(3.5, 5), QPointF(3.5, 12.5));
    p.drawLine(QPointF(3.5, 8.5), QPointF(8, 8.5));
    p.drawLine(QPointF(3.5, 12.5), QPointF(8, 12.5));
    p.setPen(outline());
    p.setBrush(kBlue);
    p.drawRect(QRectF(1.5, 1.5, 5, 4));
    p.setBrush(kGreen);
    p.drawRect(QRectF(8.5, 6.5, 6, 4));
    p.setBrush(kFolder);
    p.drawRect(QRectF(8.5, 11.5, 6, 3));
}

void drawControlsFlags(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.fillRect(QRectF(2, 2, 12, 3), kLightBlue);
    p.setPen(QPen(kGrey, 1));
    for (int y : {5, 8, 11})
        p.drawLine(QPointF(2, y + 0.5), QPointF(14, y + 0.5));
    p.drawLine(QPointF(7.5, 5), QPointF(7.5, 14));
    p.setPen(QPen(kPurple, 1));
    for (int y : {7, 10, 13})
        p.drawLine(QPointF(3, y), QPointF(6, y));
}

void drawOutput(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(QColor(0x24, 0x29, 0x30));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(QPen(QColor(0x8e, 0xe0, 0x8e), 1));
    p.drawLine(QPointF(3.5, 5.5), QPointF(5.5, 7.5));
    p.drawLine(QPointF(5.5, 7.5), QPointF(3.5, 9.5));
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(7, 9.5), QPointF(11, 9.5));
    p.setPen(QPen(kGrey, 1));
    p.drawLine(QPointF(3, 11.5), QPointF(12, 11.5));
}

// The export page with blue and yellow lines, the colours of Python scripts.
void drawExportPython(QPainter& p)
{
    page(p, 1, 1, 10, 14);
    textLines(p, 3, 5.5, 5, 2, kBlue);
    textLines(p, 3, 9.5, 5, 2, kFolder);
    arrowRight(p, 8.5, 10.5, kGreen);
}

using Painter = void (*)(QPainter&);
constexpr std::array<Painter, static_cast<std::size_t>(CommandImage::count)> kPainters{
    drawNewFile, drawOpen, drawSave, drawCut, drawCopy, drawPaste, drawPrint, drawAbout,
    drawSettings, drawExportScript, drawChecked, drawUnchecked, drawNewWindow, drawTile,
    drawCascade, drawFind, drawWebsite, drawSyntaxColoring, drawProjectExplorer,
    drawWindowHierarchy, drawControlsFlags, drawOutput, drawExportPython,
};

} // namespace

std::span<const CommandImageEntry> commandImageTable()
{
    return kImageTable;
}

QPixmap commandImage(CommandImage image)
{
    QPixmap pixmap(kCommandImageSize, kCommandImageSize);
    pixmap.fill(Qt::transparent);
    const auto index = static_cast<std::size_t>(image);
    if (index < kPainters.size()) {
        QPainter painter(&pixmap);
        kPainters[index](painter);
    }
    return pixmap;
}

QIcon commandIcon(CommandId id)
{
    for (const CommandImageEntry& e : kImageTable) {
        if (e.command != static_cast<int>(id) || e.image == kNoImage)
            continue;
        QIcon icon;
        icon.addPixmap(commandImage(static_cast<CommandImage>(e.image)), QIcon::Normal, QIcon::Off);
        if (e.checkedImage != kNoImage)
            icon.addPixmap(commandImage(static_cast<CommandImage>(e.checkedImage)), QIcon::Normal, QIcon::On);
        return icon;
    }
    return {};
}

QIcon toolbarIcon(CommandImage image)
{
    return QIcon(commandImage(image));
}

} // namespace orv
