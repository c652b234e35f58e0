// Text drawn in cells of one width. Every character stands at the column the core gives it (tabs
// expanded, wide East Asian characters in two cells), and a column starts at a multiple of the
// font's own advance, fractional as it is (7.19 pixels, not a rounded 7): the caret, the
// selection, mouse hits and printed pages find each character where it is drawn, also one
// taken from a fallback font of another width, which is centred in its cells.
#pragma once

#include "text/TextEncoding.h"

#include <QFont>
#include <QFontMetricsF>
#include <QStaticText>

#include <array>
#include <string_view>
#include <vector>

class QPainter;
class QPaintDevice;

namespace orv {

class CellText {
public:
    // The cells of a font as painted on a device (the screen without one).
    explicit CellText(const QFont& font, QPaintDevice* device = nullptr);

    qreal cellWidth() const { return m_cell; }

    // Where a run of a line is drawn: the line's characters from byte `ch` to byte `end`, the
    // first at `column`; column 0 at x0 and the baseline at y. Only the characters in the columns
    // [firstColumn, lastColumn) are drawn.
    struct Run {
        std::string_view line;
        TextEncoding encoding = TextEncoding::windows1252;
        int tabSize = 4;
        int firstColumn = 0;
        int lastColumn = 0;
        qreal x0 = 0;
        qreal y = 0;
    };
    // Draws the characters up to `end` with the painter's pen and font; `ch` and `column` move
    // past them (the column stops counting once the characters leave the view on the right).
    void draw(QPainter& painter, const Run& run, int end, int& ch, int& column) const
    {
        walk(&painter, nullptr, run, end, ch, column);
    }
    // Moves `ch` and `column` past the characters up to `end` as draw does, drawing nothing.
    void skip(const Run& run, int end, int& ch, int& column) const { walk(nullptr, nullptr, run, end, ch, column); }

    // Characters shaped once and drawn as often as wanted with drawStaticText from `topLeft`,
    // where draw would have put them, in the painter's pen and the cells' font.
    struct Shaped {
        QPointF topLeft;
        QStaticText text;
    };
    // Shapes the characters up to `end` as draw would draw them, appending them to `shaped`;
    // `ch` and `column` move as with draw.
    void shape(const Run& run, int end, int& ch, int& column, std::vector<Shaped>& shaped) const
    {
        walk(nullptr, &shaped, run, end, ch, column);
    }

private:
    // Draws on `painter`, or shapes into `shaped`, or with neither only counts.
    void walk(QPainter* painter, std::vector<Shaped>* shaped, const Run& run, int end, int& ch, int& column) const;
    void put(QPainter* painter, std::vector<Shaped>* shaped, QPointF baseline, const QString& text) const;
    // Whether a character beyond ASCII is drawn with the others of its run: one cell wide, with
    // the cell's advance in the font.
    bool fitsItsCell(char32_t codePoint, const QString& shown) const;

    QFont m_font;
    QFontMetricsF m_metrics;
    qreal m_cell = 1;
    qreal m_staticAscent = 0;  // from a static text's top to its baseline
    std::array<bool, 128> m_asciiFits{};  // the same for ASCII, found once
};

} // namespace orv
