// The surface's selection, edit mode and edits; the hierarchy tree follows every change.
#include "designer/CInterfaceEditorView.h"

#include "designer/CControlsFlagsDialog.h"
#include "designer/CNavigatorTreeCtrl.h"
#include "designer/COrvanteWnd.h"
#include "designer/CWindowDoc.h"
#include "designer/DesignMode.h"
#include "designer/DesignerHost.h"
#include "designer/DesignerPanes.h"
#include "designer/InsertMenu.h"
#include "designmodel/FormFit.h"
#include "designmodel/InsertCommands.h"
#include "designer/ScriptExport.h"
#include "framework/ByteText.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CommandIds.h"
#include "framework/CopyTextToClipboard.h"
#include "framework/Prompts.h"
#include "settings/ElementNamesOption.h"
#include "uimodel/WindowFile.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orv {

// Another view of the window may delete what this one has selected: the selection goes to
// the nearest container that stays.
class CInterfaceEditorView::SelectionKeeper final : public WindowObserver {
public:
    SelectionKeeper(CInterfaceEditorView& view, CUIWindow& window) : m_view(view), m_window(&window)
    {
        window.addObserver(*this);
    }
    ~SelectionKeeper() override
    {
        if (m_window)
            m_window->removeObserver(*this);
    }

    void elementRemoving(const CUIElement& element) override
    {
        if (&element == m_window)
            m_window = nullptr;
        for (const CUIElement* e = m_view.m_selected; e; e = e->parent())
            if (e == &element) {
                m_view.m_selected = element.parent();
                return;
            }
    }
    void elementInserted(const CUIElement&) override {}
    void elementMoved(const CUIElement&) override {}
    void flagsChanged(const CUIElement&) override {}
    // A new size from any view or the grid moves the tracker around the selection.
    void geometryChanged(const CUIElement& subtree) override
    {
        for (const CUIElement* e = m_view.m_selected; e; e = e->parent())
            if (e == &subtree) {
                m_view.placeTracker();
                return;
            }
    }

private:
    CInterfaceEditorView& m_view;
    CUIWindow* m_window;
};

