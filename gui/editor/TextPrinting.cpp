// Painting the printed pages of a text.
#include "editor/TextPrinting.h"

#include "editor/CellText.h"
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
    // The page is laid out in the cells of the view, measured in the printer's resolution.
    const CellText cells(painter.font(), &device);
    const int lineHeight = std::max(1, metrics.height());
    const int width = device.width();
    PageMetrics page;
    page.width = static_cast<int>(width / cells.cellWidth());
    page.height = device.height() - footerBand(lineHeight);
    page.lineHeight = lineHeight;
    const auto pages = PaginateText(buffer, tabSize, page);
    const int count = static_cast<int>(pages.size());
    for (int index = 0; index < count; ++index) {
        if (index > 0)
            device.newPage();
        int y = 0;
        for (const PrintedRow& row : pages[static_cast<std::size_t>(index)].rows) {
            CellText::Run run;
            run.line = row.text;
            run.encoding = buffer.Encoding();
            run.lastColumn = page.width;
            run.y = y + metrics.ascent();
            int ch = 0;
            int column = 0;
            cells.draw(painter, run, static_cast<int>(row.text.size()), ch, column);
            y += lineHeight;
        }
        painter.drawText(QRect(0, page.height, width, footerBand(lineHeight)), Qt::AlignCenter,
                         QString::fromStdString(pageFooter(index + 1, count)));
    }
    painter.end();
    return count;
}

} // namespace orv
