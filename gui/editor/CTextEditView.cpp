// Editing keys, typing, and drag and drop of the edit view.
#include "editor/CTextEditView.h"

#include "editor/EditorCommands.h"
#include "framework/ByteText.h"
#include "framework/DroppedFiles.h"

#include <QApplication>
#include <QDrag>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace orv {

namespace {
constexpr int kScrollZone = 5;  // pixels from an edge where a drag scrolls
constexpr int kDragScrollMs = 100;
// The mark of a drag this program started: its process id, so that another instance's drag
// counts as another program's.
const QString kOwnDragFormat = QStringLiteral("application/x-orvante-text-drag");

QByteArray ownDragMark()
{
    return QByteArray::number(QCoreApplication::applicationPid());
}
} // namespace

std::unique_ptr<QMimeData> ownTextDrag(const QString& text)
{
    auto mime = std::make_unique<QMimeData>();
    mime->setText(text);
    mime->setData(kOwnDragFormat, ownDragMark());
    return mime;
}

CTextEditView::CTextEditView(const SettingsRecord& settings, QWidget* parent)
    : CTextView(settings, std::make_unique<TextEditModel>(), parent)
{
    edit().setClipboard(&m_clipboard);
    viewport()->setAcceptDrops(true);
    // Input methods (for Japanese, Chinese, Korean...) hand over what was composed as text.
    setAttribute(Qt::WA_InputMethodEnabled, true);
}

void CTextEditView::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        typeText(event->commitString());
    event->accept();
}

QVariant CTextEditView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // The input method places its window at the caret.
    if (query == Qt::ImCursorRectangle && buffer())
        return QRect(pointOf(model().cursor()), QSize(1, lineHeight()));
    return CTextView::inputMethodQuery(query);
}

void CTextEditView::onViewReset()
{
    // A new text starts in insert mode with auto indent.
    if (edit().overwrite())
        edit().toggleOverwrite();
    edit().setAutoIndent(true);
    CTextView::onViewReset();
}

bool CTextEditView::onCommand(int id, bool execute)
{
    return runEditCommand(id, execute) || CTextView::onCommand(id, execute);
}

bool CTextEditView::runEditCommand(int id, bool execute)
{
    using namespace editor_command;
    TextEditModel& model = edit();
    if (!buffer())
        return false;
    bool enabled = model.canEdit();
    bool done = false;
    switch (id) {
    case kDelete:
        if (enabled && execute)
            done = model.deleteForward();
        break;
    case kBackspace:
        if (enabled && execute)
            done = model.backspace();
        break;
    case kWordBackspace:
        break;
    case kTab:
        if (enabled && execute)
            done = model.tab();
        break;
    case kShiftTab:
        if (enabled && execute)
            done = model.shiftTab();
        break;
    case kToggleOverwrite:
        enabled = true;
        if (execute) {
            model.toggleOverwrite();
            done = true;
        }
        break;
    case kCut:
        enabled = model.canCut();
        if (enabled && execute)
            done = model.cut();
        break;
    case kPaste:
        enabled = model.canPaste();
        if (enabled && execute)
            done = model.paste();
        break;
    case kUndo:
        enabled = model.canEdit() && buffer()->HasUndo();
        if (enabled && execute)
            done = model.undo();
        break;
    case kRedo:
        enabled = model.canEdit() && buffer()->HasRedo();
        if (enabled && execute)
            done = model.redo();
        break;
    case kFind:
        enabled = true;
        if (execute)
            emit findRequested();
        return true;
    case kReplace:
        if (enabled && execute)
            emit replaceRequested();
        return enabled;
    default:
        return false;
    }
    if (execute)
        afterCursorMove(done || id == kToggleOverwrite);
    return enabled;
}

QString CTextEditView::indicatorText(int id) const
{
    if (id == editor_command::kIndicatorOverwrite)
        return buffer() && edit().overwrite() ? QStringLiteral("OVR") : QString();
    return CTextView::indicatorText(id);
}

