// The "Controls flags" grid in the running application beside a real designer view: it
// follows the selection of the surface and the tree, its edits reach the preview and mark
// the document, it never keeps an element that leaves the tree, and what is typed into it
// reaches the saved window file and the exported script.
#include "DesignerRun.h"
#include "GridInput.h"
#include "GuiTestMain.h"

#include "app/AppIds.h"
#include "designer/CControlsFlagsDialog.h"
#include "designer/CDesignTracker.h"
#include "designer/PreviewWidget.h"
#include "framework/CMDIChildWnd.h"
#include "uimodel/CUILabelledControls.h"

#include <QAbstractButton>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

using namespace orv;
using namespace orv::test;

namespace {

// The designer with its grid, the main frame active so that the grid's editors take focus.
struct DesignerWithGrid : Designer {
    using Designer::Designer;

    CControlsFlagsDialog* grid() { return flagsGrid(run.frame()); }
    CPropertyListBox& list() { return *grid()->list(); }
    std::string category() { return list().rows().count() ? list().rows().item(0)->name() : std::string(); }
    std::string value(const std::string& row) { return list().rows().item(rowOf(list(), row))->valueText(); }
    void activate()
    {
        run.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.frame()));
    }
    void clickInTree(const CUIElement& element)
    {
        const QPoint at = tree()->visualItemRect(tree()->itemOf(&element)).center();
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, at);
    }
    void rightClickOnSurface(const CUIElement& element)
    {
        const UIRect r = CInterfaceEditorView::clientRectOf(element);
        QTest::mouseClick(tracker(), Qt::RightButton, {}, QPoint(r.left + 5, r.top + 5));
    }
};

// Whether element is in the tree under root; the pointer is compared, never followed.
bool holds(const CUIElement& root, const CUIElement* element)
{
    if (&root == element)
        return true;
    for (const auto& child : root.children())
        if (holds(*child, element))
            return true;
    return false;
}

} // namespace

