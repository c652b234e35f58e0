// The palette's buttons in their table order; each insertion button keeps its category and
// first command in its properties.
#include "designer/CToolsDialog.h"

#include "designer/DesignerPictures.h"
#include "designmodel/InsertCommands.h"
#include "framework/SettingsService.h"

#include <QApplication>
#include <QGridLayout>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QToolButton>

namespace orv {

namespace {

constexpr const char* kGridText = "Enable/Disable Grid";
constexpr const char* kEditText = "Edit";
constexpr const char* kCategoriesProperty = "categories";
constexpr const char* kCommandProperty = "defaultCommand";
constexpr int kColumns = 2;

} // namespace

CToolsDialog::CToolsDialog(SettingsService& settings, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_settings(settings), m_grid(new QToolButton(this)), m_edit(new QToolButton(this))
{
    setObjectName(QStringLiteral("Tools"));
    setWindowTitle(QStringLiteral("Tools"));
    setModal(false);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);

    namespace cat = insert_category;
    addInsertButton(1038, "columnLayout", layoutPicture(0), 0, 1);
    addInsertButton(1039, "rowLayout", layoutPicture(1), 0, 2);
    addInsertButton(1042, "frameLayout", layoutPicture(2), 0, 3);
    addInsertButton(1029, "Buttons", controlPicture(0), cat::button, 4);
    addInsertButton(1031, "CheckBoxes", controlPicture(1), cat::checkBox, 10);
    addInsertButton(1032, "RadioButtons", controlPicture(2), cat::radioButton, 14);
    addInsertButton(1033, "Lists", controlPicture(3), cat::list, 17);
    addInsertButton(1034, "Sliders", controlPicture(4), cat::slider, 20);
    addInsertButton(1035, "TextFields", controlPicture(5), cat::textField, 30);
    addInsertButton(1036, "Static Text", controlPicture(6), cat::text, 38);
    addInsertButton(1037, "Misc.", controlPicture(7), cat::misc, 40);

    m_grid->setObjectName(QStringLiteral("EnableGrid"));
    m_grid->setCheckable(true);
    m_grid->setAutoRaise(true);
    m_grid->setIcon(controlPicture(8));
    m_grid->setIconSize(QSize(kPictureSize, kPictureSize));
    m_grid->setToolTip(QString::fromLatin1(kGridText));
    m_grid->setAccessibleName(QString::fromLatin1(kGridText));
    connect(m_grid, &QToolButton::toggled, this,
            [this](bool on) { m_settings.setFlag(SettingsFlag::designerGrid, on); });
    setGridChecked(m_settings.record().designerGrid());
    connect(&m_settings, &SettingsService::changed, this, [this](SettingsChanges what) {
        if (what.testFlag(SettingsChange::grid))
            setGridChecked(m_settings.record().designerGrid());
    });

    m_edit->setObjectName(QStringLiteral("Edit"));
    m_edit->setCheckable(true);
    m_edit->setText(QString::fromLatin1(kEditText));
    m_edit->setToolTip(QString::fromLatin1(kEditText));
    m_edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(m_edit, &QToolButton::toggled, this, &CToolsDialog::editModeToggled);

    const int row = (static_cast<int>(m_insertButtons.size()) + kColumns - 1) / kColumns;
    layout->addWidget(m_grid, row, 0);
    layout->addWidget(m_edit, row + 1, 0, 1, kColumns);
    layout->setRowStretch(row + 2, 1);
}

void CToolsDialog::addInsertButton(int id, const char* caption, const QIcon& icon, std::uint32_t categories,
                                   int defaultCommand)
{
    auto* b = new QToolButton(this);
    b->setObjectName(QString::number(id));
    b->setIcon(icon);
    b->setIconSize(QSize(kPictureSize, kPictureSize));
    b->setAutoRaise(true);
    b->setToolTip(QString::fromLatin1(caption));
    b->setAccessibleName(QString::fromLatin1(caption));
    b->setEnabled(paletteButtonWorks(categories, defaultCommand));
    b->setProperty(kCategoriesProperty, categories);
    b->setProperty(kCommandProperty, defaultCommand);
    b->installEventFilter(this);
    connect(b, &QToolButton::clicked, this,
            [this, b] { request(b, QApplication::keyboardModifiers() & Qt::ControlModifier); });
    const int index = static_cast<int>(m_insertButtons.size());
    static_cast<QGridLayout*>(layout())->addWidget(b, index / kColumns, index % kColumns);
    m_insertButtons.append(b);
}

QToolButton* CToolsDialog::button(int id) const
{
    return findChild<QToolButton*>(QString::number(id));
}

void CToolsDialog::request(QToolButton* button, bool menuRequested)
{
    const auto categories = button->property(kCategoriesProperty).toUInt();
    // The layout buttons (no category) insert their command at once.
    const bool layoutButton = categories == 0;
    emit insertRequested(layoutButton ? insert_category::layout : categories,
                         button->property(kCommandProperty).toInt(), menuRequested && !layoutButton,
                         QCursor::pos());
}

void CToolsDialog::showEvent(QShowEvent* event)
{
    m_wasShown = true;
    QDialog::showEvent(event);
}

bool CToolsDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A right click on a category button opens its menu.
    auto* b = qobject_cast<QToolButton*>(watched);
    if (b && b->isEnabled() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        request(b, true);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CToolsDialog::setGridChecked(bool checked)
{
    const QSignalBlocker quiet(m_grid);
    m_grid->setChecked(checked);
}

} // namespace orv