CInterfaceEditorView::CInterfaceEditorView(CWindowDoc* document, QWidget* parent)
    : CView(document, parent), m_host(document->host()), m_designer(document->window())
{
    setObjectName(QStringLiteral("CInterfaceEditorView"));
    m_designer.setHistory(&document->history());
    // Every edit is a step: Undo and Redo name the new ones.
    m_designer.setChangedHandler([this, document] {
        document->setModifiedFlag(!document->history().atSavePoint());
        requestCommandUpdate();
    });
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("DesignScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setBackgroundRole(QPalette::Dark);
    // What the scroll area shows: the designed window at its top-left corner, on a surface as
    // large as the window or the view, whichever is larger, so that the scroll bars and the
    // wheel reach all of a window larger than the view, and a smaller one can grow (or be
    // maximized) to fill the view.
    m_surface = new QWidget;
    m_surface->setBackgroundRole(QPalette::Dark);
    m_surface->setAutoFillBackground(true);
    m_scroll->setWidget(m_surface);
    m_scroll->viewport()->installEventFilter(this);
    m_factory = std::make_unique<CPreviewFactory>(m_host, m_surface, this);
    m_previews = std::make_unique<PreviewTree>(window(), *m_factory);
    m_selectionKeeper = std::make_unique<SelectionKeeper>(*this, window());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    const UISize form = designerFormSize();
    resize(form.width, form.height);
    if (CControlsFlagsDialog* grid = m_host.controlsFlags)
        connect(this, &CInterfaceEditorView::elementSelected, grid,
                [this, grid](CUIElement* element) { grid->ShowElementFlags(element, m_designer); });
    // Cut, Copy and Paste follow the selection and the clipboard.
    connect(this, &CInterfaceEditorView::elementSelected, this, [this] { requestCommandUpdate(); });
    if (const QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, [this] { requestCommandUpdate(); });
}

CInterfaceEditorView::~CInterfaceEditorView()
{
    // The document, and the window with it, may go after this view: the grid lets go now.
    if (m_host.controlsFlags)
        m_host.controlsFlags->ElementRemoving(window());
    if (m_host.hierarchy && m_host.hierarchy->view() == this)
        m_host.hierarchy->clearHierarchy();
}

void CInterfaceEditorView::closeEvent(QCloseEvent* event)
{
    CView::closeEvent(event);
    // The shell hides the designer's panes when no designer view is active any more.
    if (event->isAccepted() && m_host.panes)
        m_host.panes->viewClosing(this);
}

CWindowDoc* CInterfaceEditorView::windowDoc() const
{
    return static_cast<CWindowDoc*>(document());
}

CUIWindow& CInterfaceEditorView::window() const
{
    return m_designer.window();
}

COrvanteWnd* CInterfaceEditorView::windowPreview() const
{
    // Null while the previews are being made: they are watched from the start.
    return m_previews ? dynamic_cast<COrvanteWnd*>(m_previews->port(window())) : nullptr;
}

void CInterfaceEditorView::showPreview()
{
    COrvanteWnd* wnd = windowPreview();
    if (!wnd)
        return;
    wnd->move(0, 0);
    wnd->show();
    fitSurface();
    connect(wnd->tracker(), &CDesignTracker::rightPressed, this, &CInterfaceEditorView::onTrackerRightPressed,
            Qt::UniqueConnection);
    connect(wnd->tracker(), &CDesignTracker::tracked, this, &CInterfaceEditorView::onTracked, Qt::UniqueConnection);
    connect(wnd, &COrvanteWnd::resizedByFrame, this, &CInterfaceEditorView::onWindowResized, Qt::UniqueConnection);
    wnd->installEventFilter(this);
}

void CInterfaceEditorView::fitFrameToForm()
{
    CMDIChildWnd* frame = parentFrame();
    if (!frame)
        return;
    // The frame's margins hold its title bar and borders: the view has the rest.
    const QMargins m = frame->contentsMargins();
    const QSize chrome(m.left() + m.right(), m.top() + m.bottom());
    const QSize view = frame->size() - chrome;
    const UIRect designed = window().rect();
    const UISize fitted =
        shrinkToForm({view.width(), view.height()}, designerFormSize(), {designed.width(), designed.height()});
    frame->resize(QSize(fitted.width, fitted.height) + chrome);
}

void CInterfaceEditorView::onInitialUpdate()
{
    if (m_host.panes)
        m_host.panes->showPanes();
    fitFrameToForm();
    showPreview();
    m_selected = &window();
    if (DesignMode::editMode()) {
        RefreshEditMode();
        enablePreviews(false);
    }
    // The grid's values are the window's own here, so applying them changes nothing unless
    // the preview strayed from its element; a grid still showing another element's values
    // must never be written into this window.
    if (CControlsFlagsDialog* grid = m_host.controlsFlags) {
        grid->ShowElementFlags(&window(), m_designer);
        if (grid->shownElement() == &window()) {
            grid->ApplyGridToElement(window());
            grid->LoadElementToGrid(window());
        }
    }
    m_firstActivation = true;
    m_relayoutPending = true;
}

void CInterfaceEditorView::onActivateView(bool activate)
{
    if (!activate) {
        m_firstActivation = true;
        return;
    }
    if (m_host.panes)
        m_host.panes->showPanes();
    SelectPreview(nullptr);
    enablePreviews(!DesignMode::editMode());
    if (m_firstActivation) {
        if (m_relayoutPending) {
            windowDoc()->arrangeForDisplay();
            m_relayoutPending = false;
        }
        fillHierarchy();
        m_firstActivation = false;
    }
    emit elementSelected(m_selected);
}

bool CInterfaceEditorView::onUpdateCommand(int id, CommandState& state) const
{
    if (id == commandValue(CommandId::editUndo) || id == commandValue(CommandId::editRedo)) {
        const DesignHistory& history = windowDoc()->history();
        state.enabled = id == commandValue(CommandId::editUndo) ? history.canUndo() : history.canRedo();
        return true;
    }
    if (id == commandValue(CommandId::editCut) || id == commandValue(CommandId::editCopy)) {
        const CUIElement* selected = selectedForEdit();
        state.enabled = selected && !selected->isWindow();
        return true;
    }
    if (id == commandValue(CommandId::editPaste)) {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        state.enabled = clipboard && clipboard->text().contains(QLatin1String("\t["));
        return true;
    }
    return id == commandValue(CommandId::exportScript) || id == commandValue(CommandId::exportPython);
}

void CInterfaceEditorView::onCommand(int id)
{
    if (id == commandValue(CommandId::exportScript))
        exportScript(ScriptLanguage::mel);
    else if (id == commandValue(CommandId::exportPython))
        exportScript(ScriptLanguage::python);
    else if (id == commandValue(CommandId::editUndo) || id == commandValue(CommandId::editRedo))
        stepHistory(id == commandValue(CommandId::editUndo));
    else if (id == commandValue(CommandId::editCopy))
        copySelection();
    else if (id == commandValue(CommandId::editCut))
        removeSelection("Cut");
    else if (id == commandValue(CommandId::editPaste))
        pasteClipboard();
}

const CUIElement* CInterfaceEditorView::selectedForEdit() const
{
    if (m_host.hierarchy && m_host.hierarchy->view() == this)
        if (const CUIElement* inTree = m_host.hierarchy->selectedElement())
            return inTree;
    return m_selected;
}

QString CInterfaceEditorView::menuText(int id) const
{
    const DesignHistory& history = windowDoc()->history();
    if (id == commandValue(CommandId::editUndo))
        return history.canUndo() ? QStringLiteral("&Undo %1\tCtrl+Z").arg(textFromUtf8(history.undoCaption()))
                                 : QString();
    if (id == commandValue(CommandId::editRedo))
        return history.canRedo() ? QStringLiteral("&Redo %1\tCtrl+Y").arg(textFromUtf8(history.redoCaption()))
                                 : QString();
    return {};
}

void CInterfaceEditorView::stepHistory(bool undo)
{
    // The step may take away what the grid shows: it lets go, and shows the new selection after.
    if (m_host.controlsFlags)
        m_host.controlsFlags->ElementRemoving(window());
    CUIElement* focus = undo ? m_designer.undo() : m_designer.redo();
    if (focus)
        m_selected = focus;
    showSelectionInTree();
    SelectPreview(m_selected);
    selectInTree(m_selected);
    emit elementSelected(m_selected);
}

UIRect CInterfaceEditorView::clientRectOf(const CUIElement& element)
{
    UIRect r = element.rect();
    for (const CUIElement* p = element.parent(); p && !p->isWindow(); p = p->parent())
        r.offset({p->rect().left, p->rect().top});
    return r;
}

void CInterfaceEditorView::placeTracker()
{
    COrvanteWnd* wnd = windowPreview();
    if (!wnd)
        return;
    CDesignTracker* tracker = wnd->tracker();
    if (!DesignMode::editMode() || !m_selected || m_selected->isWindow()) {
        tracker->setTrackRect(std::nullopt);
        tracker->setVisible(DesignMode::editMode());
        return;
    }
    const UIRect r = clientRectOf(*m_selected);
    tracker->setTrackRect(QRect(r.left, r.top, r.width(), r.height()));
    tracker->show();
    tracker->raise();
}

void CInterfaceEditorView::SelectPreview(CUIElement* target)
{
    if (target && target->isWindow()) {
        m_selected = target;
        placeTracker();
        return;
    }
    if (!DesignMode::editMode()) {
        placeTracker();
        return;
    }
    if (target)
        m_selected = target;
    placeTracker();
}

void CInterfaceEditorView::RefreshEditMode()
{
    if (DesignMode::editMode() && !window().children().empty()) {
        if (!m_selected || m_selected->isWindow())
            m_selected = window().children().front().get();
    } else {
        m_selected = nullptr;
    }
    placeTracker();
    if (m_selected)
        selectInTree(m_selected);
}

void CInterfaceEditorView::DeleteSelection()
{
    removeSelection("Delete");
}

void CInterfaceEditorView::takeTreeSelection()
{
    if (m_host.hierarchy && m_host.hierarchy->view() == this)
        if (CUIElement* inTree = m_host.hierarchy->selectedElement())
            m_selected = inTree;
}

void CInterfaceEditorView::copySelection()
{
    takeTreeSelection();
    if (m_selected && !m_selected->isWindow())
        CopyTextToClipboard(WriteElementBlock(*m_selected));
}

void CInterfaceEditorView::pasteClipboard()
{
    takeTreeSelection();
    const QClipboard* clipboard = QGuiApplication::clipboard();
    CUIElement* target = m_selected ? m_selected : &window();
    CUIElement* pasted = clipboard ? m_designer.paste(textToUtf8(clipboard->text()), *target) : nullptr;
    if (!pasted)
        return;
    m_selected = pasted;
    showSelectionInTree();
    SelectPreview(pasted);
    selectInTree(pasted);
    emit elementSelected(pasted);
}

void CInterfaceEditorView::removeSelection(std::string_view action)
{
    takeTreeSelection();
    if (!m_selected || m_selected->isWindow())
        return;
    if (action == "Cut")
        CopyTextToClipboard(WriteElementBlock(*m_selected));
    if (m_host.controlsFlags)
        m_host.controlsFlags->ElementRemoving(*m_selected);
    CUIElement* next = m_designer.remove(*m_selected, action);
    m_selected = nullptr;
    SelectPreview(next);
    if (!DesignMode::editMode())
        m_selected = next;
    showSelectionInTree();
    emit elementSelected(m_selected);
}

int CInterfaceEditorView::InsertElement(std::uint32_t categories, std::uint32_t disabled, int defaultCommand,
                                        bool menuRequested, const QPoint& menuAt)
{
    CUIElement* selected = m_host.hierarchy ? m_host.hierarchy->selectedElement() : nullptr;
    if (!selected)
        return 0;
    int command = defaultCommand;
    if (menuRequested || categories == insert_category::all)
        command = BuildInsertMenu(categories, disabled, menuAt);
    if (!WindowDesigner::insertTarget(*selected))
        return command;
    if (command < kFirstInsertCommand || command > kLastInsertCommand)
        return command;
    CUIElement* made = m_designer.insert(command, *selected);
    if (!made)
        return command;
    m_selected = made;
    showSelectionInTree();
    SelectPreview(made);
    selectInTree(made);
    return command;
}

void CInterfaceEditorView::moveSelection(WindowDesigner::MoveDirection direction)
{
    CUIElement* element = m_host.hierarchy ? m_host.hierarchy->selectedElement() : m_selected;
    if (!element || !m_designer.move(*element, direction))
        return;
    m_selected = element;
    showSelectionInTree();
    SelectPreview(nullptr);
}

void CInterfaceEditorView::duplicateSelection()
{
    CUIElement* element = m_host.hierarchy ? m_host.hierarchy->selectedElement() : m_selected;
    CUIElement* copy = element ? m_designer.duplicate(*element) : nullptr;
    if (!copy)
        return;
    m_selected = copy;
    showSelectionInTree();
    SelectPreview(copy);
    selectInTree(copy);
    emit elementSelected(copy);
}

void CInterfaceEditorView::dropElement(CUIElement& dragged, CUIElement* target)
{
    if (target)
        m_designer.drop(dragged, *target);
    else
        m_designer.dropAtEnd(dragged);
    m_selected = &dragged;
    showSelectionInTree();
    SelectPreview(nullptr);
}

void CInterfaceEditorView::renameElement(CUIElement& element, const std::string& name)
{
    std::string refusal;
    if (m_designer.rename(element, name, &refusal) || refusal.empty())
        return;
    // Said once the tree's editor has closed, so that the message does not interrupt it.
    const QString message = textFromUtf8(refusal + "; the name stays \"" + element.name() + "\".");
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            if (const CDocTemplate* docTemplate = document() ? document()->docTemplate() : nullptr)
                docTemplate->manager()->prompts().showError(message);
        },
        Qt::QueuedConnection);
}

