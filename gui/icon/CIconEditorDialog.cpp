// The editor's controls, its keys, and its opening and closing steps.
#include "icon/CIconEditorDialog.h"

#include "framework/Prompts.h"
#include "framework/StoredPlacement.h"
#include "icon/CIconCanvas.h"
#include "icon/CIconPreviewDialog.h"
#include "icon/CImportDialog.h"
#include "framework/CColorSwatch.h"
#include "icon/IconEditorTexts.h"
#include "icon/IconExport.h"
#include "icon/ToolPictures.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv {

namespace {

QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

constexpr int kPreviewGap = 8;

// The tooltip of a control is its own text, cut to the length tooltips show.
QString tooltipOf(const char* latin1)
{
    return text(latin1).left(icon_texts::kTooltipMax);
}

} // namespace

CIconEditorDialog::CIconEditorDialog(int n, int m, IconEditorParams& params, Profile& profile, Prompts& prompts,
                                     QWidget* parent)
    : QDialog(parent),
      m_params(params),
      m_profile(profile),
      m_prompts(prompts),
      m_image(n + 3, m + 3),
      m_canvas(new CIconCanvas(m_image, m_params, this)),
      m_preview(new CIconPreviewDialog(m_image, this)),
      m_primary(new CColorSwatch(this)),
      m_secondary(new CColorSwatch(this)),
      m_tools(new QButtonGroup(this)),
      m_grid(new QCheckBox(text(icon_texts::kGrid), this)),
      m_showPreview(new QCheckBox(text(icon_texts::kPreview), this)),
      m_readout(new QLabel(QString::fromLatin1(icon_texts::kReadoutFormat).arg(255).arg(255).arg(255), this))
{
    setObjectName(QStringLiteral("IconEditor"));
    restorePlacements();
    m_grid->setChecked(m_params.showGrid != 0);
    m_showPreview->setChecked(m_params.showPreview != 0);
    m_image.snapshot();
    m_canvas->setObjectName(QStringLiteral("IconCanvas"));
    m_canvas->setGridShown(m_params.showGrid != 0);
    buildLayout();
    m_tools->button(static_cast<int>(IconTool::pen))->setChecked(true);
    m_canvas->setTool(IconTool::pen);
    setWindowTitle(QString::fromLatin1(icon_texts::kCaptionFormat).arg(m_image.width()).arg(m_image.height()));

    connect(m_canvas, &CIconCanvas::imageChanged, this, &CIconEditorDialog::imageChanged);
    connect(m_canvas, &CIconCanvas::colorPicked, this, &CIconEditorDialog::updateSwatches);
    connect(m_canvas, &CIconCanvas::colorHovered, this, &CIconEditorDialog::showReadout);
    updateSwatches();
    // A click on a swatch offers the colour dialog, which starts from no colour of the
    // editor's; no choice keeps the swatch's colour.
    for (ColorRef* colour : {&m_params.primaryColor, &m_params.secondaryColor}) {
        CColorSwatch* swatch = colour == &m_params.primaryColor ? m_primary : m_secondary;
        swatch->setCursor(Qt::PointingHandCursor);
        connect(swatch, &CColorSwatch::clicked, this, [this, colour] {
            if (const std::optional<QColor> chosen = m_prompts.chooseColour(QColor())) {
                *colour = toColorRef(*chosen);
                updateSwatches();
            }
        });
    }
    connect(m_grid, &QCheckBox::toggled, this, [this](bool on) {
        m_params.showGrid = on ? 1 : 0;
        m_canvas->setGridShown(on);
    });
    connect(m_showPreview, &QCheckBox::toggled, this, [this](bool on) {
        m_params.showPreview = on ? 1 : 0;
        m_preview->setVisible(on);
    });
    connect(m_tools, &QButtonGroup::idClicked, this, [this](int id) { m_canvas->setTool(static_cast<IconTool>(id)); });
    // Alt is watched wherever the key goes, so that it picks whichever control has the focus.
    qApp->installEventFilter(this);
}

CIconEditorDialog::~CIconEditorDialog() = default;

