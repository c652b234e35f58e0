// Start-up finds its data from the executable's folder wherever it is started, and says once
// when there is no database.
#include "AppTestSupport.h"
#include "GuiTestMain.h"

#include "app/AppIds.h"
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"

#include <QStatusBar>
#include <QTemporaryDir>

using namespace orv;
using orv::test::AppRun;

class InstallFolderTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startedFromAnotherFolderFindsTheDataBesideTheExecutable();
    void noDatabaseIsSaidOnceInTheOutputPaneAndTheStatusBar();

private:
    std::unique_ptr<MemoryProfile> m_profile;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldCurrent;
};

void InstallFolderTest::init()
{
    m_profile = std::make_unique<MemoryProfile>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_oldCurrent = QDir::currentPath();
    // A folder without a Database, as a terminal's home folder would be.
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void InstallFolderTest::cleanup()
{
    QDir::setCurrent(m_oldCurrent);
    m_profile.reset();
    m_dir.reset();
}

void InstallFolderTest::startedFromAnotherFolderFindsTheDataBesideTheExecutable()
{
    // Nothing stored: "InstallDir" is "./", the executable's folder (the build's bin folder,
    // which holds a copy of Database and Help), not the current one.
    AppRun run(*m_profile);
    QVERIFY(run.started());
    QVERIFY(IsMelCommandWord("showWindow", 10));
    QVERIFY(GetCommandFlagRecord(FindMelCommand("button")).pairCount > 0);
    QCOMPARE(run.app().installDir(), QCoreApplication::applicationDirPath());
    QVERIFY(QFileInfo::exists(run.app().installDir() + QString::fromLatin1(shell::kHelpFile)));
    QCOMPARE(run.app().outputLog().text(), std::string());
    QCOMPARE(run.frame()->statusBar()->currentMessage(), QString::fromLatin1(shell::kReadyText));
}

void InstallFolderTest::noDatabaseIsSaidOnceInTheOutputPaneAndTheStatusBar()
{
    // An absolute "InstallDir" is the user's own choice: kept, with no other folder tried.
    m_profile->writeString("Settings", "InstallDir", m_dir->path().toStdString());
    AppRun run(*m_profile);
    QVERIFY(run.started());
    QVERIFY(!IsMelCommandWord("showWindow", 10));
    const QString notice =
        QString::fromLatin1(shell::kDatabaseMissing).arg(QDir(m_dir->path()).filePath(QStringLiteral("Database")));
    QCOMPARE(QString::fromStdString(run.app().outputLog().text()), notice + QStringLiteral("\r\n"));
    QCOMPARE(run.frame()->statusBar()->currentMessage(), notice);
}

ORVANTE_GUI_TEST_MAIN(InstallFolderTest)
#include "install_folder_test.moc"
