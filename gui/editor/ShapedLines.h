// The lines on screen as they were last drawn: each line's characters shaped into glyphs
// (static texts) with their colours and the selection's cells, kept while the line's text,
// its colours, its selection and the view's columns stay as they were. A repaint or a scroll
// then draws glyphs rather than shaping every colour run again.
#pragma once

#include "editor/CellText.h"
#include "text/MelColouring.h"
#include "text/TextEncoding.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace orv {

class ShapedLines {
public:
    // What a line's drawing is made from; a line is shaped again when any of it differs.
    struct Source {
        std::string text;
        std::vector<ColourBlock> blocks;
        int selectedFrom = 0;  // the selected characters, [from, to); to past the end for the line break
        int selectedTo = 0;
        int firstColumn = 0;  // the columns in view, [first, last)
        int lastColumn = 0;
        int tabSize = 4;
        TextEncoding encoding = TextEncoding::windows1252;
        friend bool operator==(const Source&, const Source&) = default;
    };
    // One step of a line's drawing, in order: cells filled in a colour class (columns
    // [from, to)), or characters drawn in a colour class.
    struct Step {
        int colourClass = 0;
        int fromColumn = 0;
        int toColumn = 0;
        bool fill = false;
        CellText::Shaped shaped;
    };
    struct Line {
        Source source;
        std::vector<Step> steps;
        int endColumn = 0;  // the column after the line's last character (counted up to the view's right)
    };

    // The line as made from `source` the last time, or made again by `make(line)` (which
    // fills its steps and end column) when its source differs.
    template <class Make>
    const Line& line(int number, Source&& source, Make make)
    {
        Kept& kept = m_lines[number];
        kept.used = m_paint;
        if (!kept.made || !(kept.line.source == source)) {
            kept.line.source = std::move(source);
            kept.line.steps.clear();
            make(kept.line);
            kept.made = true;
        }
        return kept.line;
    }
    // After a paint: lines that were not drawn in it are forgotten, so the cache holds one screen.
    void endPaint();
    // The font or the view's cells changed: every line is shaped again.
    void clear() { m_lines.clear(); }

private:
    struct Kept {
        Line line;
        unsigned used = 0;
        bool made = false;
    };
    std::unordered_map<int, Kept> m_lines;
    unsigned m_paint = 0;
};

} // namespace orv
