// The editor's text as the user sees and exchanges it, on real widgets: every character drawn
// where the caret, the selection and a click place it, in several fonts and sizes; UTF-8 scripts
// shown, typed, found and saved as UTF-8; text from other programs pasted as lines and copied
// out with their line ends.
#include "GuiTestMain.h"
#include "ModalAnswer.h"
#include "ScriptEditor.h"
#include "TestFiles.h"

#include "editor/EditorCommands.h"
#include "editor/SearchDialogs.h"
#include "text/MelColouring.h"

#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace orv;
using test::Editor;

namespace {

QColor classColour(const SettingsRecord& settings, int colourClass)
{
    const ColorRef ref = ColorOf(colourClass, settings, 0xFFFFFF);
    return QColor(colorRed(ref), colorGreen(ref), colorBlue(ref));
}

// The columns of pixels in [fromX, toX) of a text line's band that are painted in neither the
// background nor the selection's colour: the ink of the characters drawn there.
std::vector<int> inkColumns(const QImage& image, int top, int height, int fromX, int toX, const std::vector<QColor>& plain)
{
    std::vector<int> ink;
    for (int x = std::max(fromX, 0); x < std::min(toX, image.width()); ++x)
        for (int y = top; y < top + height; ++y) {
            const QColor p = image.pixelColor(x, y);
            const bool blank = std::any_of(plain.begin(), plain.end(), [&](const QColor& c) { return p.rgb() == c.rgb(); });
            if (!blank) {
                ink.push_back(x);
                break;
            }
        }
    return ink;
}

// The middle of the ink between two x limits, or nothing without ink.
std::optional<qreal> inkMiddle(const std::vector<int>& ink)
{
    if (ink.empty())
        return std::nullopt;
    return (ink.front() + ink.back() + 1) / 2.0;
}

} // namespace

class EditorTextTest : public QObject {
    Q_OBJECT

private slots:
    void caretSelectionAndClicksMeetTheDrawnCharacters()
    {
        // Each line holds one "|" after N blanks, behind a string and a comment so that the
        // line is drawn in several runs of colour.
        const std::vector<int> columns = {8, 17, 41, 80, 118};
        QByteArray text;
        for (const int n : columns)
            text += "\"s\";//" + QByteArray(n - 6, ' ') + "|\r\n";
        Editor e(text);
        e.view->resize(1400, 300);
        const std::vector<QColor> plain = {classColour(e.settings, colour_class::kBackground),
                                           classColour(e.settings, colour_class::kSelectionBackground)};
        struct Face {
            const char* family;
            int pixels;
        };
        for (const Face face : {Face{"DejaVu Sans Mono", 11}, Face{"DejaVu Sans Mono", 13}, Face{"Liberation Mono", 12},
                                Face{"Liberation Mono", 15}, Face{"Noto Mono", 17}}) {
            QFont font(QString::fromLatin1(face.family));
            font.setPixelSize(face.pixels);
            e.text()->SetViewFont(font);
            const qreal cell = e.text()->cellWidth();
            const QString name = QStringLiteral("%1 %2px, cell %3").arg(QString::fromLatin1(face.family)).arg(face.pixels).arg(cell);
            QVERIFY2(e.text()->visibleColumns() > columns.back() + 1, qPrintable(name));
            const int height = e.text()->lineHeight();
            for (int line = 0; line < static_cast<int>(columns.size()); ++line) {
                const int n = columns[static_cast<std::size_t>(line)];
                // Shown without the focus, so that no caret hides a pixel.
                e.text()->setSelectionKeptShown(true);
                e.text()->clearFocus();
                e.text()->model().setCursor({0, line});
                e.text()->afterCursorMove(false);
                const QImage shot = e.port()->grab().toImage();
                const int top = e.text()->pointOf({n, line}).y();
                const int left = e.text()->pointOf({n, line}).x();
                const int right = e.text()->pointOf({n + 1, line}).x();
                QVERIFY2(right - left >= qFloor(cell) && right - left <= qCeil(cell), qPrintable(name));
                // The glyph's ink lies in its cell, centred, and nowhere else near it.
                const std::vector<int> ink = inkColumns(shot, top, height, left - qCeil(cell), right + qCeil(cell), plain);
                const auto middle = inkMiddle(ink);
                QVERIFY2(middle, qPrintable(name));
                QVERIFY2(ink.front() >= left && ink.back() < right,
                         qPrintable(QStringLiteral("%1: column %2 drawn at %3..%4, its cell is %5..%6")
                                        .arg(name).arg(n).arg(ink.front()).arg(ink.back()).arg(left).arg(right)));
                QVERIFY2(std::abs(*middle - (left + right) / 2.0) <= 1.5, qPrintable(name));
                // Selected alone, the "|" has that cell as its selection box.
                e.text()->model().setSelection({n, line}, {n + 1, line});
                e.text()->afterCursorMove(false);
                const QImage selected = e.port()->grab().toImage();
                const QColor selection = classColour(e.settings, colour_class::kSelectionBackground);
                const int bottom = top + height - 1;
                QCOMPARE(selected.pixelColor(left, bottom).rgb(), selection.rgb());
                QVERIFY(selected.pixelColor(left - 1, bottom).rgb() != selection.rgb());
                QCOMPARE(selected.pixelColor(right - 1, bottom).rgb(), selection.rgb());
                QVERIFY(selected.pixelColor(right, bottom).rgb() != selection.rgb());
                // A click left of the glyph's middle puts the cursor before it, right of it after.
                const int y = top + height / 2;
                QTest::mouseClick(e.port(), Qt::LeftButton, Qt::NoModifier, QPoint(qRound(*middle - cell / 4), y));
                QCOMPARE(e.text()->model().cursor(), (TextPos{n, line}));
                QTest::mouseClick(e.port(), Qt::LeftButton, Qt::NoModifier, QPoint(qRound(*middle + cell / 4), y));
                QCOMPARE(e.text()->model().cursor(), (TextPos{n + 1, line}));
            }
        }
    }

