// The pictures: every SVG compiled in draws at the size it is used at, nothing is compiled in that
// the table does not know, and each module's accessor gives its pictures at their sizes.
#include "GuiTestMain.h"
#include "ScriptedPrompts.h"

#include "app/AppLogo.h"
#include "app/CommandImages.h"
#include "app/DocumentIcons.h"
#include "designer/DesignerPictures.h"
#include "editor/MarginMarks.h"
#include "framework/Pictures.h"
#include "icon/ToolPictures.h"
#include "project/CWizardPage.h"
#include "project/ProjectExplorerTree.h"

#include <QLabel>

using namespace orv;

namespace {

// Every picture and the size it is used at (the largest, where it is used at several).
struct PictureUse {
    const char* name;
    QSize size;
};

const PictureUse kPictureUses[] = {
    {"app-logo", {96, 96}},
    {"command-about", {16, 16}},
    {"command-cascade", {16, 16}},
    {"command-checked", {16, 16}},
    {"command-controls-flags", {16, 16}},
    {"command-copy", {16, 16}},
    {"command-cut", {16, 16}},
    {"command-export-python", {16, 16}},
    {"command-export-script", {16, 16}},
    {"command-find", {16, 16}},
    {"command-new-file", {16, 16}},
    {"command-new-window", {16, 16}},
    {"command-open", {16, 16}},
    {"command-output", {16, 16}},
    {"command-paste", {16, 16}},
    {"command-print", {16, 16}},
    {"command-project-explorer", {16, 16}},
    {"command-save", {16, 16}},
    {"command-settings", {16, 16}},
    {"command-syntax-colouring", {16, 16}},
    {"command-tile", {16, 16}},
    {"command-unchecked", {16, 16}},
    {"command-website", {16, 16}},
    {"command-window-hierarchy", {16, 16}},
    {"control-button", {16, 16}},
    {"control-check-box", {16, 16}},
    {"control-colour-slider", {16, 16}},
    {"control-grid", {16, 16}},
    {"control-list", {16, 16}},
    {"control-option-menu", {16, 16}},
    {"control-picture", {16, 16}},
    {"control-radio-button", {16, 16}},
    {"control-separator", {16, 16}},
    {"control-slider", {16, 16}},
    {"control-text", {16, 16}},
    {"control-text-field", {16, 16}},
    {"document-icon", {32, 32}},
    {"document-project", {32, 32}},
    {"document-script", {32, 32}},
    {"document-window", {32, 32}},
    {"element-window", {16, 16}},
    {"layout-column", {16, 16}},
    {"layout-frame", {16, 16}},
    {"layout-row", {16, 16}},
    {"margin-pointer", {32, 32}},
    {"mark-bookmark", {16, 16}},
    {"mark-bookmark-0", {16, 16}},
    {"mark-bookmark-1", {16, 16}},
    {"mark-bookmark-2", {16, 16}},
    {"mark-bookmark-3", {16, 16}},
    {"mark-bookmark-4", {16, 16}},
    {"mark-bookmark-5", {16, 16}},
    {"mark-bookmark-6", {16, 16}},
    {"mark-bookmark-7", {16, 16}},
    {"mark-bookmark-8", {16, 16}},
    {"mark-bookmark-9", {16, 16}},
    {"mark-diamond", {16, 16}},
    {"mark-dot", {16, 16}},
    {"mark-square-amber", {16, 16}},
    {"mark-square-grey", {16, 16}},
    {"project-folder-closed", {16, 16}},
    {"project-folder-open", {16, 16}},
    {"project-root", {16, 16}},
    {"project-script", {16, 16}},
    {"project-window", {16, 16}},
    {"tool-clear", {20, 20}},
    {"tool-export", {20, 20}},
    {"tool-fill", {20, 20}},
    {"tool-flip-horizontal", {20, 20}},
    {"tool-flip-vertical", {20, 20}},
    {"tool-move", {20, 20}},
    {"tool-pen", {20, 20}},
    {"tool-pick", {20, 20}},
    {"tool-rotate-left", {20, 20}},
    {"tool-rotate-right", {20, 20}},
    {"tool-zoom", {20, 20}},
    {"wizard-folder", {110, 210}},
    {"wizard-signature", {110, 210}},
};

int drawnPixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int drawn = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            drawn += qAlpha(argb.pixel(x, y)) > 0 ? 1 : 0;
    return drawn;
}

// A picture shows something: at least a sixteenth of its area is drawn.
void verifyDrawn(const QPixmap& pixmap, QSize size, const QString& what)
{
    QVERIFY2(!pixmap.isNull(), qPrintable(what));
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
    const QImage image = pixmap.toImage();
    QVERIFY2(drawnPixels(image) >= image.width() * image.height() / 16, qPrintable(what));
}

