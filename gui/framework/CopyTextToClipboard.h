// The shared clipboard helper of the MEL export and the Output pane: puts their UTF-8 text on the
// clipboard as plain text.
#pragma once

#include <string>

namespace orv {

// False when there is no clipboard to write to.
bool CopyTextToClipboard(const std::string& text);

} // namespace orv
