// Printing a text: the pages of core's pagination painted on a printer (or a PDF file) in
// the view's font, each with its "Page %d/%d" footer centred in the band below the text.
#pragma once

#include "text/CTextBuffer.h"
#include "settings/PageMargins.h"

#include <QFont>

class QPagedPaintDevice;

namespace orv {

// Paints every page on `device` (margins in hundredths of a millimetre); the number of
// pages, 0 when the device could not be painted on.
int printText(const CTextBuffer& buffer, int tabSize, const QFont& font, const PageMargins& margins,
              QPagedPaintDevice& device);

} // namespace orv
