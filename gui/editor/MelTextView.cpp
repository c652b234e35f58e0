// Colouring, completion keys and the checks of the MEL edit view.
#include "editor/MelTextView.h"

#include "editor/CompletionPopup.h"
#include "editor/EditorCommands.h"
#include "meltext/MelColouring.h"

#include <QKeyEvent>

namespace orv {

namespace {

// The keys the open list takes before the editor and any shortcut of the window.
bool isListKey(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

MelTextView::MelTextView(const SettingsRecord& settings, QWidget* parent, MelChecker checker)
    : CTextEditView(settings, parent), m_checks(new MelCheckRunner(*this, std::move(checker))),
      m_completion(new CompletionPopup(viewport()))
{
    connect(m_completion, &CompletionPopup::chosen, this, &MelTextView::acceptCompletion);
}

std::uint32_t MelTextView::ScanLineColors(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks)
{
    return colourMelLine(state, line, blocks, settings());
}

bool MelTextView::onCommand(int id, bool execute)
{
    if (id == editor_command::kComplete) {
        if (!buffer() || !edit().canEdit())
            return false;
        if (execute)
            openCompletion(false);
        return true;
    }
    if (id == editor_command::kSendToMaya) {
        if (!buffer())
            return false;
        if (execute)
            emit sendRequested();
        return true;
    }
    return CTextEditView::onCommand(id, execute);
}

bool MelTextView::completionShown() const
{
    return m_completion->isVisible();
}

void MelTextView::openCompletion(bool flagsOnly)
{
    const CompletionContext context = melCompletionAt(*buffer(), model().cursor());
    if (flagsOnly && context.kind != CompletionKind::flag) {
        m_completion->hide();
        return;
    }
    std::vector<CompletionItem> items = melCompletionItems(context);
    if (items.empty()) {
        m_completion->hide();
        return;
    }
    const TextPos cursor = model().cursor();
    const QPoint wordStart = pointOf({std::max(0, cursor.ch - context.before), cursor.line});
    m_completion->showItems(context, std::move(items), wordStart + QPoint(0, lineHeight()), wordStart.y());
}

void MelTextView::refreshCompletion()
{
    openCompletion(m_completion->context().kind == CompletionKind::flag);
}

void MelTextView::acceptCompletion()
{
    const CompletionItem* item = m_completion->currentCompletion();
    if (item && buffer()) {
        // The list may be older than the cursor (a click moved it): the word is found again.
        const CompletionContext context = melCompletionAt(*buffer(), model().cursor());
        if (context.kind == m_completion->context().kind && applyCompletion(edit(), context, *item))
            afterCursorMove();
    }
    m_completion->hide();
}

bool MelTextView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && completionShown() && isListKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return CTextEditView::event(event);
}

void MelTextView::keyPressEvent(QKeyEvent* event)
{
    if (completionShown() && isListKey(*event)) {
        if (event->key() == Qt::Key_Escape)
            m_completion->hide();
        else if (!m_completion->moveByKey(event->key()))
            acceptCompletion();
        event->accept();
        return;
    }
    CTextEditView::keyPressEvent(event);
    if (!buffer())
        return;
    if (completionShown())
        refreshCompletion();
    else if (event->text() == QStringLiteral("-") && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        openCompletion(true);
}

void MelTextView::mousePressEvent(QMouseEvent* event)
{
    m_completion->hide();
    CTextEditView::mousePressEvent(event);
}

void MelTextView::focusOutEvent(QFocusEvent* event)
{
    m_completion->hide();
    CTextEditView::focusOutEvent(event);
}

void MelTextView::scrollContentsBy(int dx, int dy)
{
    // The list stands under its word; scrolled away from it, it closes.
    m_completion->hide();
    CTextEditView::scrollContentsBy(dx, dy);
}

void MelTextView::onViewReset()
{
    m_completion->hide();
    CTextEditView::onViewReset();
}

} // namespace orv
