// The document of a MEL script: its text buffer (which marks the document modified), the
// colouring states of its lines and the font of its views.
#pragma once

#include "framework/CDocument.h"
#include "text/CTextBuffer.h"
#include "text/LineStateCache.h"

#include <QFont>

#include <memory>

namespace orv {

class CScriptDoc : public CDocument {
    Q_OBJECT

public:
    explicit CScriptDoc(QObject* parent = nullptr);
    ~CScriptDoc() override;

    CTextBuffer& buffer() { return m_buffer; }
    // The MEL colouring states of the lines, one cache for every view of the script, so a
    // keystroke in one view is parsed once and never down to where another view shows the
    // text. Made by the first view that asks, under its settings (each view has the
    // application's).
    LineStateCache& lineStates(const SettingsRecord& settings);
    // "Courier" (courierFont) at the desktop's size.
    const QFont& font() const { return m_font; }

    bool onNewDocument() override;
    FileError onOpenDocument(const QString& path) override;
    // A failed save leaves the old file as it was and the document modified; the reason is
    // given by fileErrorDetail.
    FileError onSaveDocument(const QString& path) override;
    QString fileErrorDetail() const override;
    // The text as its file would hold it, in the script's encoding and line-end style.
    std::optional<RecoveryText> recoveryText() const override;
    bool restoreRecoveryText(const RecoveryText& text) override;

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

    // Tells of every change of the text, where the buffer marks only the first.
    class ChangeWatcher final : public TextBufferWatcher {
    public:
        explicit ChangeWatcher(CScriptDoc& doc) : m_doc(doc) {}
        void onTextUpdate(const TextBufferWatcher*, const TextChange* change, unsigned, int) override;

    private:
        CScriptDoc& m_doc;
    };

    Buffer m_buffer{*this};
    ChangeWatcher m_changes{*this};
    std::unique_ptr<LineStateCache> m_lineStates;  // after the buffer: leaves it first
    QFont m_font;
};

} // namespace orv
