// Saving the painted image as a PNG, BMP or XPM picture, the format named by the file's
// extension, through the safe writer (the old file stays whole until the new one is).
#pragma once

#include "iconmodel/IconImage.h"

#include <QString>

namespace orv {

// False, with a message for the user in error, when the name has no known extension, the
// picture cannot be encoded or the file cannot be written.
bool exportIconImage(const IconImage& image, const QString& path, QString& error);

} // namespace orv
