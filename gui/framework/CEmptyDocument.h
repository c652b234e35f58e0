// A document with no content of its own: its file is written empty and any readable regular
// file opens as an empty document named after it (icons and projects in this version).
#pragma once

#include "framework/CDocument.h"

#include <string>

namespace orv {

class CEmptyDocument : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;

    FileError onOpenDocument(const QString& path) override;
    FileError onSaveDocument(const QString& path) override;
    QString fileErrorDetail() const override;

private:
    std::string m_fileProblem;  // why the last open or save failed, as the file reader or writer said
};

} // namespace orv
