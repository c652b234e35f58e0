// Start-up and exit of the application, and the commands the application object handles.
#include "app/COrvanteApp.h"

#include "mel/CommandDatabase.h"
#include "settings/InstallFolder.h"

#include "designer/WindowDocumentType.h"
#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "editor/ScriptDocumentType.h"
#include "icon/IconDocumentType.h"
#include "project/ProjectDocumentType.h"

#include "app/AppIds.h"
#include "app/AppLogo.h"
#include "app/CAboutDialog.h"
#include "app/CChildFrame.h"
#include "app/CInterfaceEditorChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CNewFileDialog.h"
#include "app/COutputEdit.h"
#include "app/CSettingsDialog.h"
#include "app/CSplashDialog.h"
#include "app/DocumentIcons.h"
#include "app/NewIcon.h"
#include "app/Panes.h"
#include "app/PlaceholderDocument.h"
#include "app/PlaceholderView.h"
#include "designer/CInterfaceEditorView.h"
#include "designer/CWindowDoc.h"
#include "designer/DesignerPanes.h"
#include "files/FileReader.h"
#include "framework/ByteText.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/Prompts.h"
#include "project/CProjectDoc.h"
#include "project/CProjectView.h"
#include "uimodel/WindowFile.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QStatusBar>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace orv {

namespace {

// The document types of the modules in their fixed order: script, window, project, icon.
struct TemplateChoice {
    const DocumentType& type;
    bool designerFrame;
};

constexpr TemplateChoice kTemplates[] = {
    {kScriptDocumentType, false},
    {kWindowDocumentType, true},
    {kProjectDocumentType, false},
    {kIconDocumentType, false},
};



QFont makeFont(const QStringList& families, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Document windows of one type, each showing the type's picture.
template <typename Frame>
std::function<CMDIChildWnd*()> frameFactory(SettingsService& settings, const QIcon& icon)
{
    return [&settings, icon]() -> CMDIChildWnd* {
        auto* frame = new Frame(settings);
        frame->setWindowIcon(icon);
        return frame;
    };
}

// Opens an address with the desktop's viewer; a desktop without one is said so, with the
// address, so the user can open it by hand.
void openAddress(Prompts& prompts, const QUrl& url)
{
    if (!QDesktopServices::openUrl(url))
        prompts.showError(QString::fromLatin1(shell::kNoViewer).arg(url.toDisplayString()));
}

} // namespace

COrvanteApp::COrvanteApp(Profile& profile, Prompts& prompts, QObject* parent)
    : QObject(parent),
      m_profile(profile),
      m_prompts(prompts),
      m_settingsService(m_settings.record),
      m_docs(new CDocManager(prompts, m_settingsService, this))
{
}

// The frame goes first: its views hand their documents back to the templates.
COrvanteApp::~COrvanteApp() = default;

bool COrvanteApp::splashRequested(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1))
        for (const char* noSplash : shell::kNoSplashSwitches)
            if (argument.compare(QLatin1String(noSplash), Qt::CaseInsensitive) == 0)
                return false;
    return true;
}

bool COrvanteApp::InitInstance(const QStringList& arguments)
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(shell::kCompanyName));
    QCoreApplication::setApplicationName(QString::fromLatin1(shell::kAppName));
    QApplication::setWindowIcon(QIcon(appLogo(32)));

    registerTemplates();
    // Only the splash switch is read from the command line; a file named there is not opened.
    const bool splash = splashRequested(arguments);

    m_mainFrame = std::make_unique<CMainFrame>(m_settingsService, m_profile, m_outputLog, *m_docs);
    installCommands();
    m_designerHost.record = &m_settingsService.record();
    m_designerHost.context = &m_uiContext;
    m_designerHost.log = &m_outputLog;
    m_designerHost.profile = &m_profile;
    auto* designerPanes = new DesignerPanes(*m_mainFrame, m_settingsService, m_profile, *m_docs, m_designerHost);
    connect(m_mainFrame.get(), &CMainFrame::stateSaving, designerPanes,
            [this, designerPanes] { designerPanes->saveState(m_profile); });
    connect(m_mainFrame.get(), &CMainFrame::closing, designerPanes, &DesignerPanes::frameClosing);
    connect(m_mainFrame->outputPane()->edit(), &COutputEdit::placeChosen, this, &COrvanteApp::openPlace);

    LoadSettings();

    m_recentFiles = RecentFileList(std::min<int>(m_settings.record.recentFileCount, shell::kMaxRecentFiles));
    m_recentFiles.load(m_profile);
    showRecentFiles();

    if (splash) {
        auto* dialog = new CSplashDialog(m_mainFrame.get());
        connect(dialog, &CSplashDialog::closed, m_mainFrame.get(), &CMainFrame::InitialShow);
        dialog->show();
    } else {
        m_mainFrame->InitialShow();
    }
    return true;
}

