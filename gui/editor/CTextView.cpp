// Painting, scrolling, keys and mouse of the text view.
#include "editor/CTextView.h"

#include "editor/CellText.h"
#include "editor/EditorCommands.h"
#include "editor/MarginMarks.h"
#include "editor/QtClipboard.h"
#include "framework/ByteText.h"
#include "settings/SettingsRecord.h"
#include "text/LineCharacters.h"
#include "text/TabColumns.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleHints>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr int kCaretWidth = 2;
constexpr int kAutoScrollMs = 100;
// The wavy underline of a finding: its height and the length of one wave, in pixels.
constexpr int kWaveHeight = 3;
constexpr int kWaveLength = 4;
constexpr QRgb kErrorUnderline = 0xE02020;
constexpr QRgb kWarningUnderline = 0xE09000;
// A note (a call of a proc that another script may define) is drawn quieter than a warning.
constexpr QRgb kNoteUnderline = 0x9090A0;

struct MoveCommand {
    int id;
    CursorMove how;
};
constexpr MoveCommand kMoves[] = {
    {editor_command::kCharLeft, CursorMove::charLeft},   {editor_command::kCharRight, CursorMove::charRight},
    {editor_command::kWordLeft, CursorMove::wordLeft},   {editor_command::kWordRight, CursorMove::wordRight},
    {editor_command::kLineUp, CursorMove::lineUp},       {editor_command::kLineDown, CursorMove::lineDown},
    {editor_command::kPageUp, CursorMove::pageUp},       {editor_command::kPageDown, CursorMove::pageDown},
    {editor_command::kLineEnd, CursorMove::lineEnd},     {editor_command::kLineStart, CursorMove::lineStart},
    {editor_command::kTextStart, CursorMove::textStart}, {editor_command::kTextEnd, CursorMove::textEnd},
};

QColor qColour(ColorRef ref)
{
    return QColor(colorRed(ref), colorGreen(ref), colorBlue(ref));
}

ColorRef colorRefOf(const QColor& colour)
{
    return makeColorRef(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                        static_cast<std::uint8_t>(colour.blue()));
}

} // namespace

// Tells the view of the buffer's changes after the model and the caches have taken them.
class CTextView::Watcher final : public TextBufferWatcher {
public:
    explicit Watcher(CTextView& view) : m_view(view) {}
    void onTextUpdate(const TextBufferWatcher*, const TextChange* change, unsigned updateFlags, int line) override
    {
        m_view.onBufferChanged(change, updateFlags, line);
    }

private:
    CTextView& m_view;
};

CTextView::CTextView(const SettingsRecord& settings, QWidget* parent)
    : CTextView(settings, std::make_unique<TextViewModel>(), parent)
{
}

CTextView::CTextView(const SettingsRecord& settings, std::unique_ptr<TextViewModel> model, QWidget* parent)
    : QAbstractScrollArea(parent), m_settings(settings), m_model(std::move(model)), m_watcher(std::make_unique<Watcher>(*this))
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    SetViewFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

CTextView::~CTextView()
{
    // A view going away only lets go of its buffer: whoever listened to its state may already
    // be half destroyed (its owning view is).
    const QSignalBlocker quiet(this);
    ShowBuffer(nullptr);
}

void CTextView::ShowBuffer(CTextBuffer* buffer, LineStateCache* sharedStates)
{
    if (CTextBuffer* old = m_model->buffer())
        old->DetachView(m_watcher.get());
    m_model->ShowBuffer(buffer);
    // The caches first: the view is told of a change after they have taken it.
    resetCaches(sharedStates);
    if (buffer)
        buffer->AttachView(m_watcher.get());
    onViewReset();
}

void CTextView::resetCaches(LineStateCache* sharedStates)
{
    CTextBuffer* buffer = m_model->buffer();
    m_states = nullptr;
    m_ownStates.reset();
    m_widths.reset();
    if (!buffer)
        return;
    if (!sharedStates) {
        m_ownStates = std::make_unique<LineStateCache>(
            *buffer, [this](std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks) {
                return ScanLineColors(state, line, blocks);
            });
    }
    m_states = sharedStates ? sharedStates : m_ownStates.get();
    m_widths = std::make_unique<DisplayLengthCache>(*buffer, m_model->tabSize());
}

std::uint32_t CTextView::ScanLineColors(std::uint32_t, std::string_view, std::vector<ColourBlock>*)
{
    return 0;
}

