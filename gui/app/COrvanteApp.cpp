// Start-up and exit of the application, and the commands the application object handles.
#include "app/COrvanteApp.h"

#include "mel/CommandDatabase.h"

#include "app/AppIds.h"
#include "app/AppLogo.h"
#include "app/CAboutDialog.h"
#include "app/CChildFrame.h"
#include "app/CInterfaceEditorChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CSplashDialog.h"
#include "app/CToolsDialog.h"
#include "app/DocumentIcons.h"
#include "app/PlaceholderDocument.h"
#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "app/PlaceholderView.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>

namespace orv {

namespace {

// The document types in their fixed order: script, window, project, icon.
struct DocumentType {
    MenuId id;
    const char* resourceString;
    bool designerFrame;
};

constexpr DocumentType kTemplates[] = {
    {MenuId::script,
     "\nScript\nScript\nORVANTE Script Files (*.mel)\n.mel\nORVANTE.Script\nORVANTE Script", false},
    {MenuId::window,
     "\nWindow\nWindow\nORVANTE Window Files (*.wnd)\n.wnd\nORVANTE.Window\nORVANTE Window", true},
    {MenuId::project,
     "\nProject\nProject\nORVANTE Project Files (*.mp)\n.mp\nORVANTE.Project\nORVANTE Project", false},
    {MenuId::icon, "\nIcon\nIcon\nORVANTE Icon Files (*.icm)\n.icm\nORVANTE.Icon\nORVANTE Icon", false},
};

constexpr const char* kOpenFilter = "ORVANTE files (*.mel *.wnd *.icm *.mp);;All files (*)";

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
std::function<CMDIChildWnd*()> frameFactory(SettingsRecord& record, const QIcon& icon)
{
    return [&record, icon]() -> CMDIChildWnd* {
        auto* frame = new Frame(record);
        frame->setWindowIcon(icon);
        return frame;
    };
}

// Opens an address with the desktop's viewer; a desktop without one is said so, with the
// address, so the user can open it by hand.
void openAddress(QWidget* parent, const QUrl& url)
{
    if (!QDesktopServices::openUrl(url))
        QMessageBox::warning(parent, QString::fromLatin1(shell::kAppName),
                             QString::fromLatin1(shell::kNoViewer).arg(url.toDisplayString()));
}

} // namespace

COrvanteApp::COrvanteApp(Profile& profile, QObject* parent)
    : QObject(parent), m_profile(profile), m_docs(new CDocManager(this))
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

    m_mainFrame = std::make_unique<CMainFrame>(m_settings.record, m_profile, m_outputLog, *m_docs);
    installCommands();

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
    for (const DocumentType& type : kTemplates) {
        CDocTemplate::Factories factories;
        factories.document = [](QObject* parent) -> CDocument* { return new PlaceholderDocument(parent); };
        const QIcon icon(documentIcon(type.id, 16));
        factories.frame = type.designerFrame ? frameFactory<CInterfaceEditorChildFrame>(m_settings.record, icon)
                                             : frameFactory<CChildFrame>(m_settings.record, icon);
        factories.view = [](CDocument* doc) -> CView* {
            return new PlaceholderView(doc, doc->docTemplate()->docString(CDocTemplate::DocString::regFileTypeName));
        };
        if (type.id == MenuId::script) {
            factories.document = [](QObject* parent) -> CDocument* { return new CScriptDoc(parent); };
            factories.view = [this](CDocument* doc) -> CView* {
                return new CMELEditorView(static_cast<CScriptDoc*>(doc), m_settings.record, m_profile);
            };
        }
        new CDocTemplate(static_cast<int>(type.id), QString::fromLatin1(type.resourceString), std::move(factories),
                         m_docs);
    }
}

bool COrvanteApp::LoadSettings()
{
    // "prm" (defaults unless 116 bytes with marker 64), "InstallDir" (default "./") and "icmprm".
    m_settings.load(m_profile);
    m_installDir = QString::fromLatin1(m_settings.installDir.data(), static_cast<qsizetype>(m_settings.installDir.size()));
    if (m_mainFrame)
        m_mainFrame->toolsPalette()->setGridChecked(m_settings.record.designerGrid());
    createFonts();
    // "Database/MEL Commands.txt" and "Database/melcmd.dat" below the installation folder;
    // start-up goes on whatever they report (a missing file means no colouring or no flags).
    LoadMelDatabases(m_settings.installDir);
    return true;
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
    CMainFrame* frame = m_mainFrame.get();
    frame->setCommandHandler(CommandId::fileNew, [this] { m_docs->onFileNew(); });
    frame->setCommandHandler(CommandId::fileOpen, [this] { onFileOpen(); });
    frame->setCommandHandler(CommandId::helpContents, [this] { onHelpContents(); });
    for (const auto& [id, address] : {std::pair{CommandId::technicalSupport, shell::kSupportAddress},
                                      std::pair{CommandId::visitWebsite, shell::kWebsiteAddress},
                                      std::pair{CommandId::subscribeNews, shell::kNewsAddress}})
        frame->setCommandHandler(id, [frame, url = QUrl(QString::fromLatin1(address))] { openAddress(frame, url); });
    frame->setCommandHandler(CommandId::appAbout, [this] { onAbout(); });
    connect(frame, &CMainFrame::recentFileChosen, this, &COrvanteApp::openDocumentFile);
    connect(m_docs, &CDocManager::fileUsed, this, [this](const QString& path) {
        m_recentFiles.add(path.toLatin1().toStdString());
        showRecentFiles();
    });
    connect(m_docs, &CDocManager::fileFailed, this, [this](const QString& path) {
        m_recentFiles.remove(path.toLatin1().toStdString());
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

void COrvanteApp::onFileOpen()
{
    const QString path = QFileDialog::getOpenFileName(m_mainFrame.get(), QString(), m_docs->lastFolder(),
                                                      QString::fromLatin1(kOpenFilter));
    if (!path.isEmpty())
        openDocumentFile(path);
}

void COrvanteApp::onHelpContents()
{
    const QString help = QFileInfo(m_installDir + QString::fromLatin1(shell::kHelpFile)).absoluteFilePath();
    if (!QFileInfo::exists(help)) {
        QMessageBox::warning(m_mainFrame.get(), QString::fromLatin1(shell::kAppName),
                             QString::fromLatin1(shell::kHelpMissing).arg(help));
        return;
    }
    openAddress(m_mainFrame.get(), QUrl::fromLocalFile(help));
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
