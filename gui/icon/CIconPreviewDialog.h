// The 1:1 preview: a small captioned window beside the editor showing the image at its real
// size, centred in a 64 x 64 area. Escape and F4 do nothing here.
#pragma once

#include "iconmodel/IconImage.h"

#include <QDialog>

namespace orv {

class CIconPreview : public QWidget {
public:
    CIconPreview(const IconImage& image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const IconImage& m_image;
};

class CIconPreviewDialog : public QDialog {
    Q_OBJECT

public:
    CIconPreviewDialog(const IconImage& image, QWidget* parent);

    CIconPreview* preview() const { return m_preview; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CIconPreview* m_preview;
};

// The image as a picture of its own size, one pixel a pixel.
QImage toQImage(const IconImage& image);

} // namespace orv
