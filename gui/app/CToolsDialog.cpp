// The palette is a tool window that floats over the main frame; its grid button is the
// designer grid option.
#include "app/CToolsDialog.h"

#include "framework/SettingsService.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int kImageSize = 16;
constexpr const char* kGridText = "Enable/Disable Grid";

// Dots on a 3-pixel pitch inside a frame: the designer's snapping grid.
QIcon gridIcon()
{
    QPixmap pixmap(kImageSize, kImageSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x33, 0x3a, 0x44));
    p.setBrush(QColor(0xfd, 0xfd, 0xfb));
    p.drawRect(1, 1, 13, 13);
    for (int y = 4; y <= 12; y += 3)
        for (int x = 4; x <= 12; x += 3)
            p.fillRect(x, y, 1, 1, QColor(0x3b, 0x78, 0xd0));
    return QIcon(pixmap);
}

} // namespace

CToolsDialog::CToolsDialog(SettingsService& settings, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_settings(settings), m_grid(new QToolButton(this))
{
    setObjectName(QStringLiteral("Tools"));
    setWindowTitle(QStringLiteral("Tools"));
    setModal(false);

    m_grid->setObjectName(QStringLiteral("EnableGrid"));
    m_grid->setCheckable(true);
    m_grid->setAutoRaise(true);
    m_grid->setIcon(gridIcon());
    m_grid->setIconSize(QSize(kImageSize, kImageSize));
    m_grid->setToolTip(QString::fromLatin1(kGridText));
    m_grid->setAccessibleName(QString::fromLatin1(kGridText));
    connect(m_grid, &QToolButton::toggled, this,
            [this](bool on) { m_settings.setFlag(SettingsFlag::designerGrid, on); });
    setGridChecked(m_settings.record().designerGrid());
    connect(&m_settings, &SettingsService::changed, this, [this](SettingsChanges what) {
        if (what.testFlag(SettingsChange::grid))
            setGridChecked(m_settings.record().designerGrid());
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid, 0, Qt::AlignHCenter);
    layout->addStretch();
    resize(64, 240);
}

void CToolsDialog::setGridChecked(bool checked)
{
    const QSignalBlocker quiet(m_grid);
    m_grid->setChecked(checked);
}

} // namespace orv
