// The application shell as the user meets it: start-up switches, panes and their toolbar buttons,
// placements kept across runs, document windows, menus and accelerators, files opened, help.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "TestFiles.h"

#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"

#include "app/CAboutDialog.h"
#include "app/CChildFrame.h"
#include "app/CLinkLabel.h"
#include "app/COutputEdit.h"
#include "app/CSplashDialog.h"
#include "app/CommandTable.h"
#include "app/Panes.h"
#include "designer/CControlsFlagsDialog.h"
#include "designer/CInterfaceEditorView.h"
#include "designer/CNavigatorTreeCtrl.h"
#include "designer/CToolsDialog.h"
#include "designer/CWindowDoc.h"
#include "designmodel/FormFit.h"
#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "settings/BarSizes.h"
#include "settings/RecentFileList.h"
#include "settings/WindowPlacement.h"
#include "uimodel/WindowFile.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QMdiSubWindow>
#include <QScreen>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

using namespace orv;
using orv::test::AppRun;
using orv::test::flagsGrid;
using orv::test::toolsPalette;

namespace {

// Takes the place of the desktop for web, mail and file addresses.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher()
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }

private:
    static constexpr const char* kSchemes[] = {"file", "http", "https", "mailto"};
};

void writeRecord(Profile& profile, const SettingsRecord& record)
{
    const auto bytes = record.serialize();
    profile.writeBinary("Settings", "prm", Bytes(bytes.begin(), bytes.end()));
}

SettingsRecord storedRecord(const Profile& profile)
{
    const auto blob = profile.readBinary("Settings", "prm");
    return blob ? SettingsRecord::parse(*blob).value_or(SettingsRecord{}) : SettingsRecord{};
}

std::optional<WindowPlacement> storedPlacement(const Profile& profile, const char* key)
{
    const auto blob = profile.readBinary("Settings", key);
    return blob ? WindowPlacement::parse(*blob) : std::nullopt;
}

void clickToolButton(CMainFrame* frame, CommandId id)
{
    QWidget* button = frame->toolBar()->widgetForAction(frame->action(id));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList itemTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

QStringList barTitles(QMenuBar* bar)
{
    QStringList titles;
    for (const QAction* a : bar->actions())
        titles << a->text();
    return titles;
}

QMenu* barMenu(QMenuBar* bar, const QString& title)
{
    for (QAction* a : bar->actions())
        if (a->text() == title)
            return a->menu();
    return nullptr;
}

// Chooses the File menu's recent file entry of path; false when the menu has none.
bool chooseRecentFile(CMainFrame* frame, const QString& path)
{
    for (QAction* item : barMenu(frame->menuBar(), "&File")->actions()) {
        if (item->text().endsWith(QLatin1Char(' ') + QDir::toNativeSeparators(path))) {
            item->trigger();
            return true;
        }
    }
    return false;
}

constexpr CommandId kPaneToggles[] = {CommandId::toggleProjectExplorer, CommandId::toggleWindowHierarchy,
                                      CommandId::toggleControlsFlags, CommandId::toggleOutput};

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noSplashSwitchShowsTheFrameAtOnce_data();
    void noSplashSwitchShowsTheFrameAtOnce();
    void splashComesFirstAndTheFirstKeyEndsIt();
    void splashHoldsTheKeyboardUntilTheFirstKey();
    void fileOnTheCommandLineIsNotOpened();
    void settingsAreWrittenAtExitAndDamagedOnesReset();
    void reloadOptionReopensTheFirstRecentFile();
    void startUpLoadsTheMelDatabaseOfTheInstallationFolder();

    void togglingEachPaneTwiceReturnsItAndItsButton();
    void paneCloseButtonHidesItAndUnchecksItsButton();
    void projectExplorerIsHiddenAtEveryStart();
    void dockingLayoutPersistsAcrossRuns();
    void paneSizesBelowTheMinimumLoadAsTheMinimum();
    void toolsPaletteStartsHiddenAtItsPlace();
    void toolsPaletteNeverShownKeepsItsStoredPlace();
    void paletteGridButtonFollowsTheGridOption();

    void maximizedMainWindowKeepsTheLastNormalPlacement();
    void placementOffEveryScreenIsIgnored();
    void childRestoreBeforeFirstActivationKeepsChildMaximized();
    void designerFrameCannotShrinkBelowItsMinimum();
    void documentWindowsOpenCascadedAtAUsableSize();
    void cascadeKeepsWindowsAtAUsableSize();
    void newWindowOverAMaximizedOneComesUpMaximized_data();
    void newWindowOverAMaximizedOneComesUpMaximized();
    void openAndSaveAsStartInTheFolderLastUsed();

    void openingPicksTheTemplateByExtension_data();
    void openingPicksTheTemplateByExtension();
    void menusFollowTheActiveDocumentType();
    void acceleratorsAreThoseOfTheTable();
    void acceleratorKeysRunTheirCommands();
    void keysInTheOutputPaneLeaveTheDocumentAlone();
    void newWindowShowsTheDocumentTwice();
    void droppedFilesOpenAsDocuments();
    void recentFileListFollowsOpenedFiles();
    void recentFileListHoldsAtMostSixteenFiles();
    void failedOpenReportsAndLeavesTheRecentList();
    void modifiedDocumentAsksBeforeClosing();
    void saveKeepsTheFileBytes();
    void namesBeyondLatin1OpenSaveAndComeBackFromTheRecentList_data();
    void namesBeyondLatin1OpenSaveAndComeBackFromTheRecentList();
    void syntaxColoringToggleFlipsTheFlag();
    void otherDocumentWindowsDisableTheDesignerPanes_data();
    void otherDocumentWindowsDisableTheDesignerPanes();
    void aScriptAndADesignerWindowTakeTurnsWithTheDesignerTools();
    void closingTheLastDesignerViewHidesAndEmptiesItsPanes();
    void designerPanesShownAtExitStartHidden();

    void toolbarHoldsItsButtonsInOrder();
    void commandsCarryThePromptsAndTooltipsOfTheirTable();
    void statusBarSaysReadyAndShowsItsIndicators();
    void helpCommandsOpenTheirAddresses();
    void missingHelpFileIsReported();
    void addressesWithoutAViewerAreShownToTheUser();
    void shippedGuideOpensFromTheInstallationFolder();
    void aboutBoxShowsVersionCreditsAndLinks();

private:
    void inspectAbout(CAboutDialog* about, const UrlCatcher& catcher);
    // Without content: a window with its layout for ".wnd", a line of script otherwise.
    QString makeFile(const QString& name, const QByteArray& content = {});
    // Makes the temporary folder the installation folder, with a help file in it.
    QString installGuide();

    std::unique_ptr<MemoryProfile> m_profile;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void MainFrameTest::init()
{
    m_profile = std::make_unique<MemoryProfile>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void MainFrameTest::cleanup()
{
    m_profile.reset();
    m_dir.reset();
}

QString MainFrameTest::makeFile(const QString& name, const QByteArray& content)
{
    const QString path = m_dir->filePath(name);
    QByteArray bytes = content;
    if (bytes.isEmpty())
        bytes = name.endsWith(QStringLiteral(".wnd"), Qt::CaseInsensitive)
                    ? "[ORVANTE 0.4]\r\n[UI_Window]\r\n[window]\r\nWindow\r\n1\r\n\t[columnLayout]\r\n\tColumnLayout0\r\n"
                      "\t1\r\n[EUI]\r\n"
                    : "proc hello() {}\r\n";
    return test::writeFile(path, bytes) ? path : QString();
}

QString MainFrameTest::installGuide()
{
    m_profile->writeString("Settings", "InstallDir", m_dir->path().toStdString());
    QDir(m_dir->path()).mkpath(QStringLiteral("Help"));
    return makeFile(QStringLiteral("Help/index.html"), "<html></html>");
}

void MainFrameTest::noSplashSwitchShowsTheFrameAtOnce_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("double dash") << "--no-splash";
    QTest::newRow("dash") << "-nosplash";
    QTest::newRow("slash") << "/nosplash";
    QTest::newRow("any case") << "/NoSplash";
}

void MainFrameTest::noSplashSwitchShowsTheFrameAtOnce()
{
    QFETCH(QString, option);
    AppRun run(*m_profile, {QStringLiteral("orvante"), option});
    QVERIFY(run.started());
    QCOMPARE(CSplashDialog::current(), nullptr);
    QVERIFY(run.frame()->isVisible());
}

void MainFrameTest::splashComesFirstAndTheFirstKeyEndsIt()
{
    AppRun run(*m_profile, {QStringLiteral("orvante")});
    CSplashDialog* splash = CSplashDialog::current();
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    QVERIFY(!run.frame()->isVisible());

    QTest::keyClick(splash, Qt::Key_Space);
    QCOMPARE(CSplashDialog::current(), nullptr);
    QVERIFY(run.frame()->isVisible());
    // The toolbar's check buttons were synchronised by the first show.
    QVERIFY(run.frame()->action(CommandId::toggleSyntaxColoring)->isChecked());
}

// A window manager need not give the splash the focus, and no other window of the program
// shows yet: the splash holds the keyboard, so a key pressed with no window focused still
// ends it, and the keyboard is free again for the main frame.
void MainFrameTest::splashHoldsTheKeyboardUntilTheFirstKey()
{
    AppRun run(*m_profile, {QStringLiteral("orvante")});
    CSplashDialog* splash = CSplashDialog::current();
    QVERIFY(splash);
    QCOMPARE(QWidget::keyboardGrabber(), splash);

    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_A);
    QCOMPARE(CSplashDialog::current(), nullptr);
    QVERIFY(run.frame()->isVisible());
    QCOMPARE(QWidget::keyboardGrabber(), nullptr);
}

