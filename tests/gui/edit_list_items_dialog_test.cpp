// "Edit list items" with real keys and clicks: the typing series of Add ended by Escape,
// Insert and Delete, the selection after Remove, Rename, and the column's title.
#include "GuiTestMain.h"

#include "designer/CEditListItemsDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace orv;

namespace {

using Items = std::vector<std::string>;

QLineEdit* labelEditor(const CEditListItemsDialog& dialog)
{
    for (QLineEdit* child : dialog.list()->viewport()->findChildren<QLineEdit*>())
        if (child->isVisible())
            return child;
    return nullptr;
}

void typeLabel(const CEditListItemsDialog& dialog, const QString& text, Qt::Key end)
{
    QLineEdit* editor = labelEditor(dialog);
    QVERIFY(editor);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, end);
    // The delegate commits and closes its editor through the event queue.
    QCoreApplication::processEvents();
}

int selectedRow(const CEditListItemsDialog& dialog)
{
    const QList<QTreeWidgetItem*> selected = dialog.list()->selectedItems();
    return selected.size() == 1 ? dialog.list()->indexOfTopLevelItem(selected[0]) : -1;
}

void selectRow(const CEditListItemsDialog& dialog, int row)
{
    QTreeWidget* list = dialog.list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(row)).center());
}

} // namespace

class EditListItemsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheItemsUnderTheListsName()
    {
        CEditListItemsDialog dialog("TextScrollList3", {"one", "", "three"});
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit list items"));
        QCOMPARE(dialog.list()->headerItem()->text(0), QStringLiteral("TextScrollList3"));
        QCOMPARE(dialog.list()->columnCount(), 1);
        QCOMPARE(dialog.items(), (Items{"one", "", "three"}));
    }

    void addTypesASeriesUntilEscape()
    {
        CEditListItemsDialog dialog("L", {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QVERIFY(dialog.editingLabel());
        typeLabel(dialog, QStringLiteral("a"), Qt::Key_Return);
        typeLabel(dialog, QStringLiteral("b"), Qt::Key_Return);
        QCOMPARE(dialog.items(), (Items{"a", "b", ""}));
        typeLabel(dialog, QString(), Qt::Key_Escape);
        QCOMPARE(dialog.items(), (Items{"a", "b"}));
        QVERIFY(!dialog.editingLabel());
        QVERIFY(!labelEditor(dialog));
    }

    void insertKeyAddsAndEscapeOnATypedRowKeepsIt()
    {
        CEditListItemsDialog dialog("L", {"x"});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.list(), Qt::Key_Insert);
        typeLabel(dialog, QStringLiteral("y"), Qt::Key_Return);
        typeLabel(dialog, QString(), Qt::Key_Escape);
        QCOMPARE(dialog.items(), (Items{"x", "y"}));
    }

    void removeSelectsTheRowThatTookThePlace_data()
    {
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("selected");
        QTest::newRow("last of three") << 2 << 1;
        QTest::newRow("middle") << 1 << 1;
        QTest::newRow("first") << 0 << 0;
    }
    void removeSelectsTheRowThatTookThePlace()
    {
        QFETCH(int, removed);
        QFETCH(int, selected);
        CEditListItemsDialog dialog("L", {"a", "b", "c"});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        selectRow(dialog, removed);
        QTest::mouseClick(dialog.removeButton(), Qt::LeftButton);
        QCOMPARE(dialog.items().size(), 2u);
        QCOMPARE(selectedRow(dialog), selected);
    }

    void deleteKeyRemovesEverySelectedRow()
    {
        CEditListItemsDialog dialog("L", {"a", "b", "c", "d"});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        selectRow(dialog, 1);
        QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          dialog.list()->visualItemRect(dialog.list()->topLevelItem(3)).center());
        QTest::keyClick(dialog.list(), Qt::Key_Delete);
        QCOMPARE(dialog.items(), (Items{"a", "c"}));
        QCOMPARE(selectedRow(dialog), 1);
        QTest::keyClick(dialog.list(), Qt::Key_Delete);
        QTest::keyClick(dialog.list(), Qt::Key_Delete);
        QCOMPARE(dialog.items(), Items{});
        QTest::mouseClick(dialog.removeButton(), Qt::LeftButton);
        QCOMPARE(dialog.items(), Items{});
    }

    void renameEditsTheSelectedRow()
    {
        CEditListItemsDialog dialog("L", {"a", "b"});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        selectRow(dialog, 1);
        QTest::mouseClick(dialog.renameButton(), Qt::LeftButton);
        QLineEdit* editor = labelEditor(dialog);
        QVERIFY(editor);
        editor->selectAll();
        typeLabel(dialog, QStringLiteral("bee"), Qt::Key_Return);
        QCOMPARE(dialog.items(), (Items{"a", "bee"}));
        QVERIFY(!labelEditor(dialog));
        selectRow(dialog, 0);
        QTest::mouseClick(dialog.renameButton(), Qt::LeftButton);
        typeLabel(dialog, QStringLiteral("zzz"), Qt::Key_Escape);
        QCOMPARE(dialog.items(), (Items{"a", "bee"}));
    }
};

ORVANTE_GUI_TEST_MAIN(EditListItemsDialogTest)
#include "edit_list_items_dialog_test.moc"