QString CTextEditView::undoMenuText() const
{
    return QString::fromStdString(edit().undoMenuText());
}

QString CTextEditView::redoMenuText() const
{
    return QString::fromStdString(edit().redoMenuText());
}

void CTextEditView::typeText(const QString& text)
{
    if (edit().typeText(textToUtf8(text)))
        afterCursorMove();
}

void CTextEditView::keyPressEvent(QKeyEvent* event)
{
    if (editor_command::commandForKey(*event)) {
        CTextView::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    // Characters typed while a mouse button is held are ignored; Ctrl and Alt combinations
    // are commands, never text.
    if (text.isEmpty() || QApplication::mouseButtons() != Qt::NoButton ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        CTextView::keyPressEvent(event);
        return;
    }
    typeText(event->key() == Qt::Key_Enter ? QStringLiteral("\r") : text);
    event->accept();
}

bool CTextEditView::startDragCandidate(QMouseEvent* event)
{
    m_dragCandidate = true;
    m_dragStart = event->position().toPoint();
    return true;
}

void CTextEditView::dragCandidateMoved(QMouseEvent* event)
{
    if (!m_dragCandidate ||
        (event->position().toPoint() - m_dragStart).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragCandidate = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(ownTextDrag(textFromUtf8(edit().selectionForOutside())).release());
    edit().beginDrag();
    const Qt::DropAction result = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    edit().endDrag(result == Qt::MoveAction);
    afterCursorMove(false);
}

void CTextEditView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragCandidate) {
        // A click inside the selection that did not become a drag places the cursor.
        m_dragCandidate = false;
        edit().setCursor(posAt(event->position().toPoint()));
        afterCursorMove();
    }
    CTextView::mouseReleaseEvent(event);
}

bool CTextEditView::takesDrop(const QDropEvent* event) const
{
    // Files dropped from a file manager are opened by the main window, not written into the text.
    const QMimeData* mime = event->mimeData();
    return mime->hasText() && droppedFiles(mime).isEmpty() && edit().canEdit();
}

Qt::DropAction CTextEditView::dropActionFor(const QDropEvent* event)
{
    // Only a drag of this program's own text moves it (unless Ctrl copies); what another program
    // offers is copied, so that it never deletes its own text.
    const bool ours = event->mimeData()->data(kOwnDragFormat) == ownDragMark();
    return ours && !(event->modifiers() & Qt::ControlModifier) ? Qt::MoveAction : Qt::CopyAction;
}

void CTextEditView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!takesDrop(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(dropActionFor(event));
    event->accept();
}

void CTextEditView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!takesDrop(event)) {
        event->ignore();
        return;
    }
    m_dragPoint = event->position().toPoint();
    if (scrollTowards(m_dragPoint, kScrollZone))
        m_dragScrollTimer.start(kDragScrollMs, this);
    else
        m_dragScrollTimer.stop();
    event->setDropAction(dropActionFor(event));
    event->accept();
}

void CTextEditView::dragLeaveEvent(QDragLeaveEvent* event)
{
    m_dragScrollTimer.stop();
    CTextView::dragLeaveEvent(event);
}

void CTextEditView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_dragScrollTimer.timerId()) {
        CTextView::timerEvent(event);
        return;
    }
    if (!scrollTowards(m_dragPoint, kScrollZone))
        m_dragScrollTimer.stop();
}

void CTextEditView::dropEvent(QDropEvent* event)
{
    m_dragScrollTimer.stop();
    if (!takesDrop(event)) {
        event->ignore();
        return;
    }
    const Qt::DropAction action = dropActionFor(event);
    const bool inserted = edit().dropText(posAt(event->position().toPoint()), textToUtf8(event->mimeData()->text()));
    // A drop into the dragged selection itself moves nothing: the drag ends as refused.
    if (inserted) {
        event->setDropAction(action);
        event->accept();
    } else {
        event->ignore();
    }
    setFocus();
    afterCursorMove();
}

} // namespace orv