bool CInterfaceEditorView::shows(const CUIElement& element) const
{
    const CUIElement* root = &element;
    while (root->parent())
        root = root->parent();
    return root == &window();
}

void CInterfaceEditorView::reloadShownFlags()
{
    CControlsFlagsDialog* grid = m_host.controlsFlags;
    if (grid && grid->shownElement() && shows(*grid->shownElement()))
        grid->LoadElementToGrid(*grid->shownElement());
}

void CInterfaceEditorView::onTreeSelection(CUIElement* element)
{
    if (!element)
        return;
    m_selected = element;
    SelectPreview(element);
    emit elementSelected(element);
}

void CInterfaceEditorView::fillHierarchy()
{
    if (m_host.hierarchy)
        m_host.hierarchy->FillHierarchy(window(), this);
}

void CInterfaceEditorView::showSelectionInTree()
{
    if (!m_host.hierarchy)
        return;
    // The tree heard the edit's changes from the window; a tree showing another view is
    // filled for this one.
    if (m_host.hierarchy->view() != this)
        fillHierarchy();
    else
        m_host.hierarchy->showSelection(m_selected);
}

void CInterfaceEditorView::selectInTree(CUIElement* element)
{
    if (m_host.hierarchy && m_host.hierarchy->view() == this)
        m_host.hierarchy->selectElement(element);
}

