// The icon editor on real widgets: painting under the tool's tip, Alt picking, the read-out,
// options and placements kept in the profile, import from a BMP, export read back, the
// ".icm" document, and New > "Icon" leaving no document.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"

#include "app/CNewFileDialog.h"
#include "framework/CDocManager.h"
#include "framework/CDocument.h"
#include "icon/CIconCanvas.h"
#include "icon/CIconDoc.h"
#include "icon/CIconEditorDialog.h"
#include "icon/CIconPreviewDialog.h"
#include "icon/BmpCheck.h"
#include "icon/CImportDialog.h"
#include "framework/CColorSwatch.h"
#include "icon/IconEditorTexts.h"
#include "settings/AppSettings.h"
#include "settings/Profile.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

using namespace orv;
using orv::test::AppRun;
using orv::test::ScriptedPrompts;

namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kWhite = 0xFFFFFF;

// The canvas point that names pixel (x, y) of a 32 x 32 image (8 x 8 cells) once the tool's
// tip offset is added: the point minus the offset, inside the cell's centre.
QPoint pointFor(int x, int y, TipOffset tip)
{
    return {x * 8 + 4 - tip.dx, y * 8 + 4 - tip.dy};
}

} // namespace

class IconEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void penPaintsThePixelUnderItsTip();
    void fillAndUndoFromTheButtons();
    void aFillThatChangesNothingStillTakesItsSnapshot();
    void altWithTheRightButtonPicksTheSecondaryColourWithoutPainting();
    void aClickOnASwatchChoosesItsColour();
    void readoutShowsThePixelUnderThePicker();
    void gridAndPreviewOptionsAreSavedAndRestored();
    void placementsAreSavedAtClosingAndRestoredAtOpening();
    void escapeClosesAndF4IsSwallowed();
    void exportedPictureReadsBackWithTheSamePixels();
    void exportRefusesAnUnknownFormat();
    void importCopiesTheFrameUnderTheClick();
    void importOfAFileThatIsNotABmpShowsNoPicture();
    void iconDocumentsSaveEmptyAndOpenAnyContent();
    void newIconRunsTheEditorAndLeavesNoDocument();

private:
    std::unique_ptr<CIconEditorDialog> openEditor();

    std::unique_ptr<MemoryProfile> m_profile;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    IconEditorParams m_params;
    QTemporaryDir m_dir;
};

void IconEditorTest::init()
{
    m_profile = std::make_unique<MemoryProfile>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_params = IconEditorParams{};
}

void IconEditorTest::cleanup()
{
    m_prompts.reset();
}

std::unique_ptr<CIconEditorDialog> IconEditorTest::openEditor()
{
    auto editor = std::make_unique<CIconEditorDialog>(2, 2, m_params, *m_profile, *m_prompts);
    editor->show();
    if (!QTest::qWaitForWindowExposed(editor.get()))
        return nullptr;
    return editor;
}

void IconEditorTest::penPaintsThePixelUnderItsTip()
{
    auto editor = openEditor();
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Icon Editor : 32 x 32"));
    CIconCanvas* canvas = editor->canvas();
    QCOMPARE(canvas->size(), QSize(256, 256));

    // (20, 10) is in cell (2, 1); the pen's tip (-4, +6) puts it on (16, 16): pixel (2, 2).
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QCOMPARE(editor->image().pixel({2, 2}), kBlack);
    QCOMPARE(editor->image().pixel({2, 1}), kWhite);

    // The right button paints the secondary colour; a drag goes on painting.
    m_params.secondaryColor = kRed;
    const QPoint from = pointFor(5, 5, tipOffset(IconTool::pen));
    QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, from);
    QTest::mouseMove(canvas, from + QPoint(16, 0));
    QTest::mouseRelease(canvas, Qt::RightButton, Qt::NoModifier, from + QPoint(16, 0));
    QCOMPARE(editor->image().pixel({5, 5}), kRed);
    QCOMPARE(editor->image().pixel({7, 5}), kRed);

    // A point whose tip falls left of the image paints nothing.
    const auto before = editor->image().pixels();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(2, 100));
    QCOMPARE(editor->image().pixels(), before);
}

