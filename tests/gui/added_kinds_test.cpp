// The kinds beyond the first thirteen in the running designer, as a user meets them: inserted
// from the palette and from the insertion menu, shown by their previews and in the hierarchy,
// a flag edited in the "Controls flags" grid, saved, opened again and exported as MEL and Python.
#include "DesignerRun.h"
#include "GridInput.h"
#include "GuiTestMain.h"

#include "app/AppIds.h"
#include "designer/CControlsFlagsDialog.h"
#include "designer/ControlPreviews.h"
#include "uimodel/CUIFrameLayout.h"
#include "uimodel/CUIOrientedControls.h"

#include <QFile>
#include <QTemporaryDir>

using namespace orv;
using namespace orv::test;

namespace {

constexpr int kFrameLayoutButton = 1042;

struct DesignerWithGrid : Designer {
    using Designer::Designer;

    CPropertyListBox& list() { return *flagsGrid(run.frame())->list(); }
    void activate()
    {
        run.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.frame()));
    }
    QByteArray saveAs(const QString& path)
    {
        run.prompts().expectFileToSave(path);
        run.app().docManager().commands().run(static_cast<int>(CommandId::fileSaveAs));
        return readAll(path);
    }
    // The script of Ctrl+G (MEL) or Ctrl+Shift+G (Python), written to a file.
    QByteArray exported(const QString& path, bool python)
    {
        run.prompts().expectFileToSave(path);
        run.app().settingsService().setFlag(SettingsFlag::exportToFile, true);
        activate();
        QTest::keyClick(run.frame(), Qt::Key_G, python ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        return readAll(path + (python ? ".py" : ".mel"));
    }
    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

class AddedKindsTest : public QObject {
    Q_OBJECT

private slots:
    void frameLayoutFromThePaletteThroughGridFileAndExports()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frame.wnd"));
        {
            DesignerWithGrid d;
            QVERIFY(d.tools()->button(kFrameLayoutButton)->isEnabled());
            CUIElement& column = d.columnWithButton();
            d.select(&column);
            d.click(kFrameLayoutButton);
            QCOMPARE(column.childCount(), 2u);
            CUIElement& frame = *column.children().back();
            QCOMPARE(frame.command(), std::string("frameLayout"));
            QCOMPARE(d.tree()->selectedElement(), &frame);
            QVERIFY(!d.tree()->itemOf(&frame)->icon(0).isNull());
            QVERIFY(dynamic_cast<COrvanteFrameLayout*>(&d.previewOf(frame)));
            // Its one child goes below the title; a second is refused.
            d.click(kButtonsButton);
            d.select(&frame);
            d.click(kButtonsButton);
            QCOMPARE(frame.childCount(), 1u);
            const CUIElement& button = *frame.children().front();
            QCOMPARE(d.previewOf(button).parentWidget(), &d.previewOf(frame));
            QCOMPARE(d.previewOf(button).y(), metrics::kFrameTitleHeight);

            d.activate();
            d.select(&frame);
            QApplication::processEvents();
            QCOMPARE(d.list().rows().item(0)->name(), std::string("frameLayout"));
            typeIntoRow(d.list(), rowOf(d.list(), "label"), QStringLiteral("Options"), Qt::Key_Return);
            typeIntoRow(d.list(), rowOf(d.list(), "marginWidth"), QStringLiteral("6"), Qt::Key_Return);
            chooseInRow(d.list(), rowOf(d.list(), "collapsable"), 1);
            QCOMPARE(frame.previewText(), std::string("Options"));
            QVERIFY(hasStyle(frame.previewStyles(), PreviewStyle::collapsable));
            QCOMPARE(d.previewOf(button).x(), 6);
            QCOMPARE(d.previewOf(button).width(), d.previewOf(frame).width() - 12);
            chooseInRow(d.list(), rowOf(d.list(), "collapse"), 1);
            QCOMPARE(d.previewOf(frame).height(), metrics::kFrameTitleHeight);
            chooseInRow(d.list(), rowOf(d.list(), "collapse"), 0);
            QCOMPARE(d.previewOf(frame).height(), metrics::kFrameTitleHeight + 28);

            const QByteArray file = d.saveAs(path);
            QVERIFY(d.run.prompts().verifyAllCame());
            for (const char* line : {"\t\t[frameLayout]\r\n", "\t\t15\tOptions\r\n", "\t\t22\t6\r\n", "\t\t6\ton\r\n",
                                     "\t\t\t[button]\r\n"})
                QVERIFY2(file.contains(line), file.constData());
            d.doc()->onCloseDocument();
        }
        DesignerWithGrid reopened(path);
        const CUIElement& frame = *reopened.window().children().front()->children().back();
        QCOMPARE(frame.previewText(), std::string("Options"));
        QCOMPARE(frame.command(), std::string("frameLayout"));
        QCOMPARE(frame.childCount(), 1u);
        QCOMPARE(reopened.previewOf(*frame.children().front()).x(), 6);
        const int width = frame.rect().width();
        const QByteArray mel = reopened.exported(dir.filePath(QStringLiteral("frame")), false);
        const QByteArray frameLine = QStringLiteral("\t\tframeLayout -collapsable on -height 48 -label \"Options\" "
                                                    "-marginWidth 6 -width %1;\r\n\t\t\tbutton -height 28 -label \"Button1\" "
                                                    "-width %2;\r\n\t\t\tsetParent ..;\r\n")
                                         .arg(width)
                                         .arg(width - 12)
                                         .toLatin1();
        QVERIFY2(mel.contains(frameLine), mel.constData());
        const QByteArray python = reopened.exported(dir.filePath(QStringLiteral("frame")), true);
        const QByteArray call = QStringLiteral("\ncmds.frameLayout(collapsable=True, height=48, label='Options', "
                                               "marginWidth=6, width=%1)\n")
                                    .arg(width)
                                    .toLatin1();
        QVERIFY2(python.contains(call), python.constData());
        QVERIFY(reopened.run.prompts().verifyAllCame());
    }

    // The hierarchy's context menu offers the frame layout among the layouts, no longer grayed.
    void frameLayoutFromTheInsertionMenu()
    {
        Designer d;
        CUIElement& column = d.columnWithButton();
        bool offered = false;
        whenMenuOpens([&offered](QMenu* menu) {
            QAction* layouts = nullptr;
            for (QAction* a : menu->actions())
                if (a->text() == QStringLiteral("Layout"))
                    layouts = a;
            QVERIFY(layouts && layouts->menu());
            for (QAction* a : layouts->menu()->actions())
                if (a->text() == QStringLiteral("frameLayout"))
                    offered = a->isEnabled();
            // Down to "Layout", into it, down to its third entry.
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Right);
            whenMenuOpens([](QMenu* submenu) {
                QTest::keyClick(submenu, Qt::Key_Down);
                QTest::keyClick(submenu, Qt::Key_Down);
                QTest::keyClick(submenu, Qt::Key_Return);
            });
        });
        const QPoint at = d.tree()->visualItemRect(d.tree()->itemOf(&column)).center();
        QTest::mouseClick(d.tree()->viewport(), Qt::RightButton, {}, at);
        QTRY_COMPARE(column.childCount(), 2u);
        QVERIFY(offered);
        QCOMPARE(column.children().back()->command(), std::string("frameLayout"));
    }

    // The separator's style is chosen in the grid out of the words separator takes, and the
    // preview draws it; it stays through the file and reaches both exports.
    void separatorStyleFromTheGridThroughFileAndExports()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("separator.wnd"));
        {
            DesignerWithGrid d;
            CUIElement& column = d.columnWithButton();
            whenMenuOpens([](QMenu* menu) {
                for (QAction* a : menu->actions())
                    if (a->text() == QStringLiteral("separator"))
                        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
            });
            d.click(kMiscButton, Qt::RightButton);
            QTRY_COMPARE(column.childCount(), 2u);
            CUIElement& separator = *column.children().back();
            QCOMPARE(separator.command(), std::string("separator"));
            d.activate();
            d.select(&separator);
            QApplication::processEvents();
            chooseInRow(d.list(), rowOf(d.list(), "style"), 4);
            QCOMPARE(separator.flags()[CUISeparator::kStyle], std::string("singleDash"));
            QWidget& line = d.previewOf(separator);
            const QImage drawn = line.grab().toImage();
            const int middle = line.height() / 2;
            QCOMPARE(drawn.pixelColor(1, middle), QColor(Qt::black));
            QVERIFY(drawn.pixelColor(5, middle) != QColor(Qt::black));
            QCOMPARE(drawn.pixelColor(9, middle), QColor(Qt::black));
            QVERIFY(d.saveAs(path).contains("\t\t11\tsingleDash\r\n"));
            QVERIFY(d.run.prompts().verifyAllCame());
            d.doc()->onCloseDocument();
        }
        DesignerWithGrid reopened(path);
        const CUIElement& separator = *reopened.window().children().front()->children().back();
        QVERIFY(hasStyle(separator.previewStyles(), PreviewStyle::lineDashed));
        QVERIFY(reopened.exported(dir.filePath(QStringLiteral("separator")), false).contains(" -style \"singleDash\" "));
        QVERIFY(reopened.exported(dir.filePath(QStringLiteral("separator")), true).contains(", style='singleDash', "));
        QVERIFY(reopened.run.prompts().verifyAllCame());
    }
};

ORVANTE_GUI_TEST_MAIN(AddedKindsTest)
#include "added_kinds_test.moc"
