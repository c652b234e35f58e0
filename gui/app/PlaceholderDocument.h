// The document of a type whose own document class is not built yet: it keeps the file's bytes
// unchanged and writes them back, so opening and saving never lose a file's content.
#pragma once

#include "framework/CDocument.h"

#include <QByteArray>

namespace orv {

class PlaceholderDocument : public CDocument {
    Q_OBJECT

public:
    using CDocument::CDocument;

    const QByteArray& content() const { return m_content; }

    bool onNewDocument() override;
    FileError onOpenDocument(const QString& path) override;
    FileError onSaveDocument(const QString& path) override;

private:
    QByteArray m_content;
};

} // namespace orv
