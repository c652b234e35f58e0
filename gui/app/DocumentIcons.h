// The picture of each document type, drawn at any size: the document windows' icon now, the
// New dialog's and the settings pages' large icons later.
#pragma once

#include "app/AppIds.h"

#include <QPixmap>

namespace orv {

// The type is named by its template's resource id (MenuId::script ... MenuId::icon).
QPixmap documentIcon(MenuId type, int size);

} // namespace orv
