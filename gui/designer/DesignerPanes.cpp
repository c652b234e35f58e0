// The panes follow designer views coming and going; the palette acts on the active view.
#include "designer/DesignerPanes.h"

#include "designer/CControlsFlagsDialog.h"
#include "designer/CInterfaceEditorView.h"
#include "designer/CNavigatorTreeCtrl.h"
#include "designer/CToolsDialog.h"
#include "designer/DesignMode.h"
#include "designer/DesignerHost.h"
#include "designer/WindowDocumentType.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "framework/FrameServices.h"
#include "framework/PaneContent.h"
#include "framework/StoredPlacement.h"
#include "settings/AppSettings.h"

#include <QDockWidget>

namespace orv {

DesignerPanes::DesignerPanes(FrameServices& frame, SettingsService& settings, const Profile& profile,
                             CDocManager& docs, DesignerHost& host)
    : QObject(frame.frameWindow()), m_frame(frame), m_docs(docs)
{
    m_tree = new CNavigatorTreeCtrl;
    preparePaneTree(*m_tree);
    frame.paneSlot(PaneId::windowHierarchy)->setWidget(m_tree);
    m_grid = new CControlsFlagsDialog;
    m_grid->setHintSink([&frame](const QString& hint) { frame.showHint(hint); });
    frame.paneSlot(PaneId::controlsFlags)->setWidget(m_grid);
    m_palette = new CToolsDialog(settings, frame.frameWindow());
    if (const auto r = storedPlacement(profile, profile_names::kToolsPlacement))
        m_palette->setGeometry(*r);
    m_palette->hide();

    host.hierarchy = m_tree;
    host.controlsFlags = m_grid;
    host.panes = this;

    connect(m_palette, &CToolsDialog::insertRequested, this,
            [this](std::uint32_t categories, int command, bool menu, const QPoint& at) {
                if (CInterfaceEditorView* view = activeView())
                    view->InsertElement(categories, 0, command, menu, at);
            });
    connect(m_palette, &CToolsDialog::editModeToggled, this, [this](bool on) {
        DesignMode::setEditMode(on);
        if (CInterfaceEditorView* view = activeView()) {
            view->RefreshEditMode();
            view->enablePreviews(!on);
        }
    });
    connect(&docs, &CDocManager::activeFrameChanged, this, &DesignerPanes::onActiveFrameChanged);
}

CToolsDialog* DesignerPanes::palette() const
{
    return m_palette;
}

CInterfaceEditorView* DesignerPanes::activeView() const
{
    return qobject_cast<CInterfaceEditorView*>(m_docs.activeView());
}

void DesignerPanes::setPanesShown(bool shown)
{
    m_palette->setVisible(shown);
    QDockWidget* hierarchy = m_frame.paneSlot(PaneId::windowHierarchy);
    hierarchy->setEnabled(shown);
    hierarchy->setVisible(shown);
    m_frame.paneSlot(PaneId::controlsFlags)->setVisible(shown);
    m_frame.panesChanged();
}

void DesignerPanes::showPanes()
{
    setPanesShown(true);
}

void DesignerPanes::viewClosing(const CInterfaceEditorView* going)
{
    // A frame that is closed already is going away with its panes: nothing to hide.
    const CInterfaceEditorView* active = activeView();
    if ((active && active != going) || !m_frame.frameWindow()->isVisible())
        return;
    m_tree->clearHierarchy();
    m_grid->ClearGrid();
    setPanesShown(false);
}

void DesignerPanes::showOutput()
{
    m_frame.showPane(PaneId::output);
}

void DesignerPanes::onActiveFrameChanged(CMDIChildWnd* frame)
{
    if (!frame)
        return;
    const CDocument* doc = frame->activeDocument();
    const CDocTemplate* docTemplate = doc ? doc->docTemplate() : nullptr;
    const bool designs = docTemplate && docTemplate->resourceId() == kWindowDocumentType.templateId;
    if (!designs)
        m_palette->hide();
    m_frame.paneSlot(PaneId::windowHierarchy)->setEnabled(designs);
    m_frame.paneSlot(PaneId::controlsFlags)->setEnabled(designs);
    m_frame.panesChanged();
}

void DesignerPanes::saveState(Profile& profile) const
{
    // A palette never shown has only the place it was created at: the one stored stays.
    if (m_palette->wasShown())
        storePlacement(profile, profile_names::kToolsPlacement, m_palette->geometry());
}

void DesignerPanes::frameClosing()
{
    m_palette->hide();
}

} // namespace orv
