// Loading the grid from an element, applying it back, the type hint and "edit data".
#include "designer/CControlsFlagsDialog.h"

#include "designer/CEditListItemsDialog.h"
#include "mel/MelVocabulary.h"
#include "propgrid/MultiValueItems.h"
#include "uimodel/CUITextScrollList.h"

#include <QVBoxLayout>

namespace orv {
namespace {

// The flag whose values a list control keeps as its items.
constexpr const char* kListItemsFlag = "append";

// The position of an item in its category, which is its position in the flag table.
int positionOf(const CPropertySet& set, const CPropertyItem* item)
{
    for (const auto& category : set.categories()) {
        const auto& items = category->items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].get() == item)
                return static_cast<int>(i);
    }
    return -1;
}

} // namespace

CControlsFlagsDialog::CControlsFlagsDialog(QWidget* parent) : QWidget(parent), m_list(new CPropertyListBox(this))
{
    m_list->setObjectName(QStringLiteral("flags"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    setFocusProxy(m_list);
    connect(m_list, &CPropertyListBox::selectionChanged, this, &CControlsFlagsDialog::showHint);
    connect(m_list, &CPropertyListBox::committed, this, &CControlsFlagsDialog::commitRow);
    connect(m_list, &CPropertyListBox::editDataRequested, this, &CControlsFlagsDialog::editData);
}

void CControlsFlagsDialog::ShowElementFlags(CUIElement* element)
{
    if (!element)
        return;
    const int command = FindMelCommand(element->command().c_str());
    if (command < 0)
        return;
    // A pending edit belongs to the element shown so far.
    m_list->ResetGrid();
    m_values = FlagValueTable();
    m_set.Build(command, element->context().booleanStyle());
    m_element = element;
    m_list->SetPropertySet(&m_set);
    LoadElementToGrid(*element);
}

void CControlsFlagsDialog::LoadElementToGrid(CUIElement& element)
{
    element.StoreFlags(m_values);
    m_set.SetValues(m_values);
    m_list->viewport()->update();
    // The shown editor holds the value of before.
    const int row = m_list->currentRow();
    m_list->setCurrentRow(-1);
    m_list->setCurrentRow(row);
}

bool CControlsFlagsDialog::ApplyGridToElement(CUIElement& element)
{
    FlagValueTable current;
    element.StoreFlags(current);
    m_values = current;
    m_set.GetValues(m_values);
    if (m_values == current)
        return false;
    element.ApplyFlags(m_values);
    if (element.flagsRewritten())
        LoadElementToGrid(element);
    if (m_modified)
        m_modified(element);
    return true;
}

void CControlsFlagsDialog::ClearGrid()
{
    m_element = nullptr;
    m_list->ResetGrid();
    m_values = FlagValueTable();
}

void CControlsFlagsDialog::ElementRemoving(const CUIElement& element)
{
    for (const CUIElement* shown = m_element; shown; shown = shown->parent())
        if (shown == &element) {
            ClearGrid();
            return;
        }
}

void CControlsFlagsDialog::showHint(int row)
{
    const std::string hint = m_set.FlagTypeHint(row);
    if (row >= 0 && !hint.empty() && m_hintSink)
        m_hintSink(QString::fromLatin1(hint.c_str()));
}

void CControlsFlagsDialog::commitRow()
{
    if (m_element)
        ApplyGridToElement(*m_element);
}

// A list control's items are its "append" values; any other multi-use text flag is edited
// as the items of its own value.
void CControlsFlagsDialog::editData(int row)
{
    const CPropertyItem* item = m_list->rows().item(row);
    const int position = positionOf(m_set, item);
    if (!m_element || !item || position < 0)
        return;
    auto* list = dynamic_cast<CUITextScrollList*>(m_element);
    if (list && item->name() == kListItemsFlag) {
        std::vector<std::string> items = list->listItems();
        if (!runListItemsDialog(list->name(), items) || items == list->listItems())
            return;
        list->setItems(std::move(items));
        if (m_modified)
            m_modified(*list);
        return;
    }
    FlagValueTable table;
    m_element->StoreFlags(table);
    std::vector<std::string> items = splitMultiValue(table[position]);
    if (!runListItemsDialog(item->name(), items))
        return;
    const std::string value = joinMultiValue(items);
    if (value == table[position])
        return;
    table[position] = value;
    m_element->ApplyFlags(table);
    m_values = table;
    if (m_modified)
        m_modified(*m_element);
}

bool CControlsFlagsDialog::runListItemsDialog(const std::string& title, std::vector<std::string>& items)
{
    CEditListItemsDialog dialog(title, items, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    items = dialog.items();
    return true;
}

} // namespace orv
