// Menu images and the popup menu builder: the image table, checked images, and a popup driven by
// the keyboard.
#include "AppTestSupport.h"
#include "GuiTestMain.h"

#include "app/CMainFrame.h"
#include "app/COrvanteApp.h"
#include "app/CommandImages.h"
#include "app/DocumentIcons.h"
#include "designer/CIconPopupMenu.h"
#include "settings/Profile.h"

#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QToolBar>

using namespace orv;

namespace {

QImage imageOf(const QIcon& icon, QIcon::State state)
{
    return icon.pixmap(kCommandImageSize, QIcon::Normal, state).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage imageOf(CommandImage image)
{
    return commandImage(image).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void imageTableHasItsTwentyTwoEntries();
    void everyImageIsDrawnAndDistinct();
    void documentTypesHaveTheirOwnPictures();
    void menuCommandsShowTheirTableImages();
    void popupMenuBuildsItemsAndAnswersWithTheChosenId();
    void popupMenuOwnsItsSubmenus();
};

void MenusTest::imageTableHasItsTwentyTwoEntries()
{
    const auto table = commandImageTable();
    QCOMPARE(table.size(), std::size_t{22});
    QCOMPARE(table.back().command, -1);
    QCOMPARE(table.back().checkedImage, 10);
    for (const CommandImageEntry& e : table.first(21)) {
        QVERIFY(e.image >= 0 && e.image <= 16);
        QVERIFY(e.checkedImage == kNoImage || e.checkedImage == 10);
    }
}

void MenusTest::everyImageIsDrawnAndDistinct()
{
    QList<QImage> images;
    for (int i = 0; i < static_cast<int>(CommandImage::count); ++i) {
        const QImage image = imageOf(static_cast<CommandImage>(i));
        QCOMPARE(image.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        QVERIFY2(opaque > 20, qPrintable(QString::number(i)));
        QVERIFY2(!images.contains(image), qPrintable(QString::number(i)));
        images << image;
    }
}

void MenusTest::documentTypesHaveTheirOwnPictures()
{
    QList<QImage> pictures;
    for (MenuId type : {MenuId::script, MenuId::window, MenuId::project, MenuId::icon}) {
        const QImage picture = documentIcon(type, 32).toImage();
        QCOMPARE(picture.size(), QSize(32, 32));
        QVERIFY(picture.pixelColor(16, 16).alpha() > 0);
        QVERIFY(!pictures.contains(picture));
        pictures << picture;
    }
}

void MenusTest::menuCommandsShowTheirTableImages()
{
    MemoryProfile profile;
    test::AppRun run(profile);
    QVERIFY(run.started());
    CMainFrame* frame = run.frame();

    const std::pair<CommandId, CommandImage> plain[] = {
        {CommandId::fileNew, CommandImage::newFile}, {CommandId::fileOpen, CommandImage::open},
        {CommandId::fileSave, CommandImage::save},   {CommandId::editCut, CommandImage::cut},
        {CommandId::appAbout, CommandImage::about},  {CommandId::windowTile, CommandImage::tile},
        {CommandId::visitWebsite, CommandImage::website},
    };
    for (const auto& [id, image] : plain)
        QCOMPARE(imageOf(frame->action(id)->icon(), QIcon::Off), imageOf(image));
    // Commands without an entry have no image.
    QVERIFY(frame->action(CommandId::fileSaveAs)->icon().isNull());
    QVERIFY(frame->action(CommandId::technicalSupport)->icon().isNull());

    // The View toggles show the checked image while checked, the unchecked one otherwise.
    QAction* toolbar = frame->action(CommandId::viewToolbar);
    QVERIFY(toolbar->isChecked());
    QCOMPARE(imageOf(toolbar->icon(), QIcon::On), imageOf(CommandImage::checked));
    QCOMPARE(imageOf(toolbar->icon(), QIcon::Off), imageOf(CommandImage::unchecked));
    toolbar->trigger();
    QVERIFY(!toolbar->isChecked());
    QVERIFY(!frame->toolBar()->isVisible());
    toolbar->trigger();
    QVERIFY(frame->toolBar()->isVisible());
}

void MenusTest::popupMenuBuildsItemsAndAnswersWithTheChosenId()
{
    CIconPopupMenu menu;
    menu.appendItem(101, QStringLiteral("columnLayout"), QIcon(commandImage(CommandImage::windowHierarchy)));
    menu.appendItem(102, QStringLiteral("rowLayout"), {}, true);
    menu.appendSeparator();
    CIconPopupMenu* controls = menu.appendSubmenu(QStringLiteral("Controls"));
    controls->appendItem(201, QStringLiteral("button"));
    menu.appendItem(103, QStringLiteral("button"));
    menu.setDefaultItem(103);
    menu.setSelectionStyle(CIconPopupMenu::SelectionStyle::framed);
    menu.setHighlightColor(QColor(0xC0, 0x00, 0x00));

    QVERIFY(menu.findItem(103)->font().bold());
    QVERIFY(!menu.findItem(101)->font().bold());
    QVERIFY(!menu.findItem(102)->isEnabled());
    QVERIFY(!menu.findItem(101)->icon().isNull());
    QCOMPARE(controls->selectionStyle(), CIconPopupMenu::SelectionStyle::framed);
    QCOMPARE(controls->highlightColor(), QColor(0xC0, 0x00, 0x00));
    QVERIFY(menu.styleSheet().contains(QStringLiteral("#c00000")));

    // Down, Down, Return: the grayed item and the separator are passed over, the submenu
    // is the second stop, the default item the third.
    QTimer::singleShot(50, &menu, [&menu] {
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    QCOMPARE(menu.track(QPoint(100, 100)), 103);

    QTimer::singleShot(50, &menu, [&menu] { QTest::keyClick(&menu, Qt::Key_Escape); });
    QCOMPARE(menu.track(QPoint(100, 100)), 0);
}

void MenusTest::popupMenuOwnsItsSubmenus()
{
    QPointer<CIconPopupMenu> submenu;
    {
        CIconPopupMenu menu;
        submenu = menu.appendSubmenu(QStringLiteral("Layouts"));
        QVERIFY(submenu);
        QCOMPARE(CIconPopupMenu::itemId(submenu->menuAction()), 0);
    }
    QVERIFY(submenu.isNull());
}

ORVANTE_GUI_TEST_MAIN(MenusTest)
#include "menus_test.moc"