void MainFrameTest::fileOnTheCommandLineIsNotOpened()
{
    const QString file = makeFile(QStringLiteral("named.mel"));
    AppRun run(*m_profile, {QStringLiteral("orvante"), QStringLiteral("--no-splash"), file});
    QVERIFY(run.started());
    QVERIFY(run.app().docManager().documents().isEmpty());
    QVERIFY(run.frame()->mdiArea()->subWindowList().isEmpty());
}

void MainFrameTest::settingsAreWrittenAtExitAndDamagedOnesReset()
{
    m_profile->writeBinary("Settings", "prm", Bytes(115, 0));
    {
        AppRun run(*m_profile);
        run.app().settingsService().change([](SettingsRecord& r) { r.gridWidth = 25; });
        run.app().settings().iconParams.showGrid = 1;
    }
    const auto prm = m_profile->readBinary("Settings", "prm");
    QVERIFY(prm);
    QCOMPARE(prm->size(), std::size_t{116});
    SettingsRecord expected;
    expected.gridWidth = 25;
    QCOMPARE(storedRecord(*m_profile).flags, expected.flags);
    QCOMPARE(int(storedRecord(*m_profile).gridWidth), 25);
    QCOMPARE(m_profile->readBinary("Settings", "icmprm")->size(), std::size_t{12});
    QCOMPARE(int((*m_profile->readBinary("Settings", "icmprm"))[0]), 1);
}

void MainFrameTest::reloadOptionReopensTheFirstRecentFile()
{
    SettingsRecord record;
    record.setFlag(SettingsFlag::reloadLastDocument, true);
    record.recentFileCount = 0;
    writeRecord(*m_profile, record);
    {
        // An empty list opens nothing.
        AppRun run(*m_profile);
        QVERIFY(run.app().docManager().documents().isEmpty());
    }
    // Without a list of its own, the value an earlier run left is still read and reopened.
    const QString last = makeFile(QStringLiteral("last.mel"));
    m_profile->writeString("Recent File List", "File1", last.toStdString());
    AppRun run(*m_profile, {QStringLiteral("orvante")});
    QVERIFY(run.app().docManager().documents().isEmpty());
    QTest::mouseClick(CSplashDialog::current(), Qt::LeftButton);
    QCOMPARE(run.app().docManager().documents().size(), 1);
    QCOMPARE(run.app().docManager().documents().first()->pathName(), last);
    QVERIFY(run.app().recentFiles().empty());
}

void MainFrameTest::togglingEachPaneTwiceReturnsItAndItsButton()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    for (const CommandId id : kPaneToggles) {
        QAction* toggle = frame->action(id);
        const bool before = toggle->isChecked();
        clickToolButton(frame, id);
        QCOMPARE(toggle->isChecked(), !before);
        clickToolButton(frame, id);
        QCOMPARE(toggle->isChecked(), before);
    }
    // Each button drives its own pane.
    clickToolButton(frame, CommandId::toggleOutput);
    QVERIFY(frame->outputPane()->isVisible());
    QVERIFY(!frame->windowHierarchyPane()->isVisible());
    QVERIFY(!frame->controlsFlagsPane()->isVisible());
    QVERIFY(!frame->projectExplorerPane()->isVisible());
    QCOMPARE(frame->dockWidgetArea(frame->outputPane()), Qt::BottomDockWidgetArea);
    QVERIFY(frame->outputPane()->width() >= BarSizes::kMinimum.cx);
    QVERIFY(frame->outputPane()->height() >= BarSizes::kMinimum.cy);
    clickToolButton(frame, CommandId::toggleWindowHierarchy);
    QCOMPARE(frame->dockWidgetArea(frame->windowHierarchyPane()), Qt::LeftDockWidgetArea);
    clickToolButton(frame, CommandId::toggleControlsFlags);
    QCOMPARE(frame->dockWidgetArea(frame->controlsFlagsPane()), Qt::RightDockWidgetArea);
}

void MainFrameTest::paneCloseButtonHidesItAndUnchecksItsButton()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    clickToolButton(frame, CommandId::toggleOutput);
    QVERIFY(frame->action(CommandId::toggleOutput)->isChecked());
    auto* close = frame->outputPane()->findChild<QAbstractButton*>(QStringLiteral("qt_dockwidget_closebutton"));
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(frame->outputPane()->isHidden());
    QVERIFY(!frame->action(CommandId::toggleOutput)->isChecked());

    // The pane menu of a right click on the toolbar keeps the buttons in step as well.
    std::unique_ptr<QMenu> paneMenu(frame->createPopupMenu());
    QVERIFY(paneMenu);
    QAction* output = nullptr;
    for (QAction* item : paneMenu->actions())
        if (item->text() == QStringLiteral("Output"))
            output = item;
    QVERIFY(output);
    output->trigger();
    QVERIFY(frame->outputPane()->isVisible());
    QVERIFY(frame->action(CommandId::toggleOutput)->isChecked());
    output->trigger();
    QVERIFY(frame->outputPane()->isHidden());
    QVERIFY(!frame->action(CommandId::toggleOutput)->isChecked());
}

void MainFrameTest::projectExplorerIsHiddenAtEveryStart()
{
    {
        AppRun run(*m_profile);
        clickToolButton(run.frame(), CommandId::toggleProjectExplorer);
        QVERIFY(run.frame()->projectExplorerPane()->isVisible());
    }
    AppRun second(*m_profile);
    QVERIFY(second.frame()->projectExplorerPane()->isHidden());
    QVERIFY(!second.frame()->action(CommandId::toggleProjectExplorer)->isChecked());
}

void MainFrameTest::dockingLayoutPersistsAcrossRuns()
{
    {
        AppRun run(*m_profile);
        CMainFrame* frame = run.frame();
        clickToolButton(frame, CommandId::toggleOutput);
        clickToolButton(frame, CommandId::toggleWindowHierarchy);
        frame->addDockWidget(Qt::RightDockWidgetArea, frame->windowHierarchyPane());
    }
    AppRun second(*m_profile);
    CMainFrame* frame = second.frame();
    QVERIFY(frame->outputPane()->isVisible());
    QVERIFY(frame->windowHierarchyPane()->isVisible());
    QVERIFY(frame->controlsFlagsPane()->isHidden());
    QCOMPARE(frame->dockWidgetArea(frame->windowHierarchyPane()), Qt::RightDockWidgetArea);
    QVERIFY(frame->action(CommandId::toggleOutput)->isChecked());
    QVERIFY(frame->action(CommandId::toggleWindowHierarchy)->isChecked());
    QVERIFY(!frame->action(CommandId::toggleControlsFlags)->isChecked());
}

