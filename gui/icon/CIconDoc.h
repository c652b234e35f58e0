// The icon document: no content of its own. An ".icm" file is written empty, and any file
// opens as an empty icon document named after it.
#pragma once

#include "framework/CDocument.h"

namespace orv {

class CIconDoc : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;

    FileError onOpenDocument(const QString& path) override;
    FileError onSaveDocument(const QString& path) override;
};

} // namespace orv
