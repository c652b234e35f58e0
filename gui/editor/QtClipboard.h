// The desktop clipboard as the editing commands see it: plain text, bytes as Latin-1, and a
// character outside Latin-1 becomes "?" rather than being dropped.
#pragma once

#include "text/Clipboard.h"

#include <QString>

#include <string>

namespace orv {

// The bytes of a text shown as Latin-1; a character outside Latin-1 becomes "?".
std::string latin1Bytes(const QString& text);

class QtClipboard final : public Clipboard {
public:
    bool hasText() const override;
    std::string text() const override;
    void setText(const std::string& text) override;
};

} // namespace orv
