// The palette acts on the active designer view; the panes follow designer views coming and going.
#include "app/DesignerWiring.h"

#include "app/CMainFrame.h"
#include "app/CToolsDialog.h"
#include "app/CopyTextToClipboard.h"
#include "app/InsertMenu.h"
#include "app/Panes.h"
#include "designer/CControlsFlagsDialog.h"
#include "designer/CInterfaceEditorView.h"
#include "designer/CNavigatorTreeCtrl.h"
#include "designer/DesignMode.h"
#include "framework/CDocManager.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"

namespace orv {
namespace {

// The designer view whose window holds element, if one is open.
CInterfaceEditorView* designerViewShowing(const CDocManager& docs, const CUIElement& element)
{
    for (CDocument* doc : docs.documents())
        for (CView* view : doc->views())
            if (auto* designer = qobject_cast<CInterfaceEditorView*>(view); designer && designer->shows(element))
                return designer;
    return nullptr;
}

} // namespace

void connectDesignerToFrame(DesignerHost& host, CMainFrame& frame, CDocManager& docs)
{
    CNavigatorTreeCtrl* tree = frame.hierarchyTree();
    host.hierarchy = tree;
    CControlsFlagsDialog* grid = frame.controlsFlagsPane()->dialog();
    host.controlsFlags = grid;
    grid->setModifiedCallback([&docs](CUIElement& element) {
        if (CInterfaceEditorView* view = designerViewShowing(docs, element))
            view->gridEdited();
    });
    host.insertMenu = [](std::uint32_t categories, std::uint32_t disabled, const QPoint& at) {
        return BuildInsertMenu(categories, disabled, at);
    };
    host.copyToClipboard = [](const std::string& text) { CopyTextToClipboard(text); };
    host.showOutput = [&frame] {
        frame.outputPane()->show();
        frame.UpdatePaneButtons();
    };
    host.showDesignerPanes = [&frame](bool active) {
        frame.toolsPalette()->setVisible(active);
        CResizableBar* hierarchy = frame.windowHierarchyPane();
        hierarchy->setEnabled(active);
        hierarchy->setVisible(active);
        frame.controlsFlagsPane()->setVisible(active);
        frame.UpdatePaneButtons();
    };

    CToolsDialog* tools = frame.toolsPalette();
    const auto activeView = [&docs] { return qobject_cast<CInterfaceEditorView*>(docs.activeView()); };
    // When a designer view goes and no other designer view is active, the palette and the
    // designer's panes go, and the tree and the grid let go of what they showed: the next
    // designer view to become active shows them again with its own selection.
    // A frame that is closed already is going away with its panes: nothing to hide.
    QWidget* frameWindow = &frame;
    host.designerViewClosing = [&host, activeView, tree, grid, frameWindow](const CInterfaceEditorView* going) {
        const CInterfaceEditorView* active = activeView();
        if ((active && active != going) || !frameWindow->isVisible())
            return;
        tree->clearHierarchy();
        grid->ClearGrid();
        host.showDesignerPanes(false);
    };
    QObject::connect(tools, &CToolsDialog::insertRequested, tools,
                     [activeView](std::uint32_t categories, int command, bool menu, const QPoint& at) {
                         if (CInterfaceEditorView* view = activeView())
                             view->InsertElement(categories, 0, command, menu, at);
                     });
    QObject::connect(tools, &CToolsDialog::editModeToggled, tools, [activeView](bool on) {
        DesignMode::setEditMode(on);
        if (CInterfaceEditorView* view = activeView()) {
            view->RefreshEditMode();
            view->enablePreviews(!on);
        }
    });
}

} // namespace orv