    void aLineDrawnAgainShowsItsEditItsColoursItsSelectionAndTheScroll()
    {
        // Lines are shaped once and drawn again while they stay as they were: after each change
        // the view must look as it does drawn afresh (a new font clears what was shaped).
        Editor e("proc f() {\r\n\tprint \"caf\xC3\xA9 \xE6\x97\xA5\";\r\n\tint $x = 1;  // one\r\n}\r\n"
                 "string $long = \"" + QByteArray(200, 'w') + "\";\r\n" + QByteArray("$y = 2;\r\n").repeated(60));
        e.text()->setSelectionKeptShown(true);
        e.text()->clearFocus();
        const auto drawnAsAfresh = [&](const char* after) {
            const QImage drawn = e.port()->grab().toImage();
            e.text()->SetViewFont(e.text()->viewFont());
            QVERIFY2(drawn == e.port()->grab().toImage(), after);
        };
        const auto key = [&](Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(e.text(), pressed, modifiers);
            e.text()->clearFocus();
        };
        drawnAsAfresh("the first paint");
        // A character typed inside a line, the line's length kept (overwrite).
        e.text()->model().setCursor({8, 1});
        key(Qt::Key_Insert);
        QTest::keyClicks(e.text(), QStringLiteral("q"));
        e.text()->clearFocus();
        QCOMPARE(e.line(1), std::string("\tprint \"qaf\xC3\xA9 \xE6\x97\xA5\";"));
        drawnAsAfresh("an overwritten character");
        key(Qt::Key_Insert);
        // Lines whose text stays but whose colours change: a block comment opened above them.
        e.text()->model().setCursor({0, 0});
        QTest::keyClicks(e.text(), QStringLiteral("/*"));
        e.text()->clearFocus();
        drawnAsAfresh("a comment opened above");
        // The selection grows over a line and a half.
        e.text()->model().setCursor({3, 1});
        key(Qt::Key_Down, Qt::ShiftModifier);
        key(Qt::Key_Right, Qt::ShiftModifier);
        drawnAsAfresh("a selection");
        // Scrolled across, by the wheel, and to other tab stops.
        e.text()->horizontalScrollBar()->setValue(5);
        drawnAsAfresh("a horizontal scroll");
        QWheelEvent wheel(QPointF(100, 50), e.port()->mapToGlobal(QPointF(100, 50)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(e.port(), &wheel);
        QCOMPARE(e.text()->topLine(), 3);
        drawnAsAfresh("a wheel scroll");
        e.text()->horizontalScrollBar()->setValue(0);
        e.text()->verticalScrollBar()->setValue(0);
        e.port()->grab();
        e.text()->setTabSize(8);
        drawnAsAfresh("another tab size");
    }

    void aUtf8ScriptIsShownTypedFoundAndSavedAsUtf8()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("utf8.mel"));
        const QByteArray bytes = "// caf\xC3\xA9 \xE6\x97\xA5\r\nprint \"x\";";
        QVERIFY(test::writeFile(path, bytes));
        Editor e({}, path);
        QCOMPARE(e.doc.buffer().Encoding(), TextEncoding::utf8);
        // "é" is one character in one cell, "日" one character in two.
        QTest::keyClick(e.text(), Qt::Key_End);
        QCOMPARE(e.indicator(editor_command::kIndicatorPosition), QStringLiteral("Ln 1, Col 10"));
        QCOMPARE(e.text()->pointOf(e.text()->model().cursor()).x(), qRound(e.text()->columnX(10)));
        const std::vector<QColor> plain = {classColour(e.settings, colour_class::kBackground)};
        const QImage shot = e.port()->grab().toImage();
        const int height = e.text()->lineHeight();
        // No ink after the last cell of the line (and the caret there), where "Ã©" would have
        // pushed the text.
        const int end = qRound(e.text()->columnX(10));
        QVERIFY(inkColumns(shot, 0, height, end + 3, end + 40, plain).empty());
        QVERIFY(!inkColumns(shot, 0, height, qRound(e.text()->columnX(8)), end, plain).empty());
        // Backspace takes the whole "日"; typing and pasting give UTF-8.
        QTest::keyClick(e.text(), Qt::Key_Backspace);
        QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xC3\xBC"));
        QApplication::sendEvent(e.text(), &typed);
        QApplication::clipboard()->setText(QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"));
        QTest::keyClick(e.text(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.line(0), std::string("// caf\xC3\xA9 \xC3\xBC\xE6\x97\xA5\xE6\x9C\xAC"));
        // Find finds "CAFÉ" as "café".
        QTest::keyClick(e.text(), Qt::Key_Home, Qt::ControlModifier);
        test::answerModal<CFindDialog>(this, [](CFindDialog* dialog) {
            auto* what = dialog->findChild<QLineEdit*>(QStringLiteral("8605"));
            QVERIFY(what);
            what->setText(QString::fromUtf8("CAF\xC3\x89"));
            for (auto* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("&Find Next"))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        QTest::keyClick(e.text(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(e.text()->model().selection(), (TextRange{{3, 0}, {8, 0}}));
        // The second line was not touched: it saves back as it was read.
        const QString saved = dir.filePath(QStringLiteral("saved.mel"));
        QCOMPARE(e.doc.onSaveDocument(saved), FileError::none);
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("// caf\xC3\xA9 \xC3\xBC\xE6\x97\xA5\xE6\x9C\xAC\r\nprint \"x\";"));
    }

    void textFromOtherProgramsPastesAsLinesAndCopiesWithLfEnds()
    {
        Editor e("x");
        // A browser's or a terminal's text: lines ended by LF.
        QApplication::clipboard()->setText(QString::fromUtf8("proc f() {\n\tprint \"caf\xC3\xA9\";\n}\n"));
        QTest::keyClick(e.text(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.doc.buffer().LineCount(), 4);
        QCOMPARE(e.line(0), std::string("proc f() {"));
        QCOMPARE(e.line(1), std::string("\tprint \"caf\xC3\xA9\";"));
        QCOMPARE(e.line(3), std::string("x"));
        QCOMPARE(e.view->menuText(editor_command::kUndo), QStringLiteral("&Undo Paste\tCtrl+Z"));
        // Going out, lines end with LF as the other programs write them.
        QTest::keyClick(e.text(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e.text(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8("proc f() {\n\tprint \"caf\xC3\xA9\";\n}\nx"));
        // A lone CR and CR LF break lines too; a Windows-1252 script takes its own bytes.
        Editor latin("caf\xE9");
        QApplication::clipboard()->setText(QString::fromUtf8("a\rb\r\n\xC3\xA9\xE6\x97\xA5"));
        QTest::keyClick(latin.text(), Qt::Key_End);
        QTest::keyClick(latin.text(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(latin.doc.buffer().LineCount(), 3);
        QCOMPARE(latin.line(0), std::string("caf\xE9" "a"));
        QCOMPARE(latin.line(2), std::string("\xE9?"));
    }
};

ORVANTE_GUI_TEST_MAIN(EditorTextTest)

#include "editor_text_test.moc"
