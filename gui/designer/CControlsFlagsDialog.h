// The "Controls flags" pane's content: the property grid of the selected element's MEL
// command, loaded from the element's flag table, and every committed edit carried out by the
// designer of the view that showed the element, so that its document is modified and every
// view of the window follows at once.
#pragma once

#include "designer/CPropertyListBox.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace orv {

class CUIElement;
class WindowDesigner;

// A plain widget rather than a dialog: Enter and Escape have nothing to close in the pane,
// and the grid and its editors keep Tab for themselves.
class CControlsFlagsDialog final : public QWidget {
    Q_OBJECT

public:
    // Shows a text in the status bar's first pane.
    using HintSink = std::function<void(const QString&)>;

    explicit CControlsFlagsDialog(QWidget* parent = nullptr);

    // Rebuilds the grid for the element's command and loads its values; designer, the
    // designer of the view showing the element, carries out the grid's edits. Nothing
    // changes for no element or a command the database lacks.
    void ShowElementFlags(CUIElement* element, WindowDesigner& designer);
    // element -> grid.
    void LoadElementToGrid(CUIElement& element);
    // grid -> element, through the designer: the values of the rows the user edited (the
    // others keep the element's); false when they change nothing.
    bool ApplyGridToElement(CUIElement& element);
    // Empties the grid and forgets the element, dropping an edit in progress (the last
    // designer view closed).
    void ClearGrid();
    // To be called before an element leaves the tree: when the grid shows it or one of its
    // descendants, the grid is emptied.
    void ElementRemoving(const CUIElement& element);

    CUIElement* shownElement() const { return m_element; }
    CPropertyListBox* list() const { return m_list; }
    const CPropertySet& propertySet() const { return m_set; }

    void setHintSink(HintSink sink) { m_hintSink = std::move(sink); }

private:
    void showHint(int row);
    // A committed row goes to the element, unless the grid refuses its value: then the row
    // shows the element's value again and the status bar says why.
    void commitRow(int row);
    // The refusal of the value the user committed to a text row; empty when it is taken.
    std::string refusalOf(int row) const;
    void editData(int row);
    bool runListItemsDialog(const std::string& title, std::vector<std::string>& items);

    CPropertyListBox* m_list;
    CPropertySet m_set;
    FlagValueTable m_values;
    CUIElement* m_element = nullptr;
    // The designer that carries out the edits of m_element; set with it.
    WindowDesigner* m_designer = nullptr;
    HintSink m_hintSink;
};

} // namespace orv
