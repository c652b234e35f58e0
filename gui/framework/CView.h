// A view: one widget showing a document inside a child frame, told of updates and activation.
#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CDocument.h"
#include "framework/SettingsService.h"

#include <QPointer>
#include <QWidget>

namespace orv {

class CMDIChildWnd;

class CView : public QWidget, public CCmdTarget {
    Q_OBJECT

public:
    explicit CView(CDocument* document, QWidget* parent = nullptr);
    ~CView() override;

    CDocument* document() const { return m_document; }
    CMDIChildWnd* parentFrame() const;
    // Whether this is the active view of the active document window.
    bool isActiveView() const;

    // Once, after the view is in its frame and before the frame is shown.
    virtual void onInitialUpdate();
    // The document changed; sender is the view that changed it, or null.
    virtual void onUpdate(CView* sender, int hint);
    // The view's frame became the active one (true) or stopped being it (false).
    virtual void onActivateView(bool activate);
    // The shared settings changed; the view shows them (by default it repaints).
    virtual void onSettingsChanged(SettingsChanges what);

    // Asks for the commands' states to be brought up to date: the view calls it when its
    // selection, or anything else a command's state depends on, changes.
    void requestCommandUpdate() const;
    // The text of a status bar indicator this view fills (by the indicator's id); empty
    // while the indicator is off or not the view's.
    virtual QString indicatorText(int id) const;
    // The menu text of a command whose text follows the view's state (e.g. "&Undo Typing");
    // empty for the command's own text.
    virtual QString menuText(int id) const;
    // Shows a place a message names (line and column from 1); a view without places ignores it.
    virtual void showPlace(int line, int column);

signals:
    // An indicator text may have changed.
    void indicatorsChanged();

private:
    QPointer<CDocument> m_document;
};

} // namespace orv
