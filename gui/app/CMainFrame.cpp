// Creation, layout persistence, showing and closing of the main frame.
#include "app/CMainFrame.h"

#include "app/Panes.h"
#include "framework/ByteText.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "framework/DroppedFiles.h"
#include "framework/SettingsService.h"
#include "framework/StoredPlacement.h"
#include "settings/AppSettings.h"
#include "settings/RecentFileList.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>

namespace orv {

namespace {

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 720;

} // namespace

CMainFrame::CMainFrame(SettingsService& settings, Profile& profile, OutputLog& log, CDocManager& docs)
    : m_settings(settings), m_profile(profile), m_docs(docs), m_commands(docs.commands()), m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QString::fromLatin1(shell::kAppName));
    resize(kDefaultWidth, kDefaultHeight);
    setAcceptDrops(true);
    // Files dropped on any part of the window open, whatever widget is under the pointer.
    qApp->installEventFilter(this);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    m_docs.setMdiArea(m_mdiArea);

    createActions();
    createToolBar();
    createStatusBar();
    createPanes(log);
    createMenus();
    installFrameHandlers();

    loadBarState();

    connect(&m_docs, &CDocManager::activeFrameChanged, this, &CMainFrame::onActiveFrameChanged);
    switchMenu(MenuId::noDocument);
    UpdatePaneButtons();
}

// The document windows go with the frame's widgets, after this part of the frame: they must
// not call it any more.
CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    for (QMdiSubWindow* window : m_mdiArea->findChildren<QMdiSubWindow*>())
        disconnect(window, nullptr, this, nullptr);
}

void CMainFrame::createPanes(OutputLog& log)
{
    // The modules fill these three with their own widgets.
    m_windowHierarchy = new CResizableBar(QStringLiteral("Window hierarchy"), this, {200, 80}, PaneId::windowHierarchy);
    m_projectExplorer = new CResizableBar(QStringLiteral("Project explorer"), this, {200, 80}, PaneId::projectExplorer);
    m_output = new COutputPane(QStringLiteral("Output"), this, {80, 200}, PaneId::output, log);
    m_controlsFlags = new CResizableBar(QStringLiteral("Controls flags"), this, {80, 80}, PaneId::controlsFlags);

    // The bottom row spans the whole width, as the top and bottom dock rows are laid out first.
    setCorner(Qt::BottomLeftCorner, Qt::BottomDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::BottomDockWidgetArea);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks | QMainWindow::AllowTabbedDocks);

    addDockWidget(Qt::LeftDockWidgetArea, m_projectExplorer);
    addDockWidget(Qt::LeftDockWidgetArea, m_windowHierarchy);
    addDockWidget(Qt::BottomDockWidgetArea, m_output);
    addDockWidget(Qt::RightDockWidgetArea, m_controlsFlags);
    m_windowHierarchy->hide();
    m_output->hide();
    m_controlsFlags->hide();

    for (CResizableBar* bar : panes()) {
        connect(bar, &CResizableBar::closedByUser, this, &CMainFrame::UpdatePaneButtons);
        // The window's own pane menu (a right click on the toolbar) shows and hides panes too.
        connect(bar->toggleViewAction(), &QAction::triggered, this, [this, bar] {
            applyPaneSize(bar);
            UpdatePaneButtons();
        });
        connect(bar, &QDockWidget::dockLocationChanged, this, [this, bar] { applyPaneSize(bar); });
        connect(bar, &QDockWidget::topLevelChanged, this, [this, bar] { applyPaneSize(bar); });
    }
}

QList<CResizableBar*> CMainFrame::panes() const
{
    return {m_windowHierarchy, m_projectExplorer, m_output, m_controlsFlags};
}

CResizableBar* CMainFrame::pane(PaneId id) const
{
    for (CResizableBar* bar : panes())
        if (bar->barId() == id)
            return bar;
    return nullptr;
}

QDockWidget* CMainFrame::paneSlot(PaneId id)
{
    return id == PaneId::output ? nullptr : pane(id);
}

void CMainFrame::showPane(PaneId id)
{
    if (CResizableBar* bar = pane(id); bar && bar->isHidden())
        togglePane(id);
}

void CMainFrame::showHint(const QString& text)
{
    statusBar()->showMessage(text);
}

void CMainFrame::loadBarState()
{
    for (CResizableBar* bar : panes())
        bar->LoadState(m_profile, shell::kBarsProfileName);
    if (const auto layout = m_profile.readBinary(shell::kBarLayoutSection, shell::kBarLayoutKey))
        restoreState(QByteArray(reinterpret_cast<const char*>(layout->data()), static_cast<qsizetype>(layout->size())));
    // The project explorer starts hidden whatever the last run left.
    m_projectExplorer->hide();
}