void IconEditorTest::fillAndUndoFromTheButtons()
{
    auto editor = openEditor();
    QVERIFY(editor);
    QTest::mouseClick(editor->button(icon_texts::kFill), Qt::LeftButton);
    QCOMPARE(editor->canvas()->tool(), IconTool::fill);
    QTest::mouseClick(editor->canvas(), Qt::LeftButton, Qt::NoModifier, pointFor(10, 10, tipOffset(IconTool::fill)));
    QCOMPARE(editor->image().pixels(), std::vector<ColorRef>(32 * 32, kBlack));
    QTest::mouseClick(editor->button(icon_texts::kUndo), Qt::LeftButton);
    QCOMPARE(editor->image().pixels(), std::vector<ColorRef>(32 * 32, kWhite));
    QTest::mouseClick(editor->button(icon_texts::kUndo), Qt::LeftButton);
    QCOMPARE(editor->image().pixels(), std::vector<ColorRef>(32 * 32, kWhite));
    // Move, Zoom and the rotations do nothing in this version.
    for (const char* label : {icon_texts::kMove, icon_texts::kZoom, icon_texts::kRotateL, icon_texts::kRotateR})
        QVERIFY2(!editor->button(label)->isEnabled(), label);
}

// A fill on a pixel already of its colour changes nothing, yet takes its snapshot: Undo then
// keeps the pen's pixel instead of going back to before it.
void IconEditorTest::aFillThatChangesNothingStillTakesItsSnapshot()
{
    auto editor = openEditor();
    QVERIFY(editor);
    QTest::mouseClick(editor->canvas(), Qt::LeftButton, Qt::NoModifier, pointFor(3, 3, tipOffset(IconTool::pen)));
    const auto painted = editor->image().pixels();
    QCOMPARE(editor->image().pixel({3, 3}), std::optional<ColorRef>(m_params.primaryColor));
    QTest::mouseClick(editor->button(icon_texts::kFill), Qt::LeftButton);
    QTest::mouseClick(editor->canvas(), Qt::LeftButton, Qt::NoModifier, pointFor(3, 3, tipOffset(IconTool::fill)));
    QCOMPARE(editor->image().pixels(), painted);
    QTest::mouseClick(editor->button(icon_texts::kUndo), Qt::LeftButton);
    QCOMPARE(editor->image().pixels(), painted);
}

void IconEditorTest::altWithTheRightButtonPicksTheSecondaryColourWithoutPainting()
{
    m_params.primaryColor = kRed;
    auto editor = openEditor();
    QVERIFY(editor);
    CIconCanvas* canvas = editor->canvas();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, pointFor(9, 9, tipOffset(IconTool::pen)));
    const auto painted = editor->image().pixels();

    QTest::keyPress(canvas, Qt::Key_Alt);
    QVERIFY(canvas->pickMode());
    QTest::mouseClick(canvas, Qt::RightButton, Qt::AltModifier, pointFor(9, 9, tipOffset(IconTool::pick)));
    QTest::keyRelease(canvas, Qt::Key_Alt);
    QVERIFY(!canvas->pickMode());

    QCOMPARE(m_params.secondaryColor, kRed);
    QCOMPARE(editor->swatch(false)->color(), kRed);
    QCOMPARE(editor->image().pixels(), painted);
    QCOMPARE(canvas->tool(), IconTool::pen);
}

