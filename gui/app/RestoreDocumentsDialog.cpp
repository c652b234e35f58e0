// Every document starts checked: restoring is what the user most often wants, and what loses
// nothing.
#include "app/RestoreDocumentsDialog.h"

#include "app/AppIds.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

RestoreDocumentsDialog::RestoreDocumentsDialog(const QStringList& documents, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(shell::kRestoreTitle));
    auto* text = new QLabel(QString::fromLatin1(shell::kRestoreText).arg(QCoreApplication::applicationName()), this);
    text->setWordWrap(true);
    m_list = new QListWidget(this);
    for (const QString& document : documents) {
        auto* item = new QListWidgetItem(document, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
    }
    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(QString::fromLatin1(shell::kRestoreButton), QDialogButtonBox::AcceptRole);
    m_discard = buttons->addButton(QString::fromLatin1(shell::kDiscardAllButton), QDialogButtonBox::DestructiveRole);
    m_later = buttons->addButton(QString::fromLatin1(shell::kAskLaterButton), QDialogButtonBox::RejectRole);
    m_restore->setDefault(true);
    connect(m_restore, &QPushButton::clicked, this, [this] {
        QList<int> chosen;
        for (int i = 0; i < m_list->count(); ++i)
            if (m_list->item(i)->checkState() == Qt::Checked)
                chosen << i;
        m_choice = {false, chosen};
        accept();
    });
    connect(m_discard, &QPushButton::clicked, this, [this] {
        m_choice = {false, {}};
        accept();
    });
    connect(m_later, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(560, 300);
}

} // namespace orv
