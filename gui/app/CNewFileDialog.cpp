// The four kinds with their 32 x 32 pictures, as the document windows show them.
#include "app/CNewFileDialog.h"

#include "app/AppIds.h"
#include "app/DocumentIcons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int kPictureSize = 32;

struct Kind {
    const char* text;
    MenuId picture;
};

constexpr Kind kKinds[] = {
    {"MEL Script", MenuId::script},
    {"UI - Window", MenuId::window},
    {"Icon", MenuId::icon},
    {"ORVANTE Project", MenuId::project},
};

} // namespace

CNewFileDialog::CNewFileDialog(QWidget* parent) : QDialog(parent), m_list(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Create a new file or project"));
    m_list->setObjectName(QStringLiteral("fileTypes"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(QSize(kPictureSize, kPictureSize));
    m_list->setGridSize(QSize(100, 64));
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setWordWrap(true);
    for (const Kind& kind : kKinds)
        new QListWidgetItem(QIcon(documentIcon(kind.picture, kPictureSize)), QString::fromLatin1(kind.text), m_list);
    // Nothing is selected at first: OK then means a MEL script.
    m_list->setCurrentRow(-1);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CNewFileDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewFileDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("File type"), this));
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(440, 200);
}

void CNewFileDialog::accept()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    m_chosen = selected.isEmpty() ? static_cast<int>(NewFileKind::script) : m_list->row(selected.first());
    QDialog::accept();
}

} // namespace orv