void MainFrameTest::paneSizesBelowTheMinimumLoadAsTheMinimum()
{
    m_profile->writeInt("Bars\\ORVANTE-Bar125", "WidthCX", 100);
    m_profile->writeInt("Bars\\ORVANTE-Bar125", "WidthCY", 40);
    m_profile->writeInt("Bars\\ORVANTE-Bar125", "FloatCY", 50);
    m_profile->writeInt("Bars\\ORVANTE-Bar123", "HeightCX", 120);
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    QCOMPARE(frame->outputPane()->sizes().horizontal, (BarSize{250, 100}));
    QCOMPARE(frame->outputPane()->sizes().floating.cy, 100);
    QCOMPARE(frame->windowHierarchyPane()->sizes().vertical.cx, 250);
    // Unstored sizes are the defaults, raised to the minimum: "Controls flags" is 80 x 80.
    QCOMPARE(frame->controlsFlagsPane()->sizes().vertical, (BarSize{250, 100}));

    clickToolButton(frame, CommandId::toggleWindowHierarchy);
    QVERIFY(frame->windowHierarchyPane()->width() >= 250);
    run.exit();
    QCOMPARE(m_profile->readInt("Bars\\ORVANTE-Bar125", "WidthCY", 0), 100);
}

void MainFrameTest::toolsPaletteStartsHiddenAtItsPlace()
{
    const auto placement = WindowPlacement::fromGeometry({40, 60, 90, 300, false, false}).serialize();
    m_profile->writeBinary("Settings", "tools", Bytes(placement.begin(), placement.end()));
    {
        AppRun run(*m_profile);
        CToolsDialog* tools = toolsPalette(run.frame());
        QVERIFY(tools->isHidden());
        QCOMPARE(tools->windowTitle(), QStringLiteral("Tools"));
        QCOMPARE(tools->geometry(), QRect(40, 60, 90, 300));
        tools->show();
        tools->setGeometry(50, 70, 90, 310);
    }
    const auto saved = storedPlacement(*m_profile, "tools");
    QVERIFY(saved);
    QCOMPARE(saved->normalPosition, (PlacementRect{50, 70, 140, 380}));
}

// A run that never showed the palette stores no place for it: the one stored stays, and with
// none stored none is made up (it would put the palette over the menus at the screen's corner).
void MainFrameTest::toolsPaletteNeverShownKeepsItsStoredPlace()
{
    {
        AppRun run(*m_profile);
        QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("code.mel"))));
    }
    QVERIFY(!m_profile->readBinary("Settings", "tools"));

    const auto placement = WindowPlacement::fromGeometry({40, 60, 90, 300, false, false}).serialize();
    m_profile->writeBinary("Settings", "tools", Bytes(placement.begin(), placement.end()));
    {
        AppRun run(*m_profile);
        toolsPalette(run.frame())->setGeometry(0, 0, 100, 30);
    }
    const auto kept = storedPlacement(*m_profile, "tools");
    QVERIFY(kept);
    QCOMPARE(kept->normalPosition, (PlacementRect{40, 60, 130, 360}));
}

void MainFrameTest::paletteGridButtonFollowsTheGridOption()
{
    SettingsRecord record;
    record.setFlag(SettingsFlag::designerGrid, true);
    writeRecord(*m_profile, record);
    {
        AppRun run(*m_profile);
        CToolsDialog* tools = toolsPalette(run.frame());
        QToolButton* grid = tools->gridButton();
        QVERIFY(grid->isChecked());
        QCOMPARE(grid->toolTip(), QStringLiteral("Enable/Disable Grid"));
        tools->show();
        QVERIFY(QTest::qWaitForWindowExposed(tools));
        QTest::mouseClick(grid, Qt::LeftButton);
        QVERIFY(!grid->isChecked());
        QVERIFY(!run.app().record().designerGrid());
        // The option changed elsewhere (the settings dialog) checks the button too.
        run.app().settingsService().setFlag(SettingsFlag::designerGrid, true);
        QVERIFY(grid->isChecked());
        QTest::mouseClick(grid, Qt::LeftButton);
        QVERIFY(!run.app().record().designerGrid());
    }
    QVERIFY(!storedRecord(*m_profile).designerGrid());
    AppRun second(*m_profile);
    QVERIFY(!toolsPalette(second.frame())->gridButton()->isChecked());
    // The palette is hidden at every start, whatever it showed when the last run ended.
    QVERIFY(toolsPalette(second.frame())->isHidden());
}

void MainFrameTest::maximizedMainWindowKeepsTheLastNormalPlacement()
{
    SettingsRecord record;
    record.setFlag(SettingsFlag::mainMaximized, false);
    writeRecord(*m_profile, record);
    const auto first = WindowPlacement::fromGeometry({30, 40, 800, 600, false, false});
    const auto blob = first.serialize();
    m_profile->writeBinary("Settings", "pos", Bytes(blob.begin(), blob.end()));
    {
        AppRun run(*m_profile);
        CMainFrame* frame = run.frame();
        QVERIFY(!frame->isMaximized());
        QCOMPARE(frame->geometry(), QRect(30, 40, 800, 600));
        frame->setGeometry(60, 70, 700, 500);
        frame->showMaximized();
        QVERIFY(run.app().record().mainMaximized());
    }
    QCOMPARE(storedPlacement(*m_profile, "pos"), std::optional<WindowPlacement>(first));
    QVERIFY(storedRecord(*m_profile).mainMaximized());

    QRect restored;
    {
        AppRun run(*m_profile);
        CMainFrame* frame = run.frame();
        QVERIFY(frame->isMaximized());
        frame->showNormal();
        QVERIFY(!run.app().record().mainMaximized());
        frame->setGeometry(20, 25, 640, 480);
        restored = frame->geometry();
    }
    const auto saved = storedPlacement(*m_profile, "pos");
    QVERIFY(saved);
    QCOMPARE(saved->toGeometry(), (WindowGeometry{20, 25, 640, 480, false, false}));
    QVERIFY(!storedRecord(*m_profile).mainMaximized());
}

void MainFrameTest::placementOffEveryScreenIsIgnored()
{
    SettingsRecord record;
    record.setFlag(SettingsFlag::mainMaximized, false);
    writeRecord(*m_profile, record);
    const auto far = WindowPlacement::fromGeometry({50000, 40000, 800, 600, false, false}).serialize();
    m_profile->writeBinary("Settings", "pos", Bytes(far.begin(), far.end()));
    m_profile->writeBinary("Settings", "tools", Bytes(far.begin(), far.end()));
    AppRun run(*m_profile);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.intersects(run.frame()->geometry()));
    QVERIFY(toolsPalette(run.frame())->geometry().x() < 50000);
}

void MainFrameTest::childRestoreBeforeFirstActivationKeepsChildMaximized()
{
    AppRun run(*m_profile);
    const SettingsRecord& record = run.app().record();
    QVERIFY(record.childMaximized());
    auto* frame = new CChildFrame(run.app().settingsService());
    frame->setWidget(new QWidget);
    run.frame()->mdiArea()->addSubWindow(frame);
    frame->showMaximized();
    frame->showNormal();
    QVERIFY(!frame->shown());
    QVERIFY(record.childMaximized());

    frame->activateFrame(ShowCommand::normal);
    QVERIFY(frame->shown());
    QVERIFY(frame->isMaximized());  // activation honours the option whatever was asked
    frame->showNormal();
    QVERIFY(!record.childMaximized());
    frame->activateFrame(ShowCommand::normal);
    QVERIFY(!frame->isMaximized());
    frame->showMaximized();
    QVERIFY(record.childMaximized());
}

void MainFrameTest::designerFrameCannotShrinkBelowItsMinimum()
{
    SettingsRecord record;
    record.setFlag(SettingsFlag::childMaximized, false);
    writeRecord(*m_profile, record);
    AppRun run(*m_profile);
    QVERIFY(QTest::qWaitForWindowExposed(run.frame()));
    QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("dialog.wnd"))));
    CMDIChildWnd* frame = run.app().docManager().activeFrame();
    QVERIFY(frame);
    QVERIFY(!frame->isMaximized());
    // The designer's panes take their room beside the document area.
    run.frame()->resize(1600, 1200);
    frame->resize(500, 400);

    // Drag the bottom-right corner far up and to the left.
    const QPoint corner(frame->width() - 2, frame->height() - 2);
    QTest::mouseMove(frame, corner);
    QTest::mousePress(frame, Qt::LeftButton, {}, corner);
    const QPoint to(corner - QPoint(400, 350));
    QMouseEvent drag(QEvent::MouseMove, to, frame->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &drag);
    QTest::mouseRelease(frame, Qt::LeftButton, {}, to);
    QVERIFY(frame->width() < 500);
    QCOMPARE(frame->size(), QSize(340, 280));

    // A script frame has no such minimum.
    QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("small.mel"))));
    CMDIChildWnd* script = run.app().docManager().activeFrame();
    script->resize(200, 150);
    QCOMPARE(script->size(), QSize(200, 150));
}

