// The import window: a BMP picture at 1:1 with an icon-sized frame following the mouse; a click
// copies the pixels inside the frame into the icon. A file that fails the BMP check, or that Qt
// cannot decode, gives a window without a picture whose clicks copy nothing.
#pragma once

#include "icon/IconImage.h"
#include "icon/ImportFrame.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;

namespace orv {

class CImportPicture : public QWidget {
    Q_OBJECT

public:
    CImportPicture(QImage picture, int frameWidth, int frameHeight, QWidget* parent);

    bool hasPicture() const { return !m_picture.isNull(); }
    const FrameRect& frame() const { return m_frame; }
    void setSnap(bool snap) { m_snap = snap; }
    bool snap() const { return m_snap; }

signals:
    void clickedAt(orv::FrameRect frame);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void placeFrame(const QPoint& point);

    QImage m_picture;
    int m_frameWidth;
    int m_frameHeight;
    bool m_snap = false;
    FrameRect m_frame;
};

class CImportDialog : public QDialog {
    Q_OBJECT

public:
    // Decodes path once it passed the BMP check; icon receives the copied pixels.
    CImportDialog(const QString& path, IconImage& icon, QWidget* parent);

    CImportPicture* picture() const { return m_picture; }
    QCheckBox* snapBox() const { return m_snapBox; }
    // Why the window holds no picture: a line above the snap box; empty with a picture.
    QString problem() const;

signals:
    // Pixels of the picture went into the icon.
    void imported();

private:
    void copyAt(const FrameRect& frame);

    IconImage& m_icon;
    PixelGrid m_grid;
    CImportPicture* m_picture;
    QLabel* m_problem;
    QCheckBox* m_snapBox;
};

// The picture at path when it passes the BMP check and decodes within the size limit, or a
// null image and, in problem, why.
QImage loadCheckedBmp(const QString& path, QString& problem);

} // namespace orv
