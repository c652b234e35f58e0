// The MEL view: its text view shows the document's buffer and answers the commands.
#include "editor/CMELEditorView.h"

#include "editor/CScriptDoc.h"
#include "editor/EditorCommands.h"
#include "editor/MayaCommandPort.h"
#include "editor/SearchDialogs.h"
#include "editor/TextPrinting.h"
#include "framework/ByteText.h"
#include "framework/Prompts.h"
#include "settings/CommandPortAddress.h"
#include "settings/SettingsRecord.h"
#include "text/LineCharacters.h"
#include "uimodel/OutputLog.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>

#include <algorithm>

namespace orv {

namespace {

// Printing uses the printer's own paper and orientation: the page setup edits the margins
// only, so the paper and orientation boxes are shown disabled.
void offerMarginsOnly(QPageSetupDialog& dialog)
{
    for (const char* name : {"pageSizeCombo", "portrait"})
        if (auto* box = dialog.findChild<QWidget*>(QString::fromLatin1(name)); box && box->parentWidget())
            box->parentWidget()->setEnabled(false);
}

} // namespace

CMELEditorView::CMELEditorView(CScriptDoc* document, const SettingsRecord& settings, Profile& profile, Prompts& prompts,
                               OutputLog* log, QWidget* parent)
    : CView(document, parent), m_text(new MelTextView(settings, this)), m_profile(profile), m_prompts(prompts),
      m_log(log), m_port(new MayaCommandPort(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    setFocusProxy(m_text);
    // Cut, Copy, Undo and the others follow the selection and the text.
    connect(m_text, &CTextView::stateChanged, this, [this] {
        emit indicatorsChanged();
        requestCommandUpdate();
        updateStatusHint();
    });
    connect(m_text, &MelTextView::sendRequested, this, &CMELEditorView::sendToMaya);
    connect(m_port, &MayaCommandPort::finished, this, &CMELEditorView::say);
    connect(m_text, &CTextEditView::findRequested, this, [this] {
        CFindDialog dialog(*m_text, m_profile, m_prompts, this);
        dialog.exec();
    });
    connect(m_text, &CTextView::searchFailed, this, [this](const QString& message) { m_prompts.showMessage(message); });
    connect(m_text, &CTextEditView::replaceRequested, this, [this] {
        CReplaceDialog dialog(*m_text, m_profile, m_prompts, this);
        dialog.exec();
    });
}

CScriptDoc* CMELEditorView::scriptDoc() const
{
    return static_cast<CScriptDoc*>(document());
}

void CMELEditorView::onInitialUpdate()
{
    CView::onInitialUpdate();
    if (CScriptDoc* doc = scriptDoc()) {
        m_text->ShowBuffer(&doc->buffer(), &doc->lineStates(m_text->settings()));
        m_text->SetViewFont(doc->font());
    }
}

namespace {

bool isPrintCommand(int id)
{
    using namespace editor_command;
    return id == kPageSetup || id == kPrint || id == kPrintDirect || id == kPrintPreview;
}

} // namespace

bool CMELEditorView::onUpdateCommand(int id, CommandState& state) const
{
    // The text view answers whether it runs a command now; one it does not run now is left to
    // the others asked, who disable it unless they handle it.
    if (!isPrintCommand(id) && !m_text->onCommand(id, false))
        return false;
    state.enabled = true;
    return true;
}

void CMELEditorView::onCommand(int id)
{
    if (isPrintCommand(id))
        runPrintCommand(id);
    else
        m_text->onCommand(id, true);
}

void CMELEditorView::onSettingsChanged(SettingsChanges what)
{
    // Only the active view takes a new tab size at once; the others keep theirs until they
    // are reset (their script opened again).
    if ((what & SettingsChange::tabSize) && isActiveView())
        m_text->setTabSize(m_text->settings().tabSize());
    if (what & (SettingsChange::colours | SettingsChange::syntaxColoring))
        m_text->viewport()->repaint();
}

int CMELEditorView::printOn(QPrinter& printer)
{
    return printText(m_text->buffer() ? *m_text->buffer() : scriptDoc()->buffer(), m_text->model().tabSize(),
                     m_text->viewFont(), readPageMargins(m_profile), printer);
}

void CMELEditorView::runPrintCommand(int id)
{
    using namespace editor_command;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document() ? document()->title() : QString());
    // A desktop without printers prints to a PDF file the user names.
    const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
    if (id == kPageSetup) {
        const PageMargins margins = readPageMargins(m_profile);
        printer.setPageMargins(QMarginsF(margins.left / 100.0, margins.top / 100.0, margins.right / 100.0,
                                         margins.bottom / 100.0),
                               QPageLayout::Millimeter);
        QPageSetupDialog dialog(&printer, this);
        offerMarginsOnly(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
        writePageMargins(m_profile, {static_cast<int>(chosen.left() * 100 + 0.5), static_cast<int>(chosen.right() * 100 + 0.5),
                                     static_cast<int>(chosen.top() * 100 + 0.5), static_cast<int>(chosen.bottom() * 100 + 0.5)});
        return;
    }
    if (id == kPrintPreview) {
        QPrintPreviewDialog preview(&printer, this);
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { printOn(*target); });
        preview.exec();
        return;
    }
    if (id == kPrint || noPrinter) {
        if (noPrinter) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfFileName());
        }
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    printOn(printer);
}