void verifyIcon(const QIcon& icon, int size, const QString& what)
{
    QVERIFY2(!icon.isNull(), qPrintable(what));
    verifyDrawn(icon.pixmap(size), QSize(size, size), what);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureDrawsAtItsSize_data();
    void everyPictureDrawsAtItsSize();
    void everyCompiledPictureIsInTheTable();
    void aMissingPictureIsATransparentGap();
    void iconsDrawAtThePixelsAsked();
    void commandPicturesComeAtSixteenPixels();
    void documentPicturesAndTheLogoDrawAtAnySize();
    void designerPicturesCoverEveryIndexAndTypeCode();
    void toolPicturesDrawTheTipWhereTheCursorActs();
    void marginMarksAndPointer();
    void projectPicturesInTheTreeAndTheWizard();
};

void PicturesTest::everyPictureDrawsAtItsSize_data()
{
    QTest::addColumn<QSize>("size");
    for (const PictureUse& use : kPictureUses)
        QTest::newRow(use.name) << use.size;
}

void PicturesTest::everyPictureDrawsAtItsSize()
{
    QFETCH(QSize, size);
    const char* name = QTest::currentDataTag();
    verifyDrawn(picture(name, size), size, QString::fromLatin1(name));
    // And at twice the size, as a screen of double density asks.
    verifyDrawn(picture(name, size * 2), size * 2, QString::fromLatin1(name));
}

void PicturesTest::everyCompiledPictureIsInTheTable()
{
    QStringList table;
    for (const PictureUse& use : kPictureUses)
        table << QString::fromLatin1(use.name);
    table.sort();
    QCOMPARE(pictureNames(), table);
}

void PicturesTest::aMissingPictureIsATransparentGap()
{
    // Qt says which file it could not open, once for the pixmap and once for the icon when shown.
    for (int i = 0; i < 2; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no-such-picture.svg")));
    const QPixmap gap = picture("no-such-picture", 16);
    QCOMPARE(gap.size(), QSize(16, 16));
    QCOMPARE(drawnPixels(gap.toImage()), 0);
    QCOMPARE(pictureIcon("no-such-picture", 16).pixmap(16).size(), QSize(16, 16));
}

void PicturesTest::iconsDrawAtThePixelsAsked()
{
    const QIcon icon = pictureIcon("command-save", 16, "command-checked");
    const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
    QCOMPARE(sharp.size(), QSize(32, 32));
    QImage large = picture("command-save", 32).toImage();
    large.setDevicePixelRatio(2);
    QCOMPARE(sharp.toImage(), large);
    QCOMPARE(icon.pixmap(16, QIcon::Normal, QIcon::On).toImage(), picture("command-checked", 16).toImage());
    // A larger view gets the picture drawn larger, not a small one scaled up.
    QCOMPARE(icon.pixmap(24).toImage(), picture("command-save", 24).toImage());
    // Disabled, it takes the style's greyed look of the same picture.
    const QImage disabled = icon.pixmap(16, QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), QSize(16, 16));
    QVERIFY(disabled != icon.pixmap(16).toImage());
    QCOMPARE(drawnPixels(disabled), drawnPixels(picture("command-save", 16).toImage()));
}

void PicturesTest::commandPicturesComeAtSixteenPixels()
{
    for (int i = 0; i < static_cast<int>(CommandImage::count); ++i) {
        const auto image = static_cast<CommandImage>(i);
        verifyDrawn(commandImage(image), QSize(16, 16), QStringLiteral("image %1").arg(i));
        verifyIcon(toolbarIcon(image), kCommandImageSize, QStringLiteral("toolbar icon %1").arg(i));
    }
    for (const CommandImageEntry& e : commandImageTable().first(21))
        verifyIcon(commandIcon(static_cast<CommandId>(e.command)), kCommandImageSize,
                   QStringLiteral("command %1").arg(e.command));
}

void PicturesTest::documentPicturesAndTheLogoDrawAtAnySize()
{
    for (int size : {16, 20, 32, 48})
        for (MenuId type : {MenuId::script, MenuId::window, MenuId::project, MenuId::icon})
            verifyDrawn(documentIcon(type, size), QSize(size, size),
                        QStringLiteral("type %1 at %2").arg(static_cast<int>(type)).arg(size));
    QCOMPARE(drawnPixels(documentIcon(MenuId::noDocument, 16).toImage()), 0);
    for (int size : {32, 64, 96})
        verifyDrawn(appLogo(size), QSize(size, size), QStringLiteral("logo at %1").arg(size));
}

