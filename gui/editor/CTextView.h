// The text view: one scrolling widget that paints the visible lines of a text buffer with
// their colours, the selection margin and its marks, the selection and a blinking caret, and
// maps keys and the mouse onto the view model of core, which decides what they do.
#pragma once

#include "editor/ShapedLines.h"
#include "melparse/MelDiagnostic.h"
#include "text/DiagnosticMarks.h"
#include "text/DisplayLengthCache.h"
#include "text/LineStateCache.h"
#include "text/MelColouring.h"
#include "text/TextBufferWatcher.h"
#include "text/TextViewModel.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <QScrollBar>

#include <array>
#include <memory>
#include <optional>

namespace orv {

class CellText;
struct SettingsRecord;

class CTextView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kMarginWidth = 20;

    explicit CTextView(const SettingsRecord& settings, QWidget* parent = nullptr);
    ~CTextView() override;

    // Shows a buffer (or none) and resets the view; the buffer must outlive the view or be
    // left first with ShowBuffer(nullptr). `sharedStates`: the line states that every view of
    // the buffer uses (they colour as ScanLineColors does, and outlive the view); without
    // them the view finds states of its own.
    void ShowBuffer(CTextBuffer* buffer, LineStateCache* sharedStates = nullptr);
    CTextBuffer* buffer() const { return m_model->buffer(); }
    TextViewModel& model() { return *m_model; }
    const TextViewModel& model() const { return *m_model; }

    // The colouring of one line; the text view itself has none (state 0, no block).
    virtual std::uint32_t ScanLineColors(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks);
    // The normal font of the view; bold and italic variants are made from it.
    void SetViewFont(const QFont& font);
    const QFont& viewFont() const { return m_font; }
    // The tab size given by the settings dialog: widths are measured again, the view redrawn.
    void setTabSize(int tabSize);

    // The settings the view draws by.
    const SettingsRecord& settings() const { return m_settings; }
    // Runs (execute) or asks about a command of the view; false when it is not handled or
    // not enabled now.
    virtual bool onCommand(int id, bool execute);
    // The text of a status indicator (Ln/Col, line-end style, read-only, OVR), empty while
    // the indicator is off.
    virtual QString indicatorText(int id) const;

    int topLine() const { return verticalScrollBar()->value(); }
    int leftColumn() const { return horizontalScrollBar()->value(); }
    int lineHeight() const { return m_lineHeight; }
    // The width of one column: the font's advance, fractional as it is.
    qreal cellWidth() const;
    int visibleLines() const;
    // The columns that fit wholly in the viewport.
    int visibleColumns() const;
    // The viewport x where a column starts, and the column (with its fraction) at an x.
    qreal columnX(int column) const;
    qreal columnAt(int x) const;
    // The text position under a point of the viewport.
    TextPos posAt(QPoint point) const;
    // The viewport point of the top-left corner of a position's character.
    QPoint pointOf(TextPos pos) const;
    void ensureCursorVisible();
    bool caretShown() const { return m_caretOn; }
    // While a dialog works on the view, the selection shows as if the view had the focus.
    void setSelectionKeptShown(bool shown);
    // After every command and mouse action: the caret shown, scrolled into view, the state told.
    void afterCursorMove(bool scrollToCursor = true);

    // Underlines the findings of a check of the text as it is now; they follow later edits
    // until the next check.
    void setDiagnostics(const std::vector<MelDiagnostic>& found);
    const DiagnosticMarks& diagnosticMarks() const { return m_marks; }
    // The character under a point of the viewport (not the nearest gap, as posAt).
    TextPos charAt(QPoint point) const;

signals:
    // The cursor, the selection, the modes or the text changed: indicators follow.
    void stateChanged();
    // The text changed, or the view shows another text.
    void textChanged();
    // Find Next found nothing; message says so (8606, with the text looked for).
    void searchFailed(const QString& message);

protected:
    // The view model; an edit view gives one that edits.
    CTextView(const SettingsRecord& settings, std::unique_ptr<TextViewModel> model, QWidget* parent);
    // The view was reset with its buffer: tab size from the settings, scrolled to the start.
    virtual void onViewReset();
    virtual void onBufferChanged(const TextChange* change, unsigned updateFlags, int line);

    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    // A press inside the selection may start a drag of its text (the edit view's); true
    // when the press was taken for that.
    virtual bool startDragCandidate(QMouseEvent*) { return false; }
    virtual void dragCandidateMoved(QMouseEvent*) {}
    bool inMargin(QPoint point) const { return point.x() < kMarginWidth; }
    bool insideSelection(TextPos pos) const;
    // Scrolls so that a point near or outside an edge comes closer; true when it scrolled.
    bool scrollTowards(QPoint point, int edge);
    void updatePointerShape(QPoint point);

private:
    class Watcher;

    void resetCaches(LineStateCache* sharedStates);
    void updateMetrics();
    void updateScrollBars();
    void restartCaret();
    void paintLine(QPainter& painter, int line, int y, std::vector<ColourBlock>& blocks);
    // Fills in the steps of a line's drawing from its source.
    void shapeLine(ShapedLines::Line& made) const;
    void paintMarks(QPainter& painter, int line, int y);
    QColor colourOf(int colourClass) const;
    bool runViewCommand(int id, bool execute);
    void dragSelectTo(QPoint point);

    const SettingsRecord& m_settings;
    std::unique_ptr<TextViewModel> m_model;
    std::unique_ptr<Watcher> m_watcher;
    std::unique_ptr<LineStateCache> m_ownStates;
    LineStateCache* m_states = nullptr;  // the shared states, or the own
    std::unique_ptr<DisplayLengthCache> m_widths;
    DiagnosticMarks m_marks;
    QFont m_font;
    std::array<QFont, 4> m_fonts;  // normal, bold, italic, bold italic
    int m_lineHeight = 16;
    std::unique_ptr<CellText> m_cells;
    ShapedLines m_shaped;
    int m_ascent = 12;
    QBasicTimer m_caretTimer;
    bool m_caretOn = false;
    bool m_keepSelectionShown = false;
    // Mouse selection: the button is down in the text (or margin), words when Ctrl was held.
    bool m_selecting = false;
    bool m_marginSelecting = false;
    std::optional<TextRange> m_firstWord;
    int m_marginAnchorLine = 0;
    QPoint m_lastMousePoint;
    QBasicTimer m_autoScrollTimer;
};

} // namespace orv