void COrvanteApp::registerTemplates()
{
    for (const TemplateChoice& choice : kTemplates) {
        const DocumentType& type = choice.type;
        CDocTemplate::Factories factories;
        factories.document = [](QObject* parent) -> CDocument* { return new PlaceholderDocument(parent); };
        if (&type == &kWindowDocumentType) {
            factories.document = [this](QObject* parent) -> CDocument* { return new CWindowDoc(m_designerHost, parent); };
        }
        factories.view = [](CDocument* doc) -> CView* {
            if (auto* windowDoc = qobject_cast<CWindowDoc*>(doc))
                return new CInterfaceEditorView(windowDoc);
            return new PlaceholderView(doc, doc->docTemplate()->docString(CDocTemplate::DocString::regFileTypeName));
        };
        // The editor's own document and view.
        if (type.templateId == kScriptDocumentType.templateId) {
            factories.document = [](QObject* parent) -> CDocument* { return new CScriptDoc(parent); };
            factories.view = [this](CDocument* doc) -> CView* {
                auto* view = new CMELEditorView(static_cast<CScriptDoc*>(doc), m_settingsService.record(), m_profile,
                                                m_prompts, &m_outputLog);
                // The finding under the cursor is told where the menus' prompts are.
                connect(view, &CMELEditorView::statusHintChanged, m_mainFrame.get(),
                        [this](const QString& hint) { m_mainFrame->statusBar()->showMessage(hint); });
                connect(view, &CMELEditorView::outputWritten, m_mainFrame.get(), [this] {
                    if (m_mainFrame->outputPane()->isHidden())
                        m_mainFrame->togglePane(PaneId::output);
                });
                return view;
            };
        }
        // The icon module's own document, view and New.
        if (type.templateId == kIconDocumentType.templateId)
            setIconFactories(factories, m_settings.iconParams, m_profile, m_prompts);
        // A project has its own empty document and a view that names it; never the designer's.
        if (type.templateId == kProjectDocumentType.templateId) {
            factories.document = [](QObject* parent) -> CDocument* { return new CProjectDoc(parent); };
            factories.view = [](CDocument* doc) -> CView* { return new CProjectView(doc); };
        }
        const QIcon icon(documentIcon(static_cast<MenuId>(type.templateId), 16));
        factories.frame = choice.designerFrame ? frameFactory<CInterfaceEditorChildFrame>(m_settingsService, icon)
                                               : frameFactory<CChildFrame>(m_settingsService, icon);
        new CDocTemplate(type.templateId, QString::fromLatin1(type.resourceString), std::move(factories), m_docs);
    }
}

