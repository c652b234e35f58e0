// The "Controls flags" grid on a real element tree: the rows of the selected element's
// command, booleans of the style, the status bar hint, typed values reaching the preview
// and the container, "edit data" on a list's items and on another multi-use flag, and the
// modified callback on every edit that changes something.
#include "DesignedWindow.h"
#include "GridInput.h"
#include "GuiTestMain.h"

#include "designer/CControlsFlagsDialog.h"
#include "designer/CEditListItemsDialog.h"
#include "designer/InPlaceEditors.h"
#include "mel/MelVocabulary.h"
#include "uimodel/CUIOrientedControls.h"
#include "uimodel/MelGenerator.h"
#include "uimodel/WindowFile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace orv;
using namespace orv::test;

namespace {

constexpr int kEnable = CUIButton::kPositions.enable;
constexpr int kLabel = CUIButton::kPositions.label;
constexpr int kEnableRow = 9;
constexpr int kLabelRow = 11;
constexpr int kWidthRow = 17;
constexpr int kHeightRow = 10;

} // namespace

class ControlsFlagsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { loadShippedDatabase(); }

    void init()
    {
        m_window = std::make_unique<DesignedWindow>(1);
        m_dialog = std::make_unique<CControlsFlagsDialog>();
        m_dialog->resize(320, 600);
        m_hints.clear();
        m_modified.clear();
        m_dialog->setHintSink([this](const QString& hint) { m_hints << hint; });
        // What the designer was told to change, with the element the grid showed.
        m_window->designer.setChangedHandler([this] { m_modified.push_back(m_dialog->shownElement()); });
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup()
    {
        m_dialog.reset();
        m_window.reset();
    }

    void buttonShowsItsCommandsRows()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        const CPropertyListBox& list = *m_dialog->list();
        QCOMPARE(list.rows().count(), 18);
        QCOMPARE(list.rows().item(0)->name(), std::string("button"));
        QCOMPARE(list.rows().item(1)->name(), std::string("align"));
        QCOMPARE(list.rows().item(kLabelRow)->name(), std::string("label"));
        QCOMPARE(list.rows().item(kWidthRow)->name(), std::string("width"));
        QCOMPARE(list.rows().item(kLabelRow)->valueText(), m_window->button->flags()[kLabel]);
        QCOMPARE(m_dialog->shownElement(), m_window->button);

        m_dialog->ShowElementFlags(m_window->list, m_window->designer);
        QCOMPARE(list.rows().item(0)->name(), std::string("textScrollList"));
        QCOMPARE(list.rows().count(), 30);
    }

    void noElementKeepsTheGrid()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        m_dialog->ShowElementFlags(nullptr, m_window->designer);
        QCOMPARE(m_dialog->shownElement(), m_window->button);
        QCOMPARE(m_dialog->list()->rows().count(), 18);
    }

    void choosingFalseDisablesThePreview()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        CPropertyListBox& list = *m_dialog->list();
        clickRow(list, kEnableRow);
        CInPlaceComboBoxImp* combo = list.choiceEditor();
        QCOMPARE(list.currentEditor(), combo);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->dropList()->item(0)->text(), QStringLiteral("default"));
        QCOMPARE(combo->dropList()->item(1)->text(), QStringLiteral("true"));
        QCOMPARE(combo->dropList()->item(2)->text(), QStringLiteral("false"));
        QVERIFY(m_window->record(*m_window->button).enabled);

        QTest::mouseClick(combo, Qt::LeftButton, {}, combo->arrowRect().center());
        QVERIFY(combo->dropList()->isVisible());
        const QRect falseRow = combo->dropList()->visualItemRect(combo->dropList()->item(2));
        QTest::mouseClick(combo->dropList()->viewport(), Qt::LeftButton, {}, falseRow.center());
        QVERIFY(!combo->dropList()->isVisible());
        QCOMPARE(m_window->button->flags()[kEnable], std::string("false"));
        QVERIFY(!m_window->record(*m_window->button).enabled);
        QCOMPARE(m_modified, std::vector<CUIElement*>{m_window->button});

        // Stepping up to "default" gives the flag back to the default: enabled.
        QTest::keyClick(combo->edit(), Qt::Key_Up);
        QTest::keyClick(combo->edit(), Qt::Key_Up);
        QCOMPARE(m_window->button->flags()[kEnable], std::string());
        QVERIFY(m_window->record(*m_window->button).enabled);
        QCOMPARE(m_modified.size(), 3u);
    }

    // A boolean word of another style shows as this style's word of the same meaning; one
    // the grid does not know shows as "default". Either stays as it is while other rows are
    // edited: only the row the user changes writes back.
    void booleanWordsShowTheirMeaningAndStayUntilChanged()
    {
        const struct {
            const char* value;
            int choice;
        } cases[] = {{"0", 2}, {"off", 2}, {"no", 2}, {"yes", 1}, {"On", 0}, {"1", 1}};
        for (const auto& c : cases) {
            FlagValueTable table = m_window->button->flags();
            table[kEnable] = c.value;
            m_window->button->ApplyFlags(table);
            m_dialog->ShowElementFlags(m_window->button, m_window->designer);
            CPropertyListBox& list = *m_dialog->list();
            clickRow(list, kEnableRow);
            QCOMPARE(list.choiceEditor()->currentIndex(), c.choice);
            QCOMPARE(list.choiceEditor()->edit()->text(), list.choiceEditor()->dropList()->item(c.choice)->text());
            typeIntoRow(list, kLabelRow, QStringLiteral("x"), Qt::Key_Return);
            QCOMPARE(m_window->button->flags()[kLabel], std::string("x"));
            QCOMPARE(m_window->button->flags()[kEnable], std::string(c.value));
            QVERIFY(GenerateWindowScript(m_window->window, false).find(std::string("-enable ") + c.value + " ") !=
                        std::string::npos ||
                    c.choice == 0);
        }
        // Choosing a word writes the style's word.
        CPropertyListBox& list = *m_dialog->list();
        clickRow(list, kEnableRow);
        QTest::keyClick(list.choiceEditor()->edit(), Qt::Key_Down);
        QCOMPARE(m_window->button->flags()[kEnable], std::string("false"));
    }

    void hintOfTheSelectedRow()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        clickRow(*m_dialog->list(), 3);
        QCOMPARE(m_hints.last(), QStringLiteral("Flag type of 'backgroundColor' is : Float Float Float"));
        clickRow(*m_dialog->list(), 0);
        QCOMPARE(m_hints.last(), QStringLiteral("Flag type of 'align' is : String"));
    }

    void typedLabelChangesTheCaptionAtOnce()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        typeIntoRow(*m_dialog->list(), kLabelRow, QStringLiteral("Press \"me\""), Qt::Key_Return);
        QCOMPARE(m_window->record(*m_window->button).text, std::string("Press \"me\""));
        QCOMPARE(m_window->button->flags()[kLabel], std::string("Press \"me\""));
        QVERIFY(m_dialog->list()->hasFocus());
        QCOMPARE(m_modified, std::vector<CUIElement*>{m_window->button});
    }

    // What is typed comes back as typed, in the preview, the file and the script: no '?'.
    void typedCharactersBeyondLatin1AreKept()
    {
        const QString typed = QStringLiteral("Gr\u00F6\u00DFe \u2013 \u5BF8\u6CD5 \u2713");
        const std::string utf8 = typed.toUtf8().toStdString();
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        typeIntoRow(*m_dialog->list(), kLabelRow, typed, Qt::Key_Return);
        QCOMPARE(m_window->button->flags()[kLabel], utf8);
        QCOMPARE(m_window->record(*m_window->button).text, utf8);
        QVERIFY(WriteWindowFile(m_window->window).find("\t10\t" + utf8 + "\r\n") != std::string::npos);
        QVERIFY(GenerateWindowScript(m_window->window, false).find("-label \"" + utf8 + "\"") != std::string::npos);
        m_dialog->ShowElementFlags(m_window->second, m_window->designer);
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        clickRow(*m_dialog->list(), kLabelRow);
        QCOMPARE(m_dialog->list()->textEditor()->text(), typed);
    }

    void typedSizeResizesAndRelayouts()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        const int secondTop = m_window->second->rect().top;
        typeIntoRow(*m_dialog->list(), kWidthRow, QStringLiteral("150"), Qt::Key_Tab);
        QCOMPARE(m_window->button->rect().width(), 150);
        QCOMPARE(m_window->record(*m_window->button).geometry.width(), 150);
        typeIntoRow(*m_dialog->list(), kHeightRow, QStringLiteral("60"), Qt::Key_Escape);
        QCOMPARE(m_window->button->rect().height(), 60);
        QCOMPARE(m_window->second->rect().top, secondTop + 60 - static_cast<int>(m_window->settings.buttonHeight));
        QCOMPARE(m_window->record(*m_window->second).geometry, m_window->second->rect());
    }

    // A number row refuses what is no number of its type, and a size below 0: the element and
    // the row keep the old value and the status bar says why, also when the commit came from a
    // click on another row (whose own hint comes first).
    void numberRowsRefuseWithTheReasonAndKeepTheOldValue()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        CPropertyListBox& list = *m_dialog->list();
        const std::string width = m_window->button->flags()[CUIButton::kPositions.width];
        const struct {
            QString typed;
            QString reason;
        } cases[] = {
            {QStringLiteral("abc"), QStringLiteral("\"abc\" is not a whole number")},
            {QStringLiteral("-50"), QStringLiteral("\"-50\" is below 0, and a size cannot be")},
            {QStringLiteral("99999999999"), QStringLiteral("\"99999999999\" is out of the range of whole numbers")},
        };
        for (const auto& c : cases) {
            typeIntoRow(list, kWidthRow, c.typed, Qt::Key_Return);
            QTRY_VERIFY(!m_hints.isEmpty() && m_hints.last().contains(c.reason));
            QCOMPARE(m_hints.last(), QString::fromStdString("'width' keeps \"" + width + "\": ") + c.reason + QStringLiteral("."));
            QCOMPARE(m_window->button->flags()[CUIButton::kPositions.width], width);
            QCOMPARE(m_window->button->rect().width(), std::stoi(width));
            QCOMPARE(list.textEditor()->text(), QString::fromStdString(width));
            QCOMPARE(list.rows().item(kWidthRow)->valueText(), width);
        }
        QVERIFY(m_modified.empty());

        clickRow(list, kWidthRow);
        QTest::keyClick(&list, Qt::Key_Return);
        QTest::keyClick(list.currentEditor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(list.currentEditor(), QStringLiteral("wide"));
        clickRow(list, kHeightRow);
        QTRY_VERIFY(m_hints.last().contains(QStringLiteral("\"wide\" is not a whole number")));
        QCOMPARE(list.currentRow(), kHeightRow);
        QCOMPARE(list.rows().item(kWidthRow)->valueText(), width);

        typeIntoRow(list, kWidthRow, QStringLiteral("150"), Qt::Key_Return);
        QCOMPARE(m_window->button->rect().width(), 150);
    }

    // A value longer than a window file line holds is refused rather than saved into a file
    // that could not be read back.
    void aValueLongerThanALineIsRefused()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        CPropertyListBox& list = *m_dialog->list();
        const std::string label = m_window->button->flags()[kLabel];
        clickRow(list, kLabelRow);
        QTest::keyClick(&list, Qt::Key_Return);
        list.textEditor()->setText(QString(static_cast<qsizetype>(wnd_file::kMaxValueBytes / 3 + 1), QChar(0x5BF8)));
        QTest::keyClick(list.textEditor(), Qt::Key_Return);
        QTRY_VERIFY(!m_hints.isEmpty() && m_hints.last().contains(QStringLiteral("the most a window file line holds")));
        QCOMPARE(m_window->button->flags()[kLabel], label);
        QVERIFY(m_modified.empty());
    }

    void clickingAnotherRowCommitsTheTypedText()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        CPropertyListBox& list = *m_dialog->list();
        clickRow(list, kLabelRow);
        QTest::keyClick(&list, Qt::Key_Return);
        QTest::keyClicks(list.currentEditor(), QStringLiteral("!"));
        clickRow(list, kWidthRow);
        QCOMPARE(m_window->button->flags()[kLabel], list.rows().item(kLabelRow)->valueText());
        QVERIFY(list.rows().item(kLabelRow)->valueText().ends_with("!"));
        QCOMPARE(m_window->record(*m_window->button).text, list.rows().item(kLabelRow)->valueText());
        QCOMPARE(list.currentRow(), kWidthRow);
        QCOMPARE(m_modified.size(), 1u);
    }

    void leavingAnEditorUnchangedMarksNothing()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        CPropertyListBox& list = *m_dialog->list();
        clickRow(list, kLabelRow);
        QTest::keyClick(&list, Qt::Key_Return);
        QTest::keyClick(list.currentEditor(), Qt::Key_Tab);
        QVERIFY(m_modified.empty());
    }

    void clickingAnotherElementCommitsToTheOneEdited()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        CPropertyListBox& list = *m_dialog->list();
        clickRow(list, kLabelRow);
        QTest::keyClick(&list, Qt::Key_Return);
        QTest::keyClicks(list.currentEditor(), QStringLiteral("typed"));
        m_dialog->ShowElementFlags(m_window->second, m_window->designer);
        QCOMPARE(m_window->button->flags()[kLabel], std::string("typed"));
        QVERIFY(m_window->second->flags()[kLabel] != "typed");
        QCOMPARE(list.rows().item(kLabelRow)->valueText(), m_window->second->flags()[kLabel]);
    }

    void removingTheShownElementEmptiesTheGrid()
    {
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        m_dialog->ElementRemoving(*m_window->second);
        QCOMPARE(m_dialog->list()->rows().count(), 18);
        m_dialog->ElementRemoving(*m_window->column);
        QCOMPARE(m_dialog->list()->rows().count(), 0);
        QVERIFY(!m_dialog->shownElement());
        QVERIFY(m_window->window.RemoveChild(m_window->column));
    }

    void editListItemsFillsThePreviewList()
    {
        m_dialog->ShowElementFlags(m_window->list, m_window->designer);
        CPropertyListBox& list = *m_dialog->list();
        clickRow(list, rowOf(list, "append"));
        QCOMPARE(list.currentEditor(), list.dataButton());
        QCOMPARE(list.dataButton()->text(), QStringLiteral("edit data"));
        whenModalShows([](CEditListItemsDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit list items"));
            QVERIFY(dialog.list()->headerItem()->text(0).startsWith(QStringLiteral("TextScrollList")));
            typeSeries(dialog, {QStringLiteral("a"), QStringLiteral("b")});
            QCOMPARE(dialog.items(), (std::vector<std::string>{"a", "b"}));
            dialog.accept();
        });
        QTest::mouseClick(list.dataButton(), Qt::LeftButton);
        QCOMPARE(m_window->list->listItems(), (std::vector<std::string>{"a", "b"}));
        QCOMPARE(m_window->record(*m_window->list).items, (std::vector<std::string>{"a", "b"}));
        QCOMPARE(m_modified, std::vector<CUIElement*>{m_window->list});

        whenModalShows([](CEditListItemsDialog& dialog) {
            QCOMPARE(dialog.items(), (std::vector<std::string>{"a", "b"}));
            typeSeries(dialog, {QStringLiteral("c")});
            dialog.reject();
        });
        QTest::mouseClick(list.dataButton(), Qt::LeftButton);
        QCOMPARE(m_window->list->listItems(), (std::vector<std::string>{"a", "b"}));
        QCOMPARE(m_modified.size(), 1u);
    }

    void otherMultiUseFlagEditsItsOwnValue()
    {
        m_dialog->ShowElementFlags(m_window->list, m_window->designer);
        CPropertyListBox& list = *m_dialog->list();
        const int row = rowOf(list, "selectItem");
        clickRow(list, row);
        whenModalShows([](CEditListItemsDialog& dialog) {
            QCOMPARE(dialog.list()->headerItem()->text(0), QStringLiteral("selectItem"));
            typeSeries(dialog, {QStringLiteral("one"), QStringLiteral("two \"2\"")});
            dialog.accept();
        });
        QTest::mouseClick(list.dataButton(), Qt::LeftButton);
        QCOMPARE(m_window->list->flags()[row - 1], std::string("\"one\" \"two \\\"2\\\"\""));
        QVERIFY(m_window->list->listItems().empty());
        whenModalShows([](CEditListItemsDialog& dialog) {
            QCOMPARE(dialog.items(), (std::vector<std::string>{"one", "two \"2\""}));
            dialog.reject();
        });
        QTest::mouseClick(list.dataButton(), Qt::LeftButton);
    }

    // A window built here, its flags edited in the grid, then saved and exported: the file
    // and the script hold what was typed.
    void editedFlagsReachTheWindowFileAndTheScript()
    {
        CPropertyListBox& list = *m_dialog->list();
        m_dialog->ShowElementFlags(&m_window->window, m_window->designer);
        typeIntoRow(list, rowOf(list, "title"), QStringLiteral("My \"tool\""), Qt::Key_Return);
        m_dialog->ShowElementFlags(m_window->button, m_window->designer);
        typeIntoRow(list, kLabelRow, QStringLiteral("Go"), Qt::Key_Return);
        typeIntoRow(list, rowOf(list, "backgroundColor"), QStringLiteral("1 0.5 0"), Qt::Key_Return);
        m_dialog->ShowElementFlags(m_window->list, m_window->designer);
        clickRow(list, rowOf(list, "append"));
        whenModalShows([](CEditListItemsDialog& dialog) {
            typeSeries(dialog, {QStringLiteral("x"), QStringLiteral("y")});
            dialog.accept();
        });
        QTest::mouseClick(list.dataButton(), Qt::LeftButton);
        // The modal dialog took the activation with it.
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        CUIIntSlider& slider = m_window->add<CUIIntSlider>(*m_window->column);
        m_dialog->ShowElementFlags(&slider, m_window->designer);
        typeIntoRow(list, rowOf(list, "minValue"), QStringLiteral("-5"), Qt::Key_Tab);
        typeIntoRow(list, rowOf(list, "maxValue"), QStringLiteral("50"), Qt::Key_Tab);

        const std::string file = WriteWindowFile(m_window->window);
        QVERIFY(file.find("My \"tool\"") != std::string::npos);
        QVERIFY(file.find("\tGo\r\n") != std::string::npos);
        QVERIFY(file.find("1 0.5 0") != std::string::npos);
        const std::string script = GenerateWindowScript(m_window->window, false);
        QVERIFY2(script.find("-title \"My \\\"tool\\\"\"") != std::string::npos, script.c_str());
        QVERIFY(script.find("-label \"Go\"") != std::string::npos);
        QVERIFY(script.find("-backgroundColor 1 0.5 0") != std::string::npos);
        QVERIFY(script.find("-append \"x\" -append \"y\"") != std::string::npos);
        QVERIFY2(script.find("-maxValue 50 -minValue -5 ") != std::string::npos, script.c_str());
        QVERIFY(file.find("\t-5\r\n") != std::string::npos);
    }

private:
    std::unique_ptr<DesignedWindow> m_window;
    std::unique_ptr<CControlsFlagsDialog> m_dialog;
    QStringList m_hints;
    std::vector<CUIElement*> m_modified;
};

ORVANTE_GUI_TEST_MAIN(ControlsFlagsDialogTest)
#include "controls_flags_dialog_test.moc"
