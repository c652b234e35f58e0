// The completion list of a MEL view: a list inside the view, under the word being completed,
// that never takes the focus; the view forwards the keys that move in it.
#pragma once

// Qt first: moc cannot parse the standard headers this one brings when they come before Qt's.
#include <QTreeWidget>

#include "meltext/MelCompletion.h"

#include <vector>

namespace orv {

class CompletionPopup : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kVisibleRows = 10;

    explicit CompletionPopup(QWidget* parent);

    // Shows the items of a context with its top-left corner at `below` (or, where the parent
    // has no room, with its bottom at `above`), the first item current.
    void showItems(const CompletionContext& context, std::vector<CompletionItem> items, QPoint below, int above);
    const CompletionContext& context() const { return m_context; }
    const CompletionItem* currentCompletion() const;
    // Up, Down, Page Up, Page Down; false for any other key.
    bool moveByKey(int key);

signals:
    // An item was double-clicked.
    void chosen();

private:
    CompletionContext m_context;
    std::vector<CompletionItem> m_items;
};

} // namespace orv
