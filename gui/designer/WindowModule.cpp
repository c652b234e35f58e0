// The window kind's document, view, panes and import.
#include "designer/WindowModule.h"

#include "designer/CInterfaceEditorView.h"
#include "designer/CWindowDoc.h"
#include "designer/DesignerPanes.h"
#include "designer/ImportTexts.h"
#include "designer/MelExportPage.h"
#include "designer/UiEditorPage.h"
#include "designer/WindowDocumentType.h"
#include "files/FileReader.h"
#include "framework/ByteText.h"
#include "framework/CDocManager.h"
#include "framework/CommandRegistry.h"
#include "framework/FrameServices.h"
#include "framework/Prompts.h"
#include "framework/SettingsService.h"
#include "uimodel/WindowFile.h"

namespace orv {

WindowModule::WindowModule(SettingsService& settings, Profile& profile, Prompts& prompts, OutputLog& log,
                           CDocManager& docs, const QFont& previewFont, const QFont& multiLineFont)
    : m_settings(settings), m_profile(profile), m_prompts(prompts), m_log(log), m_docs(docs),
      m_context(settings.record())
{
    m_host.record = &settings.record();
    m_host.profile = &profile;
    m_host.context = &m_context;
    m_host.log = &log;
    m_host.previewFont = previewFont;
    m_host.multiLineFont = multiLineFont;
}

const DocumentType& WindowModule::documentType() const
{
    return kWindowDocumentType;
}

CDocTemplate::Factories WindowModule::factories()
{
    CDocTemplate::Factories factories;
    factories.document = [this](QObject* parent) -> CDocument* { return new CWindowDoc(m_host, parent); };
    factories.view = [](CDocument* doc) -> CView* { return new CInterfaceEditorView(static_cast<CWindowDoc*>(doc)); };
    return factories;
}

void WindowModule::installCommands(CommandRegistry& commands)
{
    commands.setHandler(commandValue(CommandId::fileImportMelWindow), {[this] { importMelWindow(); }, {}});
}

std::vector<std::unique_ptr<SettingsPage>> WindowModule::settingsPages()
{
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<UiEditorPage>());
    pages.push_back(std::make_unique<MelExportPage>(m_profile));
    return pages;
}

void WindowModule::attachToFrame(FrameServices& frame)
{
    m_panes = new DesignerPanes(frame, m_settings, m_profile, m_docs, m_host);
}

void WindowModule::saveState(Profile& profile) const
{
    if (m_panes)
        m_panes->saveState(profile);
}

void WindowModule::frameClosing()
{
    if (m_panes)
        m_panes->frameClosing();
}

void WindowModule::importMelWindow()
{
    const QString path = m_prompts.chooseFileToOpen(m_docs.lastFolder(), QString::fromLatin1(import_texts::kFilter));
    if (path.isEmpty())
        return;
    const std::string file = pathToBytes(path);
    std::string error;
    const std::optional<std::string> script = readWholeFile(file, kMaxWindowFileBytes, error);
    if (!script) {
        m_prompts.showError(pathFromBytes(error));
        return;
    }
    CDocTemplate* windows = nullptr;
    for (CDocTemplate* docTemplate : m_docs.templates())
        if (docTemplate->resourceId() == kWindowDocumentType.templateId)
            windows = docTemplate;
    if (!windows)
        return;
    // The log and the import's texts are UTF-8, as is the path on Linux; all go in one arg()
    // so that a "%1" in a name or a path stays as it is.
    const auto logged = [this](const char* format, const auto&... values) {
        m_log.AppendText(textToUtf8(QString::fromLatin1(format).arg(textFromUtf8(values)...)));
    };
    MelWindowImport import;
    windows->newDocument([&import, &script](CDocument& doc) {
        import = static_cast<CWindowDoc&>(doc).importMelWindow(*script);
        if (import.built)
            doc.setModifiedFlag(true);
        return import.built;
    });
    logged(import_texts::kImporting, file);
    if (!import.built) {
        logged(import_texts::kFailed, file, import.problem + "\n");
        if (m_panes)
            m_panes->showOutput();
        m_prompts.showError(QString::fromLatin1(import_texts::kFailed).arg(path, textFromUtf8(import.problem)));
        return;
    }
    for (const MelDiagnostic& d : import.warnings)
        logged(import_texts::kWarning, file, std::to_string(d.line), std::to_string(d.column), d.text);
    logged(import_texts::kImported, std::to_string(import.warnings.size()));
    if (m_panes)
        m_panes->showOutput();
}

} // namespace orv
