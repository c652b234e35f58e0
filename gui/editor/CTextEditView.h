// The edit view: the text view with every command that changes the text, typed characters
// through the typing rules of core, and drag and drop of text.
#pragma once

#include "editor/CTextView.h"
#include "editor/QtClipboard.h"
#include "text/TextEditModel.h"

#include <QMimeData>

#include <memory>

namespace orv {

class CTextEditView : public CTextView {
    Q_OBJECT

public:
    explicit CTextEditView(const SettingsRecord& settings, QWidget* parent = nullptr);

    TextEditModel& edit() { return static_cast<TextEditModel&>(model()); }
    const TextEditModel& edit() const { return static_cast<const TextEditModel&>(model()); }

    bool onCommand(int id, bool execute) override;
    QString indicatorText(int id) const override;
    // "&Undo Typing<TAB>Ctrl+Z" and the like, for the Edit menu.
    QString undoMenuText() const;
    QString redoMenuText() const;
    // Where an input method shows its window: at the caret.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // Types text as the keyboard does, in the text's encoding (in Windows-1252 a character the
    // code page lacks becomes "?").
    void typeText(const QString& text);

signals:
    // Find and Replace are dialogs of the document's window; the view asks for them.
    void findRequested();
    void replaceRequested();

protected:
    void onViewReset() override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool startDragCandidate(QMouseEvent* event) override;
    void dragCandidateMoved(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool runEditCommand(int id, bool execute);
    // Text is dropped here, but not files, and not into a text that cannot change.
    bool takesDrop(const QDropEvent* event) const;
    static Qt::DropAction dropActionFor(const QDropEvent* event);

    QtClipboard m_clipboard;
    bool m_dragCandidate = false;
    QPoint m_dragStart;
    // A drag held near an edge keeps scrolling the view.
    QBasicTimer m_dragScrollTimer;
    QPoint m_dragPoint;
};

// The data of a drag of text that this program starts: a drop of it moves the text.
std::unique_ptr<QMimeData> ownTextDrag(const QString& text);

} // namespace orv
