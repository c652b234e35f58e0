// The designer view of a window document: shows the window's preview pinned at its top-left
// corner, scrolled when it is larger than the view, keeps the selection with its tracker in
// edit mode, and carries out the designer's edits (insert, delete, move, rename, resize), each
// one step of the document's undo history, the document modified unless back at its saved step. Each view builds its own live preview of the window and
// keeps it in step with the model, whichever view the change came from.
#pragma once

#include "designer/CPreviewFactory.h"
#include "designmodel/PreviewTree.h"
#include "designmodel/WindowDesigner.h"

#include "framework/CView.h"
#include "uimodel/MelExport.h"

#include <memory>
#include <string_view>

class QScrollArea;

namespace orv {

class COrvanteWnd;
class CWindowDoc;
struct DesignerHost;

class CInterfaceEditorView : public CView {
    Q_OBJECT

public:
    CInterfaceEditorView(CWindowDoc* document, QWidget* parent = nullptr);
    ~CInterfaceEditorView() override;

    CWindowDoc* windowDoc() const;
    CUIWindow& window() const;
    COrvanteWnd* windowPreview() const;
    WindowDesigner& designer() { return m_designer; }
    // The selected element; the window when it is selected; null when nothing is.
    CUIElement* selected() const { return m_selected; }

    // The preview of element in this view; null for none.
    PreviewPort* previewOf(const CUIElement& element) const { return m_previews->port(element); }
    // Edit mode turns every preview below the window off; otherwise each follows its element.
    void enablePreviews(bool on) { m_previews->enableBelowWindow(on); }

    void onInitialUpdate() override;
    void onActivateView(bool activate) override;
    bool onUpdateCommand(int id, CommandState& state) const override;
    void onCommand(int id) override;
    // "&Undo Insert button<TAB>Ctrl+Z", "&Redo Rename<TAB>Ctrl+Y", from the document's history.
    QString menuText(int id) const override;

    // Makes target the selection and puts the tracker around it in edit mode; null redraws
    // the tracker of the current selection.
    void SelectPreview(CUIElement* target);
    // Follows the palette's edit mode: the tracker on the first child, or no selection.
    void RefreshEditMode();
    // Deletes the selection (never the window) and selects what comes next.
    void DeleteSelection();
    // The selection's window file text on the clipboard (Copy); Cut also deletes it.
    void copySelection();
    // The clipboard's element put in where an insertion would go, selected.
    void pasteClipboard();
    // The palette's and the context menu's insertion: the default command, or the one chosen
    // from the menu of the categories when menuRequested. Returns the command chosen.
    int InsertElement(std::uint32_t categories, std::uint32_t disabled, int defaultCommand, bool menuRequested,
                      const QPoint& menuAt);
    void moveSelection(WindowDesigner::MoveDirection direction);
    // A copy of the selection with its subtree after it, selected (nothing for the window or
    // its layout, or in a full container).
    void duplicateSelection();
    // A drop of dragged onto target, or onto no element (null): to the end of its container.
    void dropElement(CUIElement& dragged, CUIElement* target);
    // A name the designer refuses keeps the old one and says why (through the prompts).
    void renameElement(CUIElement& element, const std::string& name);
    // Whether element is in this view's window.
    bool shows(const CUIElement& element) const;
    // The hierarchy selected element: the surface follows.
    void onTreeSelection(CUIElement* element);
    // The export in language to a file, the clipboard and the Output pane, as the settings say.
    void exportScript(ScriptLanguage language);
    // The element's rectangle in the window's client area.
    static UIRect clientRectOf(const CUIElement& element);
    // What scrolls the designed window when it is larger than the view.
    QScrollArea* scrollArea() const;

signals:
    // The selection the Controls flags pane shows.
    void elementSelected(orv::CUIElement* element);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The view's window is closing and the view goes with it.
    void closeEvent(QCloseEvent* event) override;

private:
    class SelectionKeeper;

    // Shows the window's preview at the surface's top-left corner and follows its signals.
    void showPreview();
    void fillHierarchy();
    // After an edit: the tree selects this view's selection (none: no item).
    void showSelectionInTree();
    void selectInTree(CUIElement* element);
    void onTrackerRightPressed(const QPoint& clientPos);
    void onTracked(const QRect& rect);
    void onWindowResized(const QSize& client);
    void placeTracker();
    // Shrinks the frame around the view to the form's size, never growing it.
    void fitFrameToForm();
    // The surface as large as the window or the view, whichever is larger.
    void fitSurface();
    // The surface changed the shown element's size: the grid takes its values again.
    void reloadShownFlags();
    // Undoes or redoes one step of the document's history and selects what it concerns.
    void stepHistory(bool undo);
    // The hierarchy's selection of this view becomes the selection.
    void takeTreeSelection();
    // The element Cut and Copy act on: the hierarchy's selection, else the view's.
    const CUIElement* selectedForEdit() const;
    // Deletes the selection as action ("Delete", "Cut": also onto the clipboard).
    void removeSelection(std::string_view action);

    const DesignerHost& m_host;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_surface = nullptr;
    WindowDesigner m_designer;
    std::unique_ptr<CPreviewFactory> m_factory;
    // Goes before the surface that holds its widgets.
    std::unique_ptr<PreviewTree> m_previews;
    std::unique_ptr<SelectionKeeper> m_selectionKeeper;
    CUIElement* m_selected = nullptr;
    bool m_firstActivation = true;
    bool m_relayoutPending = true;
};

} // namespace orv
