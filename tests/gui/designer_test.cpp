// The designer driven as a user drives it: palette clicks, the insertion menu, the tracker,
// the hierarchy tree's keys, mouse and editor, saving and exporting.
#include "AppTestSupport.h"
#include "DesignerRun.h"
#include "GuiTestMain.h"
#include "TestFiles.h"

#include "app/COutputEdit.h"
#include "app/Panes.h"
#include "designer/CInterfaceEditorView.h"
#include "designer/CNavigatorTreeCtrl.h"
#include "designer/COrvanteWnd.h"
#include "designer/CToolsDialog.h"
#include "designer/CWindowDoc.h"
#include "designer/ControlPreviews.h"
#include "designer/DesignMode.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CMDIChildWnd.h"
#include "settings/ElementNamesOption.h"
#include "settings/Profile.h"
#include "uimodel/CUILabelledControls.h"
#include "uimodel/WindowFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>
#include <QToolButton>

using namespace orv;
using namespace orv::test;

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(ORVANTE_FIXTURES_DIR "/designer/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The worked example with the layout's width W and height H, which depend on the window frame.
QByteArray workedExample(const char* name, const CUIElement& layout)
{
    QByteArray bytes = fixture(name);
    bytes.replace("\tW", "\t" + QByteArray::number(layout.rect().width()));
    bytes.replace(" W", " " + QByteArray::number(layout.rect().width()));
    bytes.replace("H", QByteArray::number(layout.rect().height()));
    return bytes;
}

QAction* actionNamed(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

class DesignerTest : public QObject {
    Q_OBJECT

private slots:
    void newWindowHoldsTheWindowAlone()
    {
        Designer d;
        QVERIFY(d.view());
        QCOMPARE(d.window().childCount(), 0u);
        QCOMPARE(d.window().rect().width(), 320);
        QVERIFY(d.tools()->isVisible());
        QCOMPARE(d.tree()->topLevelItemCount(), 1);
        QCOMPARE(d.tree()->topLevelItem(0)->text(0), QStringLiteral("Window"));
        QVERIFY(!d.doc()->isModified());
    }

    void openedWindowIsMirroredByItsPreviews()
    {
        Designer d(QStringLiteral(ORVANTE_FIXTURES_DIR "/designer/render_options.wnd"));
        COrvanteWnd* wnd = d.view()->windowPreview();
        QCOMPARE(wnd->caption(), QStringLiteral("Render Options"));
        QCOMPARE(wnd->pos(), QPoint(0, 0));
        QCOMPARE(wnd->size(), QSize(280, 330));
        int previews = 0;
        std::function<void(const CUIElement&)> check = [&](const CUIElement& element) {
            auto* preview = dynamic_cast<PreviewWidget*>(d.view()->previewOf(element));
            QVERIFY(preview);
            ++previews;
            if (!element.isWindow()) {
                auto* parent = dynamic_cast<PreviewWidget*>(d.view()->previewOf(*element.parent()));
                QCOMPARE(preview->widget().parentWidget(), parent->childHost());
                const UIRect r = element.rect();
                QCOMPARE(preview->widget().geometry(), QRect(r.left, r.top, r.width(), r.height()));
                QVERIFY(preview->widget().isVisible());
            }
            for (const auto& child : element.children())
                check(*child);
        };
        check(d.window());
        QCOMPARE(previews, 11);
        CUIElement& column = *d.window().children().front();
        auto* list = dynamic_cast<COrvanteList*>(d.view()->previewOf(*column.children()[3]));
        QVERIFY(list);
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(3)->text(), QStringLiteral("Production"));
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        auto* field = dynamic_cast<COrvanteTextField*>(d.view()->previewOf(*column.children()[1]));
        QCOMPARE(field->text(), QStringLiteral("pCube1"));
        auto* check2 = dynamic_cast<COrvanteCheckBox*>(d.view()->previewOf(*column.children()[5]));
        QCOMPARE(check2->text(), QStringLiteral("Cast shadows"));
        QCOMPARE(d.tree()->topLevelItem(0)->child(0)->childCount(), 6);
        QVERIFY(!d.doc()->isModified());
    }

    void buttonsAppendsToTheSelectedContainerAndSelectsIt()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        QCOMPARE(column.childCount(), 1u);
        CUIElement* first = column.children().front().get();
        QCOMPARE(first->command(), std::string("button"));
        QCOMPARE(d.view()->selected(), first);
        QCOMPARE(d.tree()->selectedElement(), first);
        QVERIFY(d.doc()->isModified());

        d.click(kButtonsButton);   // a button selected: into its container
        QCOMPARE(column.childCount(), 2u);
        QCOMPARE(d.tree()->selectedElement(), column.children().back().get());
        QCOMPARE(d.tree()->itemOf(&column)->childCount(), 2);

        d.select(&d.window());
        d.click(kRowLayoutButton);   // the window takes one layout
        QCOMPARE(d.window().childCount(), 1u);
        QCOMPARE(d.tree()->selectedElement(), &d.window());
    }

    void plainClickOnMiscCreatesNothing()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.doc()->setModifiedFlag(false);
        d.click(kMiscButton);
        QCOMPARE(column.childCount(), 1u);
        QVERIFY(!d.doc()->isModified());
    }

    void rightClickOnSlidersOpensTheSliderMenuAlone()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        QStringList seen;
        bool firstBold = false;
        bool groupGrayed = false;
        whenMenuOpens([&](QMenu* menu) {
            for (QAction* a : menu->actions())
                seen << a->text() + (a->menu() ? QStringLiteral(">") : QString());
            QAction* intSlider = actionNamed(menu, QStringLiteral("intSlider"));
            firstBold = intSlider && intSlider->font().bold();
            QAction* grp = actionNamed(menu, QStringLiteral("intSliderGrp"));
            groupGrayed = grp && !grp->isEnabled();
            if (QAction* floatSlider = actionNamed(menu, QStringLiteral("floatSlider")))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(floatSlider).center());
            else
                menu->close();
        });
        d.click(kSlidersButton, Qt::RightButton);
        QCOMPARE(seen.size(), 10);
        QCOMPARE(seen.front(), QStringLiteral("intSlider"));
        QVERIFY(firstBold);
        QVERIFY(groupGrayed);
        QCOMPARE(column.childCount(), 2u);
        QCOMPARE(column.children().back()->command(), std::string("floatSlider"));

        whenMenuOpens([](QMenu* menu) { menu->close(); });
        d.click(kSlidersButton, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(column.childCount(), 2u);   // a dismissed menu inserts nothing
    }

    void trackerRoundsToTheGridAndKeepsThePlace()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        CUIElement& button = *column.children().front();
        d.run.app().settingsService().change([](SettingsRecord& r) {
            r.setFlag(SettingsFlag::designerGrid, true);
            r.gridWidth = 10;
            r.gridHeight = 10;
        });
        d.setEditMode(true);
        d.select(&button);
        const UIRect before = button.rect();
        QCOMPARE(before.width(), 80);
        d.doc()->setModifiedFlag(false);
        d.dragCorner({17, 15});
        QCOMPARE(button.rect().width(), 90);
        QCOMPARE(button.rect().height(), 40);
        QCOMPARE(button.rect().left, before.left);
        QCOMPARE(button.rect().top, before.top);
        auto* preview = dynamic_cast<PreviewWidget*>(d.view()->previewOf(button));
        QCOMPARE(preview->widget().size(), QSize(90, 40));
        QVERIFY(d.doc()->isModified());

        d.run.app().settingsService().change([](SettingsRecord& r) {
            r.gridWidth = 0;   // a step of 0 behaves as 1
            r.gridHeight = 0;
        });
        d.dragCorner({7, 3});
        QCOMPARE(button.rect().width(), 97);
        QCOMPARE(button.rect().height(), 43);

        const QRect r = *d.tracker()->trackRect();
        d.drag(d.tracker(), r.center(), r.center() + QPoint(30, 25));   // the middle moves nothing
        QCOMPARE(button.rect(), (UIRect{before.left, before.top, before.left + 97, before.top + 43}));
    }

    void borderedListStoresItsOuterWidth()
    {
        Designer d;
        d.columnWithButton();
        d.click(kListsButton);
        CUIElement& list = *d.window().children().front()->children().back();
        QCOMPARE(list.command(), std::string("textScrollList"));
        d.setEditMode(true);
        d.select(&list);
        d.dragCorner({-32, -18});
        auto* preview = dynamic_cast<COrvanteList*>(d.view()->previewOf(list));
        QVERIFY(preview);
        QCOMPARE(list.rect().width(), 150 - 32);
        QCOMPARE(list.rect().height(), 100 - 18);
        // The element's rectangle is the preview's outer size, frame and scroll bar included.
        QCOMPARE(preview->size(), QSize(list.rect().width(), list.rect().height()));
        QCOMPARE(preview->verticalScrollBar()->width(), 16);
    }

    void windowPreviewStaysPinned()
    {
        Designer d;
        COrvanteWnd* wnd = d.view()->windowPreview();
        QCOMPARE(wnd->parentWidget(), d.view()->scrollArea()->widget());
        wnd->move(40, 30);
        QCOMPARE(wnd->pos(), QPoint(0, 0));
        // Its frame resizes it.
        const QPoint corner(wnd->width() - 2, wnd->height() - 2);
        d.drag(wnd, corner, corner + QPoint(40, 20));
        QCOMPARE(wnd->pos(), QPoint(0, 0));
        QCOMPARE(d.window().rect().width(), 360);
        QCOMPARE(d.window().rect().height(), 260);
        QVERIFY(d.doc()->isModified());
    }

    void editModeAndBack()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.setEditMode(true);
        QVERIFY(d.tracker()->isVisible());
        QVERIFY(d.tracker()->trackRect());
        QVERIFY(!dynamic_cast<PreviewWidget*>(d.view()->previewOf(*column.children().front()))->widget().isEnabled());
        d.setEditMode(false);
        QVERIFY(!d.tracker()->isVisible());
        QCOMPARE(d.view()->selected(), nullptr);
        QVERIFY(dynamic_cast<PreviewWidget*>(d.view()->previewOf(*column.children().front()))->widget().isEnabled());
        d.setEditMode(true);
        QCOMPARE(d.view()->selected(), &column);
        QCOMPARE(d.tree()->selectedElement(), &column);
    }

    void rightClickSelectsOnTheSurface()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.click(kButtonsButton);
        d.setEditMode(true);
        CUIElement& second = *column.children().back();
        const UIRect r = CInterfaceEditorView::clientRectOf(second);
        QTest::mouseClick(d.tracker(), Qt::RightButton, {}, QPoint(r.left + 5, r.top + 5));
        QCOMPARE(d.view()->selected(), &second);
        QCOMPARE(d.tree()->selectedElement(), &second);
    }

    void testModeClickSelectsInTheTree()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.click(kButtonsButton);
        CUIElement& first = *column.children().front();
        d.select(&column);
        auto& widget = dynamic_cast<PreviewWidget*>(d.view()->previewOf(first))->widget();
        QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(d.tree()->selectedElement(), &first);
    }

    void deletingTheLastChildSelectsTheLayout()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.setEditMode(true);
        d.select(column.children().front().get());
        d.doc()->setModifiedFlag(false);
        QTest::keyClick(d.tree(), Qt::Key_Delete);
        QCOMPARE(column.childCount(), 0u);
        QCOMPARE(d.view()->selected(), &column);
        QCOMPARE(d.tree()->selectedElement(), &column);
        QVERIFY(d.doc()->isModified());
        QTest::keyClick(d.tree(), Qt::Key_Delete);   // the layout goes, the window stays
        QCOMPARE(d.window().childCount(), 0u);
        QTest::keyClick(d.tree(), Qt::Key_Delete);
        QCOMPARE(d.tree()->topLevelItemCount(), 1);
    }

    void renameInPlace()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        CUIElement& button = *column.children().front();
        d.doc()->setModifiedFlag(false);
        QTreeWidgetItem* item = d.tree()->itemOf(&button);
        d.tree()->editItem(item);
        auto* editor = d.tree()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("okButton"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(button.name(), std::string("okButton"));
        QVERIFY(d.doc()->isModified());

        d.tree()->editItem(d.tree()->itemOf(&button));
        editor = d.tree()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!d.tree()->findChild<QLineEdit*>() || !d.tree()->findChild<QLineEdit*>()->isVisible());
        QCOMPARE(button.name(), std::string("okButton"));
        QCOMPARE(d.tree()->itemOf(&button)->text(0), QStringLiteral("okButton"));
    }

    // A name MEL cannot take, or one of another element of the window, is refused: the tree
    // shows the old name again and the prompt says why.
    void renameRefusedSaysWhyAndKeepsTheOldName()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        CUIElement& button = *column.children().front();
        const std::string before = button.name();
        const struct {
            QString typed;
            QString reason;
        } cases[] = {
            {QStringLiteral("ok button"), QStringLiteral("is not a MEL name")},
            {QString::fromStdString(column.name()), QStringLiteral("is the name of another element of this window")},
        };
        for (const auto& c : cases) {
            d.tree()->editItem(d.tree()->itemOf(&button));
            auto* editor = d.tree()->findChild<QLineEdit*>();
            QVERIFY(editor);
            editor->selectAll();
            QTest::keyClicks(editor, c.typed);
            const qsizetype said = d.run.prompts().texts().size();
            d.run.prompts().expectError();
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(d.run.prompts().texts().size(), said + 1);
            QVERIFY2(d.run.prompts().lastText().contains(c.reason), qPrintable(d.run.prompts().lastText()));
            QVERIFY(d.run.prompts().lastText().contains(QString::fromStdString("the name stays \"" + before + "\"")));
            QCOMPARE(button.name(), before);
            QCOMPARE(d.tree()->itemOf(&button)->text(0), QString::fromStdString(before));
        }
    }

    void ctrlUpOnAFirstChildMovesItToTheEnd()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.click(kButtonsButton);
        d.click(kButtonsButton);
        CUIElement* first = column.children().front().get();
        d.select(first);
        d.doc()->setModifiedFlag(false);
        QTest::keyClick(d.tree(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(column.children().back().get(), first);
        QCOMPARE(d.tree()->itemOf(&column)->child(2), d.tree()->itemOf(first));
        QCOMPARE(d.tree()->selectedElement(), first);
        QVERIFY(d.doc()->isModified());
    }

    void dropOnAFullRowKeepsTheElement()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        CUIElement* loose = column.children().front().get();
        d.select(&column);
        d.click(kRowLayoutButton);
        CUIElement* row = column.children().back().get();
        for (int i = 0; i < 6; ++i) {
            d.select(row);
            d.click(kButtonsButton);
        }
        QCOMPARE(row->childCount(), 6u);
        d.doc()->setModifiedFlag(false);
        QWidget* viewport = d.tree()->viewport();
        const QPoint from = d.tree()->visualItemRect(d.tree()->itemOf(loose)).center();
        const QPoint to = d.tree()->visualItemRect(d.tree()->itemOf(row)).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
        QCOMPARE(d.tree()->cursor().shape(), Qt::ForbiddenCursor);
        auto* dragImage = d.tree()->viewport()->findChild<QLabel*>();
        QVERIFY(dragImage && dragImage->isVisible());
        // The drag image is the item as the tree shows it: its type picture, then its name.
        const QImage image = dragImage->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QString name = QString::fromStdString(loose->name());
        QVERIFY(image.width() >= 16 + QFontMetrics(d.tree()->font()).horizontalAdvance(name));
        const QImage picture = d.tree()->itemOf(loose)->icon(0).pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.copy(0, (image.height() - 16) / 2, 16, 16), picture);
        int written = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 19; x < image.width(); ++x)
                written += qAlpha(image.pixel(x, y)) != 0;
        QVERIFY(written > 20);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
        QVERIFY(!dragImage->isVisible());
        QCOMPARE(loose->parent(), &column);
        QCOMPARE(row->childCount(), 6u);
        QVERIFY(d.tree()->itemOf(loose));
        QVERIFY(!d.doc()->isModified());

        // Dropped on the column, the row moves to its end, after the loose button.
        const QPoint rowAt = d.tree()->visualItemRect(d.tree()->itemOf(row)).center();
        d.drag(viewport, rowAt, d.tree()->visualItemRect(d.tree()->itemOf(loose)).center());
        QCOMPARE(column.children().front().get(), row);
        QVERIFY(d.doc()->isModified());
    }

    // Dropped on the tree's empty space, the dragged element goes to the end of its own
    // container.
    void dropOntoEmptySpaceMovesToTheEndOfTheContainer()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.click(kButtonsButton);
        d.click(kButtonsButton);
        CUIElement* first = column.children().front().get();
        d.doc()->setModifiedFlag(false);
        QWidget* viewport = d.tree()->viewport();
        const QPoint empty(10, viewport->height() - 4);
        QVERIFY(!d.tree()->itemAt(empty));
        d.drag(viewport, d.tree()->visualItemRect(d.tree()->itemOf(first)).center(), empty);
        QCOMPARE(column.children().back().get(), first);
        QCOMPARE(d.tree()->itemOf(&column)->child(2), d.tree()->itemOf(first));
        QCOMPARE(d.tree()->selectedElement(), first);
        QCOMPARE(d.view()->selected(), first);
        QVERIFY(d.doc()->isModified());
        // The window's layout keeps its place.
        d.drag(viewport, d.tree()->visualItemRect(d.tree()->itemOf(&column)).center(), empty);
        QCOMPARE(d.window().children().front().get(), &column);
        QCOMPARE(d.tree()->selectedElement(), &column);
    }

    // A drag given up, by releasing the button outside the tree or by Escape, moves nothing
    // and leaves the dragged element selected, not the last item passed over.
    void anAbortedDragLeavesTheDraggedItemSelected()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.click(kButtonsButton);
        d.click(kButtonsButton);
        CUIElement* first = column.children().front().get();
        const CUIElement* last = column.children().back().get();
        d.doc()->setModifiedFlag(false);
        QWidget* viewport = d.tree()->viewport();
        auto* dragImage = viewport->findChild<QLabel*>();
        QVERIFY(dragImage);
        const QPoint from = d.tree()->visualItemRect(d.tree()->itemOf(first)).center();
        const QPoint over = d.tree()->visualItemRect(d.tree()->itemOf(last)).center();
        const auto dragOver = [&] {
            QTest::mousePress(viewport, Qt::LeftButton, {}, from);
            QTest::mouseMove(viewport, (from + over) / 2);
            QTest::mouseMove(viewport, over);
            QVERIFY(dragImage->isVisible());
            QCOMPARE(d.tree()->selectedElement(), last);
        };
        const auto nothingMoved = [&] {
            QVERIFY(!dragImage->isVisible());
            QCOMPARE(d.tree()->selectedElement(), first);
            QCOMPARE(d.view()->selected(), first);
            QCOMPARE(column.children().front().get(), first);
            QVERIFY(!d.doc()->isModified());
            QCOMPARE(d.tree()->cursor().shape(), Qt::ArrowCursor);
        };
        dragOver();
        const QPoint outside(-20, over.y());
        QTest::mouseMove(viewport, outside);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, outside);
        nothingMoved();

        dragOver();
        QTest::keyClick(d.tree(), Qt::Key_Escape);
        nothingMoved();
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
        nothingMoved();
    }

    // The tree follows each edit by changing the items of what the edit touched: every other
    // item stays the one it was (a marked item keeps its mark), branches keep their state,
    // and after every edit the tree mirrors the window.
    void theTreeFollowsEditsItemByItem()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        CUIElement* button = column.children().front().get();
        d.select(&column);
        d.click(kRowLayoutButton);
        CUIElement* row = column.children().back().get();
        d.select(row);
        d.click(kCheckBoxesButton);
        d.select(&column);
        d.click(kRowLayoutButton);
        CUIElement* emptyRow = column.children().back().get();
        d.tree()->collapseItem(d.tree()->itemOf(row));
        QVERIFY(!row->stateFlag());

        constexpr int kMark = Qt::UserRole + 7;
        std::vector<const CUIElement*> marked{&d.window(), &column, button, row};
        for (const CUIElement* e : marked)
            d.tree()->itemOf(e)->setData(0, kMark, true);
        const auto mirrors = [&] {
            std::function<bool(const CUIElement&, const QTreeWidgetItem*)> same = [&](const CUIElement& e,
                                                                                      const QTreeWidgetItem* item) {
                if (!item || CNavigatorTreeCtrl::elementOf(item) != &e || d.tree()->itemOf(&e) != item ||
                    item->text(0) != QString::fromStdString(e.name()) ||
                    item->childCount() != static_cast<int>(e.childCount()) ||
                    (e.childCount() > 0 && item->isExpanded() != e.stateFlag()))
                    return false;
                for (std::uint32_t i = 0; i < e.childCount(); ++i)
                    if (!same(*e.children()[i], item->child(static_cast<int>(i))))
                        return false;
                return true;
            };
            return d.tree()->topLevelItemCount() == 1 && same(d.window(), d.tree()->topLevelItem(0));
        };
        const auto marksKept = [&] {
            for (const CUIElement* e : marked)
                if (!d.tree()->itemOf(e) || !d.tree()->itemOf(e)->data(0, kMark).toBool())
                    return false;
            return true;
        };
        QVERIFY(mirrors());

        d.select(&column);
        d.click(kButtonsButton);   // inserted
        QVERIFY(mirrors());
        QVERIFY(marksKept());
        QCOMPARE(d.tree()->selectedElement(), column.children().back().get());

        d.select(row);
        QTest::keyClick(d.tree(), Qt::Key_Up, Qt::ControlModifier);   // moved among its siblings
        QCOMPARE(column.children().front().get(), row);
        QVERIFY(mirrors());
        QVERIFY(marksKept());
        QCOMPARE(d.tree()->selectedElement(), row);
        QVERIFY(!d.tree()->itemOf(row)->isExpanded());

        d.view()->dropElement(*row, emptyRow);   // moved into another container, still closed
        QCOMPARE(row->parent(), emptyRow);
        QVERIFY(mirrors());
        QVERIFY(marksKept());
        QVERIFY(!d.tree()->itemOf(row)->isExpanded());

        d.select(emptyRow);
        QTest::keyClick(d.tree(), Qt::Key_Delete);   // removed with its subtree
        QVERIFY(!d.tree()->itemOf(row));
        QVERIFY(mirrors());
        QCOMPARE(d.tree()->selectedElement(), d.view()->selected());
        marked.pop_back();
        QVERIFY(marksKept());
    }

    void collapsedBranchIsSavedAndReopenedCollapsed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("collapsed.wnd"));
        {
            Designer d;
            CUIElement& column = d.columnWithButton();
            d.tree()->collapseItem(d.tree()->itemOf(&column));
            QVERIFY(!column.stateFlag());
            QVERIFY(d.doc()->doSave(path));
            d.doc()->onCloseDocument();
        }
        Designer reopened(path);
        CUIElement& column = *reopened.window().children().front();
        QVERIFY(!column.stateFlag());
        QVERIFY(!reopened.tree()->itemOf(&column)->isExpanded());
        QVERIFY(reopened.tree()->itemOf(&reopened.window())->isExpanded());
    }

    void deleteKeyOnTheSurfaceInEditMode()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.click(kButtonsButton);
        CUIElement* second = column.children().back().get();
        d.setEditMode(true);
        const UIRect r = CInterfaceEditorView::clientRectOf(*second);
        QTest::mouseClick(d.tracker(), Qt::RightButton, {}, QPoint(r.left + 5, r.top + 5));
        d.tracker()->setFocus();
        QTest::keyClick(d.tracker(), Qt::Key_Delete);
        QCOMPARE(column.childCount(), 1u);
        QCOMPARE(d.view()->selected(), column.children().front().get());   // the one before
        d.setEditMode(false);
        d.tracker()->setFocus();
        QTest::keyClick(d.view(), Qt::Key_Delete);
        QCOMPARE(column.childCount(), 1u);   // test mode: Delete goes to the controls
    }

    void previewsGetTheFontsOfTheirKind()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        whenMenuOpens([](QMenu* menu) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(actionNamed(menu, QStringLiteral("scrollField"))).center());
        });
        d.click(1035, Qt::RightButton);
        CUIElement& scroll = *column.children().back();
        QCOMPARE(scroll.command(), std::string("scrollField"));
        const auto fontOf = [&d](const CUIElement& e) { return dynamic_cast<PreviewWidget*>(d.view()->previewOf(e))->widget().font(); };
        QCOMPARE(fontOf(*column.children().front()).family(), d.run.app().font(COrvanteApp::AppFont::preview).family());
        QCOMPARE(fontOf(scroll).family(), d.run.app().font(COrvanteApp::AppFont::multiLine).family());
    }

    void ownerDrawnButtonAndSeparatorPaintTheirFrames()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        auto* button = dynamic_cast<COrvanteButton*>(d.view()->previewOf(*column.children().front()));
        QImage raised = button->grab().toImage();
        QCOMPARE(raised.pixelColor(0, 0), QColor(0xDF, 0xDF, 0xDF));
        QCOMPARE(raised.pixelColor(button->width() - 1, button->height() - 1), QColor(0, 0, 0));
        button->setDown(true);
        QImage sunken = button->grab().toImage();
        QCOMPARE(sunken.pixelColor(0, 0), QColor(0, 0, 0));
        QCOMPARE(sunken.pixelColor(1, 1), QColor(0x80, 0x80, 0x80));
        QCOMPARE(sunken.pixelColor(button->width() - 1, button->height() - 1), QColor(0xFF, 0xFF, 0xFF));

        whenMenuOpens([](QMenu* menu) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(actionNamed(menu, QStringLiteral("separator"))).center());
        });
        d.click(kMiscButton, Qt::LeftButton, Qt::ControlModifier);
        CUIElement& separator = *column.children().back();
        QCOMPARE(separator.command(), std::string("separator"));
        auto& line = dynamic_cast<PreviewWidget*>(d.view()->previewOf(separator))->widget();
        QImage etched = line.grab().toImage();
        const int middle = line.height() / 2;
        QCOMPARE(etched.pixelColor(3, middle), QColor(0x80, 0x80, 0x80));
        QCOMPARE(etched.pixelColor(3, middle + 1), QColor(0xFF, 0xFF, 0xFF));
    }

    // The box and its label sit together at the centre of the check box, or at the side its
    // alignment names; a click anywhere on it toggles it.
    void checkBoxFollowsItsAlignment()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.click(kCheckBoxesButton);
        CUIElement& check = *column.children().back();
        QCOMPARE(check.command(), std::string("checkBox"));
        auto& box = dynamic_cast<COrvanteCheckBox&>(*d.view()->previewOf(check));
        const auto applyFlag = [&check](int position, const char* value) {
            FlagValueTable flags = check.flags();
            flags[position] = value;
            check.ApplyFlags(flags);
        };
        applyFlag(CUICheckBox::kPositions.width, "240");
        QCOMPARE(box.width(), 240);
        // The inked columns of the painted box and label: (first, last).
        const auto inked = [&box] {
            const QImage image = box.grab().toImage();
            const QColor background = image.pixelColor(0, 0);
            int first = image.width();
            int last = -1;
            for (int x = 0; x < image.width(); ++x)
                for (int y = 0; y < image.height(); ++y)
                    if (image.pixelColor(x, y) != background) {
                        first = std::min(first, x);
                        last = x;
                        break;
                    }
            return std::pair{first, last};
        };
        const auto [left, right] = inked();
        QVERIFY2(right - left < 180, "the box and its label fill less than the control");
        QVERIFY2(std::abs(left - (box.width() - 1 - right)) <= 3, "centred");
        applyFlag(CUICheckBox::kPositions.alignment, "left");
        QVERIFY(inked().first <= 3);
        applyFlag(CUICheckBox::kPositions.alignment, "right");
        QVERIFY(inked().second >= box.width() - 4);
        QVERIFY(inked().first > 60);
        applyFlag(CUICheckBox::kPositions.alignment, "center");
        QVERIFY(std::abs(inked().first - left) <= 1);

        // In test mode a click beside the label, away from the box, still toggles it.
        d.setEditMode(false);
        QVERIFY(!box.isChecked());
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(3, box.height() / 2));
        QVERIFY(box.isChecked());
    }

    void cancelledExportPrintsNothing()
    {
        Designer d;
        d.columnWithButton();
        d.run.app().outputLog().Clear();
        d.run.prompts().expectFileToSave(QString());
        d.run.app().settingsService().setFlag(SettingsFlag::exportToFile, true);
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::exportScript));
        QVERIFY(d.run.prompts().verifyAllCame());
        QVERIFY(d.run.app().outputLog().text().empty());

        d.run.app().settingsService().setFlag(SettingsFlag::exportToFile, false);
        d.run.app().settingsService().setFlag(SettingsFlag::exportToClipboard, true);
        d.run.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.run.frame()));
        QTest::keyClick(d.run.frame(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("\nshowWindow;\n")));
        QVERIFY(QString::fromStdString(d.run.app().outputLog().text()).contains(QStringLiteral("duplicated into the clipboard")));
    }

    void notAWindowFileFailsTheOpen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.wnd"));
        QVERIFY(test::writeFile(path, "just some text\r\n"));
        MemoryProfile profile;
        test::AppRun run(profile);
        run.prompts().expectError();
        QVERIFY(!run.app().docManager().openDocumentFile(path));
        QVERIFY(run.prompts().verifyAllCame());
        QCOMPARE(run.prompts().lastText(), QStringLiteral("Failed to open document."));
        QVERIFY(QString::fromStdString(run.app().outputLog().text()).contains(QStringLiteral("is not a window file")));
    }

    void damagedWindowFileOpensWithWhatItHolds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cut.wnd"));
        QByteArray bytes = fixture("render_options.wnd");
        QVERIFY(bytes.endsWith("[EUI]\r\n"));
        bytes.chop(7);
        QVERIFY(test::writeFile(path, bytes));
        // No prompt: the document opens with every element the file holds.
        Designer d(path);
        QVERIFY(d.view());
        QCOMPARE(d.doc()->pathName(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(d.window().children().front()->childCount(), 6u);
        QVERIFY(QString::fromStdString(d.run.app().outputLog().text())
                    .contains(QStringLiteral("the element list does not end with \"[EUI]\"")));
        QVERIFY(d.run.frame()->outputPane()->isVisible());
    }

    void savingWhereItCannotSaysWhyAndKeepsTheEdits()
    {
        QTemporaryDir dir;
        Designer d;
        d.columnWithButton();
        const QString path = dir.filePath(QStringLiteral("missing/window.wnd"));
        d.run.prompts().expectError();
        QVERIFY(!d.doc()->doSave(path));
        QVERIFY(d.run.prompts().verifyAllCame());
        QCOMPARE(d.run.prompts().lastText(), QStringLiteral("%1 contains an incorrect path.").arg(path));
        QVERIFY(d.doc()->isModified());
        const QString log = QString::fromStdString(d.run.app().outputLog().text());
        QVERIFY2(log.contains(QStringLiteral("The window was not saved: ")) &&
                     log.contains(QStringLiteral("\"%1\": No such file or directory.").arg(path)),
                 qPrintable(log));
    }

    void exportThatCannotWriteSaysWhy()
    {
        QTemporaryDir dir;
        Designer d;
        d.columnWithButton();
        const QString melPath = dir.filePath(QStringLiteral("missing/out.mel"));
        d.run.prompts().expectFileToSave(melPath);
        d.run.prompts().expectError();
        d.run.app().settingsService().setFlag(SettingsFlag::exportToFile, true);
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::exportScript));
        QVERIFY(d.run.prompts().verifyAllCame());
        const QString shown = d.run.prompts().lastText();
        QVERIFY2(shown.startsWith(QStringLiteral("The script was not saved: ")) &&
                     shown.contains(QStringLiteral("\"%1\": No such file or directory.").arg(melPath)),
                 qPrintable(shown));
        QVERIFY(QString::fromStdString(d.run.app().outputLog().text()).contains(shown));
        QVERIFY(!QFileInfo::exists(melPath));
    }

    void exportedScriptNamedWithoutExtensionGetsMel()
    {
        QTemporaryDir dir;
        Designer d;
        d.columnWithButton();
        // A name the file system spells in UTF-8 comes back as the same file.
        d.run.prompts().expectFileToSave(dir.filePath(QStringLiteral("окно")));
        d.run.app().settingsService().setFlag(SettingsFlag::exportToFile, true);
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::exportScript));
        QVERIFY(d.run.prompts().verifyAllCame());
        QFile mel(dir.filePath(QStringLiteral("окно.mel")));
        QVERIFY(mel.open(QIODevice::ReadOnly));
        QVERIFY(mel.readAll().endsWith("showWindow;\r\n"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("окно"))));
    }

    void closingAfterAnEditAsksToSave()
    {
        Designer d;
        d.columnWithButton();
        const QString title = d.doc()->title();
        d.run.prompts().expectAskToSave(Prompts::SaveAnswer::discard);
        d.run.app().docManager().activeFrame()->close();
        QVERIFY(d.run.prompts().verifyAllCame());
        QCOMPARE(d.run.prompts().lastText(), QStringLiteral("Save changes to %1?").arg(title));
        QTRY_VERIFY(!d.run.app().docManager().activeView());
        QVERIFY(!d.tools()->isVisible());
        QCOMPARE(d.tree()->topLevelItemCount(), 0);
    }

    void paletteButtonsHaveTheirTooltipsAndStates()
    {
        Designer d;
        const std::pair<int, const char*> kButtons[] = {
            {1038, "columnLayout"}, {1039, "rowLayout"}, {1042, "frameLayout"}, {1029, "Buttons"},
            {1031, "CheckBoxes"},   {1032, "RadioButtons"}, {1033, "Lists"},   {1034, "Sliders"},
            {1035, "TextFields"},   {1036, "Static Text"}, {1037, "Misc."},
        };
        for (const auto& [id, tip] : kButtons) {
            QToolButton* b = d.tools()->button(id);
            QVERIFY(b);
            QCOMPARE(b->toolTip(), QString::fromLatin1(tip));
            QCOMPARE(b->isEnabled(), id != 1032);  // no radio button element yet
            QVERIFY(!b->icon().isNull());
        }
        QCOMPARE(d.tools()->gridButton()->toolTip(), QStringLiteral("Enable/Disable Grid"));
        QCOMPARE(d.tools()->editButton()->text(), QStringLiteral("Edit"));
    }

    void treeContextMenuFollowsTheSelectedElement()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        const auto menuOn = [&d](const CUIElement* element) {
            auto seen = std::make_shared<QStringList>();
            whenMenuOpens([seen](QMenu* menu) {
                for (QAction* a : menu->actions())
                    if (a->isEnabled() && !a->isSeparator())
                        *seen << a->text();
                menu->close();
            });
            const QPoint at = d.tree()->visualItemRect(d.tree()->itemOf(element)).center();
            QTest::mouseClick(d.tree()->viewport(), Qt::RightButton, {}, at);
            return *seen;
        };
        const QStringList edits{"Duplicate", "Rename", "Delete", "Move up\tCtrl+U", "Move down\tCtrl+D"};
        QCOMPARE(menuOn(&d.window()), QStringList{"Layout"} + edits);
        QCOMPARE(menuOn(&column).size(), 9 + edits.size());   // the nine categories
        QCOMPARE(menuOn(column.children().front().get()), edits);
    }

    void minimizedWindowShowsItsIconName()
    {
        Designer d;
        CUIWindow& window = d.window();
        FlagValueTable table = window.flags();
        table[6] = "Opts";
        table[CUIWindow::kTitle] = "Options";
        window.ApplyFlags(table);
        COrvanteWnd* wnd = d.view()->windowPreview();
        QCOMPARE(wnd->caption(), QStringLiteral("Options"));
        const QSize restored = wnd->size();
        // The minimize box sits left of the maximize and close boxes.
        const QPoint minimize(wnd->width() - 4 - 2 - 16 * 3 - 4 + 8, 4 + 9);
        QTest::mouseClick(wnd, Qt::LeftButton, {}, minimize);
        QCOMPARE(wnd->shown(), WindowShow::minimized);
        QCOMPARE(wnd->caption(), QStringLiteral("Opts"));
        QTest::mouseClick(wnd, Qt::LeftButton, {}, QPoint(wnd->width() - 4 - 2 - 16 * 3 - 4 + 8, 4 + 9));
        QCOMPARE(wnd->shown(), WindowShow::normal);
        QCOMPARE(wnd->caption(), QStringLiteral("Options"));
        QCOMPARE(wnd->size(), restored);
        QCOMPARE(window.rect().width(), restored.width());
    }

    void workedWindowSavesAndExportsExactly()
    {
        QTemporaryDir dir;
        Designer d;
        const CUIElement& column = d.columnWithButton();
        const QString path = dir.filePath(QStringLiteral("worked.wnd"));
        QVERIFY(d.doc()->doSave(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), workedExample("worked_window.wnd", column));

        const QString melPath = dir.filePath(QStringLiteral("worked.mel"));
        d.run.prompts().expectFileToSave(melPath);
        d.run.app().settingsService().setFlag(SettingsFlag::exportToFile, true);
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::exportScript));
        QVERIFY(d.run.prompts().verifyAllCame());
        QFile mel(melPath);
        QVERIFY(mel.open(QIODevice::ReadOnly));
        QByteArray expected = workedExample("worked_window.mel", column);
        QCOMPARE(mel.readAll(), expected.replace("\n", "\r\n"));
        const QByteArray log = QByteArray::fromStdString(d.run.app().outputLog().text());
        QVERIFY(log.contains("\t\tbutton -height 28 -label \"Button0\" -width 80;"));
        QVERIFY(log.contains("Generation successful."));
        QVERIFY(d.run.frame()->outputPane()->isVisible());
    }

    // "Write element names" stored in the profile names every element in the exported script.
    void exportWritesElementNamesWhenTheProfileSaysSo()
    {
        Designer d;
        d.columnWithButton();
        writeElementNamesOption(d.profile, true);
        d.run.app().settingsService().setFlag(SettingsFlag::exportToFile, false);
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::exportScript));
        const std::string log = d.run.app().outputLog().text();
        QVERIFY2(log.find("if (`window -exists Window`) deleteUI Window;\r\nwindow -height 240 -width 320 Window;") !=
                     std::string::npos,
                 log.c_str());
        QVERIFY(log.find("-width 80 Button0;\r\n\r\nshowWindow Window;") != std::string::npos);
        writeElementNamesOption(d.profile, false);
        d.run.app().docManager().commands().run(static_cast<int>(CommandId::exportScript));
        QVERIFY(d.run.app().outputLog().text().find("\r\nshowWindow;\r\n") != std::string::npos);
    }

    // Ctrl+Shift+G takes the MEL export's steps with the Python script: the save dialog for
    // Python scripts (a name without extension gets ".py"), the file with LF line ends, the
    // script in the Output pane, shown.
    void ctrlShiftGExportsThePythonScript()
    {
        QTemporaryDir dir;
        Designer d;
        const CUIElement& column = d.columnWithButton();
        d.run.frame()->outputPane()->hide();
        d.run.prompts().expectFileToSave(dir.filePath(QStringLiteral("tool")));
        d.run.app().settingsService().setFlag(SettingsFlag::exportToFile, true);
        d.run.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.run.frame()));
        QTest::keyClick(d.run.frame(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(d.run.prompts().verifyAllCame());
        QCOMPARE(d.run.prompts().lastFilter(), QStringLiteral("Python Scripts (*.py)"));
        QFile py(dir.filePath(QStringLiteral("tool.py")));
        QVERIFY(py.open(QIODevice::ReadOnly));
        const QByteArray script = py.readAll();
        const QByteArray calls = QStringLiteral("\ncmds.window(height=240, width=320)\n"
                                                "cmds.columnLayout(columnWidth=%1, height=%2, width=%1)\n"
                                                "cmds.button(height=28, label='Button0', width=80)\n\n"
                                                "cmds.showWindow()\n")
                                     .arg(column.rect().width())
                                     .arg(column.rect().height())
                                     .toLatin1();
        QVERIFY2(script.startsWith("####") && script.contains("\nimport maya.cmds as cmds\n") && script.endsWith(calls),
                 script.constData());
        QVERIFY(!script.contains('\r'));
        QTRY_VERIFY(d.run.frame()->outputPane()->isVisible());
        const QString shown = d.run.frame()->outputPane()->edit()->toPlainText();
        QVERIFY2(shown.contains(QString::fromLatin1(calls).trimmed()) && shown.contains(QStringLiteral("Generation successful.")),
                 qPrintable(shown));

        // Ctrl+G still writes MEL, through the MEL filter.
        d.run.prompts().expectFileToSave(dir.filePath(QStringLiteral("tool")));
        QTest::keyClick(d.run.frame(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(d.run.prompts().verifyAllCame());
        QCOMPARE(d.run.prompts().lastFilter(), QStringLiteral("MEL Scripts (*.mel)"));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("tool.mel"))));
    }

    // Each designer edit is one step of the document's history: Ctrl+Z and Ctrl+Y walk them,
    // the Edit menu names them, the selection and the tree follow, and the document is
    // unmodified again exactly at its saved step.
    void undoAndRedoWalkTheEditsAndTheSavedState()
    {
        QTemporaryDir dir;
        Designer d;
        CUIElement& column = d.columnWithButton();
        const QString path = dir.filePath(QStringLiteral("undo.wnd"));
        QVERIFY(d.doc()->doSave(path));
        QVERIFY(!d.doc()->isModified());
        const std::string saved = WriteWindowFile(d.window());

        d.click(kButtonsButton);
        QCOMPARE(column.childCount(), 2u);
        CUIElement* second = column.children().back().get();
        d.view()->renameElement(*second, "okButton");
        QCOMPARE(d.tree()->itemOf(second)->text(0), QStringLiteral("okButton"));
        QVERIFY(d.doc()->isModified());
        QAction* undo = d.run.frame()->action(CommandId::editUndo);
        QAction* redo = d.run.frame()->action(CommandId::editRedo);
        QTRY_COMPARE(undo->text(), QStringLiteral("&Undo Rename\tCtrl+Z"));
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());

        d.run.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.run.frame()));
        QTest::keyClick(d.run.frame(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(second->name(), std::string("Button1"));
        QCOMPARE(d.tree()->itemOf(second)->text(0), QStringLiteral("Button1"));  // the tree shows the old name
        QTRY_COMPARE(undo->text(), QStringLiteral("&Undo Insert button\tCtrl+Z"));
        QTRY_COMPARE(redo->text(), QStringLiteral("&Redo Rename\tCtrl+Y"));
        QTest::keyClick(d.run.frame(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(column.childCount(), 1u);
        QCOMPARE(d.view()->selected(), &column);  // undoing an insertion selects its container
        QCOMPARE(d.tree()->selectedElement(), &column);
        QCOMPARE(WriteWindowFile(d.window()), saved);
        QVERIFY2(!d.doc()->isModified(), "back at the saved step");

        QTest::keyClick(d.run.frame(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(column.childCount(), 2u);
        CUIElement* back = column.children().back().get();
        QCOMPARE(d.view()->selected(), back);
        QCOMPARE(d.tree()->selectedElement(), back);
        QVERIFY(d.view()->previewOf(*back));
        QVERIFY(d.doc()->isModified());
        QTest::keyClick(d.run.frame(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(back->name(), std::string("okButton"));
        QTRY_VERIFY(!redo->isEnabled());

        // A new edit after an undo drops what could be redone.
        QTest::keyClick(d.run.frame(), Qt::Key_Z, Qt::ControlModifier);
        d.select(&column);
        d.click(kCheckBoxesButton);
        QTRY_VERIFY(!redo->isEnabled());
        QCOMPARE(column.children().back()->command(), std::string("checkBox"));
    }

    // Duplicate in the tree's menu puts a copy of the element and its subtree right after it,
    // with new names, and selects it; one undo takes the copy away.
    void duplicateCopiesTheSubtreeRightAfterTheElement()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.select(&column);
        d.click(kRowLayoutButton);
        d.click(kButtonsButton);
        d.select(&column);
        d.click(kCheckBoxesButton);
        CUIElement* row = column.children()[1].get();
        whenMenuOpens([](QMenu* menu) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(actionNamed(menu, QStringLiteral("Duplicate"))).center());
        });
        QTest::mouseClick(d.tree()->viewport(), Qt::RightButton, {}, d.tree()->visualItemRect(d.tree()->itemOf(row)).center());
        QTRY_COMPARE(column.childCount(), 4u);
        const CUIElement* copy = column.children()[2].get();
        QCOMPARE(copy->command(), std::string("rowLayout"));
        QVERIFY(copy->name() != row->name());
        QCOMPARE(copy->childCount(), 1u);
        QCOMPARE(copy->children().front()->command(), std::string("button"));
        QVERIFY(copy->children().front()->name() != row->children().front()->name());
        QCOMPARE(copy->children().front()->flags(), row->children().front()->flags());
        QCOMPARE(d.tree()->selectedElement(), copy);
        QCOMPARE(d.tree()->itemOf(copy)->parent(), d.tree()->itemOf(&column));
        QVERIFY(d.view()->previewOf(*copy->children().front()));
        QTRY_COMPARE(d.run.frame()->action(CommandId::editUndo)->text(),
                     QStringLiteral("&Undo Duplicate %1\tCtrl+Z").arg(QString::fromStdString(row->name())));
        d.run.frame()->action(CommandId::editUndo)->trigger();
        QCOMPARE(column.childCount(), 3u);
        QCOMPARE(column.children()[2]->command(), std::string("checkBox"));
    }

    // Ctrl+C puts the selected element's window file text on the clipboard; Ctrl+V in another
    // window puts it in, with its subtree; Ctrl+X takes it away, to the clipboard too.
    void copyCutAndPasteCarryElementsBetweenWindows()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.select(&column);
        d.click(kRowLayoutButton);
        d.click(kButtonsButton);
        CUIElement* row = column.children().back().get();
        d.select(row);
        d.run.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.run.frame()));
        QTest::keyClick(d.run.frame(), Qt::Key_C, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.startsWith(QStringLiteral("\t[rowLayout]\r\n")), qPrintable(copied));

        CDocTemplate* windows = d.doc()->docTemplate();
        windows->openDocumentFile(QString());
        QTRY_VERIFY(d.doc()->window().children().empty());
        d.select(&d.window());
        d.click(kColumnLayoutButton);
        CUIElement& other = *d.window().children().front();
        d.select(&other);
        QTest::keyClick(d.run.frame(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(other.childCount(), 1u);
        const CUIElement& pasted = *other.children().front();
        QCOMPARE(pasted.command(), std::string("rowLayout"));
        QCOMPARE(pasted.childCount(), 1u);
        QCOMPARE(d.tree()->selectedElement(), &pasted);
        QVERIFY(d.view()->previewOf(*pasted.children().front()));

        d.select(&pasted);
        QTest::keyClick(d.run.frame(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(other.childCount(), 0u);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("\t[rowLayout]")));
        QTRY_COMPARE(d.run.frame()->action(CommandId::editUndo)->text().left(9), QStringLiteral("&Undo Cut"));
    }

    // Undoing a delete brings the subtree back, with its previews in every view of the window.
    void undoingADeleteBringsTheSubtreeBackInEveryView()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        d.select(&column);
        d.click(kRowLayoutButton);
        d.click(kButtonsButton);
        CUIElement* row = column.children().back().get();
        const std::string before = WriteWindowFile(d.window());
        d.run.frame()->action(CommandId::windowNew)->trigger();
        QTRY_COMPARE(d.doc()->views().size(), 2);
        auto* other = qobject_cast<CInterfaceEditorView*>(d.doc()->views().front());
        QVERIFY(other && other != d.view());
        d.setEditMode(true);
        d.select(row);
        QTest::keyClick(d.tree(), Qt::Key_Delete);
        QCOMPARE(column.childCount(), 1u);
        d.run.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.run.frame()));
        QTest::keyClick(d.run.frame(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(WriteWindowFile(d.window()), before);
        const CUIElement& back = *column.children().back();
        for (CView* view : d.doc()->views())
            QVERIFY(static_cast<CInterfaceEditorView*>(view)->previewOf(*back.children().front()));
        QCOMPARE(d.tree()->selectedElement(), &back);
    }
};

} // namespace

ORVANTE_GUI_TEST_MAIN(DesignerTest)
#include "designer_test.moc"
