// The UI window document type, as this module gives it to the application:
// UI windows are "*.wnd" files; new ones are named "Window1", "Window2"...
#pragma once

#include "framework/DocumentType.h"

namespace orv {

inline constexpr DocumentType kWindowDocumentType{
    130, "\nWindow\nWindow\nORVANTE Window Files (*.wnd)"
        "\n.wnd\nORVANTE.Window\nORVANTE Window"};

} // namespace orv
