// The document of a MEL script: its text buffer (which marks the document modified) and
// the font of its views.
#pragma once

#include "framework/CDocument.h"
#include "text/CTextBuffer.h"

#include <QFont>

namespace orv {

class CScriptDoc : public CDocument {
    Q_OBJECT

public:
    explicit CScriptDoc(QObject* parent = nullptr);

    CTextBuffer& buffer() { return m_buffer; }
    // "Courier": Liberation Mono, else DejaVu Sans Mono, at the desktop's size.
    const QFont& font() const { return m_font; }

    bool onNewDocument() override;
    FileError onOpenDocument(const QString& path) override;
    // A failed save leaves the old file as it was and the document modified; the reason is
    // given by fileErrorDetail.
    FileError onSaveDocument(const QString& path) override;
    QString fileErrorDetail() const override;

private:
    // Every change of the text marks the document modified.
    class Buffer final : public CTextBuffer {
    public:
        explicit Buffer(CScriptDoc& doc) : m_doc(doc) {}

    protected:
        void MarkModified(bool modified) override;

    private:
        CScriptDoc& m_doc;
    };

    Buffer m_buffer{*this};
    QFont m_font;
};

} // namespace orv