void CInterfaceEditorView::onTrackerRightPressed(const QPoint& clientPos)
{
    if (!DesignMode::editMode())
        return;
    CUIElement* found = WindowDesigner::elementAt(window(), {clientPos.x(), clientPos.y()});
    if (!found || found->isWindow() || found == m_selected)
        return;
    m_selected = found;
    placeTracker();
    selectInTree(found);
}

void CInterfaceEditorView::onTracked(const QRect& rect)
{
    if (!m_selected || m_selected->isWindow())
        return;
    const UIRect before = clientRectOf(*m_selected);
    if (rect.width() != before.width() || rect.height() != before.height()) {
        const UISize frame = previewFrameSize(*m_selected);
        m_designer.resize(*m_selected, {rect.width() - frame.width, rect.height() - frame.height});
    }
    showSelectionInTree();
    placeTracker();
    reloadShownFlags();
}

void CInterfaceEditorView::onWindowResized(const QSize& client)
{
    m_designer.resize(window(), {client.width(), client.height()});
    placeTracker();
    selectInTree(m_selected);
    reloadShownFlags();
}

QScrollArea* CInterfaceEditorView::scrollArea() const
{
    return m_scroll;
}

void CInterfaceEditorView::fitSurface()
{
    const COrvanteWnd* wnd = windowPreview();
    const QSize window = wnd ? wnd->size() : QSize();
    m_surface->resize(window.expandedTo(m_scroll->viewport()->size()));
}

