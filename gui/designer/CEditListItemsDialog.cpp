// The typing series of Add, the selection rule of Remove, and Rename.
#include "designer/CEditListItemsDialog.h"

#include "framework/ByteText.h"

#include <QAbstractItemDelegate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orv {
namespace {

constexpr int kColumnWidthLess = 4;

QTreeWidgetItem* newRow(QTreeWidget* list, const QString& text)
{
    auto* item = new QTreeWidgetItem(list, QStringList{text});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

} // namespace

CEditListItemsDialog::CEditListItemsDialog(const std::string& title, const std::vector<std::string>& items,
                                           QWidget* parent)
    : QDialog(parent),
      m_list(new QTreeWidget(this)),
      m_add(new QPushButton(tr("Add"), this)),
      m_remove(new QPushButton(tr("Remove"), this)),
      m_rename(new QPushButton(tr("Rename"), this))
{
    setWindowTitle(QString::fromLatin1(kEditListItemsTitle));
    m_list->setColumnCount(1);
    m_list->setHeaderLabels({textFromUtf8(title)});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_list->installEventFilter(this);
    for (const std::string& item : items)
        newRow(m_list, textFromUtf8(item));
    connect(m_list->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                labelEditEnded(hint == QAbstractItemDelegate::RevertModelCache);
            });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_add, &QPushButton::clicked, this, &CEditListItemsDialog::OnAdd);
    connect(m_remove, &QPushButton::clicked, this, &CEditListItemsDialog::OnRemove);
    connect(m_rename, &QPushButton::clicked, this, &CEditListItemsDialog::OnRename);
    for (QPushButton* button : {m_add, m_remove, m_rename})
        button->setAutoDefault(false);

    auto* side = new QVBoxLayout;
    side->addWidget(m_add);
    side->addWidget(m_remove);
    side->addWidget(m_rename);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(m_list);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

std::vector<std::string> CEditListItemsDialog::items() const
{
    std::vector<std::string> out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        out.push_back(textToUtf8(m_list->topLevelItem(i)->text(0)));
    return out;
}

void CEditListItemsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_list->setColumnWidth(0, std::max(0, m_list->viewport()->width() - kColumnWidthLess));
}

void CEditListItemsDialog::OnAdd()
{
    m_adding = true;
    editRow(newRow(m_list, QString()));
}

void CEditListItemsDialog::OnRemove()
{
    int lastDeleted = -1;
    while (!m_list->selectedItems().isEmpty()) {
        QTreeWidgetItem* first = nullptr;
        for (QTreeWidgetItem* item : m_list->selectedItems())
            if (!first || m_list->indexOfTopLevelItem(item) < m_list->indexOfTopLevelItem(first))
                first = item;
        lastDeleted = m_list->indexOfTopLevelItem(first);
        delete m_list->takeTopLevelItem(lastDeleted);
    }
    const int count = m_list->topLevelItemCount();
    if (lastDeleted < 0 || count == 0)
        return;
    QTreeWidgetItem* next = m_list->topLevelItem(std::min(lastDeleted, count - 1));
    m_list->setCurrentItem(next);
    next->setSelected(true);
}

void CEditListItemsDialog::OnRename()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    QTreeWidgetItem* first = nullptr;
    for (QTreeWidgetItem* item : selected)
        if (!first || m_list->indexOfTopLevelItem(item) < m_list->indexOfTopLevelItem(first))
            first = item;
    if (first)
        editRow(first);
}

void CEditListItemsDialog::editRow(QTreeWidgetItem* item)
{
    m_list->setFocus(Qt::OtherFocusReason);
    m_list->setCurrentItem(item);
    m_editedItem = item;
    m_editingLabel = true;
    m_list->editItem(item, 0);
}

// Escape ends the editing without a text: an empty row goes and the typing series stops.
void CEditListItemsDialog::labelEditEnded(bool cancelled)
{
    // An edit that F2 or a click started was not marked: it is the current row's.
    QTreeWidgetItem* edited = m_editedItem ? m_editedItem : m_list->currentItem();
    if (cancelled) {
        if (edited && edited->text(0).isEmpty())
            delete m_list->takeTopLevelItem(m_list->indexOfTopLevelItem(edited));
        m_adding = false;
    }
    m_editedItem = nullptr;
    m_editingLabel = false;
    if (m_adding)
        editRow(newRow(m_list, QString()));
}

bool CEditListItemsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Insert) {
            OnAdd();
            return true;
        }
        if (key == Qt::Key_Delete && !m_editingLabel) {
            OnRemove();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orv
