// New > "Icon": the icon editor runs modally on a 32 x 32 image and no document is made. The
// one place where the application wires the icon module in (its document type and New).
#pragma once

#include "framework/CDocTemplate.h"

namespace orv {

class Profile;
class Prompts;
struct IconEditorParams;

// The icon editor with size exponents 2 and 2 (32 x 32) and no parent, run modally; params are
// the application's "icmprm" options, placements go to profile.
void runNewIcon(IconEditorParams& params, Profile& profile, Prompts& prompts);

// The icon type's document and view, and New running the editor instead of making a document.
void setIconFactories(CDocTemplate::Factories& factories, IconEditorParams& params, Profile& profile,
                      Prompts& prompts);

} // namespace orv
