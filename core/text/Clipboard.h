// The clipboard as the editing commands see it: UTF-8 text. What the editor puts there has LF
// line ends, as other programs on the desktop write them; what it takes may have any.
#pragma once

#include <string>

namespace orv {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool hasText() const = 0;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

// A clipboard in memory, for tests and headless use.
class MemoryClipboard final : public Clipboard {
public:
    bool hasText() const override { return m_has; }
    std::string text() const override { return m_text; }
    void setText(const std::string& text) override
    {
        m_text = text;
        m_has = true;
    }

private:
    std::string m_text;
    bool m_has = false;
};

} // namespace orv
