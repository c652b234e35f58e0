// The rows a property grid shows for a property set: each visible category, followed by
// its visible items while it is expanded. The grid widget paints and edits these rows.
#pragma once

#include "propgrid/CPropertySet.h"

#include <vector>

namespace orv {

class PropertyRows {
public:
    // Shows the set's visible categories, each expanded; null shows nothing. The set must
    // outlive the rows, or be replaced before it goes.
    void setPropertySet(CPropertySet* set);
    void clear() { setPropertySet(nullptr); }

    int count() const { return static_cast<int>(m_rows.size()); }
    // Null for a row outside the list.
    CPropertyItem* item(int row) const;
    CPropertyItemCategory* category(int row) const;

    // Inserts a collapsed category's visible items after it; false for any other row.
    bool expand(int row);
    // Removes an expanded category's items from below it; false for any other row.
    bool collapse(int row);
    bool toggle(int row);

    // The first row after `from` whose name starts with the letter, ignoring case, going
    // on from the top up to `from` itself; -1 when no row does.
    int letterJump(int from, char letter) const;

private:
    std::vector<CPropertyItem*> m_rows;
};

} // namespace orv
