// The property grid widget with real mouse and key events: category toggles, letter jump,
// row keys, the editors placed on the selected row and following it, the drop-down's
// size and steps, and what the cells show.
#include "GuiTestMain.h"

#include "designer/CPropertyListBox.h"
#include "designer/InPlaceEditors.h"
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"

#include <QScrollBar>
#include <QWheelEvent>

using namespace orv;

namespace {

constexpr int kEnableRow = 9;
constexpr int kLabelRow = 11;
constexpr int kWidthRow = 17;

QPoint nameCell(const CPropertyListBox& list, int row)
{
    return {prop_grid::kMarginWidth + 8, list.rowRect(row).center().y()};
}

void click(CPropertyListBox& list, QPoint at)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
}

QStringList choiceTexts(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QStringLiteral("choice %1").arg(i);
    return texts;
}

} // namespace

class PropertyListBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(LoadMelCommandDatabase(ORVANTE_DATABASE_DIR "/melcmd.dat"), LoadResult::ok); }

    void init()
    {
        m_set = std::make_unique<CPropertySet>();
        QVERIFY(m_set->Build(FindMelCommand("button"), 1));
        m_list = std::make_unique<CPropertyListBox>();
        m_list->resize(320, 200);
        m_list->SetPropertySet(m_set.get());
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
    }

    void cleanup()
    {
        m_list.reset();
        m_set.reset();
    }

    void startsExpandedWithNoSelection()
    {
        QCOMPARE(m_list->rows().count(), 18);
        QCOMPARE(m_list->currentRow(), -1);
        QVERIFY(!m_list->currentEditor());
    }

    void marginClickTogglesOnlyACategory()
    {
        click(*m_list, QPoint(20, m_list->rowRect(0).center().y()));
        QCOMPARE(m_list->rows().count(), 18); // right of the margin: selection only
        QCOMPARE(m_list->currentRow(), 0);
        click(*m_list, QPoint(5, m_list->rowRect(0).center().y()));
        QCOMPARE(m_list->rows().count(), 1);
        click(*m_list, QPoint(16, m_list->rowRect(0).center().y()));
        QCOMPARE(m_list->rows().count(), 18);
        click(*m_list, QPoint(5, m_list->rowRect(3).center().y()));
        QCOMPARE(m_list->rows().count(), 18); // a property row has nothing to toggle
        QCOMPARE(m_list->currentRow(), 3);
    }

    void doubleClickEnterAndKeypadToggle()
    {
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, {}, nameCell(*m_list, 0));
        QCOMPARE(m_list->rows().count(), 1);
        QTest::keyClick(m_list.get(), Qt::Key_Return);
        QCOMPARE(m_list->rows().count(), 18);
        QTest::keyClick(m_list.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(m_list->rows().count(), 18); // an expanded category does not grow twice
        QTest::keyClick(m_list.get(), Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(m_list->rows().count(), 1);
        QTest::keyClick(m_list.get(), Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(m_list->rows().count(), 1);
        QTest::keyClick(m_list.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(m_list->rows().count(), 18);
    }

    void letterJumpsAndWraps()
    {
        m_list->setFocus();
        QTest::keyClick(m_list.get(), Qt::Key_W);
        QCOMPARE(m_list->currentRow(), kWidthRow);
        QTest::keyClick(m_list.get(), Qt::Key_W, Qt::ShiftModifier);
        QCOMPARE(m_list->currentRow(), kWidthRow); // the only w row, found again after wrapping
        QTest::keyClick(m_list.get(), Qt::Key_A);
        QCOMPARE(m_list->currentRow(), 1);
        QTest::keyClick(m_list.get(), Qt::Key_A);
        QCOMPARE(m_list->currentRow(), 2);
        QTest::keyClick(m_list.get(), Qt::Key_A);
        QCOMPARE(m_list->currentRow(), 1);
        QTest::keyClick(m_list.get(), Qt::Key_X);
        QCOMPARE(m_list->currentRow(), 1); // no match: nothing changes
    }

    void tabStepsThroughRows()
    {
        m_list->setFocus();
        QTest::keyClick(m_list.get(), Qt::Key_Tab);
        QCOMPARE(m_list->currentRow(), 0);
        QTest::keyClick(m_list.get(), Qt::Key_Tab);
        QTest::keyClick(m_list.get(), Qt::Key_Tab);
        QCOMPARE(m_list->currentRow(), 2);
        QTest::keyClick(m_list.get(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(m_list->currentRow(), 1);
        QVERIFY(m_list->hasFocus());
    }

    void editorOfEachKindSitsOnTheValueCell()
    {
        click(*m_list, nameCell(*m_list, kLabelRow));
        QCOMPARE(m_list->currentEditor(), m_list->textEditor());
        QCOMPARE(m_list->textEditor()->geometry(), m_list->valueRect(kLabelRow).adjusted(0, 1, 0, -1));
        click(*m_list, nameCell(*m_list, kEnableRow));
        QCOMPARE(m_list->currentEditor(), m_list->choiceEditor());
        QVERIFY(m_list->textEditor()->isHidden());
        QCOMPARE(m_list->choiceEditor()->count(), 3);
        QCOMPARE(m_list->choiceEditor()->edit()->text(), QStringLiteral("default"));
        click(*m_list, nameCell(*m_list, 0));
        QVERIFY(!m_list->currentEditor());
        QVERIFY(m_list->choiceEditor()->isHidden());
    }

    void editorFollowsItsRowOnWheelAndResize()
    {
        m_list->resize(320, 120);
        click(*m_list, nameCell(*m_list, 5));
        const int before = m_list->textEditor()->y();
        QWheelEvent wheel(QPointF(50, 50), m_list->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_list->viewport(), &wheel);
        QVERIFY(m_list->verticalScrollBar()->value() > 0);
        QCOMPARE(m_list->textEditor()->y(), m_list->rowRect(5).top() + 1);
        QVERIFY(m_list->textEditor()->y() < before);
        m_list->resize(400, 120);
        QCOMPARE(m_list->textEditor()->geometry(), m_list->valueRect(5).adjusted(0, 1, 0, -1));
    }

    void enterGivesTheEditorTheFocusAndEnterInItCommits()
    {
        QSignalSpy committed(m_list.get(), &CPropertyListBox::committed);
        click(*m_list, nameCell(*m_list, kLabelRow));
        QTest::keyClick(m_list.get(), Qt::Key_Return);
        QVERIFY(m_list->textEditor()->hasFocus());
        QTest::keyClicks(m_list->textEditor(), QStringLiteral("Go"));
        QTest::keyClick(m_list->textEditor(), Qt::Key_Escape);
        QVERIFY2(m_list->hasFocus(), "Escape commits and hands the focus back");
        QCOMPARE(committed.count(), 1);
        QCOMPARE(m_list->rows().item(kLabelRow)->valueText(), std::string("Go"));
    }

    void dropDownShowsAtMostEightRows_data()
    {
        QTest::addColumn<int>("choices");
        QTest::addColumn<int>("rows");
        QTest::newRow("none") << 0 << 1;
        QTest::newRow("three") << 3 << 3;
        QTest::newRow("eight") << 8 << 8;
        QTest::newRow("twelve") << 12 << 8;
    }
    void dropDownShowsAtMostEightRows()
    {
        QFETCH(int, choices);
        QFETCH(int, rows);
        QWidget host;
        CInPlaceComboBoxImp combo(&host, &host);
        combo.setGeometry(0, 0, 120, 18);
        combo.setChoices(choiceTexts(choices));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(&combo, Qt::LeftButton, {}, combo.arrowRect().center());
        CInPlaceDropList* drop = combo.dropList();
        QVERIFY(drop->isVisible());
        QCOMPARE(drop->height(), rows * kDropRowHeight + 2 * drop->frameWidth());
        QCOMPARE(drop->width(), 119);
        QCOMPARE(drop->verticalScrollBar()->maximum() > 0, choices > kDropMaxRows);
        QTest::mouseClick(&combo, Qt::LeftButton, {}, combo.arrowRect().center());
        QVERIFY(!drop->isVisible());
    }

    void dropDownStepsStopAtTheEnds()
    {
        QWidget host;
        CInPlaceComboBoxImp combo(&host, &host);
        combo.setGeometry(0, 0, 120, 18);
        combo.setChoices(choiceTexts(3));
        combo.selectEntry(0);
        host.show();
        QSignalSpy chosen(&combo, &CInPlaceComboBoxImp::chosen);
        QTest::keyClick(combo.edit(), Qt::Key_Up);
        QCOMPARE(combo.currentIndex(), 0);
        QCOMPARE(chosen.count(), 0);
        QTest::keyClick(combo.edit(), Qt::Key_Down);
        QTest::keyClick(combo.edit(), Qt::Key_Down);
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(combo.edit()->text(), QStringLiteral("choice 2"));
        QCOMPARE(chosen.count(), 2);
        QTest::keyClick(combo.edit(), Qt::Key_Down);
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(chosen.count(), 2);
    }

    void dropListEscapeClosesWithoutChoosing()
    {
        QWidget host;
        CInPlaceComboBoxImp combo(&host, &host);
        combo.setGeometry(0, 0, 120, 18);
        combo.setChoices(choiceTexts(3));
        combo.selectEntry(1);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QSignalSpy chosen(&combo, &CInPlaceComboBoxImp::chosen);
        combo.toggleDropList();
        QTest::keyClick(combo.dropList(), Qt::Key_Down);
        QTest::keyClick(combo.dropList(), Qt::Key_Escape);
        QVERIFY(!combo.dropList()->isVisible());
        QCOMPARE(combo.currentIndex(), 1);
        QCOMPARE(chosen.count(), 0);
        combo.toggleDropList();
        QTest::keyClick(combo.dropList(), Qt::Key_Down);
        QTest::keyClick(combo.dropList(), Qt::Key_Return);
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(chosen.count(), 1);
    }

    void cellsShowValuesAndGridLines()
    {
        m_list->resize(320, 19 * m_list->rowHeight());
        auto& enable = static_cast<CPropertyItemBool&>(*m_list->rows().item(kEnableRow));
        auto& visible = static_cast<CPropertyItemBool&>(*m_list->rows().item(16));
        enable.setValue(CPropertyItemBool::kDefault);
        visible.setValue(CPropertyItemBool::kTrue);
        const QImage image = m_list->viewport()->grab().toImage();
        const QColor base = m_list->palette().color(QPalette::Base);
        const auto inkIn = [&](const QRect& rect) {
            int ink = 0;
            for (int y = rect.top(); y < rect.bottom(); ++y)
                for (int x = rect.left(); x < rect.right(); ++x)
                    ink += image.pixelColor(x, y) != base;
            return ink;
        };
        QCOMPARE(inkIn(m_list->valueRect(kEnableRow)), 0); // default shows nothing
        QVERIFY(inkIn(m_list->valueRect(16)) > 0);
        const QRect row = m_list->rowRect(2);
        QCOMPARE(image.pixelColor(prop_grid::kMarginWidth, row.center().y()).rgb() & 0xFFFFFF, 0xC6C6C6u);
        QCOMPARE(image.pixelColor(m_list->dividerX(), row.center().y()).rgb() & 0xFFFFFF, 0xC6C6C6u);
        QCOMPARE(image.pixelColor(m_list->dividerX() + 30, row.bottom()).rgb() & 0xFFFFFF, 0xC6C6C6u);
    }

private:
    std::unique_ptr<CPropertySet> m_set;
    std::unique_ptr<CPropertyListBox> m_list;
};

ORVANTE_GUI_TEST_MAIN(PropertyListBoxTest)
#include "property_list_box_test.moc"