// A click on a swatch opens the colour dialog with no initial colour (not the swatch's); the
// colour chosen becomes the swatch's, and a cancelled dialog keeps it.
void IconEditorTest::aClickOnASwatchChoosesItsColour()
{
    m_params.primaryColor = kRed;
    auto editor = openEditor();
    QVERIFY(editor);
    m_prompts->expectColour(QColor(0, 0, 255));
    QTest::mouseClick(editor->swatch(true), Qt::LeftButton);
    QVERIFY(m_prompts->verifyAllCame());
    QCOMPARE(m_prompts->lastText(), QString());
    QCOMPARE(m_params.primaryColor, makeColorRef(0, 0, 255));
    QCOMPARE(editor->swatch(true)->color(), makeColorRef(0, 0, 255));

    m_prompts->expectColour(std::nullopt);
    QTest::mouseClick(editor->swatch(false), Qt::LeftButton);
    QVERIFY(m_prompts->verifyAllCame());
    QCOMPARE(m_prompts->lastText(), QString());
    QCOMPARE(m_params.secondaryColor, editor->swatch(false)->color());
    QCOMPARE(editor->swatch(true)->color(), makeColorRef(0, 0, 255));
}

void IconEditorTest::readoutShowsThePixelUnderThePicker()
{
    m_params.primaryColor = makeColorRef(12, 34, 56);
    auto editor = openEditor();
    QVERIFY(editor);
    QCOMPARE(editor->readout()->text(), QStringLiteral("R:255  G:255  B:255"));
    QTest::mouseClick(editor->canvas(), Qt::LeftButton, Qt::NoModifier, pointFor(3, 4, tipOffset(IconTool::pen)));
    QTest::mouseClick(editor->button(icon_texts::kPickColor), Qt::LeftButton);
    QTest::mouseMove(editor->canvas(), pointFor(3, 4, tipOffset(IconTool::pick)));
    QCOMPARE(editor->readout()->text(), QStringLiteral("R:12  G:34  B:56"));
    QTest::mouseMove(editor->canvas(), pointFor(20, 20, tipOffset(IconTool::pick)));
    QCOMPARE(editor->readout()->text(), QStringLiteral("R:255  G:255  B:255"));
}

void IconEditorTest::gridAndPreviewOptionsAreSavedAndRestored()
{
    AppSettings settings;
    settings.load(*m_profile);
    {
        CIconEditorDialog editor(2, 2, settings.iconParams, *m_profile, *m_prompts);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(!editor.previewDialog()->isVisible());
        for (QCheckBox* box : editor.findChildren<QCheckBox*>()) {
            QVERIFY(!box->isChecked());
            QTest::mouseClick(box, Qt::LeftButton);
        }
        QVERIFY(editor.canvas()->gridShown());
        QVERIFY(editor.previewDialog()->isVisible());
        QTest::keyClick(&editor, Qt::Key_Escape);
    }
    QVERIFY(settings.save(*m_profile));
    const auto stored = m_profile->readBinary(profile_names::kSettings, profile_names::kIconParams);
    QVERIFY(stored);
    QCOMPARE(stored->size(), IconEditorParams::kSize);
    QCOMPARE((*stored)[0], std::uint8_t{1});
    QCOMPARE((*stored)[2], std::uint8_t{1});

    AppSettings next;
    next.load(*m_profile);
    CIconEditorDialog editor(2, 2, next.iconParams, *m_profile, *m_prompts);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QVERIFY(editor.canvas()->gridShown());
    QVERIFY(editor.previewDialog()->isVisible());
    for (QCheckBox* box : editor.findChildren<QCheckBox*>())
        QVERIFY(box->isChecked());
}

void IconEditorTest::placementsAreSavedAtClosingAndRestoredAtOpening()
{
    QRect placed;
    {
        auto editor = openEditor();
        QVERIFY(editor);
        editor->move(editor->pos() + QPoint(31, 17));
        placed = editor->geometry();
        editor->reject();
    }
    QVERIFY(m_profile->readBinary(profile_names::kSettings, profile_names::kIconEditorPlacement));
    QVERIFY(m_profile->readBinary(profile_names::kSettings, profile_names::kIconPreviewPlacement));
    CIconEditorDialog editor(2, 2, m_params, *m_profile, *m_prompts);
    QCOMPARE(editor.geometry().topLeft(), placed.topLeft());
}