QToolButton* CIconEditorDialog::pictureButton(const char* label, int picture, bool enabled)
{
    auto* button = new QToolButton(this);
    button->setText(text(label));
    button->setToolTip(tooltipOf(label));
    button->setIcon(QIcon(toolPicture(static_cast<ToolPicture>(picture))));
    button->setIconSize(QSize(kToolPictureSize, kToolPictureSize));
    button->setEnabled(enabled);
    return button;
}

QToolButton* CIconEditorDialog::arrowButton(Qt::ArrowType arrow, const char* label, IconMove move)
{
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setText(text(label));
    button->setToolTip(tooltipOf(label));
    button->setAutoRepeat(true);
    connect(button, &QToolButton::clicked, this, [this, move] {
        m_image.move(move, m_params.secondaryColor);
        m_canvas->update();
        imageChanged();
    });
    return button;
}

void CIconEditorDialog::buildLayout()
{
    auto* tools = new QHBoxLayout;
    const struct {
        const char* label;
        IconTool tool;
        bool enabled;
    } toolButtons[] = {
        {icon_texts::kPen, IconTool::pen, true},   {icon_texts::kFill, IconTool::fill, true},
        {icon_texts::kMove, IconTool::move, false}, {icon_texts::kZoom, IconTool::zoom, false},
        {icon_texts::kPickColor, IconTool::pick, true},
    };
    for (const auto& t : toolButtons) {
        QToolButton* button = pictureButton(t.label, static_cast<int>(t.tool), t.enabled);
        button->setCheckable(true);
        m_tools->addButton(button, static_cast<int>(t.tool));
        tools->addWidget(button);
    }
    tools->addStretch();

    auto* actions = new QHBoxLayout;
    QToolButton* hFlip = pictureButton(icon_texts::kHFlip, static_cast<int>(ToolPicture::hFlip));
    QToolButton* vFlip = pictureButton(icon_texts::kVFlip, static_cast<int>(ToolPicture::vFlip));
    QToolButton* clear = pictureButton(icon_texts::kClear, static_cast<int>(ToolPicture::clear));
    for (QToolButton* b : {hFlip, vFlip, pictureButton(icon_texts::kRotateL, static_cast<int>(ToolPicture::rotateLeft), false),
                           pictureButton(icon_texts::kRotateR, static_cast<int>(ToolPicture::rotateRight), false), clear})
        actions->addWidget(b);
    actions->addStretch();
    connect(hFlip, &QToolButton::clicked, this, [this] {
        m_image.flipHorizontal();
        imageChanged();
    });
    connect(vFlip, &QToolButton::clicked, this, [this] {
        m_image.flipVertical();
        imageChanged();
    });
    connect(clear, &QToolButton::clicked, this, [this] {
        m_image.clear(m_params.secondaryColor);
        imageChanged();
    });

    auto* colours = new QHBoxLayout;
    for (CColorSwatch* swatch : {m_primary, m_secondary}) {
        swatch->setFixedSize(40, 24);
        colours->addWidget(swatch);
    }
    colours->addStretch();

    auto* moves = new QGridLayout;
    moves->addWidget(arrowButton(Qt::LeftArrow, icon_texts::kHorizontalMove, IconMove::left), 1, 0);
    moves->addWidget(arrowButton(Qt::RightArrow, icon_texts::kHorizontalMove, IconMove::right), 1, 2);
    moves->addWidget(arrowButton(Qt::UpArrow, icon_texts::kVerticalMove, IconMove::up), 0, 1);
    moves->addWidget(arrowButton(Qt::DownArrow, icon_texts::kVerticalMove, IconMove::down), 2, 1);
    moves->setColumnStretch(3, 1);

    const auto push = [this](const char* label, auto slot) {
        auto* button = new QPushButton(text(label), this);
        button->setToolTip(tooltipOf(label));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    auto* commands = new QGridLayout;
    commands->addWidget(push(icon_texts::kUndo, [this] {
                            m_image.undo();
                            imageChanged();
                        }),
                        0, 0);
    commands->addWidget(push(icon_texts::kReplace, [this] {
                            m_image.replace(m_params.primaryColor, m_params.secondaryColor);
                            imageChanged();
                        }),
                        0, 1);
    commands->addWidget(push(icon_texts::kImport, [this] { onImport(); }), 1, 0);
    QPushButton* exportButton = push(icon_texts::kExport, [this] { onExport(); });
    exportButton->setIcon(QIcon(toolPicture(ToolPicture::exportImage)));
    commands->addWidget(exportButton, 1, 1);
    m_grid->setToolTip(tooltipOf(icon_texts::kGrid));
    m_showPreview->setToolTip(tooltipOf(icon_texts::kPreview));
    commands->addWidget(m_grid, 2, 0);
    commands->addWidget(m_showPreview, 2, 1);

    auto* side = new QVBoxLayout;
    side->addLayout(tools);
    side->addLayout(actions);
    side->addLayout(colours);
    side->addLayout(moves);
    side->addLayout(commands);
    side->addWidget(m_readout);
    side->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addWidget(m_canvas, 0, Qt::AlignTop);
    layout->addSpacing(12);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CImportDialog* CIconEditorDialog::importDialog() const
{
    return m_import;
}

QAbstractButton* CIconEditorDialog::button(const char* label) const
{
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        if (b->text() == text(label))
            return b;
    return nullptr;
}

void CIconEditorDialog::restorePlacements()
{
    if (const auto r = storedPlacement(m_profile, profile_names::kIconEditorPlacement))
        setGeometry(*r);
    if (const auto r = storedPlacement(m_profile, profile_names::kIconPreviewPlacement)) {
        m_preview->setGeometry(QRect(r->topLeft(), m_preview->size()));
        m_previewPlaced = true;
    }
}

void CIconEditorDialog::savePlacements()
{
    storePlacement(m_profile, profile_names::kIconEditorPlacement, geometry());
    storePlacement(m_profile, profile_names::kIconPreviewPlacement, m_preview->geometry());
}

void CIconEditorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // With no placement of its own the preview opens beside the editor, not over its canvas.
    if (!m_previewPlaced) {
        m_preview->move(frameGeometry().topRight() + QPoint(kPreviewGap, 0));
        m_previewPlaced = true;
    }
    m_preview->setVisible(m_params.showPreview != 0);
}

void CIconEditorDialog::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        savePlacements();
        if (m_import)
            delete m_import.data();
        m_preview->hide();
        qApp->removeEventFilter(this);
    }
    QDialog::done(result);
}

