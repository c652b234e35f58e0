// Loading the grid from an element, applying it back, the type hint and "edit data".
#include "designer/CControlsFlagsDialog.h"

#include "designer/CEditListItemsDialog.h"
#include "designmodel/WindowDesigner.h"
#include "framework/ByteText.h"
#include "mel/MelVocabulary.h"
#include "propgrid/FlagValueRefusal.h"
#include "propgrid/MultiValueItems.h"
#include "uimodel/CUITextScrollList.h"

#include <QVBoxLayout>

#include <algorithm>

namespace orv {
namespace {

// The flag whose values a list control keeps as its items.
constexpr const char* kListItemsFlag = "append";
constexpr const char* kItemTooLong =
    "The list keeps its items: one is longer than %1 bytes, the most a window file line holds.";

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

void CControlsFlagsDialog::ShowElementFlags(CUIElement* element, WindowDesigner& designer)
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
    m_designer = &designer;
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
    // An empty grid has no designer, and nothing to apply.
    if (!m_designer)
        return false;
    FlagValueTable current;
    element.StoreFlags(current);
    m_values = current;
    m_set.GetValues(m_values);
    m_set.ValuesTaken();
    if (m_values == current)
        return false;
    m_designer->applyFlags(element, m_values);
    if (element.flagsRewritten())
        LoadElementToGrid(element);
    return true;
}

void CControlsFlagsDialog::ClearGrid()
{
    m_element = nullptr;
    m_designer = nullptr;
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
        m_hintSink(textFromUtf8(hint));
}

void CControlsFlagsDialog::commitRow(int row)
{
    if (!m_element)
        return;
    const std::string refusal = refusalOf(row);
    if (refusal.empty()) {
        ApplyGridToElement(*m_element);
        return;
    }
    // The row shows the element's value again; the reason is said once the selection, which
    // may be moving on with this commit, has shown its own hint.
    LoadElementToGrid(*m_element);
    QMetaObject::invokeMethod(
        this, [this, text = textFromUtf8(refusal)] { if (m_hintSink) m_hintSink(text); }, Qt::QueuedConnection);
}

std::string CControlsFlagsDialog::refusalOf(int row) const
{
    const auto* item = dynamic_cast<const CPropertyItemString*>(m_list->rows().item(row));
    const int position = positionOf(m_set, item);
    if (!item || position < 0 || !item->edited())
        return {};
    const std::vector<CommandFlag> flags = CommandTypedFlags(kMelCommands[m_set.commandIndex()]);
    if (static_cast<std::size_t>(position) >= flags.size())
        return {};
    FlagValueTable current;
    m_element->StoreFlags(current);
    return FlagValueRefusal(flags[static_cast<std::size_t>(position)], item->value(), current[position]);
}

// A list control's items are its "append" values; any other multi-use text flag is edited
// as the items of its own value.
void CControlsFlagsDialog::editData(int row)
{
    const CPropertyItem* item = m_list->rows().item(row);
    const int position = positionOf(m_set, item);
    if (!m_element || !m_designer || !item || position < 0)
        return;
    auto* list = dynamic_cast<CUITextScrollList*>(m_element);
    if (list && item->name() == kListItemsFlag) {
        std::vector<std::string> items = list->listItems();
        if (!runListItemsDialog(list->name(), items) || items == list->listItems())
            return;
        if (std::any_of(items.begin(), items.end(), [](const std::string& i) { return i.size() > wnd_file::kMaxValueBytes; })) {
            if (m_hintSink)
                m_hintSink(QString::fromLatin1(kItemTooLong).arg(wnd_file::kMaxValueBytes));
            return;
        }
        m_designer->setListItems(*list, std::move(items));
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
    const std::vector<CommandFlag> flags = CommandTypedFlags(kMelCommands[m_set.commandIndex()]);
    if (static_cast<std::size_t>(position) < flags.size()) {
        if (const std::string refusal = FlagValueRefusal(flags[static_cast<std::size_t>(position)], value, table[position]);
            !refusal.empty()) {
            if (m_hintSink)
                m_hintSink(textFromUtf8(refusal));
            return;
        }
    }
    table[position] = value;
    m_designer->applyFlags(*m_element, table);
    m_values = table;
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
