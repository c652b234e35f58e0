// Control bytes shown in caret notation ("^@" for NUL, "^[" for ESC), so that a stray byte
// in a script or a name neither cuts a line short nor drives the terminal.
#pragma once

#include <string>
#include <string_view>

namespace orv::cli {

// Bytes below 32 other than TAB, and DEL.
bool isControl(unsigned char u);
void appendCaret(std::string& out, unsigned char u);
// text with each control byte in caret notation.
void appendVisible(std::string& out, std::string_view text);
std::string visible(std::string_view text);

} // namespace orv::cli