void IconEditorTest::escapeClosesAndF4IsSwallowed()
{
    auto editor = openEditor();
    QVERIFY(editor);
    QTest::keyClick(editor.get(), Qt::Key_F4);
    QVERIFY(editor->isVisible());
    QTest::keyClick(editor->canvas(), Qt::Key_Escape);
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->result(), int(QDialog::Rejected));
}

void IconEditorTest::exportedPictureReadsBackWithTheSamePixels()
{
    auto editor = openEditor();
    QVERIFY(editor);
    m_params.primaryColor = makeColorRef(200, 100, 50);
    for (int i = 0; i < 32; i += 3)
        QTest::mouseClick(editor->canvas(), Qt::LeftButton, Qt::NoModifier, pointFor(i, 31 - i, tipOffset(IconTool::pen)));
    m_params.secondaryColor = makeColorRef(1, 2, 3);
    QTest::mouseClick(editor->canvas(), Qt::RightButton, Qt::NoModifier, pointFor(31, 0, tipOffset(IconTool::pen)));

    // PNG first, as the Must show asks; BMP and XPM, the other formats shelves take, likewise.
    for (const char* name : {"painted.png", "painted.bmp", "painted.xpm"}) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        m_prompts->expectFileToSave(path);
        QTest::mouseClick(editor->button(icon_texts::kExport), Qt::LeftButton);
        QVERIFY(m_prompts->verifyAllCame());

        const QImage back(path);
        QCOMPARE(back.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(toColorRef(back.pixelColor(x, y)), *editor->image().pixel({x, y}));
        QCOMPARE(toColorRef(back.pixelColor(0, 31)), makeColorRef(200, 100, 50));
        QCOMPARE(toColorRef(back.pixelColor(31, 0)), makeColorRef(1, 2, 3));
    }
}

void IconEditorTest::exportRefusesAnUnknownFormat()
{
    auto editor = openEditor();
    QVERIFY(editor);
    const QString path = m_dir.filePath(QStringLiteral("painted.gif"));
    m_prompts->expectFileToSave(path);
    m_prompts->expectError();
    QTest::mouseClick(editor->button(icon_texts::kExport), Qt::LeftButton);
    QVERIFY(m_prompts->verifyAllCame());
    QVERIFY(m_prompts->lastText().contains(QStringLiteral(".png, .bmp or .xpm")));
    QVERIFY(!QFile::exists(path));
}