void MainFrameTest::documentWindowsOpenCascadedAtAUsableSize()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    const QSize room = frame->mdiArea()->viewport()->size();
    CDocManager& docs = run.app().docManager();

    // Opened maximized, a window restored by the user gets a real size, not its content's hint.
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("first.mel"))));
    CMDIChildWnd* first = docs.activeFrame();
    QVERIFY(first->isMaximized());
    first->showNormal();
    QCOMPARE(first->geometry(), QRect(QPoint(0, 0), room * 3 / 4));

    // With the option off, the next window opens below the first one's title, as large.
    QVERIFY(!run.app().record().childMaximized());
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("second.wnd"))));
    CMDIChildWnd* second = docs.activeFrame();
    QVERIFY(second != first);
    QVERIFY(!second->isMaximized());
    // A designer window then shrinks to its form, where that is smaller.
    const UISize form = designerFormSize();
    QVERIFY(room.width() * 3 / 4 > form.width && room.height() * 3 / 4 > form.height);
    QCOMPARE(second->widget()->size(), QSize(form.width, form.height));
    QVERIFY(second->x() > first->x() && second->y() > first->y());
    QVERIFY(second->geometry().bottom() <= room.height());
}

void MainFrameTest::cascadeKeepsWindowsAtAUsableSize()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    CDocManager& docs = run.app().docManager();
    for (const char* name : {"a.mel", "b.mel", "c.icm"})
        QVERIFY(docs.openDocumentFile(makeFile(QString::fromLatin1(name))));
    frame->action(CommandId::windowCascade)->trigger();
    const QSize room = frame->mdiArea()->viewport()->size();
    QPoint previous(-1, -1);
    for (QMdiSubWindow* window : frame->mdiArea()->subWindowList(QMdiArea::StackingOrder)) {
        QVERIFY(!window->isMaximized());
        QCOMPARE(window->size(), (room * 3 / 4).expandedTo(window->minimumSize()));
        QVERIFY(window->x() > previous.x() && window->y() > previous.y());  // still cascaded
        previous = window->pos();
    }
}

void MainFrameTest::newWindowOverAMaximizedOneComesUpMaximized_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("untitled");
    QTest::newRow("open window") << "dialog.wnd" << false;
    QTest::newRow("new window") << "dialog.wnd" << true;
    QTest::newRow("open script") << "other.mel" << false;
    QTest::newRow("new script") << "other.mel" << true;
}

void MainFrameTest::newWindowOverAMaximizedOneComesUpMaximized()
{
    QFETCH(QString, name);
    QFETCH(bool, untitled);
    SettingsRecord record;
    record.setFlag(SettingsFlag::mainMaximized, false);
    writeRecord(*m_profile, record);
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    frame->resize(1200, 900);  // room for a designer window beside its panes
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    CDocManager& docs = run.app().docManager();
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("first.mel"))));
    CMDIChildWnd* first = docs.activeFrame();
    QVERIFY(first->isMaximized());

    // The document opens while a dialog has the keyboard: when the main window has it back,
    // it goes to the new window, which stays the active one.
    const QString path = makeFile(name);
    auto dialog = std::make_unique<QDialog>(frame);
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    CDocument* doc = nullptr;
    if (untitled) {
        for (CDocTemplate* docTemplate : docs.templates())
            if (docTemplate->matchesExtension(path))
                doc = docTemplate->openDocumentFile(QString());
    } else {
        doc = docs.openDocumentFile(path);
    }
    QVERIFY(doc);
    // Left in the old window, the keyboard would bring it back to the front with the main window.
    QVERIFY(doc->views().first()->parentFrame()->isAncestorOf(frame->focusWidget()));
    dialog.reset();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    CMDIChildWnd* second = docs.activeFrame();
    QVERIFY(second != first);
    QCOMPARE(second->activeDocument(), doc);
    QVERIFY(second->isMaximized());
    QCOMPARE(second->geometry(), frame->mdiArea()->viewport()->rect());
    QCOMPARE(frame->mdiArea()->subWindowList(QMdiArea::StackingOrder).constLast(), second);
    QVERIFY(frame->mdiArea()->subWindowList().contains(first));
    QVERIFY(run.app().record().childMaximized());

    // Back to the first: it comes up maximized in its turn.
    frame->mdiArea()->setActiveSubWindow(first);
    QCOMPARE(docs.activeFrame(), first);
    QVERIFY(first->isMaximized());
}

void MainFrameTest::openAndSaveAsStartInTheFolderLastUsed()
{
    AppRun run(*m_profile);
    CDocManager& docs = run.app().docManager();
    QCOMPARE(docs.lastFolder(), QDir::homePath());
    QDir(m_dir->path()).mkdir(QStringLiteral("scripts"));
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("scripts/used.mel"))));
    const QString folder = QFileInfo(m_dir->filePath(QStringLiteral("scripts"))).absoluteFilePath();
    QCOMPARE(docs.lastFolder(), folder);
    // Open starts there; so does Save As of a script never saved, under its own name.
    run.prompts().expectFileToOpen(QString());
    run.frame()->action(CommandId::fileOpen)->trigger();
    QVERIFY(run.prompts().verifyAllCame());
    QCOMPARE(run.prompts().lastFolder(), folder);
    run.prompts().expectChoice(0);
    QVERIFY(docs.onFileNew());
    run.prompts().expectFileToSave(QString());
    run.frame()->action(CommandId::fileSaveAs)->trigger();
    QVERIFY(run.prompts().verifyAllCame());
    QCOMPARE(run.prompts().lastText(), QStringLiteral("Script1"));
    QCOMPARE(run.prompts().lastFolder(), folder);
}

// Any other document window disables the designer's two panes without hiding them; back in a
// window document they work again.
void MainFrameTest::otherDocumentWindowsDisableTheDesignerPanes_data()
{
    QTest::addColumn<QString>("other");
    QTest::newRow("script") << "code.mel";
    QTest::newRow("icon") << "picture.icm";
    QTest::newRow("project") << "work.mp";
}

void MainFrameTest::otherDocumentWindowsDisableTheDesignerPanes()
{
    QFETCH(QString, other);
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    CDocManager& docs = run.app().docManager();
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("ui.wnd"))));
    QVERIFY(toolsPalette(frame)->isVisible());
    QVERIFY(frame->windowHierarchyPane()->isEnabled());
    QVERIFY(docs.openDocumentFile(makeFile(other)));
    QVERIFY(!frame->windowHierarchyPane()->isEnabled());
    QVERIFY(!frame->controlsFlagsPane()->isEnabled());
    QVERIFY(frame->windowHierarchyPane()->isVisible());
    QVERIFY(frame->controlsFlagsPane()->isVisible());
    QVERIFY(frame->action(CommandId::toggleWindowHierarchy)->isChecked());
    QVERIFY(frame->action(CommandId::toggleControlsFlags)->isChecked());
    QVERIFY(toolsPalette(frame)->isHidden());
    QVERIFY(frame->projectExplorerPane()->isEnabled());
    // Back in the window, its panes work again.
    docs.activeFrame()->close();
    QTRY_VERIFY(frame->windowHierarchyPane()->isEnabled());
    QVERIFY(frame->controlsFlagsPane()->isEnabled());
    QVERIFY(frame->windowHierarchyPane()->isVisible());
    QVERIFY(toolsPalette(frame)->isVisible());
}