bool COrvanteApp::LoadSettings()
{
    // "prm" (defaults unless 116 bytes with marker 64), "InstallDir" (default "./") and "icmprm".
    AppSettings loaded;
    loaded.load(m_profile);
    m_settings.iconParams = loaded.iconParams;
    m_settings.installDir = loaded.installDir;
    m_settingsService.apply(loaded.record);
    // The stored value stays as it is; a relative one is read from the executable's folder,
    // so the program started from a menu or another folder still finds its data.
    const InstallFolder folder =
        findInstallFolder(m_settings.installDir, pathToBytes(QCoreApplication::applicationDirPath()));
    m_installDir = pathFromBytes(folder.path);
    createFonts();
    // "Database/MEL Commands.txt" and "Database/melcmd.dat" below the installation folder;
    // start-up goes on whatever they report (a missing file means no colouring or no flags).
    const MelDatabaseLoad load = LoadMelDatabases(folder.path);
    if (load.words == LoadResult::cannotOpen || load.records == LoadResult::cannotOpen)
        reportMissingDatabase(folder.searched);
    return true;
}

// Said once, where the user looks (the Output pane, the status bar) and on the error stream,
// which a desktop session keeps in its log.
void COrvanteApp::reportMissingDatabase(const std::vector<std::string>& searched)
{
    QStringList folders;
    for (const std::string& folder : searched)
        folders << pathFromBytes(folder);
    const QString notice = QString::fromLatin1(shell::kDatabaseMissing).arg(folders.join(QStringLiteral(" or ")));
    m_outputLog.AppendText(textToUtf8(notice) + "\n");
    m_mainFrame->statusBar()->showMessage(notice);
    std::fprintf(stderr, "orvante: %s\n", QFile::encodeName(notice).constData());
}

void COrvanteApp::createFonts()
{
    m_fonts[static_cast<std::size_t>(AppFont::title)] =
        makeFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 16, true);
    m_fonts[static_cast<std::size_t>(AppFont::preview)] = makeFont(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 12, false);
    m_fonts[static_cast<std::size_t>(AppFont::multiLine)] = makeFont(
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}, 11,
        false);
    m_designerHost.previewFont = m_fonts[static_cast<std::size_t>(AppFont::preview)];
    m_designerHost.multiLineFont = m_fonts[static_cast<std::size_t>(AppFont::multiLine)];
}

void COrvanteApp::installCommands()
{
    const auto handle = [this](CommandId id, std::function<void()> run) {
        m_docs->commands().setHandler(static_cast<int>(id), {std::move(run), {}});
    };
    handle(CommandId::fileNew, [this] { onFileNew(); });
    handle(CommandId::settings, [this] { onSettings(); });
    handle(CommandId::fileOpen, [this] { onFileOpen(); });
    handle(CommandId::fileImportMelWindow, [this] { onImportMelWindow(); });
    handle(CommandId::helpContents, [this] { onHelpContents(); });
    for (const auto& [id, address] : {std::pair{CommandId::technicalSupport, shell::kSupportAddress},
                                      std::pair{CommandId::visitWebsite, shell::kWebsiteAddress},
                                      std::pair{CommandId::subscribeNews, shell::kNewsAddress}})
        handle(id, [this, url = QUrl(QString::fromLatin1(address))] { openAddress(m_prompts, url); });
    handle(CommandId::appAbout, [this] { onAbout(); });
    connect(m_mainFrame.get(), &CMainFrame::recentFileChosen, this, &COrvanteApp::openDocumentFile);
    connect(m_docs, &CDocManager::fileUsed, this, [this](const QString& path) {
        m_recentFiles.add(pathToBytes(path));
        showRecentFiles();
    });
    connect(m_docs, &CDocManager::fileFailed, this, [this](const QString& path) {
        m_recentFiles.remove(pathToBytes(path));
        showRecentFiles();
    });
}

void COrvanteApp::showRecentFiles()
{
    m_mainFrame->setRecentFiles(m_recentFiles.entries());
}

void COrvanteApp::openDocumentFile(const QString& path)
{
    m_docs->openDocumentFile(path);
}

void COrvanteApp::openPlace(const QString& path, int line, int column)
{
    // A script opens (or comes to the front) at the place; another kind of file just opens.
    CDocument* doc = m_docs->openDocumentFile(path);
    if (!doc || doc->views().isEmpty())
        return;
    if (auto* editor = qobject_cast<CMELEditorView*>(doc->views().first()))
        editor->showPlace(line, column);
}

