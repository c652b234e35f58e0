// The project document type, as this module gives it to the application:
// projects are "*.mp" files; new ones are named "Project1", "Project2"...
#pragma once

#include "framework/DocumentType.h"

namespace orv {

inline constexpr DocumentType kProjectDocumentType{
    131, "\nProject\nProject\nORVANTE Project Files (*.mp)"
        "\n.mp\nORVANTE.Project\nORVANTE Project"};

} // namespace orv
