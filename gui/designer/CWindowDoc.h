// The document of a designed window (".wnd"): its element tree, read from and saved to the
// window file format. Each of its views makes its own previews.
#pragma once

#include "designer/DesignerHost.h"

#include "designmodel/DesignHistory.h"
#include "framework/CDocument.h"
#include "uimodel/MelWindowImport.h"
#include "uimodel/WindowDocument.h"

#include <memory>
#include <string>

namespace orv {

class CWindowDoc : public CDocument {
    Q_OBJECT

public:
    CWindowDoc(const DesignerHost& host, QObject* parent = nullptr);
    ~CWindowDoc() override;

    const DesignerHost& host() const { return m_host; }
    CUIWindow& window() { return m_model->window(); }
    // The undo history of the window, which every view's designer adds its edits to.
    DesignHistory& history() { return m_history; }
    // The layout arranges as the designer first shows the window.
    void arrangeForDisplay() { m_model->arrangeForDisplay(); }

    FileError onOpenDocument(const QString& path) override;
    // Builds the window of a MEL script into a fresh model, which replaces the document's
    // when a window was built; windowName as ImportMelWindow takes it.
    MelWindowImport importMelWindow(std::string_view script, std::string_view windowName = {});
    FileError onSaveDocument(const QString& path) override;
    QString fileErrorDetail() const override;
    // The window file's text, as saving would write it.
    std::optional<RecoveryText> recoveryText() const override;
    bool restoreRecoveryText(const RecoveryText& text) override;

private:
    // The shell's message log, or one of the document's own when there is none.
    OutputLog& log();
    void showOutput() const;

    const DesignerHost& m_host;
    OutputLog m_scratchLog;
    std::unique_ptr<WindowDocument> m_model;
    DesignHistory m_history;
    std::string m_fileProblem;  // why the last open or save failed, as the reader or writer said
};

} // namespace orv
