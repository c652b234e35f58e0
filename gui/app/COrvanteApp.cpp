// Start-up and exit of the application, and the commands the application object handles.
#include "app/COrvanteApp.h"

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
#include "app/Panes.h"
#include "designer/WindowModule.h"
#include "editor/ScriptModule.h"
#include "framework/ByteText.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CView.h"
#include "framework/DocumentRecovery.h"
#include "framework/Prompts.h"
#include "icon/IconModule.h"
#include "mel/CommandDatabase.h"
#include "project/ProjectModule.h"
#include "settings/InstallFolder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace orv {

namespace {

// The kinds of file the New dialog offers, by the menu (and template) id of their type.
constexpr MenuId kNewFileTypes[] = {MenuId::script, MenuId::window, MenuId::icon, MenuId::project};

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
    createFonts();
    // The document kinds in their fixed order: script, window, project, icon.
    m_modules.push_back(std::make_unique<ScriptModule>(m_settingsService, m_profile, m_prompts, m_outputLog));
    m_modules.push_back(std::make_unique<WindowModule>(m_settingsService, m_profile, m_prompts, m_outputLog, *m_docs,
                                                       font(AppFont::preview), font(AppFont::multiLine)));
    m_modules.push_back(std::make_unique<ProjectModule>());
    m_modules.push_back(std::make_unique<IconModule>(m_settings.iconParams, m_profile, m_prompts));
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
    m_recovery = new DocumentRecovery(*m_docs, recoveryRoot(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")), this);
    // Only the splash switch is read from the command line; a file named there is not opened.
    const bool splash = splashRequested(arguments);

    m_mainFrame = std::make_unique<CMainFrame>(m_settingsService, m_profile, m_outputLog, *m_docs);
    installCommands();
    for (const auto& module : m_modules)
        module->attachToFrame(*m_mainFrame);
    connect(m_mainFrame.get(), &CMainFrame::stateSaving, this, [this] {
        for (const auto& module : m_modules)
            module->saveState(m_profile);
    });
    connect(m_mainFrame.get(), &CMainFrame::closing, this, [this] {
        for (const auto& module : m_modules)
            module->frameClosing();
    });
    // A failure to keep unsaved documents is told where the user looks, once.
    connect(m_recovery, &DocumentRecovery::failed, this, [this](const QString& message) {
        m_outputLog.AppendText(textToUtf8(message) + "\n");
        m_mainFrame->statusBar()->showMessage(message);
    });
    connect(m_mainFrame->outputPane()->edit(), &COutputEdit::placeChosen, this, &COrvanteApp::openPlace);

    LoadSettings();

    m_recentFiles = RecentFileList(std::min<int>(m_settings.record.recentFileCount, shell::kMaxRecentFiles));
    m_recentFiles.load(m_profile);
    showRecentFiles();

    if (splash) {
        auto* dialog = new CSplashDialog(m_mainFrame.get());
        connect(dialog, &CSplashDialog::closed, m_mainFrame.get(), &CMainFrame::InitialShow);
        connect(dialog, &CSplashDialog::closed, this, &COrvanteApp::startRecovery);
        dialog->show();
    } else {
        m_mainFrame->InitialShow();
        startRecovery();
    }
    return true;
}

// Documents left by a run that ended before they were saved are offered once the main window
// shows, over it.
void COrvanteApp::startRecovery()
{
    QTimer::singleShot(0, m_recovery, &DocumentRecovery::offerRestore);
}

void COrvanteApp::registerTemplates()
{
    for (const auto& module : m_modules) {
        const DocumentType& type = module->documentType();
        CDocTemplate::Factories factories = module->factories();
        const QIcon icon(documentIcon(static_cast<MenuId>(type.templateId), 16));
        factories.frame = module->designerFrames() ? frameFactory<CInterfaceEditorChildFrame>(m_settingsService, icon)
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
}

void COrvanteApp::installCommands()
{
    const auto handle = [this](CommandId id, std::function<void()> run) {
        m_docs->commands().setHandler(static_cast<int>(id), {std::move(run), {}});
    };
    handle(CommandId::fileNew, [this] { onFileNew(); });
    handle(CommandId::settings, [this] { onSettings(); });
    handle(CommandId::fileOpen, [this] { onFileOpen(); });
    handle(CommandId::helpContents, [this] { onHelpContents(); });
    for (const auto& [id, address] : {std::pair{CommandId::technicalSupport, shell::kSupportAddress},
                                      std::pair{CommandId::visitWebsite, shell::kWebsiteAddress},
                                      std::pair{CommandId::subscribeNews, shell::kNewsAddress}})
        handle(id, [this, url = QUrl(QString::fromLatin1(address))] { openAddress(m_prompts, url); });
    handle(CommandId::appAbout, [this] { onAbout(); });
    for (const auto& module : m_modules)
        module->installCommands(m_docs->commands());
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
    if (doc && !doc->views().isEmpty())
        doc->views().first()->showPlace(line, column);
}

void COrvanteApp::onFileNew()
{
    // A project is refused, and the dialog comes again until the user picks or cancels.
    for (;;) {
        const std::optional<int> chosen = m_prompts.chooseNewFileType();
        if (!chosen)
            return;
        if (*chosen < 0 || *chosen >= static_cast<int>(std::size(kNewFileTypes)))
            return;
        const int templateId = static_cast<int>(kNewFileTypes[*chosen]);
        const auto module = std::find_if(m_modules.begin(), m_modules.end(), [templateId](const auto& m) {
            return m->documentType().templateId == templateId;
        });
        if (module != m_modules.end() && (*module)->offersNew()) {
            // An icon runs the editor modally and leaves no document; the others open a new one.
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
    std::vector<std::unique_ptr<SettingsPage>> pages;
    for (const auto& module : m_modules)
        for (auto& page : module->settingsPages())
            pages.push_back(std::move(page));
    CSettingsDialog dialog(m_settingsService, m_prompts, font(AppFont::title), std::move(pages), m_mainFrame.get());
    dialog.exec();
}

void COrvanteApp::onFileOpen()
{
    const QString path = m_prompts.chooseFileToOpen(m_docs->lastFolder(), QString::fromLatin1(shell::kOpenFilter));
    if (!path.isEmpty())
        openDocumentFile(path);
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
    // Documents the user neither saved nor discarded (the program told to quit) stay for the next start.
    m_recovery->writeNow();
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