bool CIconEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        const QWidget* window = widget ? widget->window() : nullptr;
        if (window == this || window == m_preview) {
            m_canvas->setPickMode(event->type() == QEvent::KeyPress);
            return true;
        }
    }
    // Alt let go in another window would leave the picker on for good.
    if (watched == this && event->type() == QEvent::WindowDeactivate)
        m_canvas->setPickMode(false);
    return QDialog::eventFilter(watched, event);
}

void CIconEditorDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4)
        return;
    QDialog::keyPressEvent(event);
}

void CIconEditorDialog::imageChanged()
{
    m_canvas->update();
    m_preview->preview()->update();
}

void CIconEditorDialog::updateSwatches()
{
    m_primary->setColor(m_params.primaryColor);
    m_secondary->setColor(m_params.secondaryColor);
}

void CIconEditorDialog::showReadout(ColorRef color)
{
    m_readout->setText(
        QString::fromLatin1(icon_texts::kReadoutFormat).arg(colorRed(color)).arg(colorGreen(color)).arg(colorBlue(color)));
}

void CIconEditorDialog::onImport()
{
    const QString path =
        m_prompts.chooseTitledFileToOpen(text(icon_texts::kImportTitle), QString(), text(icon_texts::kImportFilter));
    if (path.isEmpty())
        return;
    if (m_import)
        delete m_import.data();
    m_import = new CImportDialog(path, m_image, this);
    connect(m_import, &CImportDialog::imported, this, &CIconEditorDialog::imageChanged);
    m_import->show();
}

void CIconEditorDialog::onExport()
{
    const QString path =
        m_prompts.chooseFileToSave(QString(), text(icon_texts::kExportProposed), text(icon_texts::kExportFilter));
    if (path.isEmpty())
        return;
    QString error;
    if (!exportIconImage(m_image, path, error))
        m_prompts.showError(error);
}

} // namespace orv
