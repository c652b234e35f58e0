// The restore prompt after a crash: the documents kept from the run that ended, each with a
// check box; Restore opens the checked ones and discards the rest, Discard All discards every
// one, and Ask Later (or closing the dialog) leaves them all for the next start.
#pragma once

#include "framework/Prompts.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace orv {

class RestoreDocumentsDialog : public QDialog {
    Q_OBJECT

public:
    explicit RestoreDocumentsDialog(const QStringList& documents, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    QPushButton* restoreButton() const { return m_restore; }
    QPushButton* discardButton() const { return m_discard; }
    QPushButton* laterButton() const { return m_later; }

    // The documents to open again, or the choice left for later.
    const RestoreChoice& choice() const { return m_choice; }

private:
    QListWidget* m_list;
    QPushButton* m_restore;
    QPushButton* m_discard;
    QPushButton* m_later;
    RestoreChoice m_choice;
};

} // namespace orv
