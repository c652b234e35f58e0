// The main frame's actions, toolbar, status bar and menus, and the routing of their commands.
#include "app/CMainFrame.h"

#include "app/CommandImages.h"
#include "app/CommandTable.h"
#include "app/LockIndicators.h"
#include "app/Panes.h"
#include "app/ViewIndicators.h"
#include "framework/ByteText.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CView.h"
#include "framework/CommandRegistry.h"
#include "framework/SettingsService.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace orv {

namespace {

constexpr int kRecentTextLength = 60;

// Toolbar pictures of the commands the menu image table does not list.
const std::pair<CommandId, CommandImage> kToolbarOnlyImages[] = {
    {CommandId::toggleSyntaxColoring, CommandImage::syntaxColoring},
    {CommandId::toggleProjectExplorer, CommandImage::projectExplorer},
    {CommandId::toggleWindowHierarchy, CommandImage::windowHierarchy},
    {CommandId::toggleControlsFlags, CommandImage::controlsFlags},
    {CommandId::toggleOutput, CommandImage::output},
    {CommandId::exportPython, CommandImage::exportPython},
};

constexpr CommandId kCheckable[] = {
    CommandId::toggleSyntaxColoring, CommandId::toggleProjectExplorer, CommandId::toggleWindowHierarchy,
    CommandId::toggleControlsFlags,  CommandId::toggleOutput,          CommandId::viewToolbar,
    CommandId::viewStatusBar,
};

// "&1 /path/to/file.mel", the middle of a long path left out.
QString recentText(int position, const std::string& path)
{
    QString shown = QDir::toNativeSeparators(pathFromBytes(path));
    if (shown.size() > kRecentTextLength)
        shown = shown.left(kRecentTextLength / 3) + QStringLiteral("...") + shown.right(2 * kRecentTextLength / 3);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(position).arg(shown);
}

} // namespace

void CMainFrame::createActions()
{
    for (const CommandInfo& info : commandTable()) {
        auto* action = new QAction(QString::fromLatin1(info.menuText), this);
        action->setData(static_cast<int>(info.id));
        action->setStatusTip(commandPrompt(info));
        action->setToolTip(commandTooltip(info));
        action->setIconText(commandTooltip(info));
        action->setShortcuts(commandShortcuts(info));
        action->setIcon(commandIcon(info.id));
        // Accelerators work whatever menu is shown, as they belong to the frame.
        addAction(action);
        m_commands.addAction(static_cast<int>(info.id), action);
    }
    for (const auto& [id, image] : kToolbarOnlyImages)
        action(id)->setIcon(toolbarIcon(image));
    for (CommandId id : kCheckable)
        action(id)->setCheckable(true);

    m_recentPlaceholder = new QAction(QString::fromLatin1(kRecentFilesText), this);
    m_recentPlaceholder->setEnabled(false);
}

void CMainFrame::createToolBar()
{
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar128"));
    m_toolBar->setIconSize(QSize(kCommandImageSize, kCommandImageSize));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const std::initializer_list<std::initializer_list<CommandId>> groups = {
        {CommandId::fileNew, CommandId::fileOpen, CommandId::fileSave},
        {CommandId::editCut, CommandId::editCopy, CommandId::editPaste},
        {CommandId::settings, CommandId::toggleSyntaxColoring},
        {CommandId::toggleProjectExplorer, CommandId::toggleWindowHierarchy, CommandId::toggleControlsFlags,
         CommandId::toggleOutput},
        {CommandId::exportScript},
        {CommandId::appAbout},
        // Beyond the buttons above, which keep their places.
        {CommandId::exportPython},
    };
    bool first = true;
    for (const auto& group : groups) {
        if (!first)
            m_toolBar->addSeparator();
        first = false;
        for (CommandId id : group)
            m_toolBar->addAction(action(id));
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    // The message pane says "Ready" whenever no prompt is shown.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(QString::fromLatin1(shell::kReadyText));
    });
    bar->showMessage(QString::fromLatin1(shell::kReadyText));
    m_viewIndicators = new ViewIndicators(bar, m_docs);
    m_lockIndicators = new LockIndicators(bar);
}

void CMainFrame::addMenuCommands(QMenu* menu, std::initializer_list<CommandId> ids)
{
    for (CommandId id : ids)
        menu->addAction(action(id));
}