QString CMELEditorView::pdfFileName() const
{
    // Beside the script, under its name; a script never saved goes to the home folder.
    const QString path = document() ? document()->pathName() : QString();
    const QString title = document() ? document()->title() : QString();
    const QFileInfo script(path);
    const QDir folder = path.isEmpty() ? QDir::home() : script.absoluteDir();
    return folder.filePath((path.isEmpty() ? title : script.completeBaseName()) + QStringLiteral(".pdf"));
}

void CMELEditorView::updateStatusHint()
{
    const DiagnosticMark* mark = m_text->buffer() ? m_text->diagnosticMarks().atCursor(m_text->model().cursor()) : nullptr;
    const QString hint = mark ? QString::fromLatin1(mark->text) : QString();
    if (hint == m_hint)
        return;
    m_hint = hint;
    emit statusHintChanged(m_hint);
}

void CMELEditorView::say(const QString& line)
{
    if (!m_log)
        return;
    m_log->AppendText(textToUtf8(line) + "\n");
    emit outputWritten();
}

void CMELEditorView::showPlace(int line, int column)
{
    const CTextBuffer* buffer = m_text->buffer();
    if (!buffer)
        return;
    // A message about an older state of the file may name a place past its end now.
    const int row = std::clamp(line - 1, 0, buffer->LineCount() - 1);
    const std::string_view text = buffer->LineText(row);
    const int ch = charStartAt(text, std::clamp(column - 1, 0, static_cast<int>(text.size())), buffer->Encoding());
    m_text->model().setCursor(TextPos{ch, row});
    m_text->afterCursorMove();
    m_text->setFocus();
}

void CMELEditorView::sendToMaya()
{
    const CTextBuffer* buffer = m_text->buffer();
    if (!buffer)
        return;
    const TextViewModel& model = m_text->model();
    const TextRange range = model.hasSelection()
                                ? model.selection()
                                : TextRange{{0, 0}, {buffer->LineLength(buffer->LineCount() - 1), buffer->LineCount() - 1}};
    // Maya reads the script as UTF-8, whatever the encoding of its file.
    std::string script = EncodingToUtf8(buffer->CopyRange(range.start, range.end, "\n"), buffer->Encoding());
    if (script.find_first_not_of(" \t\r\n") == std::string::npos) {
        say(QStringLiteral("Send to Maya: there is nothing to send."));
        return;
    }
    if (script.back() != '\n')
        script += '\n';
    if (!m_port->send(readCommandPortAddress(m_profile), QByteArray::fromStdString(script)))
        say(QStringLiteral("Send to Maya: still waiting for the answer to the script sent before."));
}

QString CMELEditorView::indicatorText(int id) const
{
    return m_text->indicatorText(id);
}

QString CMELEditorView::menuText(int id) const
{
    if (id == editor_command::kUndo)
        return m_text->undoMenuText();
    if (id == editor_command::kRedo)
        return m_text->redoMenuText();
    return {};
}

} // namespace orv
