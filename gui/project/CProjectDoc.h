// A project document: no content in this version; its ".mp" file is written empty and read as
// nothing, so any ".mp" file opens.
#pragma once

#include "framework/CDocument.h"

namespace orv {

class CProjectDoc : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;

    FileError onOpenDocument(const QString& path) override;
    FileError onSaveDocument(const QString& path) override;
};

} // namespace orv
