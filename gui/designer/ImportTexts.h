// What "Import MEL Window..." offers and what the Output pane says of an import.
#pragma once

namespace orv::import_texts {

// The scripts offered.
inline constexpr const char* kFilter = "MEL scripts (*.mel);;All files (*)";
inline constexpr const char* kImporting = "Importing the window of %1 ...\n";
inline constexpr const char* kWarning = "%1:%2:%3: warning: %4\n";
inline constexpr const char* kImported = "Window imported, %1 warning(s).\n";
inline constexpr const char* kFailed = "%1: %2";

} // namespace orv::import_texts
