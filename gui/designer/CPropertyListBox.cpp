// Painting, selection, keys and the in-place editors of the property grid.
#include "designer/CPropertyListBox.h"

#include "designer/InPlaceEditors.h"
#include "framework/ByteText.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace orv {

using namespace prop_grid;

CPropertyListBox::CPropertyListBox(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
    viewport()->setBackgroundRole(QPalette::Base);
    rowsChanged();
}

void CPropertyListBox::SetPropertySet(CPropertySet* set)
{
    ResetGrid();
    m_set = set;
    m_rows.setPropertySet(set);
    rowsChanged();
}

void CPropertyListBox::ResetGrid()
{
    commitPending();
    setCurrentEditor(nullptr);
    m_currentRow = -1;
    m_set = nullptr;
    m_rows.clear();
    rowsChanged();
}

int CPropertyListBox::rowHeight() const
{
    return std::max(kMinRowHeight, fontMetrics().height() + 2);
}

QRect CPropertyListBox::rowRect(int row) const
{
    if (!m_rows.item(row))
        return {};
    return {0, (row - verticalScrollBar()->value()) * rowHeight(), viewport()->width(), rowHeight()};
}

int CPropertyListBox::dividerX() const
{
    const int right = viewport()->width();
    return kMarginWidth + (right - kMarginWidth) / 2;
}

QRect CPropertyListBox::valueRect(int row) const
{
    QRect rect = rowRect(row);
    if (rect.isEmpty())
        return {};
    rect.setLeft(dividerX() + kValueIndent);
    rect.setBottom(rect.bottom() - 1);
    return rect;
}

int CPropertyListBox::rowAt(int y) const
{
    if (y < 0)
        return -1;
    const int row = verticalScrollBar()->value() + y / rowHeight();
    return m_rows.item(row) ? row : -1;
}

void CPropertyListBox::setCurrentRow(int row)
{
    if (!m_rows.item(row))
        row = -1;
    if (row == m_currentRow)
        return;
    m_currentRow = row;
    ensureVisible(row);
    viewport()->update();
    emit selectionChanged(row);
    placeEditor(true);
}

void CPropertyListBox::toggleCategory(int row)
{
    if (!m_rows.category(row))
        return;
    commitPending();
    setCurrentEditor(nullptr);
    m_rows.toggle(row);
    rowsChanged();
}

void CPropertyListBox::rowsChanged()
{
    const int visibleRows = std::max(1, viewport()->height() / rowHeight());
    verticalScrollBar()->setPageStep(visibleRows);
    verticalScrollBar()->setRange(0, std::max(0, m_rows.count() - visibleRows));
    if (!m_rows.item(m_currentRow))
        m_currentRow = -1;
    viewport()->update();
}

void CPropertyListBox::ensureVisible(int row)
{
    if (row < 0)
        return;
    QScrollBar* bar = verticalScrollBar();
    if (row < bar->value())
        bar->setValue(row);
    else if (row >= bar->value() + bar->pageStep())
        bar->setValue(row - bar->pageStep() + 1);
}

void CPropertyListBox::moveSelection(int delta)
{
    if (m_rows.count() == 0)
        return;
    const int from = m_currentRow < 0 ? (delta > 0 ? -1 : m_rows.count()) : m_currentRow;
    setCurrentRow(std::clamp(from + delta, 0, m_rows.count() - 1));
}

// Tab and Shift+Tab step through the rows instead of leaving the grid.
bool CPropertyListBox::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            moveSelection(key == Qt::Key_Tab ? 1 : -1);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void CPropertyListBox::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const int first = verticalScrollBar()->value();
    const int last = std::min(m_rows.count() - 1, first + viewport()->height() / rowHeight() + 1);
    for (int row = first; row <= last; ++row)
        paintRow(painter, row);
}

void CPropertyListBox::paintRow(QPainter& painter, int row)
{
    const CPropertyItem* item = m_rows.item(row);
    const QRect rect = rowRect(row);
    const int left = rect.left();
    const int right = rect.right();
    const int margin = left + kMarginWidth;
    const int divider = dividerX();
    const int lastLine = rect.bottom();
    const bool category = item->isCategory();

    if (category) {
        // The plus/minus box: the margin cell made smaller and square.
        QRect box(left, rect.top(), kMarginWidth, rect.height());
        box.adjust(4, 4, -4, -4);
        box.translate(1, 0);
        const int side = std::min(box.width(), box.height());
        box = QRect(box.left() + (box.width() - side) / 2, box.top() + (box.height() - side) / 2, side, side);
        painter.fillRect(box, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        const QPoint centre = box.center();
        painter.drawLine(centre.x() - 2, centre.y(), centre.x() + 2, centre.y());
        if (!static_cast<const CPropertyItemCategory*>(item)->expanded())
            painter.drawLine(centre.x(), centre.y() - 2, centre.x(), centre.y() + 2);
    }

    painter.setPen(QColor::fromRgb(kGridLineColour));
    painter.drawLine(margin, rect.top(), margin, lastLine);
    painter.drawLine(margin, lastLine, right, lastLine);
    if (!category)
        painter.drawLine(divider, rect.top(), divider, lastLine);

    const bool selected = row == m_currentRow;
    const QRect nameCell(QPoint(margin + 1, rect.top()), QPoint(category ? right : divider - 1, lastLine - 1));
    painter.fillRect(nameCell, palette().color(selected ? QPalette::Highlight : QPalette::Base));
    QFont font = painter.font();
    font.setBold(category);
    painter.setFont(font);
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(nameCell.adjusted(kNameIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     textFromUtf8(item->name()));
    font.setBold(false);
    painter.setFont(font);

    if (!category && !selected) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(valueRect(row), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         textFromUtf8(item->valueText()));
    }
}

void CPropertyListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const int row = rowAt(pos.y());
    if (row < 0)
        return;
    setCurrentRow(row);
    if (pos.x() < kToggleClickX && m_rows.category(row))
        toggleCategory(row);
}

void CPropertyListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint().y());
    if (event->button() != Qt::LeftButton || row < 0)
        return;
    setCurrentRow(row);
    if (m_rows.category(row))
        toggleCategory(row);
}

void CPropertyListBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        moveSelection(key == Qt::Key_Up ? -1 : 1);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        moveSelection((key == Qt::Key_PageUp ? -1 : 1) * verticalScrollBar()->pageStep());
        return;
    case Qt::Key_Home:
        setCurrentRow(0);
        return;
    case Qt::Key_End:
        setCurrentRow(m_rows.count() - 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_rows.category(m_currentRow))
            toggleCategory(m_currentRow);
        else if (m_currentEditor)
            m_currentEditor->setFocus(Qt::OtherFocusReason);
        return;
    default:
        break;
    }
    if (keypad && (key == Qt::Key_Plus || key == Qt::Key_Minus)) {
        const CPropertyItemCategory* category = m_rows.category(m_currentRow);
        if (category && category->expanded() == (key == Qt::Key_Minus))
            toggleCategory(m_currentRow);
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isLetter()) {
        const int row = m_rows.letterJump(m_currentRow, text[0].toLatin1());
        if (row >= 0)
            setCurrentRow(row);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CPropertyListBox::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    rowsChanged();
    if (m_currentEditor)
        placeEditor(false);
}

// Wheel and scroll bar both end here: the editor moves along with its row.
void CPropertyListBox::scrollContentsBy(int, int)
{
    viewport()->update();
    if (m_currentEditor)
        placeEditor(false);
}

void CPropertyListBox::placeEditor(bool refresh)
{
    CPropertyItem* item = m_rows.item(m_currentRow);
    if (!item || item->isCategory()) {
        setCurrentEditor(nullptr);
        return;
    }
    QWidget* editor = nullptr;
    switch (item->kind()) {
    case PropertyKind::none:
        break;
    case PropertyKind::boolean:
    case PropertyKind::words: {
        auto* list = dynamic_cast<CPropertyItemList*>(item);
        if (!list)
            break;
        if (!m_choiceEditor) {
            m_choiceEditor = new CInPlaceComboBoxImp(viewport(), this);
            connect(m_choiceEditor, &CInPlaceComboBoxImp::chosen, this, [this] { commit(); });
        }
        editor = m_choiceEditor;
        if (refresh) {
            QStringList choices;
            for (int i = 0; auto text = list->choice(i); ++i)
                choices << textFromUtf8(*text);
            m_choiceEditor->setGeometry(valueRect(m_currentRow).adjusted(0, 1, 0, -1));
            m_choiceEditor->setChoices(choices);
            m_choiceEditor->selectEntry(list->value());
        }
        break;
    }
    case PropertyKind::text:
        if (!m_textEditor) {
            m_textEditor = new CInPlaceEditPropItemString(viewport(), this);
            connect(m_textEditor, &CInPlaceEditPropItemString::editEnded, this, [this] {
                if (m_currentEditor == m_textEditor)
                    commit();
            });
        }
        editor = m_textEditor;
        if (refresh) {
            m_textEditor->setText(textFromUtf8(item->valueText()));
            m_textEditor->selectAll();
        }
        break;
    case PropertyKind::multi:
        if (!m_dataButton) {
            m_dataButton = new CInPlaceEditPropItemMulti(viewport());
            connect(m_dataButton, &QPushButton::clicked, this, [this] {
                if (m_currentRow >= 0)
                    emit editDataRequested(m_currentRow);
            });
        }
        editor = m_dataButton;
        break;
    }
    if (!editor) {
        setCurrentEditor(nullptr);
        return;
    }
    if (editor != m_currentEditor)
        setCurrentEditor(nullptr);
    editor->setGeometry(valueRect(m_currentRow).adjusted(0, 1, 0, -1));
    editor->show();
    m_currentEditor = editor;
}

void CPropertyListBox::setCurrentEditor(QWidget* editor)
{
    if (!editor && m_currentEditor) {
        QWidget* shown = m_currentEditor;
        m_currentEditor = nullptr;
        shown->hide();
    }
    m_currentEditor = editor;
}

void CPropertyListBox::commitPending()
{
    if (m_currentEditor && m_currentEditor == m_textEditor && m_textEditor->hasFocus())
        commit();
}

void CPropertyListBox::commit()
{
    CPropertyItem* item = m_rows.item(m_currentRow);
    if (!m_currentEditor || !item)
        return;
    if (m_currentEditor == m_textEditor) {
        auto* text = dynamic_cast<CPropertyItemString*>(item);
        if (!text)
            return;
        text->setValue(textToUtf8(m_textEditor->text()));
    } else if (m_currentEditor == m_choiceEditor) {
        auto* list = dynamic_cast<CPropertyItemList*>(item);
        if (!list || m_choiceEditor->currentIndex() < 0)
            return;
        list->setValue(m_choiceEditor->currentIndex());
    } else {
        return;  // the "edit data" button takes no value: its dialog writes the data
    }
    item->setEdited(true);
    emit committed(m_currentRow);
}

} // namespace orv
