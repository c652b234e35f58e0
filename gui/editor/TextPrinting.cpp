// Painting the printed pages of a text.
#include "editor/TextPrinting.h"

#include "editor/QtClipboard.h"
#include "framework/ByteText.h"
#include "text/PrintLayout.h"
#include "text/TextConstants.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace orv {

int printText(const CTextBuffer& buffer, int tabSize, const QFont& font, const PageMargins& margins,
              QPagedPaintDevice& device)
{
    constexpr double kMmPerUnit = 0.01;
    device.setPageMargins(QMarginsF(margins.left * kMmPerUnit, margins.top * kMmPerUnit, margins.right * kMmPerUnit,
                                    margins.bottom * kMmPerUnit),
                          QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = std::max(1, metrics.height());
    const int width = device.width();
    PageMetrics page;
    page.width = width;
    page.height = device.height() - footerBand(lineHeight);
    page.lineHeight = lineHeight;
    const auto pages = PaginateText(buffer, tabSize, page, [&metrics](std::string_view piece) {
        return metrics.horizontalAdvance(textFromBytes(piece));
    });
    const int count = static_cast<int>(pages.size());
    for (int index = 0; index < count; ++index) {
        if (index > 0)
            device.newPage();
        int y = 0;
        for (const PrintedRow& row : pages[static_cast<std::size_t>(index)].rows) {
            painter.drawText(0, y + metrics.ascent(), textFromBytes(row.text));
            y += lineHeight;
        }
        painter.drawText(QRect(0, page.height, width, footerBand(lineHeight)), Qt::AlignCenter,
                         QString::fromStdString(pageFooter(index + 1, count)));
    }
    painter.end();
    return count;
}

} // namespace orv