void MainFrameTest::aScriptAndADesignerWindowTakeTurnsWithTheDesignerTools()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    CDocManager& docs = run.app().docManager();
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("ui.wnd"))));
    QMdiSubWindow* window = frame->mdiArea()->activeSubWindow();
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("code.mel"))));
    QMdiSubWindow* script = frame->mdiArea()->activeSubWindow();
    QVERIFY(window && script && window != script);
    auto* tree = qobject_cast<CNavigatorTreeCtrl*>(frame->windowHierarchyPane()->widget());
    QVERIFY(tree);
    // Twice round, so each side undoes what the other did.
    for (int round = 0; round < 2; ++round) {
        frame->mdiArea()->setActiveSubWindow(window);
        QTRY_VERIFY(qobject_cast<CInterfaceEditorView*>(docs.activeView()));
        QVERIFY(toolsPalette(frame)->isVisible());
        QVERIFY(frame->windowHierarchyPane()->isVisible());
        QVERIFY(frame->windowHierarchyPane()->isEnabled());
        QVERIFY(frame->controlsFlagsPane()->isVisible());
        QVERIFY(frame->controlsFlagsPane()->isEnabled());
        QCOMPARE(tree->topLevelItemCount(), 1);

        // The script's window disables the panes; they keep showing the window's tree.
        frame->mdiArea()->setActiveSubWindow(script);
        QTRY_VERIFY(qobject_cast<CMELEditorView*>(docs.activeView()));
        QVERIFY(toolsPalette(frame)->isHidden());
        QVERIFY(frame->windowHierarchyPane()->isVisible());
        QVERIFY(!frame->windowHierarchyPane()->isEnabled());
        QVERIFY(frame->controlsFlagsPane()->isVisible());
        QVERIFY(!frame->controlsFlagsPane()->isEnabled());
        QCOMPARE(tree->topLevelItemCount(), 1);
        QVERIFY(frame->projectExplorerPane()->isEnabled());
    }
}

// The designer's panes are hidden and emptied only when a window document's view goes and no
// other one is active; they come back with the next window document.
void MainFrameTest::closingTheLastDesignerViewHidesAndEmptiesItsPanes()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    CDocManager& docs = run.app().docManager();
    auto* tree = qobject_cast<CNavigatorTreeCtrl*>(frame->windowHierarchyPane()->widget());
    QVERIFY(tree);
    const auto panesShown = [frame] {
        return frame->windowHierarchyPane()->isVisible() && frame->controlsFlagsPane()->isVisible() &&
               toolsPalette(frame)->isVisible();
    };
    // Two window documents: closing the active one leaves the other's panes.
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("first.wnd"))));
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("second.wnd"))));
    docs.activeFrame()->close();
    QTRY_COMPARE(docs.activeDocument()->title(), QStringLiteral("first.wnd"));
    QVERIFY(panesShown());
    QCOMPARE(tree->topLevelItemCount(), 1);
    QVERIFY(flagsGrid(frame)->shownElement());

    // A script in front: closing the window document behind it hides the disabled panes.
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("code.mel"))));
    QVERIFY(frame->windowHierarchyPane()->isVisible());
    for (CDocument* doc : docs.documents())
        if (doc->title() == QStringLiteral("first.wnd"))
            doc->views().first()->parentFrame()->close();
    QTRY_COMPARE(docs.documents().size(), 1);
    QVERIFY(frame->windowHierarchyPane()->isHidden());
    QVERIFY(!frame->windowHierarchyPane()->isEnabled());
    QVERIFY(frame->controlsFlagsPane()->isHidden());
    QVERIFY(toolsPalette(frame)->isHidden());
    QVERIFY(!frame->action(CommandId::toggleWindowHierarchy)->isChecked());
    QVERIFY(!frame->action(CommandId::toggleControlsFlags)->isChecked());
    QCOMPARE(tree->topLevelItemCount(), 0);
    QVERIFY(!flagsGrid(frame)->shownElement());

    // The last window document closed while active hides them too, and a new one brings them back.
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("third.wnd"))));
    QVERIFY(panesShown());
    docs.activeFrame()->close();
    QTRY_VERIFY(frame->windowHierarchyPane()->isHidden());
    QVERIFY(frame->controlsFlagsPane()->isHidden());
    QVERIFY(toolsPalette(frame)->isHidden());
    QVERIFY(docs.openDocumentFile(makeFile(QStringLiteral("fourth.wnd"))));
    QVERIFY(panesShown());
    QVERIFY(frame->windowHierarchyPane()->isEnabled());
    QCOMPARE(tree->topLevelItemCount(), 1);
}

// The panes a window document showed at exit go with it: the next run starts without them.
void MainFrameTest::designerPanesShownAtExitStartHidden()
{
    {
        AppRun run(*m_profile);
        QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("ui.wnd"))));
        QVERIFY(run.frame()->windowHierarchyPane()->isVisible());
        QVERIFY(run.frame()->controlsFlagsPane()->isVisible());
    }
    AppRun run(*m_profile);
    QVERIFY(run.frame()->windowHierarchyPane()->isHidden());
    QVERIFY(run.frame()->controlsFlagsPane()->isHidden());
}

void MainFrameTest::openingPicksTheTemplateByExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("resourceId");
    QTest::newRow("script") << "a.mel" << 129;
    QTest::newRow("window") << "b.wnd" << 130;
    QTest::newRow("project") << "c.mp" << 131;
    QTest::newRow("icon") << "d.icm" << 132;
    QTest::newRow("capitals") << "E.WND" << 130;
    QTest::newRow("text file") << "notes.txt" << 129;
    QTest::newRow("no extension") << "Makefile" << 129;
    QTest::newRow("extension inside the name") << "x.wnd.bak" << 129;
}

void MainFrameTest::openingPicksTheTemplateByExtension()
{
    QFETCH(QString, name);
    QFETCH(int, resourceId);
    AppRun run(*m_profile);
    const QString path = makeFile(name);
    CDocument* doc = run.app().docManager().openDocumentFile(path);
    QVERIFY(doc);
    QCOMPARE(doc->docTemplate()->resourceId(), resourceId);
    QCOMPARE(doc->title(), name);
    QCOMPARE(doc->pathName(), QFileInfo(path).absoluteFilePath());
    QCOMPARE(run.frame()->currentMenu(), static_cast<MenuId>(resourceId));
    // Document windows open maximized by default: the title names the document in brackets.
    QCOMPARE(run.frame()->windowTitle(), QStringLiteral("ORVANTE - [%1]").arg(name));
}

void MainFrameTest::menusFollowTheActiveDocumentType()
{
    SettingsRecord record;
    record.recentFileCount = 0;
    writeRecord(*m_profile, record);
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();

    // The commands beyond each menu's own come after all of them.
    const QStringList fileNone{"&New\tCtrl+N", "&Open...\tCtrl+O", "Recent Files", "E&xit", "&Import MEL Window..."};
    const QStringList fileDoc{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Close\tCtrl+W", "&Save\tCtrl+S", "Save &As...",
                              "Recent Files", "E&xit", "&Import MEL Window..."};
    QStringList fileWindow = fileDoc;
    fileWindow.insert(5, "Export script\tCtrl+G");
    fileWindow.append("Export Python script\tCtrl+Shift+G");
    const QStringList fileScript = fileDoc.mid(0, 5) + QStringList{"&Print...", "Print Pre&view", "Page Set&up..."} +
                                   fileDoc.mid(5);
    const QStringList editNone{"&Settings\tCtrl+P"};
    const QStringList editScript{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "Cu&t\tCtrl+X",   "&Copy\tCtrl+C",
                                 "&Paste\tCtrl+V", "&Find\tCtrl+F", "&Replace\tCtrl+H", "&Settings\tCtrl+P",
                                 "Send to &Maya\tCtrl+Return"};
    const QStringList editOther{"&Undo\tCtrl+Z", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V",
                                "&Settings\tCtrl+P"};
    // The designer's Redo comes after the menu's own commands.
    const QStringList editWindow = editOther + QStringList{"&Redo\tCtrl+Y"};
    const QStringList view{"&Toolbar", "&Status Bar"};
    const QStringList window{"&New Window", "&Cascade", "&Tile"};
    const QStringList help{"&Contents\tF1", "&Technical support", "&Subscribe to ORVA-News",
                           "&Visit ORVANTE website", "&About ORVANTE..."};

    struct Expected {
        QString file;  // empty: no document
        QStringList fileItems;
        QStringList editItems;
    };
    const QList<Expected> cases{
        {QString(), fileNone, editNone},
        {QStringLiteral("s.mel"), fileScript, editScript},
        {QStringLiteral("w.wnd"), fileWindow, editWindow},
        {QStringLiteral("p.mp"), fileDoc, editOther},
        {QStringLiteral("i.icm"), fileDoc, editOther},
    };
    for (const Expected& c : cases) {
        if (!c.file.isEmpty())
            QVERIFY(run.app().docManager().openDocumentFile(makeFile(c.file)));
        QMenuBar* bar = frame->menuBar();
        const QStringList titles = c.file.isEmpty()
            ? QStringList{"&File", "&Edit", "&View", "&Help"}
            : QStringList{"&File", "&Edit", "&View", "&Window", "&Help"};
        QCOMPARE(barTitles(bar), titles);
        QCOMPARE(itemTexts(barMenu(bar, "&File")), c.fileItems);
        QCOMPARE(itemTexts(barMenu(bar, "&Edit")), c.editItems);
        QCOMPARE(itemTexts(barMenu(bar, "&View")), view);
        QCOMPARE(itemTexts(barMenu(bar, "&Help")), help);
        if (!c.file.isEmpty())
            QCOMPARE(itemTexts(barMenu(bar, "&Window")).mid(0, 3), window);
    }
    // With a recent file count of 0 there is no list: the placeholder stays, disabled.
    for (QAction* a : barMenu(frame->menuBar(), "&File")->actions())
        if (a->text() == "Recent Files")
            QVERIFY(!a->isEnabled());
    // Closing the last document brings back the menu of no document.
    run.app().docManager().closeAllDocuments();
    QTRY_COMPARE(frame->currentMenu(), MenuId::noDocument);
}

