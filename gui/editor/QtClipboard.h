// The desktop clipboard as the editing commands see it: plain text, as UTF-8.
#pragma once

#include "text/Clipboard.h"

#include <string>

namespace orv {

class QtClipboard final : public Clipboard {
public:
    bool hasText() const override;
    std::string text() const override;
    void setText(const std::string& text) override;
};

} // namespace orv
