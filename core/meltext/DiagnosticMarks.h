// The findings of the MEL checks as a view marks them: byte ranges of lines that follow the
// edits made after the check, so that an underline stays under its word until the next
// check, and goes away when its word is edited.
#pragma once

#include "melparse/MelDiagnostic.h"
#include "text/TextBufferWatcher.h"

#include <string>
#include <vector>

namespace orv {

class CTextBuffer;

struct DiagnosticMark {
    TextPos start;  // from 0
    TextPos end;    // after the last byte, on the same line
    MelSeverity severity = MelSeverity::warning;
    std::string text;
};

class DiagnosticMarks {
public:
    // Takes the findings of a check of the text as it is now (lines and columns from 1);
    // those outside the text are cut to it or dropped.
    void set(const std::vector<MelDiagnostic>& found, const CTextBuffer& text);
    void clear() { m_marks.clear(); }

    // Moves the marks after a change with it; a mark the change touches is dropped.
    void follow(const TextChange& change);

    const std::vector<DiagnosticMark>& marks() const { return m_marks; }
    // The marks of one line, in column order.
    std::vector<const DiagnosticMark*> onLine(int line) const;
    // The mark under a character (start <= pos < end), or null.
    const DiagnosticMark* under(TextPos pos) const;
    // The mark that a cursor at pos stands on: under it or just after its last byte.
    const DiagnosticMark* atCursor(TextPos pos) const;

private:
    std::vector<DiagnosticMark> m_marks;  // by start position
};

} // namespace orv
