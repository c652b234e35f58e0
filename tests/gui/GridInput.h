// Typing into the "Controls flags" grid and its "Edit list items" dialog as a user does:
// clicking rows, typing into their editors, typing a series of list items.
#pragma once

#include "designer/CEditListItemsDialog.h"
#include "designer/CPropertyListBox.h"
#include "designer/InPlaceEditors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <string>

namespace orv::test {

inline int rowOf(const CPropertyListBox& list, const std::string& name)
{
    for (int row = 0; row < list.rows().count(); ++row)
        if (list.rows().item(row)->name() == name)
            return row;
    return -1;
}

inline void clickRow(CPropertyListBox& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(prop_grid::kMarginWidth + 8, list.rowRect(row).center().y()));
}

// Types text as key presses; a character beyond ASCII comes as the keyboard gives it, a key
// press carrying its text.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(widget, QString(c));
        else
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(widget, &key);
            }
    }
}

// Selects a text row, types into its editor as a user would, and leaves it with a key.
inline void typeIntoRow(CPropertyListBox& list, int row, const QString& text, Qt::Key leave)
{
    clickRow(list, row);
    QTest::keyClick(&list, Qt::Key_Return);
    QWidget* editor = list.currentEditor();
    QVERIFY(editor && editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    typeText(editor, text);
    QTest::keyClick(editor, leave);
}

// Selects a choice row (a boolean), opens its list and clicks the choice at index.
inline void chooseInRow(CPropertyListBox& list, int row, int index)
{
    clickRow(list, row);
    CInPlaceComboBoxImp* combo = list.choiceEditor();
    QVERIFY(combo && list.currentEditor() == combo);
    QTest::mouseClick(combo, Qt::LeftButton, {}, combo->arrowRect().center());
    QVERIFY(combo->dropList()->isVisible());
    const QRect choice = combo->dropList()->visualItemRect(combo->dropList()->item(index));
    QTest::mouseClick(combo->dropList()->viewport(), Qt::LeftButton, {}, choice.center());
}

// Runs `script` on the modal dialog once it shows; a failed check inside still closes it.
inline void whenModalShows(std::function<void(CEditListItemsDialog&)> script)
{
    QTimer::singleShot(0, [script] {
        auto* dialog = qobject_cast<CEditListItemsDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        script(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// The line edit of the label being edited.
inline QWidget* labelEditor(const CEditListItemsDialog& dialog)
{
    for (QWidget* child : dialog.list()->viewport()->findChildren<QLineEdit*>())
        if (child->isVisible())
            return child;
    return nullptr;
}

inline void typeSeries(CEditListItemsDialog& dialog, const QStringList& texts)
{
    QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
    for (const QString& text : texts) {
        QWidget* editor = labelEditor(dialog);
        QVERIFY(editor);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits and closes its editor through the event queue.
        QCoreApplication::processEvents();
    }
    QWidget* editor = labelEditor(dialog);
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Escape);
}

} // namespace orv::test
