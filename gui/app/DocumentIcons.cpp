// Each document type's picture is the icon its file type shows on the desktop.
#include "app/DocumentIcons.h"

#include "framework/Pictures.h"

namespace orv {

QPixmap documentIcon(MenuId type, int size)
{
    switch (type) {
    case MenuId::script: return picture("document-script", size);
    case MenuId::window: return picture("document-window", size);
    case MenuId::project: return picture("document-project", size);
    case MenuId::icon: return picture("document-icon", size);
    case MenuId::noDocument: break;
    }
    QPixmap none(size, size);
    none.fill(Qt::transparent);
    return none;
}

} // namespace orv