void MainFrameTest::acceleratorsAreThoseOfTheTable()
{
    AppRun run(*m_profile);
    const std::pair<const char*, CommandId> table[] = {
        {"Ctrl+C", CommandId::editCopy},       {"Ctrl+G", CommandId::exportScript},
        {"Ctrl+Shift+G", CommandId::exportPython},
        {"Ctrl+N", CommandId::fileNew},        {"Ctrl+O", CommandId::fileOpen},
        {"Ctrl+P", CommandId::settings},       {"Ctrl+S", CommandId::fileSave},
        {"Ctrl+V", CommandId::editPaste},      {"Alt+Backspace", CommandId::editUndo},
        {"Shift+Del", CommandId::editCut},     {"F1", CommandId::helpContents},
        {"F6", CommandId::nextPane},           {"Shift+F6", CommandId::prevPane},
        {"Ctrl+Ins", CommandId::editCopy},     {"Shift+Ins", CommandId::editPaste},
        {"Ctrl+W", CommandId::fileClose},      {"Ctrl+X", CommandId::editCut},
        {"Ctrl+Z", CommandId::editUndo},       {"Ctrl+Y", CommandId::editRedo},
    };
    QList<QKeySequence> all;
    for (const auto& [key, id] : table) {
        const QKeySequence sequence(QString::fromLatin1(key));
        QVERIFY2(run.frame()->action(id)->shortcuts().contains(sequence), key);
        all << sequence;
    }
    // No other command has a key of its own.
    for (const CommandInfo& info : commandTable())
        for (const QKeySequence& k : run.frame()->action(info.id)->shortcuts())
            QVERIFY2(all.contains(k), qPrintable(k.toString()));
}

void MainFrameTest::acceleratorKeysRunTheirCommands()
{
    UrlCatcher catcher;
    const QString guide = installGuide();
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));

    QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("k.mel"))));
    QCOMPARE(run.app().docManager().documents().size(), 1);
    QTest::keyClick(frame, Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(run.app().docManager().documents().isEmpty());

    QTest::keyClick(frame, Qt::Key_F1);
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(guide)});

    // F6 moves the keyboard focus into the next visible pane.
    clickToolButton(frame, CommandId::toggleOutput);
    QTest::keyClick(frame, Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), frame->outputPane()->edit());
}

void MainFrameTest::keysInTheOutputPaneLeaveTheDocumentAlone()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("log.mel"))));
    clickToolButton(frame, CommandId::toggleOutput);
    run.app().outputLog().AppendText("exported\n");
    COutputEdit* edit = frame->outputPane()->edit();
    QTest::mouseClick(edit->viewport(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), edit);

    // Close, Cut, Paste, Undo and Save are the document's keys, not the log's.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_W, Qt::ControlModifier},    {Qt::Key_Delete, Qt::ShiftModifier},
        {Qt::Key_Insert, Qt::ShiftModifier}, {Qt::Key_Backspace, Qt::AltModifier},
        {Qt::Key_S, Qt::ControlModifier},
    };
    for (const auto& [key, mods] : keys)
        QTest::keyClick(edit, key, mods);
    QTest::qWait(20);  // a closed window goes at the next turn of the event loop
    CMDIChildWnd* window = run.app().docManager().activeFrame();
    QVERIFY(window);
    QCOMPARE(run.app().docManager().documents().size(), 1);
    QCOMPARE(run.app().outputLog().text(), std::string("exported\r\n"));

    // F6 moves on from the log to the document window, where the same Ctrl+W closes it.
    QTest::keyClick(edit, Qt::Key_F6);
    QVERIFY(window->widget()->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(run.app().docManager().documents().isEmpty());
}

void MainFrameTest::newWindowShowsTheDocumentTwice()
{
    AppRun run(*m_profile);
    CDocument* doc = run.app().docManager().openDocumentFile(makeFile(QStringLiteral("twice.mel")));
    QVERIFY(doc);
    run.frame()->action(CommandId::windowNew)->trigger();
    QCOMPARE(doc->views().size(), 2);
    QStringList titles;
    for (QMdiSubWindow* w : run.frame()->mdiArea()->subWindowList())
        titles << w->windowTitle();
    titles.sort();
    QCOMPARE(titles, (QStringList{"twice.mel:1", "twice.mel:2"}));
    run.frame()->action(CommandId::windowTile)->trigger();
    run.frame()->action(CommandId::windowCascade)->trigger();

    // Closing one of the two windows keeps the document; its other window loses the number.
    doc->setModifiedFlag(true);
    run.app().docManager().activeFrame()->close();
    QTRY_COMPARE(doc->views().size(), 1);
    QCOMPARE(run.frame()->mdiArea()->subWindowList().first()->windowTitle(), QStringLiteral("twice.mel*"));
    doc->setModifiedFlag(false);
}

void MainFrameTest::droppedFilesOpenAsDocuments()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(makeFile(QStringLiteral("drop1.mel"))),
                  QUrl::fromLocalFile(makeFile(QStringLiteral("drop2.wnd"))), QUrl(QStringLiteral("https://x.example/"))});
    const QPoint at = frame->mdiArea()->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &drop);
    QStringList titles;
    for (const CDocument* doc : run.app().docManager().documents())
        titles << doc->title();
    QCOMPARE(titles, (QStringList{"drop1.mel", "drop2.wnd"}));

    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(frame, &refused);
    QVERIFY(!refused.isAccepted());
}

void MainFrameTest::recentFileListFollowsOpenedFiles()
{
    SettingsRecord record;
    record.recentFileCount = 2;
    writeRecord(*m_profile, record);
    const QString a = makeFile(QStringLiteral("a.mel"));
    const QString b = makeFile(QStringLiteral("b.wnd"));
    const QString c = makeFile(QStringLiteral("c.mel"));
    {
        AppRun run(*m_profile);
        for (const QString& path : {a, b, c})
            QVERIFY(run.app().docManager().openDocumentFile(path));
        const QStringList items = itemTexts(barMenu(run.frame()->menuBar(), "&File"));
        QVERIFY(!items.contains("Recent Files"));
        QVERIFY(items.contains("&1 " + QDir::toNativeSeparators(c)));
        QVERIFY(items.contains("&2 " + QDir::toNativeSeparators(b)));
        QVERIFY(!items.contains("&3 " + QDir::toNativeSeparators(a)));
    }
    QCOMPARE(m_profile->readString("Recent File List", "File1", ""), c.toStdString());
    QCOMPARE(m_profile->readString("Recent File List", "File2", ""), b.toStdString());

    // The next run offers them again; choosing one opens it.
    AppRun run(*m_profile);
    QMenu* file = barMenu(run.frame()->menuBar(), "&File");
    for (QAction* item : file->actions())
        if (item->text() == "&2 " + QDir::toNativeSeparators(b))
            item->trigger();
    QCOMPARE(run.app().docManager().documents().size(), 1);
    QCOMPARE(run.app().docManager().documents().first()->pathName(), b);
    QCOMPARE(run.app().recentFiles().entries().front(), b.toStdString());
}

