// The menu is built from the insert command table; grayed commands cannot be chosen.
#include "designer/InsertMenu.h"

#include "designer/CIconPopupMenu.h"
#include "designer/DesignerPictures.h"
#include "designmodel/InsertCommands.h"

namespace orv {

namespace {

// COLORREF 0xFF6633 and 0xFF9966.
const QColor kMenuHighlight(0x33, 0x66, 0xFF);
const QColor kSubmenuHighlight(0x66, 0x99, 0xFF);

void appendCommands(CIconPopupMenu& menu, const InsertCategory& category)
{
    for (const InsertCommand& command : category.commands) {
        const QIcon icon = command.layoutImage ? layoutPicture(command.image) : controlPicture(command.image);
        menu.appendItem(command.id, QString::fromLatin1(command.text.data(), command.text.size()), icon,
                        isGrayedInsertCommand(command.id));
    }
}

void appendEditCommands(CIconPopupMenu& menu)
{
    menu.appendSeparator();
    menu.appendItem(static_cast<int>(EditCommand::duplicate), QStringLiteral("Duplicate"));
    menu.appendItem(static_cast<int>(EditCommand::rename), QStringLiteral("Rename"));
    menu.appendItem(static_cast<int>(EditCommand::remove), QStringLiteral("Delete"));
    menu.appendSeparator();
    menu.appendItem(static_cast<int>(EditCommand::moveUp), QStringLiteral("Move up\tCtrl+U"));
    menu.appendItem(static_cast<int>(EditCommand::moveDown), QStringLiteral("Move down\tCtrl+D"));
}

} // namespace

std::unique_ptr<CIconPopupMenu> makeInsertMenu(std::uint32_t categories, std::uint32_t disabled)
{
    auto menu = std::make_unique<CIconPopupMenu>();
    menu->setSelectionStyle(CIconPopupMenu::SelectionStyle::none);
    menu->setHighlightColor(kMenuHighlight);
    if (const InsertCategory* single = singleCategory(categories)) {
        appendCommands(*menu, *single);
        menu->setDefaultItem(single->commands.front().id);
        return menu;
    }
    for (const InsertCategory& category : insertCategories()) {
        if (!(categories & category.bit))
            continue;
        const InsertCommand& first = category.commands.front();
        CIconPopupMenu* submenu = menu->appendSubmenu(QString::fromLatin1(category.text.data(), category.text.size()),
                                                      first.layoutImage ? layoutPicture(0) : controlPicture(first.image));
        submenu->setHighlightColor(kSubmenuHighlight);
        submenu->menuAction()->setEnabled(!(disabled & category.bit));
        appendCommands(*submenu, category);
        if (category.bit == insert_category::layout)
            menu->appendSeparator();
    }
    if (categories & insert_category::editCommands)
        appendEditCommands(*menu);
    return menu;
}

int BuildInsertMenu(std::uint32_t categories, std::uint32_t disabled, const QPoint& at)
{
    return makeInsertMenu(categories, disabled)->track(at);
}

} // namespace orv
