// The main window: menus switched with the active document type, the toolbar, the status bar,
// the four docking panes (the Output pane filled by the frame, the others lent empty to the
// modules), and the layout kept across runs.
#pragma once

#include "app/AppIds.h"
#include "framework/FrameServices.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <string>
#include <vector>

class QMdiArea;
class QMenu;

namespace orv {

class CDocManager;
class CDocument;
class CommandRegistry;
class CMDIChildWnd;
class COutputPane;
class CResizableBar;
class LockIndicators;
class ViewIndicators;
class OutputLog;
class Profile;
class SettingsService;

class CMainFrame : public QMainWindow, public FrameServices {
    Q_OBJECT

public:
    CMainFrame(SettingsService& settings, Profile& profile, OutputLog& log, CDocManager& docs);
    ~CMainFrame() override;

    QMdiArea* mdiArea() const { return m_mdiArea; }
    QAction* action(CommandId id) const;
    CResizableBar* pane(PaneId id) const;
    COutputPane* outputPane() const { return m_output; }
    CResizableBar* windowHierarchyPane() const { return m_windowHierarchy; }
    CResizableBar* projectExplorerPane() const { return m_projectExplorer; }
    CResizableBar* controlsFlagsPane() const { return m_controlsFlags; }
    QToolBar* toolBar() const { return m_toolBar; }
    LockIndicators* lockIndicators() const { return m_lockIndicators; }
    ViewIndicators* viewIndicators() const { return m_viewIndicators; }
    MenuId currentMenu() const { return m_currentMenu; }

    // Brings every command's enabled and checked state up to date at once: the four pane
    // toggles follow their panes' visibility, the colouring toggle the syntax colouring option.
    void UpdatePaneButtons();
    // Shows the pane when hidden and hides it otherwise.
    void togglePane(PaneId id);

    // Once, when the splash closes: placement "pos", the optional reload, the toolbar states.
    void InitialShow();

    // The recent file list's entries for the File menus; without any, "Recent Files" stays
    // there, disabled.
    void setRecentFiles(const std::vector<std::string>& entries);

    // Pane sizes, docking layout and "pos" (only when not maximized); then the modules keep
    // theirs (stateSaving).
    void saveFrameState();

    QWidget* frameWindow() override { return this; }
    QDockWidget* paneSlot(PaneId id) override;
    void showPane(PaneId id) override;
    void panesChanged() override { UpdatePaneButtons(); }
    void showHint(const QString& text) override;

signals:
    void recentFileChosen(const QString& path);
    // The frame's state is being kept: the modules keep theirs in the profile.
    void stateSaving();
    // The frame has accepted to close: the modules' floating windows go with it.
    void closing();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A drag of files over the window is taken as a copy, and its drop opens them; false for
    // any other event.
    bool takeFileDrag(QEvent* event);
    void createActions();
    void createToolBar();
    void createStatusBar();
    void createPanes(OutputLog& log);
    void createMenus();
    QMenu* createFileMenu(MenuId id);
    QMenu* createEditMenu(MenuId id);
    QMenu* createWindowMenu();
    void addMenuCommands(QMenu* menu, std::initializer_list<CommandId> ids);
    void fillWindowList(QMenu* menu);
    void installFrameHandlers();
    void loadBarState();
    void applyPaneSize(CResizableBar* bar);
    void switchMenu(MenuId id);
    void onActiveFrameChanged(CMDIChildWnd* frame);
    void updateTitle();
    void focusNextPane(int step);
    void cascadeWindows();
    // Undo and Redo take the names the active view gives them.
    void updateUndoTexts();
    QList<CResizableBar*> panes() const;

    SettingsService& m_settings;
    Profile& m_profile;
    CDocManager& m_docs;
    CommandRegistry& m_commands;

    QMdiArea* m_mdiArea;
    QToolBar* m_toolBar = nullptr;
    LockIndicators* m_lockIndicators = nullptr;
    ViewIndicators* m_viewIndicators = nullptr;
    CResizableBar* m_windowHierarchy = nullptr;
    CResizableBar* m_projectExplorer = nullptr;
    COutputPane* m_output = nullptr;
    CResizableBar* m_controlsFlags = nullptr;

    QMap<MenuId, QList<QMenu*>> m_menus;
    QList<QPair<QMenu*, QAction*>> m_fileMenus;  // each File menu and the separator after its recent files
    QList<QAction*> m_recentActions;
    QAction* m_recentPlaceholder = nullptr;
    MenuId m_currentMenu = MenuId::noDocument;
    QPointer<CDocument> m_titleDocument;
    bool m_stateSaved = false;
};

} // namespace orv