void MainFrameTest::recentFileListHoldsAtMostSixteenFiles()
{
    SettingsRecord record;
    record.recentFileCount = 200;
    writeRecord(*m_profile, record);
    AppRun run(*m_profile);
    for (int i = 0; i < 18; ++i)
        QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("f%1.mel").arg(i))));
    QCOMPARE(run.app().recentFiles().entries().size(), std::size_t{16});
    const QStringList items = itemTexts(barMenu(run.frame()->menuBar(), "&File"));
    QVERIFY(items.contains("&16 " + QDir::toNativeSeparators(m_dir->filePath(QStringLiteral("f2.mel")))));
    QVERIFY(!items.contains("&17 " + QDir::toNativeSeparators(m_dir->filePath(QStringLiteral("f1.mel")))));
}

void MainFrameTest::failedOpenReportsAndLeavesTheRecentList()
{
    const QString gone = m_dir->filePath(QStringLiteral("gone.mel"));
    m_profile->writeString("Recent File List", "File1", gone.toStdString());
    AppRun run(*m_profile);
    QCOMPARE(run.app().recentFiles().entries().size(), std::size_t{1});
    run.prompts().expectError();
    QCOMPARE(run.app().docManager().openDocumentFile(gone), nullptr);
    QVERIFY(run.prompts().verifyAllCame());
    QCOMPARE(run.prompts().lastText(), gone + QStringLiteral(" was not found."));
    QVERIFY(run.app().recentFiles().empty());
    QVERIFY(run.app().docManager().documents().isEmpty());
}

void MainFrameTest::modifiedDocumentAsksBeforeClosing()
{
    AppRun run(*m_profile);
    const QString path = makeFile(QStringLiteral("edited.mel"));
    CDocument* doc = run.app().docManager().openDocumentFile(path);
    doc->setModifiedFlag(true);
    run.prompts().expectAskToSave(Prompts::SaveAnswer::cancel);
    run.frame()->action(CommandId::fileClose)->trigger();
    QVERIFY(run.prompts().verifyAllCame());
    QCOMPARE(run.prompts().lastText(), QStringLiteral("Save changes to %1?").arg(path));
    QCOMPARE(run.app().docManager().documents().size(), 1);

    // Exit is refused as well while the user cancels.
    run.prompts().expectAskToSave(Prompts::SaveAnswer::cancel);
    QVERIFY(!run.frame()->close());
    QVERIFY(run.prompts().verifyAllCame());
    QVERIFY(run.frame()->isVisible());

    run.prompts().expectAskToSave(Prompts::SaveAnswer::discard);
    run.frame()->action(CommandId::fileClose)->trigger();
    QVERIFY(run.prompts().verifyAllCame());
    QTRY_VERIFY(run.app().docManager().documents().isEmpty());
}

void MainFrameTest::saveKeepsTheFileBytes()
{
    const QByteArray bytes("global proc x()\r\n{\n\tprint \"\xE9\";\r\n}");
    const QString path = makeFile(QStringLiteral("bytes.mel"), bytes);
    AppRun run(*m_profile);
    CDocument* doc = run.app().docManager().openDocumentFile(path);
    QFile::remove(path);
    doc->setModifiedFlag(true);
    run.frame()->action(CommandId::fileSave)->trigger();
    QVERIFY(!doc->isModified());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void MainFrameTest::namesBeyondLatin1OpenSaveAndComeBackFromTheRecentList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("copyName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("script") << QStringLiteral("скрипт.mel") << QStringLiteral("копия.mel")
                            << QByteArray("proc caf\xE9() {}\n");
    // Empty: a window with its layout.
    QTest::newRow("window") << QStringLiteral("ツール.wnd") << QStringLiteral("ツール 2.wnd") << QByteArray();
}

void MainFrameTest::namesBeyondLatin1OpenSaveAndComeBackFromTheRecentList()
{
    QFETCH(QString, name);
    QFETCH(QString, copyName);
    QFETCH(QByteArray, bytes);
    const QString path = makeFile(name, bytes);
    QVERIFY(QFile::exists(path));
    const QString copy = m_dir->filePath(copyName);
    {
        AppRun run(*m_profile);
        run.prompts().expectFileToOpen(path);
        run.frame()->action(CommandId::fileOpen)->trigger();
        QVERIFY(run.prompts().verifyAllCame());
        CDocument* doc = run.app().docManager().activeDocument();
        QVERIFY(doc);
        QCOMPARE(doc->pathName(), path);
        QCOMPARE(doc->title(), name);

        doc->setModifiedFlag(true);
        run.frame()->action(CommandId::fileSave)->trigger();
        QVERIFY(!doc->isModified());
        run.prompts().expectFileToSave(copy);
        run.frame()->action(CommandId::fileSaveAs)->trigger();
        QVERIFY(run.prompts().verifyAllCame());
        QCOMPARE(doc->pathName(), copy);
        run.frame()->action(CommandId::fileClose)->trigger();
        QTRY_VERIFY(run.app().docManager().documents().isEmpty());

        QVERIFY(chooseRecentFile(run.frame(), path));
        QVERIFY(run.app().docManager().activeDocument());
        QCOMPARE(run.app().docManager().activeDocument()->pathName(), path);
    }
    // The next run reads both names back and opens them from the list.
    AppRun run(*m_profile);
    for (const QString& file : {copy, path}) {
        QVERIFY(chooseRecentFile(run.frame(), file));
        CDocument* doc = run.app().docManager().activeDocument();
        QVERIFY(doc);
        QCOMPARE(doc->pathName(), file);
        // A script shows the bytes of its file, one character each, and saves them unchanged; a
        // window holds what its file holds.
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        if (auto* script = qobject_cast<CScriptDoc*>(doc)) {
            QCOMPARE(std::string(script->buffer().LineText(0)), std::string("proc caf\xE9() {}"));
            QCOMPARE(saved.readAll(), bytes);
        } else {
            auto* window = qobject_cast<CWindowDoc*>(doc);
            QVERIFY(window);
            QCOMPARE(QByteArray::fromStdString(WriteWindowFile(window->window())), saved.readAll());
        }
    }
}

void MainFrameTest::syntaxColoringToggleFlipsTheFlag()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    QAction* toggle = frame->action(CommandId::toggleSyntaxColoring);
    // Without a document window nobody handles it.
    QVERIFY(!toggle->isEnabled());
    QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("colour.mel"))));
    QVERIFY(toggle->isEnabled());
    QVERIFY(toggle->isChecked());
    clickToolButton(frame, CommandId::toggleSyntaxColoring);
    QVERIFY(!run.app().record().syntaxColoring());
    QVERIFY(!toggle->isChecked());
    clickToolButton(frame, CommandId::toggleSyntaxColoring);
    QVERIFY(run.app().record().syntaxColoring());
    QVERIFY(toggle->isChecked());
    // The UI window frame does not handle it.
    QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("colour.wnd"))));
    QVERIFY(!toggle->isEnabled());
}

void MainFrameTest::toolbarHoldsItsButtonsInOrder()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    constexpr int kSeparator = 0;
    const int expected[] = {
        57600, 57601, 57603, kSeparator, 57635, 57634, 57637, kSeparator, 32786, 32826, kSeparator,
        32804, 32805, 32806, 32813, kSeparator, 32801, kSeparator, 57664, kSeparator, 32850,
    };
    const QList<QAction*> buttons = frame->toolBar()->actions();
    QCOMPARE(buttons.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->isSeparator() ? kSeparator : buttons[i]->data().toInt(), expected[i]);
        // Buttons 9 and 11 to 14 are the check buttons; every button shows a 16 x 16 picture.
        const bool check = i == 9 || (i >= 11 && i <= 14);
        QCOMPARE(buttons[i]->isCheckable(), check);
        if (!buttons[i]->isSeparator())
            QVERIFY(!buttons[i]->icon().isNull());
    }
    QCOMPARE(frame->toolBar()->iconSize(), QSize(16, 16));
}

