// The picture of each document type at any size: the document windows' icon, the New dialog's
// and the Settings pages' pictures.
#pragma once

#include "app/AppIds.h"

#include <QPixmap>

namespace orv {

// The type is named by its template's resource id (MenuId::script ... MenuId::icon).
QPixmap documentIcon(MenuId type, int size);

} // namespace orv
