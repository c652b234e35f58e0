// Marks of check findings that follow the text's edits.
#include "meltext/DiagnosticMarks.h"

#include "text/CTextBuffer.h"

#include <algorithm>

namespace orv {

void DiagnosticMarks::set(const std::vector<MelDiagnostic>& found, const CTextBuffer& text)
{
    m_marks.clear();
    for (const MelDiagnostic& d : found) {
        const int line = d.line - 1;
        if (line < 0 || line >= text.LineCount())
            continue;
        const int length = text.LineLength(line);
        // A finding at the end of a line (an unterminated string) still gets one cell.
        const int from = std::clamp(d.column - 1, 0, length);
        const int to = std::clamp(from + std::max(d.length, 1), from + 1, std::max(length, from + 1));
        m_marks.push_back({{from, line}, {to, line}, d.severity, d.text});
    }
    std::stable_sort(m_marks.begin(), m_marks.end(),
                     [](const DiagnosticMark& a, const DiagnosticMark& b) { return a.start < b.start; });
}

void DiagnosticMarks::follow(const TextChange& change)
{
    // An insertion touches a mark it lands inside; an erasure one whose bytes it overlaps.
    const auto touched = [&change](const DiagnosticMark& mark) {
        if (change.inserted)
            return mark.start < change.start && change.start < mark.end;
        return mark.start < change.end && change.start < mark.end;
    };
    std::erase_if(m_marks, touched);
    for (DiagnosticMark& mark : m_marks) {
        // Text typed right after a mark does not join it.
        const bool endStays = change.inserted && mark.end == change.start;
        mark.start = shiftForChange(mark.start, change);
        if (!endStays)
            mark.end = shiftForChange(mark.end, change);
    }
}

std::vector<const DiagnosticMark*> DiagnosticMarks::onLine(int line) const
{
    std::vector<const DiagnosticMark*> found;
    auto it = std::lower_bound(m_marks.begin(), m_marks.end(), TextPos{0, line},
                               [](const DiagnosticMark& mark, TextPos pos) { return mark.start < pos; });
    for (; it != m_marks.end() && it->start.line == line; ++it)
        found.push_back(&*it);
    return found;
}

const DiagnosticMark* DiagnosticMarks::under(TextPos pos) const
{
    for (const DiagnosticMark* mark : onLine(pos.line))
        if (mark->start <= pos && pos < mark->end)
            return mark;
    return nullptr;
}

const DiagnosticMark* DiagnosticMarks::atCursor(TextPos pos) const
{
    for (const DiagnosticMark* mark : onLine(pos.line))
        if (mark->start <= pos && pos <= mark->end)
            return mark;
    return nullptr;
}

} // namespace orv
