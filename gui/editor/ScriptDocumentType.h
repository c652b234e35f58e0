// The MEL script document type, as this module gives it to the application:
// scripts are "*.mel" files; new ones are named "Script1", "Script2"...
#pragma once

#include "framework/DocumentType.h"

namespace orv {

inline constexpr DocumentType kScriptDocumentType{
    129, "\nScript\nScript\nORVANTE Script Files (*.mel)"
        "\n.mel\nORVANTE.Script\nORVANTE Script"};

} // namespace orv
