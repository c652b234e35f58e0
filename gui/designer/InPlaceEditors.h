// The in-place editors of the property list: a line edit for text, a drop-down for a
// choice and the "edit data" button for data edited in a dialog. None of them cancels:
// leaving the line edit commits its text, and a choice commits as it is made.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

namespace orv {

// Width of the drop-down's arrow button and height of a row of its list.
inline constexpr int kDropArrowWidth = 16;
inline constexpr int kDropRowHeight = 16;
inline constexpr int kDropMaxRows = 8;
inline constexpr const char* kEditDataCaption = "edit data";

// A line edit that hands the focus back to `focusTarget` on Tab, Enter and Escape, and
// tells when it loses the focus: that is the end of an edit.
class CInPlaceEditPropItemString final : public QLineEdit {
    Q_OBJECT

public:
    CInPlaceEditPropItemString(QWidget* parent, QWidget* focusTarget);

signals:
    void editEnded();

protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QWidget* m_focusTarget;
};

class CInPlaceComboBoxImp;

// The drop-down's pop-up list: a click or Enter chooses, Tab and Escape close it.
class CInPlaceDropList final : public QListWidget {
    Q_OBJECT

public:
    explicit CInPlaceDropList(CInPlaceComboBoxImp& combo);

signals:
    void chosen(int index);
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

// A read-only text showing the chosen entry, an arrow button that opens the list, and Up
// and Down in the text stepping through the entries.
class CInPlaceComboBoxImp final : public QWidget {
    Q_OBJECT

public:
    CInPlaceComboBoxImp(QWidget* parent, QWidget* focusTarget);

    // Fills the list with the texts, in order, sized for at most 8 of them at a time.
    void setChoices(const QStringList& choices);
    // Shows an entry without telling anyone (-1 shows nothing).
    void selectEntry(int index);
    int currentIndex() const { return m_currentIndex; }
    int count() const { return m_dropList->count(); }
    QLineEdit* edit() const { return m_edit; }
    CInPlaceDropList* dropList() const { return m_dropList; }
    QRect arrowRect() const;
    void toggleDropList();

signals:
    // An entry was chosen or stepped to: the value is to be committed.
    void chosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void choose(int index);
    void step(int delta);
    void sizeDropList();

    QLineEdit* m_edit;
    CInPlaceDropList* m_dropList;
    QWidget* m_focusTarget;
    int m_currentIndex = -1;
};

// The flat "edit data" button.
class CInPlaceEditPropItemMulti final : public QPushButton {
    Q_OBJECT

public:
    explicit CInPlaceEditPropItemMulti(QWidget* parent);
};

} // namespace orv
