// What a recovery file holds: the text of a document with unsaved changes, the file it belongs
// to and how that file's bytes are read, checked so that a cut or damaged file is known as such.
#pragma once

#include "text/TextConstants.h"
#include "text/TextEncoding.h"

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// A document's text as its file would hold it: the bytes, their encoding and their line ends.
struct RecoveryText {
    std::string text;
    TextEncoding encoding = TextEncoding::utf8;
    LineEnd lineEnd = LineEnd::crLf;
};

struct RecoveredDocument {
    // The extension of the document's type (".mel", ".wnd"), which picks the type again.
    std::string type;
    // The document's file as the file system spells it; empty for a document never saved.
    std::string path;
    // The document's name as it was shown, as UTF-8.
    std::string title;
    RecoveryText content;
};

// The whole recovery file of a document.
std::string formatRecoveryFile(const RecoveredDocument& document);

struct RecoveryFileRead {
    std::optional<RecoveredDocument> document;
    // Why the bytes are not a whole recovery file, when they are not.
    std::string problem;
};

// Reads a recovery file's bytes; a file cut short, damaged or of another kind gives its problem
// and no document.
RecoveryFileRead parseRecoveryFile(std::string_view bytes);

} // namespace orv
