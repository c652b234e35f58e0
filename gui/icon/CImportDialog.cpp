// The import window: the check, the decoding, the frame and the copy.
#include "icon/CImportDialog.h"

#include "framework/ByteText.h"
#include "icon/BmpCheck.h"
#include "framework/CColorSwatch.h"
#include "icon/IconEditorTexts.h"

#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace orv {

namespace {

// Enough for the largest picture the check lets through (4096 x 4096 at 32 bits).
constexpr int kAllocationLimitMiB = 80;

PixelGrid toPixelGrid(const QImage& picture)
{
    PixelGrid grid{picture.width(), picture.height(), {}};
    grid.pixels.reserve(static_cast<std::size_t>(grid.width) * static_cast<std::size_t>(grid.height));
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            grid.pixels.push_back(toColorRef(QColor::fromRgb(line[x])));
    }
    return grid;
}

} // namespace

QImage loadCheckedBmp(const QString& path, QString& problem)
{
    std::string readError;
    const BmpCheckResult checked = checkBmpFile(pathToBytes(path), &readError);
    if (const BmpError* error = std::get_if<BmpError>(&checked)) {
        // The reader's reason names the file as the file system spells it.
        problem = *error == BmpError::unreadable && !readError.empty() ? pathFromBytes(readError)
                                                                      : textFromBytes(bmpErrorText(*error));
        return {};
    }
    QImageReader reader(path, "bmp");
    reader.setAllocationLimit(kAllocationLimitMiB);
    QImage picture = reader.read();
    if (picture.isNull())
        problem = reader.errorString();
    return picture;
}

CImportPicture::CImportPicture(QImage picture, int frameWidth, int frameHeight, QWidget* parent)
    : QWidget(parent), m_picture(std::move(picture)), m_frameWidth(frameWidth), m_frameHeight(frameHeight),
      m_frame(importFrameAt(0, 0, frameWidth, frameHeight, false))
{
    setMouseTracking(true);
    setFixedSize(m_picture.isNull() ? QSize(frameWidth, frameHeight) : m_picture.size());
}

void CImportPicture::paintEvent(QPaintEvent*)
{
    if (!hasPicture())
        return;
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
    p.setPen(Qt::black);
    const QPoint corners[] = {{m_frame.left, m_frame.top},
                              {m_frame.right - 1, m_frame.top},
                              {m_frame.right - 1, m_frame.bottom - 1},
                              {m_frame.left, m_frame.bottom - 1},
                              {m_frame.left, m_frame.top}};
    p.drawPolyline(corners, 5);
}

void CImportPicture::placeFrame(const QPoint& point)
{
    const QRect old(m_frame.left, m_frame.top, m_frameWidth, m_frameHeight);
    m_frame = importFrameAt(point.x(), point.y(), m_frameWidth, m_frameHeight, m_snap);
    update(old);
    update(QRect(m_frame.left, m_frame.top, m_frameWidth, m_frameHeight));
}

void CImportPicture::mouseMoveEvent(QMouseEvent* event)
{
    placeFrame(event->position().toPoint());
}

void CImportPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    placeFrame(event->position().toPoint());
    emit clickedAt(m_frame);
}

CImportDialog::CImportDialog(const QString& path, IconImage& icon, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_icon(icon)
{
    setObjectName(QStringLiteral("ImportDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(path);
    QString problem;
    const QImage picture = loadCheckedBmp(path, problem);
    if (!picture.isNull())
        m_grid = toPixelGrid(picture);
    m_picture = new CImportPicture(picture, icon.width(), icon.height(), this);
    // Without a picture the window says why, where its picture would be.
    m_problem = new QLabel(problem, this);
    m_problem->setObjectName(QStringLiteral("importProblem"));
    m_problem->setVisible(!problem.isEmpty());
    m_snapBox = new QCheckBox(QString::fromLatin1(icon_texts::kSnapToGrid), this);
    connect(m_snapBox, &QCheckBox::toggled, m_picture, &CImportPicture::setSnap);
    connect(m_picture, &CImportPicture::clickedAt, this, &CImportDialog::copyAt);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picture);
    layout->addWidget(m_problem);
    layout->addWidget(m_snapBox);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CImportDialog::problem() const
{
    return m_problem->text();
}

void CImportDialog::copyAt(const FrameRect& frame)
{
    if (m_grid.pixels.empty())
        return;
    copyFrame(m_grid, frame, m_icon);
    emit imported();
}

} // namespace orv