void IconEditorTest::importCopiesTheFrameUnderTheClick()
{
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, 77));
    const QString path = m_dir.filePath(QStringLiteral("sprites.bmp"));
    QVERIFY(picture.save(path, "BMP"));

    auto editor = openEditor();
    QVERIFY(editor);
    m_prompts->expectFileToOpen(path);
    QTest::mouseClick(editor->button(icon_texts::kImport), Qt::LeftButton);
    QVERIFY(m_prompts->verifyAllCame());
    QCOMPARE(m_prompts->lastText(), QString::fromUtf8("Importer un sprite \u00e0 partir d'une image"));
    CImportDialog* import = editor->importDialog();
    QVERIFY(import);
    QCOMPARE(import->windowTitle(), path);
    QVERIFY(import->picture()->hasPicture());
    QCOMPARE(import->picture()->size(), QSize(64, 48));

    // Without snap the frame is centred on the point: (60, 40) gives (44, 24) to (76, 56),
    // partly outside the 64 x 48 picture, where the icon keeps its pixels.
    QTest::mouseClick(import->picture(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 40));
    QCOMPARE(editor->image().pixel({0, 0}), makeColorRef(44 * 4, 24 * 5, 77));
    QCOMPARE(editor->image().pixel({19, 23}), makeColorRef(63 * 4, 47 * 5, 77));
    QCOMPARE(editor->image().pixel({20, 0}), kWhite);
    QCOMPARE(editor->image().pixel({0, 24}), kWhite);

    // With snap the frame takes the cell of the point: (40, 30) gives (32, 0).
    QTest::mouseClick(import->snapBox(), Qt::LeftButton);
    QTest::mouseClick(import->picture(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
    QCOMPARE(editor->image().pixel({0, 0}), makeColorRef(32 * 4, 0, 77));
    QCOMPARE(editor->image().pixel({31, 31}), makeColorRef(63 * 4, 31 * 5, 77));
}

void IconEditorTest::importOfAFileThatIsNotABmpShowsNoPicture()
{
    const QString path = m_dir.filePath(QStringLiteral("fake.bmp"));
    QVERIFY(test::writeFile(path, "MB this is no picture at all"));

    auto editor = openEditor();
    QVERIFY(editor);
    m_prompts->expectFileToOpen(path);
    QTest::mouseClick(editor->button(icon_texts::kImport), Qt::LeftButton);
    CImportDialog* import = editor->importDialog();
    QVERIFY(import);
    QVERIFY(!import->picture()->hasPicture());
    QCOMPARE(import->problem(), QStringLiteral("the file does not start with the BMP signature"));
    QTest::mouseClick(import->picture(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(editor->image().pixels(), std::vector<ColorRef>(32 * 32, kWhite));

    // A picture file past the size limit says so.
    const QString huge = m_dir.filePath(QStringLiteral("huge.bmp"));
    QVERIFY(test::writeFile(huge, "BM"));
    QVERIFY(QFile::resize(huge, BmpInfo::kMaxFileBytes + 1));
    m_prompts->expectFileToOpen(huge);
    QTest::mouseClick(editor->button(icon_texts::kImport), Qt::LeftButton);
    QVERIFY(editor->importDialog());
    QVERIFY(!editor->importDialog()->picture()->hasPicture());
    QCOMPARE(editor->importDialog()->problem(), QStringLiteral("the file is larger than 80 MiB"));
}

void IconEditorTest::iconDocumentsSaveEmptyAndOpenAnyContent()
{
    const QString path = m_dir.filePath(QStringLiteral("shelf.icm"));
    QVERIFY(test::writeFile(path, "whatever was here before"));

    AppRun run(*m_profile);
    QVERIFY(run.started());
    run.app().openDocumentFile(path);
    const QList<CDocument*> docs = run.app().docManager().documents();
    QCOMPARE(docs.size(), 1);
    QVERIFY(qobject_cast<CIconDoc*>(docs.first()));
    QCOMPARE(docs.first()->title(), QStringLiteral("shelf.icm"));
    QVERIFY(docs.first()->doSave(path));
    QCOMPARE(QFileInfo(path).size(), 0);
}

void IconEditorTest::newIconRunsTheEditorAndLeavesNoDocument()
{
    AppRun run(*m_profile);
    QVERIFY(run.started());
    CMainFrame* frame = run.frame();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));

    QString seenTitle;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&seenTitle, &poll] {
        auto* editor = qobject_cast<CIconEditorDialog*>(QApplication::activeModalWidget());
        if (!editor)
            return;
        poll.stop();
        seenTitle = editor->windowTitle();
        QTest::mouseClick(editor->canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::keyClick(editor, Qt::Key_Escape);
    });
    poll.start();
    run.prompts().expectNewFileType(int(NewFileKind::icon));
    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(run.prompts().verifyAllCame());
    QCOMPARE(seenTitle, QStringLiteral("Icon Editor : 32 x 32"));
    QVERIFY(run.app().docManager().documents().isEmpty());
}

ORVANTE_GUI_TEST_MAIN(IconEditorTest)
#include "icon_editor_test.moc"