class DesignerFlagsTest : public QObject {
    Q_OBJECT

private slots:
    void surfaceAndTreeSelectionShowTheirFlags()
    {
        DesignerWithGrid d;
        CUIElement& column = d.columnWithButton();
        d.click(kButtonsButton);
        CUIElement& first = *column.children().front();
        CUIElement& second = *column.children().back();
        // An insertion selects what it made.
        QCOMPARE(d.grid()->shownElement(), &second);
        QCOMPARE(d.category(), std::string("button"));

        d.setEditMode(true);
        d.rightClickOnSurface(first);
        QCOMPARE(d.grid()->shownElement(), &first);
        QCOMPARE(d.category(), std::string("button"));
        QCOMPARE(d.list().rows().count(), 18);
        QCOMPARE(d.value("label"), first.flags()[CUIButton::kPositions.label]);

        d.clickInTree(column);
        QCOMPARE(d.grid()->shownElement(), &column);
        QCOMPARE(d.category(), std::string("columnLayout"));
        d.clickInTree(second);
        QCOMPARE(d.grid()->shownElement(), &second);
        QCOMPARE(d.category(), std::string("button"));

        // In test mode a click on a preview selects it.
        d.setEditMode(false);
        QTest::mouseClick(&d.previewOf(first), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(d.grid()->shownElement(), &first);
    }

    void typedValuesReachThePreviewAndMarkTheDocument()
    {
        DesignerWithGrid d;
        CUIElement& column = d.columnWithButton();
        d.click(kButtonsButton);
        CUIElement& first = *column.children().front();
        const CUIElement& second = *column.children().back();
        d.clickInTree(first);
        d.activate();
        d.doc()->setModifiedFlag(false);

        typeIntoRow(d.list(), rowOf(d.list(), "label"), QStringLiteral("Go \"now\""), Qt::Key_Return);
        QCOMPARE(static_cast<QAbstractButton&>(d.previewOf(first)).text(), QStringLiteral("Go \"now\""));
        QVERIFY(d.doc()->isModified());

        const int secondTop = second.rect().top;
        const int height = first.rect().height();
        typeIntoRow(d.list(), rowOf(d.list(), "width"), QStringLiteral("150"), Qt::Key_Tab);
        QCOMPARE(first.rect().width(), 150);
        QCOMPARE(d.previewOf(first).width(), 150);
        typeIntoRow(d.list(), rowOf(d.list(), "height"), QStringLiteral("60"), Qt::Key_Tab);
        QCOMPARE(second.rect().top, secondTop + 60 - height);
        const UIRect r = second.rect();
        QCOMPARE(d.previewOf(second).geometry(), QRect(r.left, r.top, r.width(), r.height()));
    }

    // Two window documents open: an edit in the grid is carried out by the designer of the view
    // that showed the element, which marks its own document only, and that view's tracker
    // follows the new size.
    void aGridCommitGoesToTheDesignerOfTheViewShowingTheElement()
    {
        DesignerWithGrid d;
        CUIElement& first = *d.columnWithButton().children().front();
        CInterfaceEditorView* firstView = d.view();
        CDocTemplate* windows = firstView->document()->docTemplate();
        QVERIFY(windows->openDocumentFile(QString()));
        CInterfaceEditorView* secondView = d.view();
        QVERIFY(secondView != firstView);
        CUIElement& other = *d.columnWithButton().children().front();
        const int otherWidth = other.rect().width();

        d.run.frame()->mdiArea()->setActiveSubWindow(firstView->parentFrame());
        QCOMPARE(d.view(), firstView);
        d.setEditMode(true);
        d.rightClickOnSurface(first);
        QCOMPARE(d.grid()->shownElement(), &first);
        for (CDocument* doc : d.run.app().docManager().documents())
            doc->setModifiedFlag(false);

        d.activate();
        typeIntoRow(d.list(), rowOf(d.list(), "width"), QStringLiteral("150"), Qt::Key_Tab);
        QCOMPARE(first.rect().width(), 150);
        QVERIFY(firstView->document()->isModified());
        QVERIFY(!secondView->document()->isModified());
        QCOMPARE(other.rect().width(), otherWidth);
        const UIRect r = CInterfaceEditorView::clientRectOf(first);
        QCOMPARE(firstView->windowPreview()->tracker()->trackRect(), std::optional(QRect(r.left, r.top, r.width(), r.height())));
    }

    void surfaceResizeThenGridCommitKeepsTheNewSize()
    {
        DesignerWithGrid d;
        CUIElement& column = d.columnWithButton();
        CUIElement& button = *column.children().front();
        d.setEditMode(true);
        d.rightClickOnSurface(button);
        const int before = button.rect().width();
        d.dragCorner(QPoint(40, 20));
        const int resized = button.rect().width();
        QVERIFY(resized > before);
        QCOMPARE(d.value("width"), std::to_string(resized));

        d.activate();
        typeIntoRow(d.list(), rowOf(d.list(), "label"), QStringLiteral("Wide"), Qt::Key_Return);
        QCOMPARE(button.flags()[CUIButton::kPositions.label], std::string("Wide"));
        QCOMPARE(button.rect().width(), resized);

        // The same for the window resized by its frame.
        d.clickInTree(d.window());
        COrvanteWnd* wnd = d.view()->windowPreview();
        const QSize size = wnd->size();
        const QPoint corner(size.width() - 2, size.height() - 2);
        d.drag(wnd, corner, corner + QPoint(30, 20));
        const int width = d.window().rect().width();
        QVERIFY(width > size.width() - 10);
        QCOMPARE(wnd->width(), size.width() + 30);
        d.activate();
        typeIntoRow(d.list(), rowOf(d.list(), "title"), QStringLiteral("Wider"), Qt::Key_Return);
        QCOMPARE(wnd->caption(), QStringLiteral("Wider"));
        QCOMPARE(d.window().rect().width(), width);
        QCOMPARE(wnd->width(), size.width() + 30);
    }

    // A horizontal slider never taller than wide: a width typed below its height turns the two
    // round, and the grid shows the values the slider now holds at once.
    void aSliderThatTurnsItsSizeRoundShowsItInTheGrid()
    {
        DesignerWithGrid d;
        CUIElement& column = d.columnWithButton();
        d.click(kSlidersButton);
        CUIElement& slider = *column.children().back();
        d.activate();
        d.clickInTree(slider);
        QCOMPARE(d.category(), std::string("intSlider"));
        const std::string height = d.value("height");
        QVERIFY(std::stoi(height) > 5);
        typeIntoRow(d.list(), rowOf(d.list(), "width"), QStringLiteral("5"), Qt::Key_Tab);
        QCOMPARE(d.value("width"), height);
        QCOMPARE(d.value("height"), std::string("5"));
        QCOMPARE(slider.rect().width(), std::stoi(height));
        QCOMPARE(slider.rect().height(), 5);
        // The next edit starts from the shown values and keeps them.
        typeIntoRow(d.list(), rowOf(d.list(), "minValue"), QStringLiteral("-5"), Qt::Key_Tab);
        QCOMPARE(slider.rect().width(), std::stoi(height));
        QCOMPARE(d.value("height"), std::string("5"));
    }

    void deletingTheShownElementLeavesTheGridWithTheNext()
    {
        DesignerWithGrid d;
        CUIElement& column = d.columnWithButton();
        d.click(kButtonsButton);
        d.click(kButtonsButton);
        d.setEditMode(true);
        CUIElement* doomed = column.children()[1].get();
        d.rightClickOnSurface(*doomed);
        QCOMPARE(d.grid()->shownElement(), doomed);
        QTest::keyClick(d.tracker(), Qt::Key_Delete);
        QCOMPARE(column.childCount(), 2u);
        QVERIFY(d.grid()->shownElement());
        QVERIFY(holds(d.window(), d.grid()->shownElement()));

        // An edit still open in the grid belongs to the element going: it is never written
        // into it once it has left the tree.
        std::vector<bool> editedWhileInTree;
        d.view()->designer().setChangedHandler([&] {
            if (const CUIElement* shown = d.grid()->shownElement())
                editedWhileInTree.push_back(holds(d.window(), shown));
        });
        doomed = column.children().back().get();
        d.rightClickOnSurface(*doomed);
        d.activate();
        clickRow(d.list(), rowOf(d.list(), "label"));
        QTest::keyClick(&d.list(), Qt::Key_Return);
        QTest::keyClicks(d.list().currentEditor(), QStringLiteral("pending"));
        d.view()->DeleteSelection();
        QCOMPARE(column.childCount(), 1u);
        QVERIFY(holds(d.window(), d.grid()->shownElement()));
        for (bool inTree : editedWhileInTree)
            QVERIFY(inTree);
        QVERIFY(column.children().front()->flags()[CUIButton::kPositions.label] != "pending");
    }

    void closingTheLastDesignerViewEmptiesTheGrid()
    {
        DesignerWithGrid d;
        d.columnWithButton();
        QCOMPARE(d.category(), std::string("button"));
        d.run.prompts().expectAskToSave(Prompts::SaveAnswer::discard);
        d.run.app().docManager().activeFrame()->close();
        QVERIFY(d.run.prompts().verifyAllCame());
        QTRY_VERIFY(!d.run.app().docManager().activeView());
        QCOMPARE(d.list().rows().count(), 0);
        QVERIFY(!d.grid()->shownElement());
    }

    void firstDisplayShowsTheWindowUnmodified()
    {
        DesignerWithGrid d(QStringLiteral(ORVANTE_FIXTURES_DIR "/designer/render_options.wnd"));
        QCOMPARE(d.grid()->shownElement(), &d.window());
        QCOMPARE(d.category(), std::string("window"));
        QCOMPARE(d.value("title"), std::string("Render Options"));
        QCOMPARE(d.view()->windowPreview()->caption(), QStringLiteral("Render Options"));
        QVERIFY(!d.doc()->isModified());
    }

    // A window built by palette clicks, its flags typed into the grid, saved and exported:
    // the file and the script hold exactly what was typed.
    void typedFlagsReachTheWindowFileAndTheScript()
    {
        QTemporaryDir dir;
        DesignerWithGrid d;
        CUIElement& column = d.columnWithButton();
        d.click(kListsButton);
        d.click(kSlidersButton);
        QCOMPARE(column.childCount(), 3u);
        const CUIElement& button = *column.children()[0];
        const CUIElement& list = *column.children()[1];
        const CUIElement& slider = *column.children()[2];
        d.activate();

        d.clickInTree(d.window());
        typeIntoRow(d.list(), rowOf(d.list(), "title"), QStringLiteral("My \"tool\""), Qt::Key_Return);
        QCOMPARE(d.view()->windowPreview()->caption(), QStringLiteral("My \"tool\""));
        d.clickInTree(button);
        typeIntoRow(d.list(), rowOf(d.list(), "label"), QStringLiteral("Go"), Qt::Key_Return);
        d.clickInTree(list);
        QCOMPARE(d.category(), std::string("textScrollList"));
        clickRow(d.list(), rowOf(d.list(), "append"));
        whenModalShows([](CEditListItemsDialog& dialog) {
            typeSeries(dialog, {QStringLiteral("x"), QStringLiteral("y \"z\"")});
            dialog.accept();
        });
        QTest::mouseClick(d.list().dataButton(), Qt::LeftButton);
        d.activate();
        d.clickInTree(slider);
        typeIntoRow(d.list(), rowOf(d.list(), "minValue"), QStringLiteral("-5"), Qt::Key_Tab);
        typeIntoRow(d.list(), rowOf(d.list(), "maxValue"), QStringLiteral("50"), Qt::Key_Tab);

        const QString path = dir.filePath(QStringLiteral("typed.wnd"));
        d.run.prompts().expectFileToSave(path);
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::fileSaveAs));
        QVERIFY(d.run.prompts().verifyAllCame());
        QVERIFY(!d.doc()->isModified());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray file = saved.readAll();
        for (const char* typed : {"\tMy \"tool\"\r\n", "\tGo\r\n", "{item}x\r\n", "{item}y \"z\"\r\n", "\t-5\r\n", "\t50\r\n"})
            QVERIFY2(file.contains(typed), typed);

        const QString melPath = dir.filePath(QStringLiteral("typed.mel"));
        d.run.prompts().expectFileToSave(melPath);
        d.run.app().settingsService().setFlag(SettingsFlag::exportToFile, true);
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::exportScript));
        QVERIFY(d.run.prompts().verifyAllCame());
        QFile mel(melPath);
        QVERIFY(mel.open(QIODevice::ReadOnly));
        const QByteArray script = mel.readAll();
        for (const char* typed : {"-title \"My \\\"tool\\\"\"", "-label \"Go\"", "-append \"x\" -append \"y \\\"z\\\"\"",
                                  "-maxValue 50 -minValue -5 "})
            QVERIFY2(script.contains(typed), script.constData());
    }
};

ORVANTE_GUI_TEST_MAIN(DesignerFlagsTest)
#include "designer_flags_test.moc"