void CTextView::onViewReset()
{
    m_marks.clear();
    m_model->setTabSize(m_settings.tabSize());
    if (m_widths)
        m_widths->setTabSize(m_model->tabSize());
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    restartCaret();
    viewport()->update();
    emit stateChanged();
    emit textChanged();
}

void CTextView::onBufferChanged(const TextChange* change, unsigned updateFlags, int)
{
    if (updateFlags & update_flag::kReset) {
        onViewReset();
        return;
    }
    if (change)
        m_marks.follow(*change);
    updateScrollBars();
    viewport()->update();
    emit stateChanged();
    if (change)
        emit textChanged();
}

void CTextView::setDiagnostics(const std::vector<MelDiagnostic>& found)
{
    if (!buffer())
        return;
    m_marks.set(found, *buffer());
    viewport()->update();
    emit stateChanged();
}

void CTextView::SetViewFont(const QFont& font)
{
    m_font = font;
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setKerning(false);
    for (int style = 0; style < 4; ++style) {
        QFont variant = m_font;
        variant.setBold((style & 1) != 0);
        variant.setItalic((style & 2) != 0);
        m_fonts[static_cast<std::size_t>(style)] = variant;
    }
    setFont(m_font);
    updateMetrics();
}

void CTextView::updateMetrics()
{
    const QFontMetrics metrics(m_fonts[0]);
    m_lineHeight = std::max(1, metrics.height());
    m_cells = std::make_unique<CellText>(m_fonts[0]);
    m_ascent = metrics.ascent();
    m_shaped.clear();
    updateScrollBars();
    viewport()->update();
}

void CTextView::setTabSize(int tabSize)
{
    m_model->setTabSize(tabSize);
    if (m_widths)
        m_widths->setTabSize(m_model->tabSize());
    updateScrollBars();
    viewport()->update();
}

int CTextView::visibleLines() const
{
    return std::max(1, viewport()->height() / m_lineHeight);
}

void CTextView::updateScrollBars()
{
    const int lines = visibleLines();
    const int columns = visibleColumns();
    const int lineCount = buffer() ? buffer()->LineCount() : 1;
    const int longest = m_widths ? m_widths->longestLine() : 0;
    verticalScrollBar()->setRange(0, std::max(0, lineCount - lines));
    verticalScrollBar()->setPageStep(lines);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, std::max(0, longest + 1 - columns));
    horizontalScrollBar()->setPageStep(columns);
    horizontalScrollBar()->setSingleStep(1);
    m_model->setPageLines(lines);
}

void CTextView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CTextView::scrollContentsBy(int, int)
{
    viewport()->update();
}

QColor CTextView::colourOf(int colourClass) const
{
    return qColour(ColorOf(colourClass, m_settings, colorRefOf(palette().color(QPalette::Base))));
}

void CTextView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    if (m_states)
        m_states->useVariant(m_settings.syntaxColoring());
    painter.setFont(m_fonts[0]);
    const int lineCount = buffer() ? buffer()->LineCount() : 0;
    std::vector<ColourBlock> blocks;
    int y = 0;
    for (int line = topLine(); line < lineCount && y < area.height(); ++line, y += m_lineHeight)
        paintLine(painter, line, y, blocks);
    m_shaped.endPaint();
    if (y < area.height()) {
        painter.fillRect(QRect(0, y, area.width(), area.height() - y), colourOf(colour_class::kWhiteSpace));
        painter.fillRect(QRect(0, y, kMarginWidth, area.height() - y), colourOf(colour_class::kSelectionMargin));
    }
    if (m_caretOn && buffer()) {
        const QPoint caret = pointOf(m_model->cursor());
        if (caret.x() >= kMarginWidth)
            painter.fillRect(QRect(caret.x(), caret.y(), kCaretWidth, m_lineHeight), colourOf(colour_class::kNormalText));
    }
}