void MainFrameTest::commandsCarryThePromptsAndTooltipsOfTheirTable()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    const std::tuple<CommandId, const char*, const char*> table[] = {
        {CommandId::settings, "Customize the application settings", "Settings"},
        {CommandId::exportScript, "Export this window to MEL script", "Export script"},
        {CommandId::exportPython, "Export this window to a Python script of maya.cmds calls", "Export Python script"},
        {CommandId::toggleProjectExplorer, "Show or hide the Project explorer", "Toggle Project explorer"},
        {CommandId::toggleWindowHierarchy, "Show or hide the Window hierarchy", "Toggle Window hierarchy"},
        {CommandId::toggleControlsFlags, "Show or hide the Controls flags", "Toggle Controls flags"},
        {CommandId::toggleOutput, "Show or hide the Output window", "Toggle Output"},
        {CommandId::toggleSyntaxColoring, "Enable or disable syntax coloring", "Toggle syntax coloring"},
        {CommandId::technicalSupport, "Contact technical support if you encounter any troubles with ORVANTE",
         "Technical support"},
        {CommandId::visitWebsite, "Visit ORVANTE website to check for updates", "ORVANTE website"},
        {CommandId::subscribeNews, "Subscribe to the mailing-list of ORVANTE", "ORVA-News"},
        {CommandId::helpContents, "Open ORVANTE documentation", "ORVANTE documentation"},
        {CommandId::fileNew, "Create a new document", "New"},
        {CommandId::fileOpen, "Open an existing document", "Open"},
        {CommandId::appAbout, "Display program information, version number and copyright", "About"},
    };
    for (const auto& [id, prompt, tip] : table) {
        QAction* action = frame->action(id);
        QCOMPARE(action->statusTip(), QString::fromLatin1(prompt));
        QCOMPARE(action->toolTip(), QString::fromLatin1(tip));
        if (QWidget* button = frame->toolBar()->widgetForAction(action))
            QCOMPARE(button->toolTip(), QString::fromLatin1(tip));
    }

    // Resting the mouse on a toolbar button puts its prompt in the status bar.
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QWidget* open = frame->toolBar()->widgetForAction(frame->action(CommandId::fileOpen));
    QEnterEvent enter(QPointF(4, 4), open->mapTo(frame, QPointF(4, 4)), open->mapToGlobal(QPointF(4, 4)));
    QApplication::sendEvent(open, &enter);
    QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Open an existing document"));
}

void MainFrameTest::statusBarSaysReadyAndShowsItsIndicators()
{
    AppRun run(*m_profile);
    CMainFrame* frame = run.frame();
    QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
    frame->statusBar()->showMessage(QStringLiteral("Open an existing document"));
    frame->statusBar()->clearMessage();
    QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
    QCOMPARE(frame->action(CommandId::toggleOutput)->statusTip(), QStringLiteral("Show or hide the Output window"));
    QCOMPARE(frame->action(CommandId::toggleOutput)->toolTip(), QStringLiteral("Toggle Output"));

    QLabel* caps = nullptr;
    const auto labels = frame->statusBar()->findChildren<QLabel*>();
    QVERIFY(labels.size() >= 3);
    QTest::keyClick(frame, Qt::Key_CapsLock);
    for (QLabel* label : labels)
        if (label->text() == QStringLiteral("CAP"))
            caps = label;
    QVERIFY(caps);
    QTest::keyClick(frame, Qt::Key_CapsLock);
    QCOMPARE(caps->text(), QString());
}

void MainFrameTest::helpCommandsOpenTheirAddresses()
{
    UrlCatcher catcher;
    const QString guide = installGuide();
    AppRun run(*m_profile);
    for (CommandId id : {CommandId::helpContents, CommandId::technicalSupport, CommandId::visitWebsite,
                         CommandId::subscribeNews})
        run.frame()->action(id)->trigger();
    QCOMPARE(catcher.urls.size(), 4);
    QCOMPARE(catcher.urls[0], QUrl::fromLocalFile(guide));
    QCOMPARE(catcher.urls[1].scheme(), QStringLiteral("mailto"));
    QCOMPARE(catcher.urls[2].scheme(), QStringLiteral("https"));
    QCOMPARE(catcher.urls[3].scheme(), QStringLiteral("mailto"));
    QVERIFY(catcher.urls[3].query().contains(QStringLiteral("subject=subscribe")));
}

void MainFrameTest::addressesWithoutAViewerAreShownToTheUser()
{
    // The offscreen desktop of the tests has no viewer for any address.
    AppRun run(*m_profile);
    run.prompts().expectError();
    run.frame()->action(CommandId::visitWebsite)->trigger();
    QVERIFY(run.prompts().verifyAllCame());
    const QString shown = run.prompts().lastText();
    QVERIFY2(shown.contains(QString::fromLatin1(shell::kWebsiteAddress)), qPrintable(shown));
}

void MainFrameTest::startUpLoadsTheMelDatabaseOfTheInstallationFolder()
{
    // An installation folder without a Database: start-up goes on, nothing is known.
    m_profile->writeString("Settings", "InstallDir", m_dir->path().toStdString());
    {
        AppRun run(*m_profile);
        QVERIFY(run.started());
        QVERIFY(!IsMelCommandWord("button", 6));
        QCOMPARE(GetCommandFlagRecord(FindMelCommand("button")).pairCount, std::int16_t{0});
    }
    const QString dataDir = QFileInfo(QStringLiteral(ORVANTE_DATABASE_DIR "/..")).absoluteFilePath();
    m_profile->writeString("Settings", "InstallDir", dataDir.toStdString());
    {
        AppRun run(*m_profile);
        QVERIFY(IsMelCommandWord("showWindow", 10));
        QVERIFY(GetCommandFlagRecord(FindMelCommand("button")).pairCount > 0);
    }
    // Exit releases the command word list.
    QVERIFY(!IsMelCommandWord("showWindow", 10));
}

void MainFrameTest::missingHelpFileIsReported()
{
    UrlCatcher catcher;
    m_profile->writeString("Settings", "InstallDir", m_dir->path().toStdString());
    AppRun run(*m_profile);
    run.prompts().expectError();
    run.frame()->action(CommandId::helpContents)->trigger();
    QVERIFY(run.prompts().verifyAllCame());
    QVERIFY(run.prompts().lastText().contains(QStringLiteral("Help/index.html")));
    QVERIFY(catcher.urls.isEmpty());
}

void MainFrameTest::shippedGuideOpensFromTheInstallationFolder()
{
    UrlCatcher catcher;
    const QString dataDir = QFileInfo(QStringLiteral(ORVANTE_DATABASE_DIR "/..")).absoluteFilePath();
    m_profile->writeString("Settings", "InstallDir", dataDir.toStdString());
    AppRun run(*m_profile);
    run.frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(run.frame()));
    QTest::keyClick(run.frame(), Qt::Key_F1);
    QCOMPARE(catcher.urls.size(), 1);
    QFile guide(catcher.urls.first().toLocalFile());
    QVERIFY(guide.open(QIODevice::ReadOnly));
    const QByteArray html = guide.readAll();
    QVERIFY(html.contains("<title>ORVANTE user guide</title>"));
    QVERIFY(html.contains("--no-splash"));
}

void MainFrameTest::aboutBoxShowsVersionCreditsAndLinks()
{
    UrlCatcher catcher;
    AppRun run(*m_profile);
    CAboutDialog* seen = nullptr;
    QTimer::singleShot(0, this, [&] {
        seen = qobject_cast<CAboutDialog*>(QApplication::activeModalWidget());
        if (!seen)
            return;
        inspectAbout(seen, catcher);
        seen->accept();
    });
    run.frame()->action(CommandId::appAbout)->trigger();
    QVERIFY(seen);
}

void MainFrameTest::inspectAbout(CAboutDialog* about, const UrlCatcher& catcher)
{
    QCOMPARE(about->windowTitle(), QStringLiteral("About ORVANTE"));
    QStringList texts;
    for (const QLabel* label : about->findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("Version 0.4")));
    const QList<CLinkLabel*> links = about->links();
    QCOMPARE(links.size(), 2);
    QVERIFY(QTest::qWaitForWindowExposed(about));

    // The hand shows over the text only, and only a click on the text opens the address.
    CLinkLabel* link = links.first();
    link->resize(link->textRect().width() + 40, link->height());
    const QRect text = link->textRect();
    const QPoint beside(text.right() + 20, text.center().y());
    const auto hover = [link](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, link->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link, &move);
    };
    hover(text.center());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    hover(beside);
    QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(link, Qt::LeftButton, {}, beside);
    QVERIFY(catcher.urls.isEmpty());
    QTest::mouseClick(link, Qt::LeftButton, {}, text.center());
    QCOMPARE(catcher.urls, QList<QUrl>{link->address()});
}

ORVANTE_GUI_TEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
