// The application object: start-up in a fixed order, the settings, fonts and installation folder
// it owns, the application-level commands, and the writing of the settings at exit.
#pragma once

#include "framework/DocumentModule.h"
#include "framework/SettingsService.h"
#include "settings/AppSettings.h"
#include "settings/RecentFileList.h"
#include "log/OutputLog.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace orv {

class CDocManager;
class CMainFrame;
class DocumentRecovery;
class CSplashDialog;
class Profile;
class Prompts;

class COrvanteApp : public QObject {
    Q_OBJECT

public:
    // The fonts of the application: the settings pages' title, then the designer's two faces.
    enum class AppFont { title, preview, multiLine };

    // prompts answer every question the application and its documents ask.
    COrvanteApp(Profile& profile, Prompts& prompts, QObject* parent = nullptr);
    ~COrvanteApp() override;

    // Runs the start-up steps; false ends the application at once.
    bool InitInstance(const QStringList& arguments);
    // Writes the settings; run after the main frame has closed.
    int ExitInstance();

    // "prm", "InstallDir", the palette check, the fonts, the MEL database, "icmprm".
    bool LoadSettings();
    // "prm" and "icmprm", whole, and the recent file list. False when a write failed.
    bool SaveSettings();

    // Whether the command line leaves the splash screen on.
    static bool splashRequested(const QStringList& arguments);

    // The icon editor options and the installation folder; the record changes only through
    // settingsService().
    AppSettings& settings() { return m_settings; }
    const SettingsRecord& record() const { return m_settings.record; }
    SettingsService& settingsService() { return m_settingsService; }
    const QString& installDir() const { return m_installDir; }
    const QFont& font(AppFont which) const { return m_fonts[static_cast<std::size_t>(which)]; }
    OutputLog& outputLog() { return m_outputLog; }
    CDocManager& docManager() { return *m_docs; }
    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    const RecentFileList& recentFiles() const { return m_recentFiles; }
    // Keeps the unsaved documents in recovery files, and offers those of an earlier run.
    DocumentRecovery& recovery() { return *m_recovery; }

    // Opens a file as a document, as the recent file list and dropped files do.
    void openDocumentFile(const QString& path);
    // Opens a file at a place a message names (line and column from 1).
    void openPlace(const QString& path, int line, int column);
    // The help that ships in the installation folder, in the desktop's viewer.
    void onHelpContents();
    void onAbout();

private:
    void registerTemplates();
    void createFonts();
    void reportMissingDatabase(const std::vector<std::string>& searched);
    void installCommands();
    void showRecentFiles();
    void onFileNew();
    void onSettings();
    void onFileOpen();
    void startRecovery();

    Profile& m_profile;
    Prompts& m_prompts;
    AppSettings m_settings;
    SettingsService m_settingsService;
    QString m_installDir;
    std::array<QFont, 3> m_fonts;
    OutputLog m_outputLog;
    RecentFileList m_recentFiles;
    CDocManager* m_docs;
    // The document kinds, each registering its template, commands, Settings pages and panes.
    std::vector<std::unique_ptr<DocumentModule>> m_modules;
    DocumentRecovery* m_recovery = nullptr;
    std::unique_ptr<CMainFrame> m_mainFrame;
};

} // namespace orv