// Watched: the scroll area's viewport, the window's preview and every preview widget.
bool CInterfaceEditorView::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    COrvanteWnd* wnd = windowPreview();
    // The surface, and with it the scroll range, follows the window's size and the view's.
    if (event->type() == QEvent::Resize && widget && (widget == wnd || widget == m_scroll->viewport()))
        fitSurface();
    if (!widget || !wnd)
        return false;
    if (event->type() == QEvent::MouseButtonPress && !DesignMode::editMode() && wnd->isAncestorOf(widget)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const QPoint p = wnd->childHost()->mapFromGlobal(mouse->globalPosition().toPoint());
        CUIElement* found = WindowDesigner::elementAt(window(), {p.x(), p.y()});
        if (found) {
            m_selected = found;
            selectInTree(found);
            emit elementSelected(found);
        }
    }
    return false;
}

// Keys no preview took, from the tracker or the view itself: Delete removes the selection in
// edit mode.
void CInterfaceEditorView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && DesignMode::editMode()) {
        DeleteSelection();
        return;
    }
    CView::keyPressEvent(event);
}

void CInterfaceEditorView::exportScript(ScriptLanguage language)
{
    // The export asks through the framework's prompts, as the document's own file steps do.
    const CDocTemplate* docTemplate = document() ? document()->docTemplate() : nullptr;
    if (!docTemplate)
        return;
    ScriptExport target(docTemplate->manager()->prompts(), language);
    OutputLog scratch;
    const bool writeNames = m_host.profile && readElementNamesOption(*m_host.profile);
    const ExportResult result =
        ExportWindowScript(window(), *m_host.record, m_host.log ? *m_host.log : scratch, target, language, writeNames);
    if (!result.cancelled && m_host.panes)
        m_host.panes->showOutput();
}

} // namespace orv
