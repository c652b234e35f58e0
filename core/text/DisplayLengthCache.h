// The width of every line in columns (tabs expanded), for horizontal scrolling: found
// when asked, forgotten from the first changed line on.
#pragma once

#include "text/CTextBuffer.h"
#include "text/TextBufferWatcher.h"

#include <vector>

namespace orv {

// Registered with its buffer for its whole life: the buffer must outlive it.
class DisplayLengthCache : public TextBufferWatcher {
public:
    DisplayLengthCache(CTextBuffer& buffer, int tabSize);
    ~DisplayLengthCache() override;
    DisplayLengthCache(const DisplayLengthCache&) = delete;
    DisplayLengthCache& operator=(const DisplayLengthCache&) = delete;

    int lineLength(int line);
    // The widest line of the text, for the scroll range.
    int longestLine();
    // A new tab size changes every width.
    void setTabSize(int tabSize);

    void onTextUpdate(const TextBufferWatcher* source, const TextChange* change, unsigned updateFlags,
                      int line) override;

private:
    static constexpr int kUnknown = -1;

    void forgetFrom(int line);

    CTextBuffer& m_buffer;
    int m_tabSize;
    std::vector<int> m_lengths;  // kUnknown where not measured yet
    int m_longestKnown = kUnknown;  // the widest of m_lengths once all are measured
};

} // namespace orv