QMenu* CMainFrame::createFileMenu(MenuId id)
{
    auto* menu = new QMenu(QStringLiteral("&File"), this);
    addMenuCommands(menu, {CommandId::fileNew, CommandId::fileOpen});
    if (id != MenuId::noDocument)
        addMenuCommands(menu, {CommandId::fileClose, CommandId::fileSave, CommandId::fileSaveAs});
    if (id == MenuId::window)
        addMenuCommands(menu, {CommandId::exportScript});
    if (id == MenuId::script) {
        menu->addSeparator();
        addMenuCommands(menu, {CommandId::filePrint, CommandId::filePrintPreview, CommandId::filePageSetup});
    }
    menu->addSeparator();
    menu->addAction(m_recentPlaceholder);
    QAction* marker = menu->addSeparator();
    addMenuCommands(menu, {CommandId::appExit});
    // The commands beyond the menu's own come after all of them.
    menu->addSeparator();
    addMenuCommands(menu, {CommandId::fileImportMelWindow});
    if (id == MenuId::window)
        addMenuCommands(menu, {CommandId::exportPython});
    m_fileMenus.append({menu, marker});
    return menu;
}

QMenu* CMainFrame::createEditMenu(MenuId id)
{
    auto* menu = new QMenu(QStringLiteral("&Edit"), this);
    if (id != MenuId::noDocument) {
        addMenuCommands(menu, {CommandId::editUndo});
        if (id == MenuId::script)
            addMenuCommands(menu, {CommandId::editRedo});
        menu->addSeparator();
        addMenuCommands(menu, {CommandId::editCut, CommandId::editCopy, CommandId::editPaste});
        if (id == MenuId::script) {
            menu->addSeparator();
            addMenuCommands(menu, {CommandId::editFind, CommandId::editReplace});
        }
        menu->addSeparator();
    }
    addMenuCommands(menu, {CommandId::settings});
    // Beyond the menu's own commands, after all of them.
    if (id == MenuId::script) {
        menu->addSeparator();
        addMenuCommands(menu, {CommandId::sendToMaya});
    } else if (id == MenuId::window) {
        menu->addSeparator();
        addMenuCommands(menu, {CommandId::editRedo});
    }
    return menu;
}

QMenu* CMainFrame::createWindowMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Window"), this);
    fillWindowList(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillWindowList(menu); });
    return menu;
}

void CMainFrame::fillWindowList(QMenu* menu)
{
    menu->clear();
    addMenuCommands(menu, {CommandId::windowNew, CommandId::windowCascade, CommandId::windowTile});
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    menu->addSeparator();
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(window->windowTitle()));
        item->setCheckable(true);
        item->setChecked(window == m_mdiArea->currentSubWindow());
        connect(item, &QAction::triggered, window, [this, window] { m_mdiArea->setActiveSubWindow(window); });
    }
}

void CMainFrame::createMenus()
{
    const MenuId all[] = {MenuId::noDocument, MenuId::script, MenuId::window, MenuId::project, MenuId::icon};
    for (MenuId id : all) {
        QList<QMenu*> bar;
        bar << createFileMenu(id) << createEditMenu(id);
        auto* view = new QMenu(QStringLiteral("&View"), this);
        addMenuCommands(view, {CommandId::viewToolbar, CommandId::viewStatusBar});
        bar << view;
        if (id != MenuId::noDocument)
            bar << createWindowMenu();
        auto* help = new QMenu(QStringLiteral("&Help"), this);
        addMenuCommands(help, {CommandId::helpContents});
        help->addSeparator();
        addMenuCommands(help, {CommandId::technicalSupport, CommandId::subscribeNews, CommandId::visitWebsite});
        help->addSeparator();
        addMenuCommands(help, {CommandId::appAbout});
        bar << help;
        for (QMenu* menu : bar)
            connect(menu, &QMenu::aboutToShow, &m_commands, &CommandRegistry::updateStates);
        m_menus.insert(id, bar);
    }
}

void CMainFrame::switchMenu(MenuId id)
{
    if (!m_menus.contains(id))
        id = MenuId::noDocument;
    m_currentMenu = id;
    menuBar()->clear();
    for (QMenu* menu : m_menus.value(id))
        menuBar()->addMenu(menu);
}

