// The icon document type, as this module gives it to the application:
// icons are "*.icm" files; new ones are named "Icon1", "Icon2"...
#pragma once

#include "framework/DocumentType.h"

namespace orv {

inline constexpr DocumentType kIconDocumentType{
    132, "\nIcon\nIcon\nORVANTE Icon Files (*.icm)"
        "\n.icm\nORVANTE.Icon\nORVANTE Icon"};

} // namespace orv