void CTextView::paintLine(QPainter& painter, int line, int y, std::vector<ColourBlock>& blocks)
{
    const std::string_view text = buffer()->LineText(line);
    const int length = static_cast<int>(text.size());
    const int width = viewport()->width();
    painter.fillRect(QRect(kMarginWidth, y, width - kMarginWidth, m_lineHeight), colourOf(colour_class::kBackground));
    painter.fillRect(QRect(0, y, kMarginWidth, m_lineHeight), colourOf(colour_class::kSelectionMargin));
    const int cell = line_flag::marginMarkCell(buffer()->LineFlags(line));
    if (cell >= 0)
        painter.drawPixmap(2, y + (m_lineHeight - kMarkSize) / 2, marginMark(cell));

    m_states->colourLine(line, blocks);
    // The selected characters of this line; one past the end when the line break is selected.
    int selFrom = 0;
    int selTo = 0;
    const bool selectionShown = m_model->hasSelection() && (hasFocus() || m_keepSelectionShown);
    if (selectionShown) {
        const TextRange sel = m_model->selection();
        if (line >= sel.start.line && line <= sel.end.line) {
            selFrom = line == sel.start.line ? sel.start.ch : 0;
            selTo = line == sel.end.line ? sel.end.ch : length + 1;
        }
    }
    const int firstColumn = leftColumn();
    ShapedLines::Source source{std::string(text), std::move(blocks), selFrom, selTo, firstColumn,
                               firstColumn + static_cast<int>((width - kMarginWidth) / m_cells->cellWidth()) + 1,
                               m_model->tabSize(), buffer()->Encoding()};
    const ShapedLines::Line& shaped = m_shaped.line(line, std::move(source), [this](ShapedLines::Line& made) {
        shapeLine(made);
    });
    painter.setClipRect(QRect(kMarginWidth, y, width - kMarginWidth, m_lineHeight));
    // The cells from one column to another, in viewport pixels.
    const auto fillColumns = [&](int from, int to, int colourClass) {
        const int left = qRound(columnX(std::max(from, firstColumn)));
        const int right = qRound(columnX(std::min(std::max(to, from), shaped.source.lastColumn)));
        if (right > left)
            painter.fillRect(QRect(left, y, right - left, m_lineHeight), colourOf(colourClass));
    };
    int penClass = -1;
    for (const ShapedLines::Step& step : shaped.steps) {
        if (step.fill) {
            fillColumns(step.fromColumn, step.toColumn, step.colourClass);
            continue;
        }
        if (step.colourClass != penClass) {
            painter.setPen(colourOf(step.colourClass));
            penClass = step.colourClass;
        }
        painter.drawStaticText(step.shaped.topLeft + QPointF(0, y), step.shaped.text);
    }
    paintMarks(painter, line, y);
    if (selTo > length)
        fillColumns(shaped.endColumn, shaped.endColumn + 1, colour_class::kSelectionBackground);
    painter.setClipping(false);
}

void CTextView::shapeLine(ShapedLines::Line& made) const
{
    const ShapedLines::Source& source = made.source;
    const int length = static_cast<int>(source.text.size());
    CellText::Run run;
    run.line = source.text;
    run.encoding = source.encoding;
    run.tabSize = source.tabSize;
    run.firstColumn = source.firstColumn;
    run.lastColumn = source.lastColumn;
    run.x0 = columnX(0);
    run.y = m_ascent;  // from the line's top: the line is drawn the same wherever it stands
    int column = 0;
    int ch = 0;
    std::vector<CellText::Shaped> pieces;
    for (const ColourSpan& span : colourSpans(source.blocks, length)) {
        // A span split where the selection starts and ends.
        for (const int cut : {source.selectedFrom, source.selectedTo, span.end}) {
            const int end = std::clamp(cut, span.begin, span.end);
            if (end <= ch)
                continue;
            const bool selected = ch >= source.selectedFrom && ch < source.selectedTo;
            if (selected) {
                // The selection's cells are known only once the run's characters are counted.
                int afterCh = ch;
                int afterColumn = column;
                m_cells->skip(run, end, afterCh, afterColumn);
                made.steps.push_back({colour_class::kSelectionBackground, column, afterColumn, true, {}});
            }
            const int colourClass = selected ? colour_class::kSelectedText : span.colourClass;
            pieces.clear();
            m_cells->shape(run, end, ch, column, pieces);
            for (CellText::Shaped& piece : pieces)
                made.steps.push_back({colourClass, 0, 0, false, std::move(piece)});
        }
    }
    made.endColumn = column;
}

