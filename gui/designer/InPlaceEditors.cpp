// Keys, focus and choosing of the in-place editors.
#include "designer/InPlaceEditors.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>

namespace orv {
namespace {

bool isLeaveKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter
           || key == Qt::Key_Escape;
}

} // namespace

CInPlaceEditPropItemString::CInPlaceEditPropItemString(QWidget* parent, QWidget* focusTarget)
    : QLineEdit(parent), m_focusTarget(focusTarget)
{
    setFrame(false);
}

// Tab would otherwise move the focus along the dialog, and Escape would close it.
bool CInPlaceEditPropItemString::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isLeaveKey(static_cast<QKeyEvent*>(event)->key())) {
        m_focusTarget->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && isLeaveKey(static_cast<QKeyEvent*>(event)->key())) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CInPlaceEditPropItemString::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit editEnded();
}

CInPlaceDropList::CInPlaceDropList(CInPlaceComboBoxImp& combo) : QListWidget(&combo)
{
    setWindowFlags(Qt::Popup);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setFont(combo.font());
}

void CInPlaceDropList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit chosen(currentRow());
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        emit cancelled();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void CInPlaceDropList::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit chosen(currentRow());
}

// A pop-up also closes by a click outside it: that chooses nothing.
void CInPlaceDropList::hideEvent(QHideEvent* event)
{
    QListWidget::hideEvent(event);
    emit cancelled();
}

CInPlaceComboBoxImp::CInPlaceComboBoxImp(QWidget* parent, QWidget* focusTarget)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_dropList(new CInPlaceDropList(*this)), m_focusTarget(focusTarget)
{
    setFocusPolicy(Qt::StrongFocus);
    m_edit->setFrame(false);
    m_edit->setReadOnly(true);
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
    connect(m_dropList, &CInPlaceDropList::chosen, this, [this](int index) { choose(index); });
    connect(m_dropList, &CInPlaceDropList::cancelled, this, [this] {
        m_dropList->hide();
        update();
    });
}

void CInPlaceComboBoxImp::setChoices(const QStringList& choices)
{
    m_dropList->clear();
    m_currentIndex = -1;
    for (int i = 0; i < choices.size(); ++i) {
        auto* item = new QListWidgetItem(choices[i], m_dropList);
        item->setData(Qt::UserRole, i);
        item->setSizeHint(QSize(0, kDropRowHeight));
    }
    sizeDropList();
}

void CInPlaceComboBoxImp::selectEntry(int index)
{
    if (index < -1 || index >= count())
        return;
    m_currentIndex = index;
    m_dropList->setCurrentRow(index);
    m_edit->setText(index < 0 ? QString() : m_dropList->item(index)->text());
    m_edit->selectAll();
}

QRect CInPlaceComboBoxImp::arrowRect() const
{
    return {width() - kDropArrowWidth, 0, kDropArrowWidth, height()};
}

void CInPlaceComboBoxImp::toggleDropList()
{
    if (m_dropList->isVisible()) {
        m_dropList->hide();
    } else {
        sizeDropList();
        m_dropList->move(mapToGlobal(QPoint(0, height() + 1)));
        m_dropList->show();
        m_dropList->setFocus(Qt::PopupFocusReason);
    }
    update();
}

bool CInPlaceComboBoxImp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool ours = isLeaveKey(key) || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!ours)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        step(key == Qt::Key_Up ? -1 : 1);
    else
        m_focusTarget->setFocus(Qt::OtherFocusReason);
    return true;
}

void CInPlaceComboBoxImp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = arrowRect();
    button.state |= m_dropList->isVisible() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);
    QStyleOption arrow = button;
    arrow.rect = arrowRect().adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}

void CInPlaceComboBoxImp::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && arrowRect().contains(event->position().toPoint()))
        toggleDropList();
}

void CInPlaceComboBoxImp::resizeEvent(QResizeEvent*)
{
    m_edit->setGeometry(0, 1, std::max(0, width() - kDropArrowWidth), std::max(0, height() - 2));
}

void CInPlaceComboBoxImp::focusInEvent(QFocusEvent*)
{
    m_edit->setFocus(Qt::OtherFocusReason);
}

void CInPlaceComboBoxImp::choose(int index)
{
    m_dropList->hide();
    if (index < 0 || index >= count())
        return;
    selectEntry(index);
    update();
    emit chosen();
}

void CInPlaceComboBoxImp::step(int delta)
{
    const int next = m_currentIndex + delta;
    if (next < 0 || next >= count())
        return;
    selectEntry(next);
    emit chosen();
}

void CInPlaceComboBoxImp::sizeDropList()
{
    const int rows = std::clamp(count(), 1, kDropMaxRows);
    const int frame = 2 * m_dropList->frameWidth();
    m_dropList->resize(std::max(1, width() - 1), rows * kDropRowHeight + frame);
}

CInPlaceEditPropItemMulti::CInPlaceEditPropItemMulti(QWidget* parent) : QPushButton(QString::fromLatin1(kEditDataCaption), parent)
{
    setFlat(true);
}

} // namespace orv
