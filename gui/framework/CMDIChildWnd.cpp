// Child frame activation, title and the prompt before the last frame of a document closes.
#include "framework/CMDIChildWnd.h"

#include "framework/CDocument.h"
#include "framework/CView.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QStyle>

namespace orv {

CMDIChildWnd::CMDIChildWnd(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The frame's accelerators (Ctrl+W closes the document) take the keys of the window menu.
    if (QMenu* menu = systemMenu())
        for (QAction* action : menu->actions())
            action->setShortcuts({});
}

CView* CMDIChildWnd::activeView() const
{
    return qobject_cast<CView*>(widget());
}

CDocument* CMDIChildWnd::activeDocument() const
{
    const CView* view = activeView();
    return view ? view->document() : nullptr;
}

void CMDIChildWnd::placeInArea()
{
    QMdiArea* area = mdiArea();
    if (!area)
        return;
    constexpr int kCascadeSlots = 8;
    const QSize room = area->viewport()->size();
    const QSize size = QSize(room.width() * 3 / 4, room.height() * 3 / 4).expandedTo(minimumSize());
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    int offset = static_cast<int>((area->subWindowList().size() - 1) % kCascadeSlots) * step;
    if (offset + size.width() > room.width() || offset + size.height() > room.height())
        offset = 0;
    setGeometry(offset, offset, size.width(), size.height());
}

void CMDIChildWnd::activateFrame(ShowCommand requested)
{
    if (requested == ShowCommand::maximized)
        showMaximized();
    else
        showNormal();
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
    // The keyboard goes with the activation, also while a dialog has it: the main window hands
    // it back to its last focus, and the frame holding that focus would become active again.
    if (!isAncestorOf(QWidget::window()->focusWidget())) {
        QWidget* view = widget();
        (view && view->focusPolicy() != Qt::NoFocus ? view : this)->setFocus(Qt::OtherFocusReason);
    }
}

void CMDIChildWnd::updateTitle(int windowNumber)
{
    const CDocument* doc = activeDocument();
    if (!doc)
        return;
    setWindowTitle(doc->frameTitle(windowNumber));
}

void CMDIChildWnd::closeEvent(QCloseEvent* event)
{
    CDocument* doc = activeDocument();
    if (doc && doc->views().size() == 1) {
        if (!doc->saveModified()) {
            event->ignore();
            return;
        }
        // Saved or discarded: the document closes with no changes left to keep.
        doc->setModifiedFlag(false);
    }
    QMdiSubWindow::closeEvent(event);
}

} // namespace orv