void CTextView::paintMarks(QPainter& painter, int line, int y)
{
    const std::vector<const DiagnosticMark*> marks = m_marks.onLine(line);
    if (marks.empty())
        return;
    const std::string_view text = buffer()->LineText(line);
    const int tabSize = m_model->tabSize();
    const TextEncoding encoding = buffer()->Encoding();
    const int bottom = y + m_lineHeight - 1;
    // A mark past the line's end (an unterminated string at it) stands in the cells after it.
    const auto columnOf = [&](int ch) {
        const int inside = std::min(ch, static_cast<int>(text.size()));
        return displayColumn(text, inside, tabSize, encoding) + (ch - inside);
    };
    painter.save();
    for (const DiagnosticMark* mark : marks) {
        const int from = columnOf(mark->start.ch);
        const int to = std::max(from + 1, columnOf(mark->end.ch));
        const int left = qRound(columnX(from));
        const int right = qRound(columnX(to));
        QPainterPath wave;
        wave.moveTo(left, bottom);
        for (int x = left; x < right; x += kWaveLength) {
            wave.lineTo(std::min(x + kWaveLength / 2, right), bottom - kWaveHeight + 1);
            wave.lineTo(std::min(x + kWaveLength, right), bottom);
        }
        const QRgb colour = mark->severity == MelSeverity::error  ? kErrorUnderline
                            : mark->severity == MelSeverity::note ? kNoteUnderline
                                                                  : kWarningUnderline;
        painter.setPen(QPen(QColor(colour), 1));
        painter.drawPath(wave);
    }
    painter.restore();
}

TextPos CTextView::charAt(QPoint point) const
{
    if (!buffer() || point.x() < kMarginWidth || point.y() < 0)
        return {-1, -1};
    const int line = topLine() + point.y() / m_lineHeight;
    if (line >= buffer()->LineCount())
        return {-1, -1};
    const int column = static_cast<int>(std::floor(columnAt(point.x())));
    const std::string_view text = buffer()->LineText(line);
    const int ch = charAtColumn(text, column, m_model->tabSize(), buffer()->Encoding());
    if (ch < static_cast<int>(text.size()))
        return {ch, line};
    return {ch + column - displayLength(text, m_model->tabSize(), buffer()->Encoding()), line};
}

TextPos CTextView::posAt(QPoint point) const
{
    if (!buffer())
        return {};
    const int line = std::clamp(topLine() + (point.y() < 0 ? -1 - (-point.y() - 1) / m_lineHeight : point.y() / m_lineHeight),
                                0, buffer()->LineCount() - 1);
    // The gap nearest the point: after the character under it when the point is right of the
    // character's middle (a tab's or a wide character's too).
    const std::string_view text = buffer()->LineText(line);
    const TextEncoding encoding = buffer()->Encoding();
    const int tabSize = m_model->tabSize();
    const qreal column = columnAt(point.x());
    const int ch = charAtColumn(text, static_cast<int>(std::floor(column)), tabSize, encoding);
    if (ch >= static_cast<int>(text.size()))
        return {ch, line};
    const int next = nextCharStart(text, ch, encoding);
    const qreal middle =
        (displayColumn(text, ch, tabSize, encoding) + displayColumn(text, next, tabSize, encoding)) / 2.0;
    return {column >= middle ? next : ch, line};
}

QPoint CTextView::pointOf(TextPos pos) const
{
    if (!buffer())
        return {kMarginWidth, 0};
    const int column = displayColumn(buffer()->LineText(pos.line), pos.ch, m_model->tabSize(), buffer()->Encoding());
    return {qRound(columnX(column)), (pos.line - topLine()) * m_lineHeight};
}

qreal CTextView::cellWidth() const
{
    return m_cells->cellWidth();
}

qreal CTextView::columnX(int column) const
{
    return kMarginWidth + (column - leftColumn()) * m_cells->cellWidth();
}

qreal CTextView::columnAt(int x) const
{
    return leftColumn() + static_cast<qreal>(x - kMarginWidth) / m_cells->cellWidth();
}

int CTextView::visibleColumns() const
{
    return std::max(1, static_cast<int>((viewport()->width() - kMarginWidth) / m_cells->cellWidth()));
}

void CTextView::ensureCursorVisible()
{
    if (!buffer())
        return;
    const TextPos cursor = m_model->cursor();
    const int lines = visibleLines();
    if (cursor.line < topLine())
        verticalScrollBar()->setValue(cursor.line);
    else if (cursor.line >= topLine() + lines)
        verticalScrollBar()->setValue(cursor.line - lines + 1);
    const int columns = visibleColumns();
    const int column = m_model->cursorColumn();
    if (column < leftColumn())
        horizontalScrollBar()->setValue(column);
    else if (column >= leftColumn() + columns)
        horizontalScrollBar()->setValue(column - columns + 1);
}