void CMainFrame::setRecentFiles(const std::vector<std::string>& entries)
{
    for (const auto& [menu, marker] : m_fileMenus)
        for (QAction* old : m_recentActions)
            menu->removeAction(old);
    qDeleteAll(m_recentActions);
    m_recentActions.clear();

    int position = 0;
    for (const std::string& path : entries) {
        auto* item = new QAction(recentText(++position, path), this);
        item->setStatusTip(QString::fromLatin1(kRecentFilePrompt));
        const QString file = pathFromBytes(path);
        connect(item, &QAction::triggered, this, [this, file] { emit recentFileChosen(file); });
        m_recentActions.append(item);
    }
    for (const auto& [menu, marker] : m_fileMenus) {
        menu->removeAction(m_recentPlaceholder);
        if (m_recentActions.isEmpty())
            menu->insertAction(marker, m_recentPlaceholder);
        else
            menu->insertActions(marker, m_recentActions);
    }
}

QAction* CMainFrame::action(CommandId id) const
{
    return m_commands.action(static_cast<int>(id));
}

void CMainFrame::installFrameHandlers()
{
    const auto hasDocument = [this] { return CommandState{m_docs.activeFrame() != nullptr}; };
    const auto add = [this](CommandId id, std::function<void()> run, std::function<CommandState()> state = {}) {
        m_commands.setHandler(static_cast<int>(id), {std::move(run), std::move(state)});
    };
    const auto shown = [](const QWidget* widget) {
        return [widget] { return CommandState{true, !widget->isHidden()}; };
    };
    add(CommandId::toggleProjectExplorer, [this] { togglePane(PaneId::projectExplorer); }, shown(m_projectExplorer));
    add(CommandId::toggleWindowHierarchy, [this] { togglePane(PaneId::windowHierarchy); }, shown(m_windowHierarchy));
    add(CommandId::toggleControlsFlags, [this] { togglePane(PaneId::controlsFlags); }, shown(m_controlsFlags));
    add(CommandId::toggleOutput, [this] { togglePane(PaneId::output); }, shown(m_output));
    add(CommandId::viewToolbar, [this] { m_toolBar->setVisible(m_toolBar->isHidden()); }, shown(m_toolBar));
    add(CommandId::viewStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); }, shown(statusBar()));
    // The document windows that colour text handle the toggle; elsewhere it shows the option, disabled.
    add(CommandId::toggleSyntaxColoring, [] {},
        [this] { return CommandState{false, m_settings.record().syntaxColoring()}; });
    add(CommandId::appExit, [this] { close(); });
    add(CommandId::nextPane, [this] { focusNextPane(1); });
    add(CommandId::prevPane, [this] { focusNextPane(-1); });
    add(CommandId::fileClose, [this] {
        if (CDocument* doc = m_docs.activeDocument(); doc && doc->saveModified())
            doc->onCloseDocument();
    }, hasDocument);
    add(CommandId::fileSave, [this] {
        if (CDocument* doc = m_docs.activeDocument())
            doc->doFileSave();
    }, hasDocument);
    add(CommandId::fileSaveAs, [this] {
        if (CDocument* doc = m_docs.activeDocument())
            doc->doSave(QString());
    }, hasDocument);
    add(CommandId::windowNew, [this] {
        if (CDocument* doc = m_docs.activeDocument(); doc && doc->docTemplate())
            doc->docTemplate()->createAndShowFrame(doc);
    }, hasDocument);
    add(CommandId::windowCascade, [this] { cascadeWindows(); }, hasDocument);
    add(CommandId::windowTile, [this] { m_mdiArea->tileSubWindows(); }, hasDocument);
    // The toggles' checks follow what they show, however it was shown or hidden.
    connect(m_toolBar, &QToolBar::visibilityChanged, &m_commands, &CommandRegistry::requestUpdate);
    connect(&m_settings, &SettingsService::changed, &m_commands, &CommandRegistry::requestUpdate);
    connect(&m_commands, &CommandRegistry::statesUpdated, this, &CMainFrame::updateUndoTexts);
}

void CMainFrame::cascadeWindows()
{
    m_mdiArea->cascadeSubWindows();
    // The area's own cascade shrinks each window to its smallest size; give them the size a
    // new window gets, keeping the cascaded places.
    const QSize room = m_mdiArea->viewport()->size();
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (!window->isMinimized() && !window->isMaximized())
            window->resize(QSize(room.width() * 3 / 4, room.height() * 3 / 4).expandedTo(window->minimumSize()));
}

void CMainFrame::updateUndoTexts()
{
    // Undo and Redo name what they undo, as the active view says.
    const CView* view = m_docs.activeView();
    for (CommandId id : {CommandId::editUndo, CommandId::editRedo}) {
        const QString text = view ? view->menuText(static_cast<int>(id)) : QString();
        action(id)->setText(text.isEmpty() ? QString::fromLatin1(commandInfo(id).menuText) : text);
    }
}

} // namespace orv
