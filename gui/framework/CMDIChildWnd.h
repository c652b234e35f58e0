// A document window inside the main frame's MDI area: holds one view, asks before the last
// frame of a modified document closes.
#pragma once

#include "framework/CCmdTarget.h"

#include "settings/WindowPlacement.h"

#include <QMdiSubWindow>

namespace orv {

class CDocument;
class CView;

class CMDIChildWnd : public QMdiSubWindow, public CCmdTarget {
    Q_OBJECT

public:
    explicit CMDIChildWnd(QWidget* parent = nullptr);

    CView* activeView() const;
    CDocument* activeDocument() const;

    // A new frame's normal place in its MDI area: cascaded below the windows already open,
    // three quarters of the area in size, so that restoring it gives a usable window.
    void placeInArea();

    // The framework's activation when a frame opens: show as asked, then make it active.
    virtual void activateFrame(ShowCommand requested);

    // "Title", or "Title:n" when the document has more than one frame.
    void updateTitle(int windowNumber);

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace orv