void CTextView::afterCursorMove(bool scrollToCursor)
{
    if (scrollToCursor)
        ensureCursorVisible();
    restartCaret();
    viewport()->update();
    emit stateChanged();
}

void CTextView::restartCaret()
{
    m_caretOn = hasFocus();
    const int flash = QApplication::cursorFlashTime();
    if (m_caretOn && flash > 0)
        m_caretTimer.start(flash / 2, this);
    else
        m_caretTimer.stop();
}

void CTextView::setSelectionKeptShown(bool shown)
{
    m_keepSelectionShown = shown;
    viewport()->update();
}

void CTextView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_caretTimer.timerId()) {
        m_caretOn = !m_caretOn && hasFocus();
        viewport()->update();
    } else if (event->timerId() == m_autoScrollTimer.timerId()) {
        dragSelectTo(m_lastMousePoint);
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void CTextView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartCaret();
    viewport()->update();
}

void CTextView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    m_caretTimer.stop();
    m_caretOn = false;
    viewport()->update();
}

bool CTextView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const DiagnosticMark* mark = m_marks.under(charAt(help->pos())))
            QToolTip::showText(help->globalPos(), QString::fromLatin1(mark->text), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

bool CTextView::focusNextPrevChild(bool)
{
    // Tab and Shift+Tab are editor commands, not focus moves.
    return false;
}

bool CTextView::event(QEvent* event)
{
    // The editor's keys go to the view before any shortcut of the window with the same key.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (editor_command::commandForKey(*key) || (!key->text().isEmpty() && key->text()[0].isPrint() &&
                                                    !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void CTextView::keyPressEvent(QKeyEvent* event)
{
    if (const auto command = editor_command::commandForKey(*event)) {
        onCommand(*command, true);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool CTextView::onCommand(int id, bool execute)
{
    return runViewCommand(id, execute);
}

bool CTextView::runViewCommand(int id, bool execute)
{
    using namespace editor_command;
    if (!buffer())
        return false;
    TextViewModel& view = *m_model;
    for (const MoveCommand& move : kMoves) {
        if (id != move.id && id != move.id + 1)
            continue;
        if (execute) {
            const int page = visibleLines();
            if (move.how == CursorMove::pageUp)
                verticalScrollBar()->setValue(topLine() - page);
            else if (move.how == CursorMove::pageDown)
                verticalScrollBar()->setValue(topLine() + page);
            view.move(move.how, id == move.id + 1);
            afterCursorMove();
        }
        return true;
    }
    if (id >= kToggleBookmark0 && id < kToggleBookmark0 + 10) {
        if (execute) {
            view.toggleNumberedBookmark(id - kToggleBookmark0);
            afterCursorMove(false);
        }
        return true;
    }
    if (id >= kGoBookmark0 && id < kGoBookmark0 + 10) {
        if (execute && view.goToNumberedBookmark(id - kGoBookmark0))
            afterCursorMove();
        return true;
    }
    switch (id) {
    case kScrollUp:
    case kScrollDown:
        if (execute)
            verticalScrollBar()->setValue(topLine() + (id == kScrollUp ? -1 : 1));
        return true;
    case kClearNumberedBookmarks:
        if (execute)
            view.clearNumberedBookmarks();
        return true;
    case kToggleBookmark:
        if (execute)
            view.toggleBookmark();
        return true;
    case kNextBookmark:
    case kPrevBookmark:
    case kClearBookmarks:
        if (!view.hasBookmarks())
            return false;
        if (execute) {
            if (id == kClearBookmarks)
                view.clearBookmarks();
            else if (id == kNextBookmark ? view.goToNextBookmark() : view.goToPrevBookmark())
                afterCursorMove();
        }
        return true;
    case kCopy:
        if (!view.hasSelection())
            return false;
        if (execute) {
            QtClipboard clipboard;
            view.copy(clipboard);
        }
        return true;
    case kSelectAll:
        if (execute) {
            view.selectAll();
            afterCursorMove(false);
        }
        return true;
    case kFindNext:
    case kFindPrevious:
        if (!view.hasPreviousSearch())
            return false;
        if (execute) {
            const SearchOutcome outcome = view.repeatSearch(id == kFindPrevious);
            afterCursorMove();
            if (!outcome.found)
                emit searchFailed(textFromUtf8(outcome.message));
        }
        return true;
    default:
        return false;
    }
}

QString CTextView::indicatorText(int id) const
{
    using namespace editor_command;
    if (!buffer())
        return {};
    switch (id) {
    case kIndicatorPosition:
        return QString::fromStdString(m_model->positionText());
    case kIndicatorLineEnd:
        return QString::fromStdString(m_model->lineEndText());
    case kIndicatorReadOnly:
        return buffer()->IsReadOnly() ? QStringLiteral("READ") : QString();
    default:
        return {};
    }
}

bool CTextView::insideSelection(TextPos pos) const
{
    if (!m_model->hasSelection())
        return false;
    const TextRange sel = m_model->selection();
    return sel.start <= pos && pos < sel.end;
}

void CTextView::updatePointerShape(QPoint point)
{
    if (inMargin(point))
        viewport()->setCursor(marginCursor());
    else if (buffer() && insideSelection(posAt(point)))
        viewport()->setCursor(Qt::ArrowCursor);
    else
        viewport()->setCursor(Qt::IBeamCursor);
}

void CTextView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !buffer()) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const TextPos pos = posAt(point);
    m_lastMousePoint = point;
    m_firstWord.reset();
    if (inMargin(point)) {
        if (event->modifiers() & Qt::ControlModifier) {
            m_model->selectAll();
        } else {
            m_model->selectLine(pos.line);
            m_marginSelecting = true;
            m_marginAnchorLine = pos.line;
        }
        afterCursorMove(false);
        return;
    }
    if (!(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) && insideSelection(pos) &&
        startDragCandidate(event))
        return;
    m_selecting = true;
    if (event->modifiers() & Qt::ControlModifier) {
        m_firstWord = m_model->wordAt(pos);
        m_model->extendByWords(*m_firstWord, pos);
    } else {
        m_model->setCursor(pos, (event->modifiers() & Qt::ShiftModifier) != 0);
    }
    afterCursorMove();
}

void CTextView::dragSelectTo(QPoint point)
{
    const QRect area = viewport()->rect();
    if (!area.contains(point))
        scrollTowards(point, 0);
    const TextPos pos = posAt(point);
    if (m_marginSelecting) {
        // Whole lines from the line first pressed to the line under the pointer.
        const auto lineEndOf = [this](int line) {
            return line + 1 < buffer()->LineCount() ? TextPos{0, line + 1} : TextPos{buffer()->LineLength(line), line};
        };
        if (pos.line < m_marginAnchorLine)
            m_model->setSelection(lineEndOf(m_marginAnchorLine), {0, pos.line});
        else
            m_model->setSelection({0, m_marginAnchorLine}, lineEndOf(pos.line));
    } else if (m_firstWord) {
        m_model->extendByWords(*m_firstWord, pos);
    } else {
        m_model->setCursor(pos, true);
    }
    afterCursorMove(false);
}

bool CTextView::scrollTowards(QPoint point, int edge)
{
    const QRect area = viewport()->rect().adjusted(kMarginWidth + edge, edge, -edge, -edge);
    const int top = topLine();
    const int left = leftColumn();
    if (point.y() < area.top())
        verticalScrollBar()->setValue(top - 1);
    else if (point.y() >= area.bottom())
        verticalScrollBar()->setValue(top + 1);
    if (point.x() < area.left())
        horizontalScrollBar()->setValue(left - 1);
    else if (point.x() >= area.right())
        horizontalScrollBar()->setValue(left + 1);
    return top != topLine() || left != leftColumn();
}

void CTextView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    m_lastMousePoint = point;
    if (m_selecting || m_marginSelecting) {
        dragSelectTo(point);
        // Outside the text the selection keeps following while the view scrolls.
        const QRect text = viewport()->rect().adjusted(m_marginSelecting ? 0 : kMarginWidth, 0, 0, 0);
        if (!text.contains(point))
            m_autoScrollTimer.start(kAutoScrollMs, this);
        else
            m_autoScrollTimer.stop();
        return;
    }
    if (event->buttons() & Qt::LeftButton) {
        dragCandidateMoved(event);
        return;
    }
    updatePointerShape(point);
}

void CTextView::mouseReleaseEvent(QMouseEvent* event)
{
    m_selecting = false;
    m_marginSelecting = false;
    m_autoScrollTimer.stop();
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CTextView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !buffer() || inMargin(event->position().toPoint())) {
        mousePressEvent(event);
        return;
    }
    m_model->selectWordAt(posAt(event->position().toPoint()));
    afterCursorMove(false);
}

} // namespace orv
