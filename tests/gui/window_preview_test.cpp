// The window preview as a user handles it in the designer view: its caption boxes and every
// edge and corner of its sizing frame.
#include "AppTestSupport.h"
#include "DesignerRun.h"
#include "GuiTestMain.h"

#include "app/AppIds.h"
#include "designer/COrvanteWnd.h"

#include <QDockWidget>

using namespace orv;
using namespace orv::test;

namespace {

enum class Box { close, maximize, minimize };

// The middle of a caption box: the boxes are 16 pixels wide, 2 apart, right-aligned in the
// caption bar inside the 4-pixel frame.
QPoint boxCentre(const COrvanteWnd* wnd, Box box)
{
    return {wnd->width() - 22 - static_cast<int>(box) * 18 + 8, 4 + 9};
}

QSize elementSize(const CUIElement& element)
{
    return {element.rect().width(), element.rect().height()};
}

// Hides the panes around the document windows: the offscreen screen is small, and a window
// preview must show whole to be handled by its right and bottom edges.
void makeRoom(Designer& d)
{
    for (QDockWidget* pane : d.run.frame()->findChildren<QDockWidget*>())
        pane->hide();
    QApplication::processEvents();
}

class WindowPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void maximizeFillsTheViewAndASecondClickRestores()
    {
        Designer d;
        d.columnWithButton();
        COrvanteWnd* wnd = d.view()->windowPreview();
        const QSize normal = wnd->size();
        QCOMPARE(normal, QSize(320, 240));
        d.doc()->setModifiedFlag(false);

        QTest::mouseClick(wnd, Qt::LeftButton, {}, boxCentre(wnd, Box::maximize));
        QCOMPARE(wnd->shown(), WindowShow::maximized);
        QCOMPARE(wnd->pos(), QPoint(0, 0));
        QCOMPARE(wnd->size(), d.view()->size());
        QCOMPARE(elementSize(d.window()), d.view()->size());
        // The layout follows the new client area, and the change is the document's.
        const CUIElement& column = *d.window().children().front();
        QCOMPARE(column.rect().width(), d.window().clientArea().width());
        QVERIFY(d.doc()->isModified());

        // A maximized window is not sized by its frame.
        const QPoint corner(wnd->width() - 2, wnd->height() - 2);
        d.drag(wnd, corner, corner - QPoint(50, 40));
        QCOMPARE(wnd->size(), d.view()->size());

        QTest::mouseClick(wnd, Qt::LeftButton, {}, boxCentre(wnd, Box::maximize));
        QCOMPARE(wnd->shown(), WindowShow::normal);
        QCOMPARE(wnd->size(), normal);
        QCOMPARE(elementSize(d.window()), normal);
        QCOMPARE(column.rect().width(), d.window().clientArea().width());
    }

    void minimizedFromMaximizedComesBackMaximized()
    {
        Designer d;
        COrvanteWnd* wnd = d.view()->windowPreview();
        QTest::mouseClick(wnd, Qt::LeftButton, {}, boxCentre(wnd, Box::maximize));
        const QSize maximized = wnd->size();
        QTest::mouseClick(wnd, Qt::LeftButton, {}, boxCentre(wnd, Box::minimize));
        QCOMPARE(wnd->shown(), WindowShow::minimized);
        QCOMPARE(elementSize(d.window()), maximized);   // the file keeps the window's size
        QTest::mouseClick(wnd, Qt::LeftButton, {}, boxCentre(wnd, Box::minimize));
        QCOMPARE(wnd->shown(), WindowShow::maximized);
        QCOMPARE(wnd->size(), maximized);
        QTest::mouseClick(wnd, Qt::LeftButton, {}, boxCentre(wnd, Box::maximize));
        QCOMPARE(wnd->size(), QSize(320, 240));
    }

    void everyEdgeAndCornerResizesAndTheWindowStaysPinned_data()
    {
        QTest::addColumn<QPoint>("grab");   // relative to the window's size: -1 = far side
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Qt::CursorShape>("cursor");
        QTest::newRow("left out") << QPoint(1, 120) << QPoint(-30, 7) << QSize(350, 240) << Qt::SizeHorCursor;
        QTest::newRow("left in") << QPoint(1, 120) << QPoint(40, 0) << QSize(280, 240) << Qt::SizeHorCursor;
        QTest::newRow("top out") << QPoint(160, 1) << QPoint(9, -20) << QSize(320, 260) << Qt::SizeVerCursor;
        QTest::newRow("top-left") << QPoint(1, 1) << QPoint(-10, -30) << QSize(330, 270) << Qt::SizeFDiagCursor;
        QTest::newRow("top-right") << QPoint(-2, 1) << QPoint(25, 10) << QSize(345, 230) << Qt::SizeBDiagCursor;
        QTest::newRow("bottom-left") << QPoint(1, -2) << QPoint(20, 15) << QSize(300, 255) << Qt::SizeBDiagCursor;
        QTest::newRow("right") << QPoint(-2, 120) << QPoint(40, 20) << QSize(360, 240) << Qt::SizeHorCursor;
        QTest::newRow("bottom") << QPoint(160, -2) << QPoint(40, 20) << QSize(320, 260) << Qt::SizeVerCursor;
        QTest::newRow("bottom-right") << QPoint(-2, -2) << QPoint(40, 20) << QSize(360, 260) << Qt::SizeFDiagCursor;
    }

    void everyEdgeAndCornerResizesAndTheWindowStaysPinned()
    {
        QFETCH(QPoint, grab);
        QFETCH(QPoint, delta);
        QFETCH(QSize, size);
        QFETCH(Qt::CursorShape, cursor);
        Designer d;
        d.columnWithButton();
        makeRoom(d);
        COrvanteWnd* wnd = d.view()->windowPreview();
        d.doc()->setModifiedFlag(false);
        const QPoint from(grab.x() < 0 ? wnd->width() + grab.x() : grab.x(),
                          grab.y() < 0 ? wnd->height() + grab.y() : grab.y());
        QTest::mouseMove(wnd, wnd->rect().center());
        QTest::mouseMove(wnd, from);
        QCOMPARE(wnd->cursor().shape(), cursor);
        d.drag(wnd, from, from + delta);
        QCOMPARE(wnd->pos(), QPoint(0, 0));
        QCOMPARE(wnd->size(), size);
        QCOMPARE(elementSize(d.window()), size);
        QCOMPARE(d.window().children().front()->rect().width(), d.window().clientArea().width());
        QVERIFY(d.doc()->isModified());
    }

    void windowFittedToItsChildrenKeepsTheirSize()
    {
        Designer d;
        d.columnWithButton();
        FlagValueTable table = d.window().flags();
        table[CUIWindow::kResizeToFitChildren] = "on";
        d.window().ApplyFlags(table);
        COrvanteWnd* wnd = d.view()->windowPreview();
        const QSize fitted = elementSize(d.window());
        QCOMPARE(wnd->size(), fitted);
        const QPoint corner(wnd->width() - 2, wnd->height() - 2);
        d.drag(wnd, corner, corner + QPoint(60, 50));
        QCOMPARE(wnd->size(), fitted);
        QTest::mouseClick(wnd, Qt::LeftButton, {}, boxCentre(wnd, Box::maximize));
        QCOMPARE(wnd->shown(), WindowShow::normal);
        QCOMPARE(wnd->size(), fitted);
        QCOMPARE(elementSize(d.window()), fitted);
    }
};

} // namespace

ORVANTE_GUI_TEST_MAIN(WindowPreviewTest)
#include "window_preview_test.moc"