void CMainFrame::applyPaneSize(CResizableBar* bar)
{
    if (bar->isHidden())
        return;
    const QSize size = bar->rememberedSize();
    if (bar->isFloating()) {
        bar->resize(size);
        return;
    }
    resizeDocks({bar}, {size.width()}, Qt::Horizontal);
    resizeDocks({bar}, {size.height()}, Qt::Vertical);
}

void CMainFrame::togglePane(PaneId id)
{
    CResizableBar* bar = pane(id);
    if (!bar)
        return;
    if (bar->isHidden()) {
        bar->show();
        applyPaneSize(bar);
    } else {
        bar->hide();
    }
    UpdatePaneButtons();
}

void CMainFrame::UpdatePaneButtons()
{
    m_commands.updateStates();
}

void CMainFrame::InitialShow()
{
    const bool maximized = m_settings.record().mainMaximized();
    if (const auto r = storedPlacement(m_profile, profile_names::kMainPlacement))
        setGeometry(*r);
    if (maximized)
        showMaximized();
    else
        showNormal();

    if (m_settings.record().reloadLastDocument()) {
        const std::string last = m_profile.readString(RecentFileList::kSection, RecentFileList::keyName(1), "");
        if (!last.empty())
            m_docs.openDocumentFile(pathFromBytes(last));
    }

    for (CResizableBar* bar : panes()) {
        applyPaneSize(bar);
        bar->setTracking(true);
    }
    UpdatePaneButtons();
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isMinimized())
        return;
    m_settings.setFlag(SettingsFlag::mainMaximized, isMaximized());
}

void CMainFrame::saveFrameState()
{
    if (m_stateSaved)
        return;
    m_stateSaved = true;
    for (CResizableBar* bar : panes())
        bar->SaveState(m_profile, shell::kBarsProfileName);
    const QByteArray layout = saveState();
    m_profile.writeBinary(shell::kBarLayoutSection, shell::kBarLayoutKey, Bytes(layout.begin(), layout.end()));

    // A maximized frame keeps the placement saved while it was last restored.
    if (!m_settings.record().mainMaximized()) {
        storePlacement(m_profile, profile_names::kMainPlacement, geometry());
    }
    emit stateSaving();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_docs.saveAllModified()) {
        event->ignore();
        return;
    }
    m_docs.closeAllDocuments();
    saveFrameState();
    emit closing();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    takeFileDrag(event);
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    takeFileDrag(event);
}

bool CMainFrame::takeFileDrag(QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drag = static_cast<QDropEvent*>(event);
    const QStringList files = droppedFiles(drag->mimeData());
    if (files.isEmpty())
        return false;
    // Opening reads the files: the file manager is told they were copied, never moved.
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (type == QEvent::Drop) {
        activateWindow();
        for (const QString& file : files)
            m_docs.openDocumentFile(file);
    }
    return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget != this && widget->window() == this && takeFileDrag(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::onActiveFrameChanged(CMDIChildWnd* frame)
{
    const CDocument* doc = frame ? frame->activeDocument() : nullptr;
    const CDocTemplate* docTemplate = doc ? doc->docTemplate() : nullptr;
    switchMenu(docTemplate ? static_cast<MenuId>(docTemplate->resourceId()) : MenuId::noDocument);
    UpdatePaneButtons();
    if (m_titleDocument)
        disconnect(m_titleDocument, nullptr, this, nullptr);
    m_titleDocument = frame ? frame->activeDocument() : nullptr;
    if (m_titleDocument)
        connect(m_titleDocument, &CDocument::titleChanged, this, &CMainFrame::updateTitle);
    if (frame)
        connect(frame, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::updateTitle, Qt::UniqueConnection);
    updateTitle();
    UpdatePaneButtons();
}

void CMainFrame::updateTitle()
{
    // The MDI area adds " - [title]" of a maximized document window itself.
    const QString app = QString::fromLatin1(shell::kAppName);
    const CMDIChildWnd* active = m_docs.activeFrame();
    const bool named = m_titleDocument && active && !active->isMaximized();
    setWindowTitle(named ? app + QStringLiteral(" - ") + active->windowTitle() : app);
}

void CMainFrame::focusNextPane(int step)
{
    QList<QWidget*> stops;
    if (QMdiSubWindow* sub = m_mdiArea->currentSubWindow())
        stops << sub->widget();
    for (CResizableBar* bar : panes())
        if (bar->isVisible() && bar->widget())
            stops << bar->widget();
    if (stops.isEmpty())
        return;
    qsizetype at = -1;
    for (qsizetype i = 0; i < stops.size(); ++i)
        if (stops[i]->isAncestorOf(focusWidget()) || stops[i] == focusWidget())
            at = i;
    const qsizetype next = ((at < 0 ? 0 : at + step) % stops.size() + stops.size()) % stops.size();
    stops[next]->setFocus(Qt::OtherFocusReason);
}

} // namespace orv
