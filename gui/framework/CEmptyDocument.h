// A document with no content of its own: its file is written empty and any readable file
// opens as an empty document named after it (icons and projects in this version).
#pragma once

#include "framework/CDocument.h"

namespace orv {

class CEmptyDocument : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;

    FileError onOpenDocument(const QString& path) override;
    FileError onSaveDocument(const QString& path) override;
};

} // namespace orv
