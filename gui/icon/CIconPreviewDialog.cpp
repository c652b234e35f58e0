// The preview window and the image as a QImage.
#include "icon/CIconPreviewDialog.h"

#include "icon/IconEditorTexts.h"

#include <QKeyEvent>
#include <QPainter>

namespace orv {

QImage toQImage(const IconImage& image)
{
    QImage picture(image.width(), image.height(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const ColorRef c = *image.pixel({x, y});
            line[x] = qRgb(colorRed(c), colorGreen(c), colorBlue(c));
        }
    }
    return picture;
}

CIconPreview::CIconPreview(const IconImage& image, QWidget* parent) : QWidget(parent), m_image(image)
{
    setFixedSize(image.width(), image.height());
}

void CIconPreview::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, toQImage(m_image));
}

CIconPreviewDialog::CIconPreviewDialog(const IconImage& image, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_preview(new CIconPreview(image, this))
{
    setObjectName(QStringLiteral("IconPreview"));
    setWindowTitle(QString::fromLatin1(icon_texts::kPreviewCaption));
    setFixedSize(icon_texts::kPreviewArea, icon_texts::kPreviewArea);
    m_preview->move((icon_texts::kPreviewArea - image.width()) / 2, (icon_texts::kPreviewArea - image.height()) / 2);
}

void CIconPreviewDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F4)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace orv
