// A long designer session of the kind a crash was once seen in: seven documents open, and in the
// window documents row layouts given children and their column widths set in the Controls flags
// grid with Enter, over and over, between switches to the other documents. Meant to be run under
// the sanitizers too (ORVANTE_SESSION_ROUNDS makes it longer).
#include "DesignerRun.h"
#include "GridInput.h"
#include "GuiTestMain.h"

#include "designer/CControlsFlagsDialog.h"
#include "designer/CPropertyListBox.h"
#include "editor/CMELEditorView.h"
#include "framework/CMDIChildWnd.h"
#include "uimodel/CUIRowLayout.h"

#include <QSignalSpy>
#include <QtTest>

using namespace orv;
using namespace orv::test;

namespace {

// A new document of the template with the given resource id (129 script, 130 window).
CDocument* newDocument(AppRun& run, int resourceId)
{
    for (CDocTemplate* t : run.app().docManager().templates())
        if (t->resourceId() == resourceId)
            return t->openDocumentFile(QString());
    return nullptr;
}

void activate(CDocument* doc)
{
    if (CMDIChildWnd* frame = doc->views().first()->parentFrame())
        frame->activateFrame(ShowCommand::normal);
    QApplication::processEvents();
}

} // namespace

class DesignerSessionTest : public QObject {
    Q_OBJECT

private slots:
    void columnWidthsOfRowLayoutsAmongSevenDocuments()
    {
        const int rounds = qEnvironmentVariableIsSet("ORVANTE_SESSION_ROUNDS")
                               ? qEnvironmentVariableIntValue("ORVANTE_SESSION_ROUNDS")
                               : 6;
        Designer d;
        d.run.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.run.frame()));
        d.setEditMode(true);
        // Seven documents: the designer's first window, three more windows, three scripts.
        std::vector<CDocument*> windows = {d.doc()};
        for (int i = 0; i < 3; ++i)
            windows.push_back(newDocument(d.run, 130));
        std::vector<CDocument*> scripts;
        for (int i = 0; i < 3; ++i)
            scripts.push_back(newDocument(d.run, 129));
        QCOMPARE(d.run.app().docManager().documents().size(), 7);
        CPropertyListBox& grid = *flagsGrid(d.run.frame())->list();
        QSignalSpy entered(&grid, &CPropertyListBox::committed);
        // Widths as a user types them: as many as the layout has children, more, fewer, and
        // a few that are no widths at all.
        const QStringList widths = {"150 150 150", "150", "150 150 150 150 150 150 150", "", "abc def",
                                    "-5 99999 0", QString(300, QLatin1Char('9'))};
        for (int round = 0; round < rounds; ++round) {
            CDocument* doc = windows[static_cast<std::size_t>(round) % windows.size()];
            activate(doc);
            QCOMPARE(d.doc(), doc);
            CUIWindow& window = d.window();
            // The window's layout, then a row layout in it with up to three buttons.
            if (window.children().empty()) {
                d.select(&window);
                d.click(kColumnLayoutButton);
            }
            CUIElement& column = *window.children().front();
            d.select(&column);
            d.click(kRowLayoutButton);
            CUIElement* row = column.children().back().get();
            QCOMPARE(row->command(), std::string("rowLayout"));
            for (int child = 0; child < round % 4; ++child) {
                d.select(row);
                d.click(kButtonsButton);
            }
            // The palette took the keyboard's window: the main window has it back for the grid.
            d.run.frame()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d.run.frame()));
            for (int flag = 1; flag <= 6; ++flag) {
                d.select(row);
                QApplication::processEvents();
                const int gridRow = rowOf(grid, "columnWidth" + std::to_string(flag));
                QVERIFY(gridRow >= 0);
                typeIntoRow(grid, gridRow, widths[(round + flag) % widths.size()], Qt::Key_Return);
                QApplication::processEvents();
            }
            QCOMPARE(entered.count(), 6 * (round + 1));
            // The stored widths are those of the children, whatever was typed.
            FlagValueTable flags;
            row->StoreFlags(flags);
            if (row->childCount() > 0)
                QVERIFY(!flags[CUIRowLayout::kFirstColumnWidths - 1 + static_cast<int>(row->childCount())].empty());
            // Over to a script, where a line typed starts a check in the background while the
            // next round goes on; once in a while a window document closes.
            CDocument* script = scripts[static_cast<std::size_t>(round) % scripts.size()];
            activate(script);
            auto* view = qobject_cast<CMELEditorView*>(script->views().first());
            QVERIFY(view);
            QTest::keyClicks(view->textView(), QStringLiteral("rowLayout -nc 3 -cw3 150 150 150 -lable x;"));
            QTest::keyClick(view->textView(), Qt::Key_Return);
            if (round % 5 == 4 && windows.size() > 2) {
                CDocument* closing = windows.back();
                windows.pop_back();
                closing->setModifiedFlag(false);
                closing->onCloseDocument();
                QApplication::processEvents();
                windows.push_back(newDocument(d.run, 130));
            }
        }
        QVERIFY(d.run.frame()->isVisible());
        for (CDocument* doc : d.run.app().docManager().documents())
            doc->setModifiedFlag(false);
    }
};

ORVANTE_GUI_TEST_MAIN(DesignerSessionTest)

#include "designer_session_test.moc"
