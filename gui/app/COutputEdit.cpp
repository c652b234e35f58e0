// Showing the log: CR LF pairs are line breaks on screen, and LF ones on the clipboard; a
// double click on a line naming a place in a file goes there.
#include "app/COutputEdit.h"

#include "app/CommandTable.h"
#include "framework/ByteText.h"
#include "framework/CopyTextToClipboard.h"
#include "framework/PaneContent.h"
#include "log/LogPlace.h"
#include "log/OutputLog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

namespace orv {

namespace {

bool isCopyKey(const QKeyEvent* key)
{
    // The letter in either case: Shift does not matter, Alt or Meta make it another key.
    const auto mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    return key->key() == Qt::Key_C && mods == Qt::ControlModifier;
}

// The frame's commands that leave the active document alone work from the log as from anywhere
// else; the document's own keys (Close, Save, Cut, Paste, Undo, Export...) stay in the log.
constexpr CommandId kApplicationCommands[] = {
    CommandId::fileNew, CommandId::fileOpen, CommandId::settings,
    CommandId::helpContents, CommandId::nextPane, CommandId::prevPane,
};

// Keys that leave the log: Alt combinations open the menus (Alt+Backspace is an Undo and stays
// with the log), and the keys of the application's commands.
bool leavesTheLog(const QKeyEvent* key)
{
    const auto mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods == Qt::AltModifier)
        return key->key() != Qt::Key_Backspace;
    const QKeySequence pressed(key->keyCombination());
    return std::any_of(std::begin(kApplicationCommands), std::end(kApplicationCommands), [&](CommandId id) {
        return commandShortcuts(commandInfo(id)).contains(pressed);
    });
}

// The log as lines for the screen: a CR LF (with any CRs before it) breaks the line.
QString displayText(const std::string& log)
{
    QString shown = textFromUtf8(log);
    shown.remove(QLatin1Char('\r'));
    return shown;
}

} // namespace

COutputEdit::COutputEdit(OutputLog& log, QWidget* parent) : QPlainTextEdit(parent), m_log(log)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The log is read, not typed into: it takes the keyboard only when clicked (or reached with
    // F6), never at start-up nor when the last document window goes.
    setFocusPolicy(Qt::ClickFocus);

    setFont(paneFont());

    // White although read-only, as a log that is read rather than edited.
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);

    m_log.setChangedHandler([this] { showLog(); });
    showLog();
}

COutputEdit::~COutputEdit()
{
    m_log.setChangedHandler({});
}

void COutputEdit::showLog()
{
    // The log mostly grows at its end: only the new part is added to the control, so a long
    // session of appends stays linear instead of laying the whole log out again each time.
    const std::string& log = m_log.text();
    const bool grew = log.size() >= m_shown.size() && log.compare(0, m_shown.size(), m_shown) == 0;
    if (grew && !m_shown.empty()) {
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(displayText(log.substr(m_shown.size())));
    } else {
        setPlainText(displayText(log));
    }
    m_shown = log;
    moveCursor(QTextCursor::End);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void COutputEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QString line = cursorForPosition(event->position().toPoint()).block().text();
    if (const std::optional<LogPlace> place = FindLogPlace(textToUtf8(line))) {
        event->accept();
        emit placeChosen(pathFromBytes(place->file), place->line, place->column);
        return;
    }
    QPlainTextEdit::mouseDoubleClickEvent(event);
}

void COutputEdit::copySelection() const
{
    const QString text = textCursor().selection().toPlainText();
    if (text.isEmpty())
        return;
    CopyTextToClipboard(textToUtf8(text));
}

bool COutputEdit::event(QEvent* event)
{
    // Keys pressed in the log stay in the log: the window's accelerators (Cut, Paste, Undo,
    // Close...) would act on the active document the user is not looking at.
    if (event->type() == QEvent::ShortcutOverride && !leavesTheLog(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void COutputEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu's Copy gives the same text as Ctrl+C.
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    if (QAction* copy = menu->findChild<QAction*>(QStringLiteral("edit-copy"))) {
        disconnect(copy, &QAction::triggered, nullptr, nullptr);
        connect(copy, &QAction::triggered, this, &COutputEdit::copySelection);
    }
    menu->exec(event->globalPos());
}

void COutputEdit::keyPressEvent(QKeyEvent* event)
{
    if (isCopyKey(event))
        copySelection();
    event->accept();
}

} // namespace orv
