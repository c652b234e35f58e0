// The width of every line in columns (tabs expanded), for horizontal scrolling: measured
// when the text is loaded and kept up to date line by line as it changes, with the widest
// line known at every moment without a walk over the lines.
#pragma once

#include "text/CTextBuffer.h"
#include "text/GapArray.h"
#include "text/TextBufferWatcher.h"

#include <map>

namespace orv {

// Registered with its buffer for its whole life: the buffer must outlive it.
class DisplayLengthCache : public TextBufferWatcher {
public:
    DisplayLengthCache(CTextBuffer& buffer, int tabSize);
    ~DisplayLengthCache() override;
    DisplayLengthCache(const DisplayLengthCache&) = delete;
    DisplayLengthCache& operator=(const DisplayLengthCache&) = delete;

    // 0 past the last line.
    int lineLength(int line) const;
    // The widest line of the text, for the scroll range.
    int longestLine() const;
    // A new tab size changes every width.
    void setTabSize(int tabSize);

    void onTextUpdate(const TextBufferWatcher* source, const TextChange* change, unsigned updateFlags,
                      int line) override;

private:
    void measureAll();
    void count(int length, int delta);
    void remeasure(int line);

    CTextBuffer& m_buffer;
    int m_tabSize;
    GapArray<int> m_lengths;
    std::map<int, int> m_linesOfLength;  // width -> number of lines that wide
};

} // namespace orv
