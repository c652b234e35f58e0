// Drawing characters in their cells.
#include "editor/CellText.h"

#include "text/LineCharacters.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace orv {

namespace {

constexpr char16_t kMiddleDot = 0xB7;

// A control character shows as a middle dot, so every character keeps its cell.
bool isControl(char32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
}

QString shownCharacter(char32_t codePoint)
{
    return isControl(codePoint) ? QString(QChar(kMiddleDot)) : QString::fromUcs4(&codePoint, 1);
}

// An advance within a 64th of a pixel (the font engine's own unit) of the cell's.
constexpr qreal kSameAdvance = 1.0 / 64;

} // namespace

CellText::CellText(const QFont& font, QPaintDevice* device)
    : m_font(device ? QFont(font, device) : font), m_metrics(font, device), m_cell(std::max<qreal>(1, m_metrics.horizontalAdvance(QLatin1Char('X'))))
{
    for (char32_t c = 0; c < m_asciiFits.size(); ++c)
        m_asciiFits[c] = std::abs(m_metrics.horizontalAdvance(shownCharacter(c)) - m_cell) < kSameAdvance;
    // A static text lays its one line out as this layout does, its top at the given point.
    QTextLayout layout(QStringLiteral("X"), m_font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    line.setPosition({0, 0});
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    m_staticAscent = runs.isEmpty() || runs.front().positions().isEmpty() ? line.ascent() : runs.front().positions().front().y();
}

bool CellText::fitsItsCell(char32_t codePoint, const QString& shown) const
{
    return characterColumns(codePoint) == 1 && std::abs(m_metrics.horizontalAdvance(shown) - m_cell) < kSameAdvance;
}

void CellText::put(QPainter* painter, std::vector<Shaped>* shaped, QPointF baseline, const QString& text) const
{
    if (painter) {
        painter->drawText(baseline, text);
        return;
    }
    QStaticText& laid = shaped->emplace_back(Shaped{{baseline.x(), baseline.y() - m_staticAscent}, QStaticText(text)}).text;
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), m_font);
}

void CellText::walk(QPainter* painter, std::vector<Shaped>* shaped, const Run& run, int end, int& ch, int& column) const
{
    const bool drawing = painter || shaped;
    const int tabSize = std::max(run.tabSize, 1);
    const auto xOf = [&](int col) { return run.x0 + col * m_cell; };
    // Characters that fit their cells, drawn in one go from the column of the first.
    QString batch;
    int batchColumn = 0;
    const auto flush = [&] {
        if (!batch.isEmpty())
            put(painter, shaped, QPointF(xOf(batchColumn), run.y), batch);
        batch.clear();
    };
    while (ch < end && column < run.lastColumn) {
        const auto byte = static_cast<unsigned char>(run.line[static_cast<std::size_t>(ch)]);
        const LineCharacter character = byte < 0x80 ? LineCharacter{byte, 1} : characterAt(run.line, ch, run.encoding);
        const bool tab = character.codePoint == '\t';
        const int next = tab ? (column / tabSize + 1) * tabSize
                             : column + (byte < 0x80 ? 1 : characterColumns(character.codePoint));
        ch += character.length;
        if (!drawing || next <= run.firstColumn || tab) {
            // Not drawn, left of the view, or blank cells.
            flush();
            column = next;
            continue;
        }
        if (character.codePoint < m_asciiFits.size() && column >= run.firstColumn && m_asciiFits[character.codePoint]) {
            // The common case, without a string made for one character.
            if (batch.isEmpty())
                batchColumn = column;
            const auto code = static_cast<char16_t>(character.codePoint);
            batch += isControl(character.codePoint) ? QChar(kMiddleDot) : QChar(code);
            column = next;
            continue;
        }
        const QString shown = shownCharacter(character.codePoint);
        const bool beyondAscii = character.codePoint >= m_asciiFits.size();
        if (column >= run.firstColumn && beyondAscii && fitsItsCell(character.codePoint, shown)) {
            if (batch.isEmpty())
                batchColumn = column;
            batch += shown;
        } else {
            flush();
            // Centred in its cells: a glyph of another width stays clear of its neighbours' cells.
            const qreal room = (next - column) * m_cell;
            put(painter, shaped, QPointF(xOf(column) + (room - m_metrics.horizontalAdvance(shown)) / 2, run.y), shown);
        }
        column = next;
    }
    flush();
    if (ch < end) {
        // The rest of the run is right of the view: its columns are not counted one by one.
        column += end - ch;
        ch = end;
    }
}

} // namespace orv
