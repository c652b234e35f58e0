// The window preview as a user handles it in the designer view: its caption boxes, every
// edge and corner of its sizing frame, the view's frame fitted to the form, and two live
// views of one window.
#include "AppTestSupport.h"
#include "DesignerRun.h"
#include "GuiTestMain.h"
#include "TestFiles.h"

#include "app/AppIds.h"
#include "designer/COrvanteWnd.h"
#include "designer/FormFit.h"
#include "designer/PreviewWidget.h"
#include "framework/CMDIChildWnd.h"
#include "uimodel/CUILabelledControls.h"

#include <QDockWidget>
#include <QScreen>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

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

// What the screen shows of a view, cut to the window preview's size.
QImage shownWindow(QWidget* view, const COrvanteWnd* wnd)
{
    QWidget* top = view->window();
    const QPoint at = view->mapTo(top, QPoint(0, 0));
    return top->screen()
        ->grabWindow(top->winId(), at.x(), at.y(), wnd->width(), wnd->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Hides the panes around the document windows: the offscreen screen is small, and a window
// preview must show whole to be handled by its right and bottom edges.
void makeRoom(Designer& d)
{
    for (QDockWidget* pane : d.run.frame()->findChildren<QDockWidget*>())
        pane->hide();
    QApplication::processEvents();
}

QImage liveWindow(COrvanteWnd* wnd)
{
    return wnd->grab().toImage().convertToFormat(QImage::Format_RGB32);
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

    void viewFrameShrinksToTheFormNeverGrowsAndKeepsTheWindowWhole()
    {
        Designer d;
        // Frames open maximized while the first one is.
        d.view()->parentFrame()->showNormal();
        QApplication::processEvents();
        const UISize form = designerFormSize();
        QMdiArea* area = d.run.frame()->mdiArea();
        const auto openAnotherView = [&] {
            d.run.app().docManager().commands().run(static_cast<int>(CommandId::windowNew));
            QApplication::processEvents();
            return d.view()->parentFrame();
        };

        // With the panes shown the room is narrow: the new frame keeps its width and only
        // its height shrinks to the form's.
        const QSize narrow = area->viewport()->size();
        QVERIFY(narrow.width() * 3 / 4 < form.width && narrow.height() * 3 / 4 > form.height + 40);
        CMDIChildWnd* frame = openAnotherView();
        QVERIFY(d.view()->width() < form.width);
        QCOMPARE(d.view()->height(), form.height);

        // With room to spare the frame shrinks to the form both ways.
        makeRoom(d);
        QVERIFY(area->viewport()->width() * 3 / 4 > form.width + 20);
        frame = openAnotherView();
        QCOMPARE(d.view()->size(), QSize(form.width, form.height));
        QVERIFY(frame->isVisible());

        // A window taller than the form keeps its height in view.
        FlagValueTable table = d.window().flags();
        table[CUIWindow::kHeight] = "400";
        d.window().ApplyFlags(table);
        makeRoom(d);
        openAnotherView();
        QCOMPARE(d.view()->size(), QSize(form.width, 400));
    }

    void aWindowLargerThanItsViewScrollsByBarsAndWheel()
    {
        // Two hundred buttons in a column, in a window as tall as they are and wider than any view.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tall.wnd"));
        QByteArray bytes = "[ORVANTE 0.4]\r\n[UI_Window]\r\n[window]\r\nWindow\r\n1\r\n3\t5629\r\n23\t2000\r\n"
                           "\t[columnLayout]\r\n\tColumnLayout0\r\n\t1\r\n";
        for (int i = 0; i < 200; ++i)
            bytes += "\t\t[button]\r\n\t\tButton" + QByteArray::number(i) + "\r\n\t\t1\r\n\t\t9\t28\r\n\t\t16\t80\r\n";
        bytes += "[EUI]\r\n";
        QVERIFY(test::writeFile(path, bytes));
        Designer d(path);
        QApplication::processEvents();
        COrvanteWnd* wnd = d.view()->windowPreview();
        QVERIFY(wnd->height() > 5000);
        QVERIFY(wnd->width() >= 2000);
        QScrollArea* scroll = d.view()->scrollArea();
        QWidget* port = scroll->viewport();
        QVERIFY(port->height() < 1000);
        QScrollBar* down = scroll->verticalScrollBar();
        QScrollBar* across = scroll->horizontalScrollBar();
        QVERIFY(down->isVisible() && across->isVisible());
        QCOMPARE(down->maximum(), wnd->height() - port->height());
        QCOMPARE(across->maximum(), wnd->width() - port->width());
        // The last button is out of sight until the view scrolls to it.
        const UIRect box = CInterfaceEditorView::clientRectOf(*d.window().children().front()->children().back());
        const auto lastInSight = [&] {
            const QRect last(wnd->childHost()->mapTo(port, QPoint(box.left, box.top)), QSize(box.width(), box.height()));
            return !last.isEmpty() && port->rect().contains(last);
        };
        QVERIFY(!lastInSight());
        // The wheel over the window scrolls it, as over any large picture: the window system's
        // wheel goes to the widget under the pointer and on to those below it.
        const QPoint middle = port->rect().center();
        QWidget* under = port->childAt(middle);
        QVERIFY(under);
        const QPoint local = under->mapFrom(port, middle);
        QWheelEvent wheel(local, under->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(under, &wheel);  // as the window system delivers it (sendEvent would not)
        QVERIFY(down->value() > 0);
        down->setValue(down->maximum());
        QVERIFY(lastInSight());
        across->setValue(across->maximum());
        QCOMPARE(wnd->mapTo(port, QPoint(wnd->width(), 0)).x(), port->width());
        // Scrolled away, the window stays pinned to the view's corner for its frame and tracker.
        QCOMPARE(wnd->pos(), QPoint(0, 0));
    }

    void twoViewsOfOneWindowAreTwoLivePreviewsOfEveryEdit()
    {
        Designer d;
        CInterfaceEditorView* first = d.view();
        CUIElement& column = d.columnWithButton();
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::windowNew));
        CInterfaceEditorView* second = d.view();
        QVERIFY(second != first);
        COrvanteWnd* firstWnd = first->windowPreview();
        COrvanteWnd* secondWnd = second->windowPreview();
        QVERIFY(firstWnd != secondWnd);
        QCOMPARE(firstWnd->parentWidget(), first->scrollArea()->widget());
        QCOMPARE(secondWnd->parentWidget(), second->scrollArea()->widget());
        // Side by side, each view shows its own live window, and the two look alike.
        makeRoom(d);
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::windowTile));
        QTRY_COMPARE(shownWindow(first, firstWnd), liveWindow(firstWnd));
        QCOMPARE(shownWindow(second, secondWnd), liveWindow(secondWnd));
        QCOMPARE(liveWindow(firstWnd), liveWindow(secondWnd));

        // A palette insertion in the active view is in both at once, inside the column.
        d.select(&column);
        d.click(kButtonsButton);
        QCOMPARE(column.childCount(), 2u);
        CUIElement& made = *column.children().back();
        for (CInterfaceEditorView* view : {first, second}) {
            auto* preview = dynamic_cast<PreviewWidget*>(view->previewOf(made));
            QVERIFY(preview);
            QCOMPARE(preview->widget().parentWidget(), dynamic_cast<PreviewWidget*>(view->previewOf(column))->childHost());
            QVERIFY(preview->widget().isVisible());
            const UIRect r = made.rect();
            QCOMPARE(preview->widget().geometry(), QRect(r.left, r.top, r.width(), r.height()));
        }
        QTRY_COMPARE(liveWindow(firstWnd), liveWindow(secondWnd));
        QTRY_COMPARE(shownWindow(first, firstWnd), liveWindow(firstWnd));

        // New values for the element, as the grid gives them, show in both.
        FlagValueTable table = made.flags();
        table[CUIButton::kPositions.label] = "Both";
        second->designer().applyFlags(made, table);
        for (CInterfaceEditorView* view : {first, second})
            QCOMPARE(dynamic_cast<QAbstractButton&>(dynamic_cast<PreviewWidget*>(view->previewOf(made))->widget()).text(),
                     QStringLiteral("Both"));
        // So does a size given by one view's frame.
        const QPoint corner(secondWnd->width() - 2, secondWnd->height() - 2);
        d.drag(secondWnd, corner, corner + QPoint(30, 20));
        QCOMPARE(firstWnd->size(), secondWnd->size());
        QTRY_COMPARE(liveWindow(firstWnd), liveWindow(secondWnd));
        QTRY_COMPARE(shownWindow(first, firstWnd), liveWindow(firstWnd));

        // A deletion in the first view takes the preview, and the selection, out of the second.
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(first->width() - 5, first->height() - 5));
        QCOMPARE(d.view(), first);
        d.select(&made);
        d.setEditMode(true);
        QTest::keyClick(first, Qt::Key_Delete);
        QCOMPARE(column.childCount(), 1u);
        QCOMPARE(secondWnd->findChildren<QAbstractButton*>().size(), 1);
        QCOMPARE(firstWnd->findChildren<QAbstractButton*>().size(), 1);
        QCOMPARE(second->selected(), &column);   // the other view's selection goes to what stays
        d.setEditMode(false);
    }
};

} // namespace

ORVANTE_GUI_TEST_MAIN(WindowPreviewTest)
#include "window_preview_test.moc"
