// The rows of the controls-flags grid for one MEL command: one category titled with the
// command, one item per typed flag in database order, and the transfer of values between
// the items and an element's flag table (item n of a category is value n).
#pragma once

#include "propgrid/PropertyItem.h"
#include "uimodel/FlagValueTable.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace orv {

// printf pattern of the status bar hint: the flag's long name, then its type text.
inline constexpr const char* kFlagTypeHint = "Flag type of '%s' is : %s";

class CPropertySet {
public:
    // Rebuilds the set for a command index; false, with nothing changed, for an index that
    // names no command. booleanStyle chooses the words of the boolean rows.
    bool Build(int commandIndex, int booleanStyle);
    // table -> items, every row counting as not edited. A boolean row shows any boolean word
    // MEL takes (on/off, true/false, yes/no, 1/0) as the choice of the style's word of the
    // same meaning; anything else reads as "default". Multi rows take nothing.
    void SetValues(const FlagValueTable& table);
    // items -> table, for the rows the user edited only: the others leave their value as the
    // table holds it (a boolean "0" the grid shows as "off" stays "0"). An edited boolean
    // "default" leaves the value empty; multi rows give nothing.
    void GetValues(FlagValueTable& table) const;
    // The element took the values: every row counts as not edited again.
    void ValuesTaken();
    // The status bar text for a row of the grid: row 0 (the category) and row 1 both
    // describe the first flag. Empty when there is no such flag.
    std::string FlagTypeHint(int row) const;

    const std::vector<std::unique_ptr<CPropertyItemCategory>>& categories() const { return m_categories; }
    int commandIndex() const { return m_commandIndex; }
    int itemCount() const { return m_itemCount; }
    const std::array<std::string, 3>& booleanChoices() const { return m_booleanChoices; }

private:
    std::vector<std::unique_ptr<CPropertyItemCategory>> m_categories;
    std::array<std::string, 3> m_booleanChoices{kDefaultChoice, "on", "off"};
    int m_commandIndex = -1;
    int m_itemCount = 0;
};

} // namespace orv