void COrvanteApp::onFileNew()
{
    // A project is refused, and the dialog comes again until the user picks or cancels.
    for (;;) {
        const std::optional<int> chosen = m_prompts.chooseNewFileType();
        if (!chosen)
            return;
        const auto kind = static_cast<NewFileKind>(*chosen);
        if (kind != NewFileKind::project) {
            // An icon runs the editor modally and leaves no document; the others open a new one.
            const int templateId = kind == NewFileKind::script   ? kScriptDocumentType.templateId
                                   : kind == NewFileKind::window ? kWindowDocumentType.templateId
                                                                 : kIconDocumentType.templateId;
            for (CDocTemplate* docTemplate : m_docs->templates())
                if (docTemplate->resourceId() == templateId)
                    docTemplate->onFileNew();
            return;
        }
        m_prompts.showMessage(QString::fromLatin1(shell::kNotYetAvailable));
    }
}

void COrvanteApp::onSettings()
{
    CSettingsDialog dialog(m_settingsService, m_prompts, font(AppFont::title), m_mainFrame.get());
    dialog.addCommandPort(m_profile);
    dialog.addElementNamesOption(m_profile);
    dialog.exec();
}

void COrvanteApp::onFileOpen()
{
    const QString path = m_prompts.chooseFileToOpen(m_docs->lastFolder(), QString::fromLatin1(shell::kOpenFilter));
    if (!path.isEmpty())
        openDocumentFile(path);
}

// The window of a script becomes a new untitled window document; what the import skipped
// goes to the Output pane, one compiler-style line each.
void COrvanteApp::onImportMelWindow()
{
    const QString path = m_prompts.chooseFileToOpen(m_docs->lastFolder(), QString::fromLatin1(shell::kImportFilter));
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
    for (CDocTemplate* docTemplate : m_docs->templates())
        if (docTemplate->resourceId() == kWindowDocumentType.templateId)
            windows = docTemplate;
    if (!windows)
        return;
    // The log and the import's texts are UTF-8, as is the path on Linux; all go in one arg()
    // so that a "%1" in a name or a path stays as it is.
    const auto logged = [this](const char* format, const auto&... values) {
        m_outputLog.AppendText(textToUtf8(QString::fromLatin1(format).arg(textFromUtf8(values)...)));
    };
    MelWindowImport import;
    windows->newDocument([&import, &script](CDocument& doc) {
        import = static_cast<CWindowDoc&>(doc).importMelWindow(*script);
        if (import.built)
            doc.setModifiedFlag(true);
        return import.built;
    });
    logged(shell::kImporting, file);
    if (!import.built) {
        logged(shell::kImportFailed, file, import.problem + "\n");
        m_designerHost.panes->showOutput();
        m_prompts.showError(QString::fromLatin1(shell::kImportFailed).arg(path, textFromUtf8(import.problem)));
        return;
    }
    for (const MelDiagnostic& d : import.warnings)
        logged(shell::kImportWarning, file, std::to_string(d.line), std::to_string(d.column), d.text);
    logged(shell::kImported, std::to_string(import.warnings.size()));
    m_designerHost.panes->showOutput();
}

void COrvanteApp::onHelpContents()
{
    const QString help = QFileInfo(m_installDir + QString::fromLatin1(shell::kHelpFile)).absoluteFilePath();
    if (!QFileInfo::exists(help)) {
        m_prompts.showError(QString::fromLatin1(shell::kHelpMissing).arg(help));
        return;
    }
    openAddress(m_prompts, QUrl::fromLocalFile(help));
}

void COrvanteApp::onAbout()
{
    CAboutDialog about(m_mainFrame.get());
    about.exec();
}

int COrvanteApp::ExitInstance()
{
    if (m_mainFrame)
        m_mainFrame->saveFrameState();
    SaveSettings();
    return 0;
}

bool COrvanteApp::SaveSettings()
{
    FreeMelCommandWords();
    const bool saved = m_settings.save(m_profile);
    m_recentFiles.save(m_profile);
    return saved;
}

} // namespace orv