void PicturesTest::designerPicturesCoverEveryIndexAndTypeCode()
{
    for (int index = 0; index <= 16; ++index)
        verifyIcon(controlPicture(index), kPictureSize, QStringLiteral("control %1").arg(index));
    for (int index = 0; index <= 2; ++index)
        verifyIcon(layoutPicture(index), kPictureSize, QStringLiteral("layout %1").arg(index));
    QVERIFY(layoutPicture(3).isNull());
    for (ElementTypeCode code : {ElementTypeCode::window, ElementTypeCode::button, ElementTypeCode::checkBox,
                                 ElementTypeCode::slider, ElementTypeCode::textEntry, ElementTypeCode::text,
                                 ElementTypeCode::textScrollList, ElementTypeCode::columnLayout,
                                 ElementTypeCode::rowLayout, ElementTypeCode::separator})
        verifyIcon(typeCodePicture(code), kPictureSize, QStringLiteral("type code %1").arg(static_cast<int>(code)));
}

void PicturesTest::toolPicturesDrawTheTipWhereTheCursorActs()
{
    for (int i = 0; i <= static_cast<int>(ToolPicture::exportImage); ++i)
        verifyDrawn(toolPicture(static_cast<ToolPicture>(i)), QSize(kToolPictureSize, kToolPictureSize),
                    QStringLiteral("tool %1").arg(i));
    for (IconTool tool : {IconTool::pen, IconTool::fill, IconTool::pick}) {
        const QCursor cursor = toolCursor(tool);
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QPoint tip = cursor.hotSpot() + QPoint(tipOffset(tool).dx, tipOffset(tool).dy);
        // The pixels meeting at the tip's corner: one of them is drawn.
        int drawn = 0;
        for (int y = tip.y() - 1; y <= tip.y(); ++y)
            for (int x = tip.x() - 1; x <= tip.x(); ++x)
                drawn += qAlpha(image.pixel(x, y)) > 64 ? 1 : 0;
        QVERIFY2(drawn > 0, qPrintable(QStringLiteral("tool %1").arg(static_cast<int>(tool))));
    }
}

void PicturesTest::marginMarksAndPointer()
{
    QList<QImage> marks;
    for (int cell = 0; cell < 15; ++cell) {
        verifyDrawn(marginMark(cell), QSize(kMarkSize, kMarkSize), QStringLiteral("cell %1").arg(cell));
        // Each cell has its own mark: the numbered bookmarks differ by their digit.
        const QImage mark = marginMark(cell).toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!marks.contains(mark), qPrintable(QString::number(cell)));
        marks << mark;
        // A line may be shorter than a mark, which then overlaps its neighbours by a row: the
        // top and bottom rows stay clear so no mark stains the margin of the line beside it.
        for (int x = 0; x < kMarkSize; ++x)
            QVERIFY2(qAlpha(mark.pixel(x, 0)) == 0 && qAlpha(mark.pixel(x, kMarkSize - 1)) == 0,
                     qPrintable(QStringLiteral("cell %1, column %2").arg(cell).arg(x)));
    }
    QVERIFY(marginMark(15).isNull());
    QVERIFY(marginMark(-1).isNull());
    QCOMPARE(marginCursor().hotSpot(), QPoint(20, 10));
    const QImage pointer = marginCursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(pointer.size(), QSize(32, 32));
    // The arrow's tip is at the hot spot.
    QVERIFY(qAlpha(pointer.pixel(19, 10)) > 64);
}

void PicturesTest::projectPicturesInTheTreeAndTheWizard()
{
    ProjectExplorerTree tree;
    for (ProjectImage image : {ProjectImage::root, ProjectImage::closedFolder, ProjectImage::openFolder,
                               ProjectImage::window, ProjectImage::script}) {
        auto* item = new QTreeWidgetItem(&tree);
        ProjectExplorerTree::setImage(item, image);
        verifyIcon(item->icon(0), 16, QStringLiteral("project image %1").arg(static_cast<int>(image)));
    }
    test::ScriptedPrompts prompts;
    ProjectWizard wizard(prompts);
    int sides = 0;
    for (int page = 0; page < 2; ++page)
        for (const QLabel* label : wizard.wizardPage(page)->findChildren<QLabel*>())
            if (!label->pixmap().isNull()) {
                verifyDrawn(label->pixmap(), QSize(110, 210), QStringLiteral("wizard page %1").arg(page));
                ++sides;
            }
    QCOMPARE(sides, 2);
}

ORVANTE_GUI_TEST_MAIN(PicturesTest)
#include "pictures_test.moc"
