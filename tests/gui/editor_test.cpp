// The MEL script editor on real widgets, driven by real key and mouse events: typing groups
// and undo, auto indent, Tab over lines, bookmarks, status texts, mouse selection and pointer
// shapes, colouring, saving (line ends kept, failures reported) and a hostile file.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"
#include "ScriptEditor.h"
#include "TestFiles.h"

#include "app/ViewIndicators.h"
#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "editor/EditorCommands.h"
#include "editor/MarginMarks.h"
#include "editor/SearchDialogs.h"
#include "editor/TextPrinting.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "settings/Profile.h"
#include "settings/SettingsRecord.h"
#include "text/MelColouring.h"
#include "text/PrintLayout.h"

#include <QClipboard>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include <unistd.h>

using namespace orv;
using test::Editor;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QColor classColour(const SettingsRecord& settings, int colourClass)
{
    const ColorRef ref = ColorOf(colourClass, settings, 0xFFFFFF);
    return QColor(colorRed(ref), colorGreen(ref), colorBlue(ref));
}

// Whether some pixel is drawn in (nearly) this colour: glyph edges are smoothed, so a
// pixel within a small distance of it in every channel counts.
bool imageHolds(const QImage& image, const QColor& colour)
{
    constexpr int kNear = 40;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - colour.red()) < kNear && std::abs(p.green() - colour.green()) < kNear &&
                std::abs(p.blue() - colour.blue()) < kNear)
                return true;
        }
    return false;
}

// Acts on the next modal dialog with the given object name once it is shown.
class ModalAction : public QObject {
public:
    ModalAction(QString name, std::function<void(QDialog*)> act) : m_name(std::move(name)), m_act(std::move(act))
    {
        QTimer::singleShot(0, this, &ModalAction::poll);
    }
    bool done() const { return m_done; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != m_name) {
            QTimer::singleShot(10, this, &ModalAction::poll);
            return;
        }
        m_done = true;
        m_act(dialog);
    }

    QString m_name;
    std::function<void(QDialog*)> m_act;
    bool m_done = false;
};

void click(QDialog* dialog, const char* name)
{
    auto* button = dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button && button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickText(QDialog* dialog, const QString& text)
{
    for (auto* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    QFAIL("no such button");
}

void setEdit(QDialog* dialog, const char* name, const QString& text)
{
    auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// A script file opened in a whole application run, its prompts scripted.
struct AppScript {
    explicit AppScript(const QByteArray& bytes)
    {
        QVERIFY(test::writeFile(path, bytes));
        doc = qobject_cast<CScriptDoc*>(run.app().docManager().openDocumentFile(path));
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("script.mel"));
    MemoryProfile profile;
    test::AppRun run{profile};
    CScriptDoc* doc = nullptr;
};

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    PaintCounter(QWidget* widget, int& count) : m_count(count) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_count;
        return false;
    }

private:
    int& m_count;
};

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

private slots:
    void typedWordsUndoInGroupsAndNameTheirGroup()
    {
        Editor e;
        QTest::keyClicks(e.text(), QStringLiteral("ab cd"));
        QCOMPARE(e.line(0), std::string("ab cd"));
        QCOMPARE(e.view->menuText(editor_command::kUndo), QStringLiteral("&Undo Typing\tCtrl+Z"));
        QVERIFY(e.doc.isModified());
        QTest::keyClick(e.text(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.line(0), std::string("ab"));
        QTest::keyClick(e.text(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.line(0), std::string(""));
        QVERIFY(!e.doc.isModified());
        QCOMPARE(e.view->menuText(editor_command::kUndo), QStringLiteral("&Undo\tCtrl+Z"));
        QTest::keyClick(e.text(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(e.line(0), std::string("ab"));
        // Alt+Backspace undoes too; Ctrl+Backspace does nothing.
        QTest::keyClick(e.text(), Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(e.line(0), std::string("ab"));
        QTest::keyClick(e.text(), Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(e.line(0), std::string(""));
    }

    void enterKeepsTheIndentAndTheFirstUndoRemovesOnlyIt()
    {
        Editor e("\t  x");
        QTest::keyClick(e.text(), Qt::Key_End);
        QTest::keyClick(e.text(), Qt::Key_Return);
        QCOMPARE(e.doc.buffer().LineCount(), 2);
        QCOMPARE(e.line(1), std::string("\t  "));
        QCOMPARE(e.indicator(editor_command::kIndicatorPosition), QStringLiteral("Ln 2, Col 4"));
        QTest::keyClick(e.text(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.doc.buffer().LineCount(), 2);
        QCOMPARE(e.line(1), std::string(""));
        QTest::keyClick(e.text(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.doc.buffer().LineCount(), 1);
    }

    void tabAndShiftTabWorkOnTheSelectedLines()
    {
        Editor e("l1\r\nline2\r\nl3\r\nl4\r\nl5\r\nl6");
        QTest::keyClick(e.text(), Qt::Key_Down);
        QTest::keyClick(e.text(), Qt::Key_Right);
        QTest::keyClick(e.text(), Qt::Key_Right);
        QTest::keyClick(e.text(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(e.text(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(e.text(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(e.text(), Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(e.text(), Qt::Key_Tab);
        const std::vector<std::string> indented = {"l1", "\tline2", "\tl3", "\tl4", "l5", "l6"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(e.line(i), indented[static_cast<std::size_t>(i)]);
        QTest::keyClick(e.text(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(e.line(1), std::string("line2"));
        QCOMPARE(e.line(3), std::string("l4"));
        QVERIFY(e.text()->hasFocus());  // Tab stays in the editor
    }

    void positionCountsATabAsOneCharacter()
    {
        Editor e;
        QTest::keyClick(e.text(), Qt::Key_Tab);
        QTest::keyClicks(e.text(), QStringLiteral("x"));
        QCOMPARE(e.indicator(editor_command::kIndicatorPosition), QStringLiteral("Ln 1, Col 3"));
        QCOMPARE(e.indicator(editor_command::kIndicatorLineEnd), QStringLiteral("DOS"));
        // The caret stands after the x, drawn at column 5 (the tab fills columns 0..3).
        QCOMPARE(e.text()->pointOf(e.text()->model().cursor()).x(), qRound(CTextView::kMarginWidth + 5 * e.text()->cellWidth()));
    }

    void theCaretBlinksWhileTheViewHasTheFocus()
    {
        Editor e("abc");
        QVERIFY(e.text()->hasFocus());
        QTRY_VERIFY(!e.text()->caretShown());
        QTRY_VERIFY(e.text()->caretShown());
        // Two pixels wide, a line high, in the text colour, before the first character.
        const QImage shot = e.port()->grab().toImage();
        const QColor text = classColour(e.settings, colour_class::kNormalText);
        const int x = CTextView::kMarginWidth;
        QCOMPARE(shot.pixelColor(x, 1).rgb(), text.rgb());
        QCOMPARE(shot.pixelColor(x + 1, e.text()->lineHeight() - 1).rgb(), text.rgb());
        e.text()->clearFocus();
        QVERIFY(!e.text()->caretShown());
    }

    void typedCharactersTakeTheScriptsEncoding()
    {
        // What an input method or a foreign keyboard sends: e acute, the euro sign, a pair of surrogates.
        const QString keys = QString::fromUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80!");
        // A new script is UTF-8: every character is written whole, one undo takes them away.
        Editor fresh;
        QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, keys);
        QApplication::sendEvent(fresh.text(), &typed);
        QCOMPARE(fresh.line(0), keys.toStdString());
        QCOMPARE(fresh.indicator(editor_command::kIndicatorPosition), QStringLiteral("Ln 1, Col 5"));
        QTest::keyClick(fresh.text(), Qt::Key_Backspace);
        QTest::keyClick(fresh.text(), Qt::Key_Backspace);
        QCOMPARE(fresh.line(0), std::string("\xC3\xA9\xE2\x82\xAC"));
        // What an input method composed comes as one text.
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"));
        QApplication::sendEvent(fresh.text(), &composed);
        QCOMPARE(fresh.line(0), std::string("\xC3\xA9\xE2\x82\xAC\xE6\x97\xA5\xE6\x9C\xAC"));
        QCOMPARE(fresh.text()->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft(),
                 fresh.text()->pointOf(fresh.text()->model().cursor()));
        // A Windows-1252 script keeps its 8 bits: a character the code page lacks becomes "?".
        Editor latin("caf\xE9 ");
        QTest::keyClick(latin.text(), Qt::Key_End);
        QApplication::sendEvent(latin.text(), &typed);
        QCOMPARE(latin.line(0), std::string("caf\xE9 \xE9\x80?!"));
    }

    void keysOfTheInsertModeAndTheClipboard()
    {
        Editor e("abc");
        QTest::keyClick(e.text(), Qt::Key_Insert);
        QCOMPARE(e.indicator(editor_command::kIndicatorOverwrite), QStringLiteral("OVR"));
        QTest::keyClicks(e.text(), QStringLiteral("X"));
        QCOMPARE(e.line(0), std::string("Xbc"));
        QTest::keyClick(e.text(), Qt::Key_Insert);
        QCOMPARE(e.indicator(editor_command::kIndicatorOverwrite), QString());
        QTest::keyClick(e.text(), Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(e.text(), Qt::Key_Insert, Qt::ControlModifier);  // copy
        QTest::keyClick(e.text(), Qt::Key_Delete, Qt::ShiftModifier);   // cut
        QCOMPARE(e.line(0), std::string("X"));
        QTest::keyClick(e.text(), Qt::Key_Insert, Qt::ShiftModifier);   // paste
        QTest::keyClick(e.text(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.line(0), std::string("Xbcbc"));
        QTest::keyClick(e.text(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e.text(), Qt::Key_Delete);
        QCOMPARE(e.line(0), std::string(""));
    }

    void numberedAndPlainBookmarks()
    {
        Editor e("0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9");
        const auto goLine = [&](int line) {
            QTest::keyClick(e.text(), Qt::Key_Home, Qt::ControlModifier);
            for (int i = 0; i < line; ++i)
                QTest::keyClick(e.text(), Qt::Key_Down);
        };
        goLine(2);
        QTest::keyClick(e.text(), Qt::Key_5, Qt::ControlModifier);
        goLine(7);
        QTest::keyClick(e.text(), Qt::Key_5, Qt::ControlModifier);
        QCOMPARE(e.doc.buffer().LineWithFlag(line_flag::numberedBookmark(5)), 7);
        QCOMPARE(e.doc.buffer().LineFlags(2), 0u);
        goLine(0);
        QTest::keyClick(e.text(), Qt::Key_5, Qt::AltModifier);
        QCOMPARE(e.text()->model().cursor().line, 7);

        QVERIFY(!e.text()->onCommand(editor_command::kNextBookmark, false));  // no plain bookmark yet
        goLine(1);
        QTest::keyClick(e.text(), Qt::Key_F2, Qt::ControlModifier);
        goLine(6);
        QTest::keyClick(e.text(), Qt::Key_F2, Qt::ControlModifier);
        QTest::keyClick(e.text(), Qt::Key_F2);
        QCOMPARE(e.text()->model().cursor().line, 1);  // wrapped to the first mark
        QTest::keyClick(e.text(), Qt::Key_F2, Qt::ShiftModifier);
        QCOMPARE(e.text()->model().cursor().line, 6);
        QTest::keyClick(e.text(), Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e.doc.buffer().NextBookmarkLine(0), -1);
    }

    void marksAreDrawnInTheMargin()
    {
        Editor e("a\r\nb\r\nc");
        QTest::keyClick(e.text(), Qt::Key_Down);
        QTest::keyClick(e.text(), Qt::Key_3, Qt::ControlModifier);
        const QImage shot = e.port()->grab().toImage();
        const int lh = e.text()->lineHeight();
        // Line 1 shows the mark of bookmark 3; line 0's margin is plain.
        const QImage margin0 = shot.copy(0, 0, CTextView::kMarginWidth, lh);
        const QImage margin1 = shot.copy(0, lh, CTextView::kMarginWidth, lh);
        const QColor marginColour = classColour(e.settings, colour_class::kSelectionMargin);
        int marked = 0;
        for (int y = 0; y < lh; ++y)
            for (int x = 0; x < CTextView::kMarginWidth; ++x) {
                QCOMPARE(margin0.pixelColor(x, y).rgb(), marginColour.rgb());
                marked += margin1.pixelColor(x, y).rgb() != marginColour.rgb();
            }
        QVERIFY(marked > 40);
    }

    void mouseClicksSelectCharactersWordsAndLines()
    {
        Editor e("alpha beta_2 gamma\r\nsecond line\r\nthird");
        QTest::mouseClick(e.port(), Qt::LeftButton, {}, e.at({6, 0}));
        QCOMPARE(e.text()->model().cursor(), (TextPos{6, 0}));
        QTest::mouseClick(e.port(), Qt::LeftButton, Qt::ShiftModifier, e.at({3, 1}));
        QCOMPARE(e.text()->model().selection().start, (TextPos{6, 0}));
        QCOMPARE(e.text()->model().selection().end, (TextPos{3, 1}));
        QTest::mouseDClick(e.port(), Qt::LeftButton, {}, e.at({8, 0}));
        QCOMPARE(e.text()->model().selectedText(), std::string("beta_2"));
        QTest::mouseClick(e.port(), Qt::LeftButton, {}, QPoint(5, e.at({0, 1}).y()));
        QCOMPARE(e.text()->model().selectedText(), std::string("second line\r\n"));
        QTest::mouseClick(e.port(), Qt::LeftButton, Qt::ControlModifier, QPoint(5, e.at({0, 1}).y()));
        QCOMPARE(e.text()->model().selectedText(), e.doc.buffer().CopyRange({0, 0}, e.doc.buffer().EndPos()));
        // Ctrl+click selects by whole words.
        QTest::mouseClick(e.port(), Qt::LeftButton, Qt::ControlModifier, e.at({2, 1}));
        QCOMPARE(e.text()->model().selectedText(), std::string("second"));
    }

    void draggingSelectsAndScrollsOutsideTheText()
    {
        QByteArray text;
        for (int i = 0; i < 200; ++i)
            text += "line " + QByteArray::number(i) + "\r\n";
        Editor e(text);
        QTest::mousePress(e.port(), Qt::LeftButton, {}, e.at({1, 1}));
        QTest::mouseMove(e.port(), e.at({3, 4}));
        QCOMPARE(e.text()->model().selection().start, (TextPos{1, 1}));
        QCOMPARE(e.text()->model().selection().end, (TextPos{3, 4}));
        // Below the view the selection keeps growing as the timer scrolls.
        QTest::mouseMove(e.port(), QPoint(40, e.port()->height() + 20));
        const int top = e.text()->topLine();
        QTRY_VERIFY(e.text()->topLine() >= top + 3);
        QTest::mouseRelease(e.port(), Qt::LeftButton, {}, QPoint(40, e.port()->height() + 20));
        const int settled = e.text()->topLine();
        QTest::qWait(250);
        QCOMPARE(e.text()->topLine(), settled);
        QVERIFY(e.text()->model().cursor().line > e.text()->visibleLines());
    }

    void pointerShapesFollowMarginSelectionAndText()
    {
        Editor e("some text here");
        QTest::mouseMove(e.port(), QPoint(5, 5));
        QCOMPARE(e.port()->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(e.port()->cursor().pixmap().toImage(), marginCursor().pixmap().toImage());
        QTest::mouseMove(e.port(), e.at({2, 0}));
        QCOMPARE(e.port()->cursor().shape(), Qt::IBeamCursor);
        QTest::keyClick(e.text(), Qt::Key_End, Qt::ShiftModifier);
        QTest::mouseMove(e.port(), e.at({6, 0}));
        QCOMPARE(e.port()->cursor().shape(), Qt::ArrowCursor);
    }

    void wheelAndControlArrowsScrollWithoutMovingTheCursor()
    {
        QByteArray text;
        for (int i = 0; i < 100; ++i)
            text += "x\r\n";
        Editor e(text);
        QTest::keyClick(e.text(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(e.text()->topLine(), 1);
        QCOMPARE(e.text()->model().cursor().line, 0);
        QWheelEvent wheel(QPointF(50, 50), e.port()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(e.port(), &wheel);
        QVERIFY(e.text()->topLine() > 1);
        QTest::keyClick(e.text(), Qt::Key_PageDown);
        QVERIFY(e.text()->model().cursor().line >= e.text()->visibleLines() - 1);
    }

    void droppedTextIsInsertedSelectedAndUndoneAsOneDrop()
    {
        Editor e("one two\r\nthree");
        QMimeData mime;
        mime.setText(QStringLiteral("X\nY"));  // another program's text: lines ended by LF
        const QPointF at = e.at({4, 0});
        const auto actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at.toPoint(), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.port(), &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent over(at.toPoint(), actions, &mime, Qt::LeftButton, Qt::ControlModifier);
        QApplication::sendEvent(e.port(), &over);
        QCOMPARE(over.dropAction(), Qt::CopyAction);  // Ctrl copies
        QDropEvent drop(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.port(), &drop);
        // Another program's text is copied, Ctrl or not: the program keeps its own text.
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(e.line(0), std::string("one X"));
        QCOMPARE(e.line(1), std::string("Ytwo"));
        QCOMPARE(e.text()->model().selectedText(), std::string("X\r\nY"));
        QCOMPARE(e.view->menuText(editor_command::kUndo), QStringLiteral("&Undo Drag And Drop\tCtrl+Z"));

        // Dropped back into the text being dragged, it only moves the cursor.
        e.text()->edit().beginDrag();
        QDragEnterEvent again(e.at({5, 0}), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.port(), &again);
        QDropEvent back(QPointF(e.at({5, 0})), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.port(), &back);
        QVERIFY(!back.isAccepted());
        QCOMPARE(e.line(0), std::string("one X"));
        QCOMPARE(e.text()->model().cursor(), (TextPos{5, 0}));
        QVERIFY(!e.text()->edit().isDragSource());

        QTest::keyClick(e.text(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.line(0), std::string("one two"));
        // Only a drag this program started moves its text, and Ctrl copies it still.
        const std::unique_ptr<QMimeData> own = ownTextDrag(QStringLiteral("Z"));
        for (const auto& [modifiers, action] : {std::pair{Qt::NoModifier, Qt::MoveAction}, std::pair{Qt::ControlModifier, Qt::CopyAction}}) {
            QDragEnterEvent ownEnter(at.toPoint(), actions, own.get(), Qt::LeftButton, modifiers);
            QApplication::sendEvent(e.port(), &ownEnter);
            QCOMPARE(ownEnter.dropAction(), action);
            QDropEvent ownDrop(at, actions, own.get(), Qt::LeftButton, modifiers);
            QApplication::sendEvent(e.port(), &ownDrop);
            QCOMPARE(ownDrop.dropAction(), action);
        }
        QCOMPARE(e.line(0), std::string("one ZZtwo"));
        // Files from a file manager (which offer their addresses as text too) are not text to insert.
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/dropped.mel"))});
        QVERIFY(files.hasText());
        QDragEnterEvent fileEnter(at.toPoint(), actions, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.port(), &fileEnter);
        QVERIFY(!fileEnter.isAccepted());
        QDropEvent fileDrop(at, actions, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.port(), &fileDrop);
        QCOMPARE(e.line(0), std::string("one ZZtwo"));
        // A read-only script takes no drop.
        e.doc.buffer().SetReadOnly(true);
        QDragEnterEvent refused(at.toPoint(), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.port(), &refused);
        QVERIFY(!refused.isAccepted());
    }

    void draggingTextNearAnEdgeScrollsTheView()
    {
        QByteArray text;
        for (int i = 0; i < 200; ++i)
            text += "line " + QByteArray::number(i) + "\r\n";
        Editor e(text);
        QMimeData mime;
        mime.setText(QStringLiteral("x"));
        const auto actions = Qt::CopyAction | Qt::MoveAction;
        const auto dragOver = [&](QPoint at) {
            QDragMoveEvent over(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(e.port(), &over);
        };
        QDragEnterEvent enter(QPoint(60, 60), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.port(), &enter);
        dragOver(QPoint(60, 60));
        QCOMPARE(e.text()->topLine(), 0);
        dragOver(QPoint(60, e.port()->height() - 3));  // within 5 pixels of the bottom
        QCOMPARE(e.text()->topLine(), 1);
        // Held there, the drag keeps scrolling.
        QTRY_VERIFY(e.text()->topLine() >= 4);
        dragOver(QPoint(60, 60));
        const int settled = e.text()->topLine();
        QTest::qWait(250);
        QCOMPARE(e.text()->topLine(), settled);
        dragOver(QPoint(60, 2));
        QCOMPARE(e.text()->topLine(), settled - 1);
        QDragLeaveEvent leave;
        QApplication::sendEvent(e.port(), &leave);
        QTest::qWait(250);
        QCOMPARE(e.text()->topLine(), settled - 1);
    }

    void colouringToggleReachesEveryViewOfAScript()
    {
        AppScript script("\tproc string f() { return \"x\"; } // note");
        test::AppRun& run = script.run;
        CScriptDoc* doc = script.doc;
        QVERIFY(doc);
        QVERIFY(QTest::qWaitForWindowExposed(run.frame()));
        run.frame()->action(CommandId::windowNew)->trigger();
        QCOMPARE(doc->views().size(), 2);
        QList<MelTextView*> texts;
        for (CView* view : doc->views())
            texts << qobject_cast<CMELEditorView*>(view)->textView();
        const QColor comment = classColour(run.app().record(), colour_class::kComment);
        const auto commentShown = [&texts, &comment](int i) {
            return imageHolds(texts[i]->viewport()->grab().toImage(), comment);
        };
        QVERIFY(commentShown(0) && commentShown(1));
        // The toggle changes the option for every view; each repaints at once.
        QAction* toggle = run.frame()->action(CommandId::toggleSyntaxColoring);
        QTRY_VERIFY(toggle->isEnabled());
        QVERIFY(toggle->isChecked());
        int painted = 0;
        PaintCounter counter(texts[1]->viewport(), painted);
        toggle->trigger();
        QVERIFY(!run.app().record().syntaxColoring());
        QVERIFY(painted > 0);
        QVERIFY(!commentShown(0) && !commentShown(1));
        QTRY_VERIFY(!toggle->isChecked());
        // A new tab size measures the active view again; the other keeps its own until it is
        // reset, and a view made afterwards takes the new one.
        const qsizetype active = doc->views().indexOf(run.app().docManager().activeView());
        QVERIFY(active >= 0);
        MelTextView* shown = texts[active];
        MelTextView* behind = texts[1 - active];
        shown->setFocus();
        QTest::keyClick(shown, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(shown, Qt::Key_Right);
        const int before = behind->model().tabSize();
        QCOMPARE(shown->model().cursorColumn(), before);
        run.app().settingsService().change([before](SettingsRecord& record) { record.indentSize = before * 2; });
        QCOMPARE(shown->model().tabSize(), before * 2);
        QCOMPARE(shown->model().cursorColumn(), before * 2);
        QCOMPARE(behind->model().tabSize(), before);
        run.frame()->action(CommandId::windowNew)->trigger();
        QCOMPARE(doc->views().size(), 3);
        QCOMPARE(qobject_cast<CMELEditorView*>(doc->views().last())->textView()->model().tabSize(), before * 2);
        QCOMPARE(behind->model().tabSize(), before);
        // The views show one buffer: typing in one shows in the other.
        QTest::keyClicks(shown, QStringLiteral("zz"));
        QCOMPARE(texts[1]->buffer(), &doc->buffer());
        QCOMPARE(std::string(texts[1]->buffer()->LineText(0)).substr(0, 3), std::string("\tzz"));
        doc->setModifiedFlag(false);
    }

    // The views of a script share its line states: a comment opened at the top in one view
    // colours the end another view shows, and closing it gives the end its colours back.
    void aCommentOpenedInOneViewColoursTheEndAnotherShows()
    {
        QByteArray bytes;
        for (int line = 0; line < 300; ++line)
            bytes += "button;\r\n";
        AppScript script(bytes);
        test::AppRun& run = script.run;
        QVERIFY(script.doc);
        QVERIFY(QTest::qWaitForWindowExposed(run.frame()));
        run.frame()->action(CommandId::windowNew)->trigger();
        QCOMPARE(script.doc->views().size(), 2);
        MelTextView* top = qobject_cast<CMELEditorView*>(script.doc->views()[0])->textView();
        MelTextView* end = qobject_cast<CMELEditorView*>(script.doc->views()[1])->textView();
        end->setFocus();
        QTest::keyClick(end, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(end->topLine() >= 250);
        const QColor comment = classColour(run.app().record(), colour_class::kComment);
        const QColor command = classColour(run.app().record(), colour_class::kCommand);
        const auto endShows = [end](const QColor& colour) { return imageHolds(end->viewport()->grab().toImage(), colour); };
        QVERIFY(endShows(command) && !endShows(comment));
        top->setFocus();
        QTest::keyClick(top, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(top, QStringLiteral("/*"));
        top->viewport()->grab();  // the view typed in draws first
        QVERIFY(endShows(comment) && !endShows(command));
        QTest::keyClick(top, Qt::Key_Backspace);
        QTest::keyClick(top, Qt::Key_Backspace);
        top->viewport()->grab();
        QVERIFY(endShows(command) && !endShows(comment));
        script.doc->setModifiedFlag(false);
    }

    void cutAndCopyFollowTheSelectionInTheMenus()
    {
        AppScript script("print 1;");
        test::AppRun& run = script.run;
        CScriptDoc* doc = script.doc;
        QVERIFY(doc);
        MelTextView* text = qobject_cast<CMELEditorView*>(doc->views().front())->textView();
        text->setFocus();
        QAction* cut = run.frame()->action(CommandId::editCut);
        QAction* copy = run.frame()->action(CommandId::editCopy);
        run.app().docManager().commands().updateStates();  // nothing left pending from the opening
        QVERIFY(!cut->isEnabled() && !copy->isEnabled());
        // A selection made by keys enables both without the menu being opened, and its end
        // disables them again.
        QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
        QTRY_VERIFY(cut->isEnabled() && copy->isEnabled());
        QTest::keyClick(text, Qt::Key_Right);
        QTRY_VERIFY(!cut->isEnabled() && !copy->isEnabled());
        QTest::keyClick(text, Qt::Key_Home);
        QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
        QTRY_VERIFY(copy->isEnabled());
        copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("p"));
    }

    void findSearchesWholeWordsAndF3RepeatsWithItsMessage()
    {
        Editor e("xab ab\r\nabc");
        ModalAction find(QStringLiteral("8601"), [](QDialog* d) {
            setEdit(d, "8605", QString());
            for (auto* b : d->findChildren<QPushButton*>())
                if (b->text() == QStringLiteral("&Find Next"))
                    QVERIFY(!b->isEnabled());  // nothing to find yet
            setEdit(d, "8605", QStringLiteral("ab"));
            click(d, "8603");  // whole word
            clickText(d, QStringLiteral("&Find Next"));
        });
        QTest::keyClick(e.text(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(find.done());
        QCOMPARE(e.text()->model().selection().start, (TextPos{4, 0}));
        QCOMPARE(e.text()->model().selection().end, (TextPos{6, 0}));
        QCOMPARE(e.profile.readString("Editor\\Find", "FindWhat", ""), std::string("ab"));
        QCOMPARE(e.profile.readInt("Editor\\Find", "WholeWord", 0), 1);
        // F3 wraps round to the only whole word; Shift+F3 likewise.
        QTest::keyClick(e.text(), Qt::Key_F3);
        QCOMPARE(e.text()->model().selection().start, (TextPos{4, 0}));
        // A search that fails says so and keeps the selection.
        ModalAction miss(QStringLiteral("8601"), [&e](QDialog* d) {
            setEdit(d, "8605", QStringLiteral("zz"));
            e.prompts.expectMessage();
            clickText(d, QStringLiteral("&Find Next"));
            QVERIFY(e.prompts.verifyAllCame());
            QCOMPARE(e.prompts.lastText(), QStringLiteral("Cannot find string\"zz\""));
            d->reject();
        });
        QTest::keyClick(e.text(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(miss.done());
        QCOMPARE(e.text()->model().selection().start, (TextPos{4, 0}));
    }

    void findStartsWithTheSelectedTextOfOneLine()
    {
        Editor e("alpha beta\r\nbeta");
        QTest::mouseDClick(e.port(), Qt::LeftButton, {}, e.at({7, 0}));
        // The top row of the selected "b" is drawn in the selection's background.
        const QPoint cell = e.text()->pointOf({6, 0}) + QPoint(qRound(e.text()->cellWidth() / 2), 0);
        const QRgb selected = classColour(e.settings, colour_class::kSelectionBackground).rgb();
        const auto selectionShownNow = [&] { return e.port()->grab().toImage().pixelColor(cell).rgb() == selected; };
        QVERIFY(selectionShownNow());
        e.text()->clearFocus();
        QVERIFY(!selectionShownNow());  // no focus, no selection shown
        e.text()->setFocus();
        QString shown;
        bool selectionShown = false;
        ModalAction find(QStringLiteral("8601"), [&](QDialog* d) {
            // Whoever has the focus now, the selection still shows.
            e.text()->clearFocus();
            selectionShown = selectionShownNow();
            shown = d->findChild<QLineEdit*>(QStringLiteral("8605"))->text();
            clickText(d, QStringLiteral("&Find Next"));
        });
        QTest::keyClick(e.text(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(selectionShown);
        QCOMPARE(shown, QStringLiteral("beta"));
        QCOMPARE(e.text()->model().selection().start, (TextPos{0, 1}));
    }

    void replaceAllEndsWithTheMessageAndUndoesInSixGroups()
    {
        Editor e("a-a\r\na");
        QString message;
        ModalAction replace(QStringLiteral("8602"), [&message, &e](QDialog* d) {
            QVERIFY(!d->findChild<QRadioButton*>(QStringLiteral("8613"))->isEnabled());  // no selection
            setEdit(d, "8605", QStringLiteral("a"));
            setEdit(d, "8609", QStringLiteral("bb"));
            e.prompts.expectMessage();
            click(d, "8608");
            QVERIFY(e.prompts.verifyAllCame());
            message = e.prompts.lastText();
            d->reject();
        });
        QTest::keyClick(e.text(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(replace.done());
        QCOMPARE(message, QStringLiteral("Cannot find string\"a\""));
        QCOMPARE(e.line(0), std::string("bb-bb"));
        QCOMPARE(e.line(1), std::string("bb"));
        QCOMPARE(e.profile.readString("Editor\\Replace", "ReplaceWith", ""), std::string("bb"));
        int groups = 0;
        while (e.doc.buffer().HasUndo()) {
            QTest::keyClick(e.text(), Qt::Key_Z, Qt::ControlModifier);
            ++groups;
        }
        QCOMPARE(groups, 6);
        QCOMPARE(e.line(0), std::string("a-a"));
    }

    void aNewTabSizeRemeasuresAndRedraws()
    {
        Editor e("\tx");
        QTest::keyClick(e.text(), Qt::Key_End);
        QCOMPARE(e.text()->model().cursorColumn(), 5);
        e.text()->setTabSize(8);
        QCOMPARE(e.text()->model().cursorColumn(), 9);
        QCOMPARE(e.text()->pointOf(e.text()->model().cursor()).x(), qRound(CTextView::kMarginWidth + 9 * e.text()->cellWidth()));
    }

    void aNewScriptIsOneEmptyLineSavedAsAnEmptyFile()
    {
        QTemporaryDir dir;
        Editor e;
        QCOMPARE(e.doc.buffer().LineCount(), 1);
        QCOMPARE(e.doc.onSaveDocument(dir.filePath("new.mel")), FileError::none);
        QCOMPARE(readAll(dir.filePath("new.mel")), QByteArray());
    }

    void aScriptWithLfEndsIsSavedWithLfEnds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("unix.mel");
        QVERIFY(test::writeFile(path, "print 1;\nprint 2;\n"));
        Editor e({}, path);
        QCOMPARE(e.indicator(editor_command::kIndicatorLineEnd), QStringLiteral("MAC"));  // LF alone is "MAC"
        QTest::keyClick(e.text(), Qt::Key_End);
        QTest::keyClick(e.text(), Qt::Key_Return);
        QTest::keyClicks(e.text(), QStringLiteral("x;"));
        QVERIFY(e.doc.isModified());
        QCOMPARE(e.doc.onSaveDocument(path), FileError::none);
        QCOMPARE(readAll(path), QByteArray("print 1;\nx;\nprint 2;\n"));
        QVERIFY(!e.doc.isModified());
    }

    void aFailedSaveIsReportedWithItsReasonAndTheScriptStaysModified()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.mel");
        QVERIFY(test::writeFile(path, "old text"));
        MemoryProfile profile;
        test::AppRun run(profile);
        CDocTemplate* script = run.app().docManager().templates().front();
        auto* doc = qobject_cast<CScriptDoc*>(script->openDocumentFile(path));
        QVERIFY(doc);
        auto* view = qobject_cast<CMELEditorView*>(doc->views().front());
        view->textView()->setFocus();
        QTest::keyClicks(view->textView(), QStringLiteral("new "));
        QVERIFY(doc->isModified());
        // The status panes follow the active script.
        QCOMPARE(run.frame()->viewIndicators()->pane(37903)->text(), QStringLiteral("Ln 1, Col 5"));
        QCOMPARE(run.frame()->viewIndicators()->pane(37902)->text(), QStringLiteral("DOS"));
        QTRY_COMPARE(run.frame()->action(CommandId::editUndo)->text(), QStringLiteral("&Undo Typing\tCtrl+Z"));

        // A read-only folder stops the save; the super-user, whom permissions do not stop,
        // saves into a folder that does not exist instead.
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        run.prompts().expectError();
        QVERIFY(!doc->doSave(::geteuid() == 0 ? dir.filePath(QStringLiteral("gone/kept.mel")) : path));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(run.prompts().verifyAllCame());
        const QString reported = run.prompts().lastText();
        QVERIFY2(reported.contains(QStringLiteral("temporary file")), qPrintable(reported));
        QVERIFY(doc->isModified());
        QCOMPARE(readAll(path), QByteArray("old text"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.mel")});
        doc->onCloseDocument();
    }

    void aScriptThatCannotBeReadIsReportedWithTheReason()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.mel")));
        MemoryProfile profile;
        test::AppRun run(profile);
        CDocTemplate* script = run.app().docManager().templates().front();
        run.prompts().expectError();
        QVERIFY(!script->openDocumentFile(dir.filePath(QStringLiteral("folder.mel"))));
        QVERIFY(run.prompts().verifyAllCame());
        const QString reported = run.prompts().lastText();
        QVERIFY2(reported.contains(QStringLiteral("folder.mel\"")), qPrintable(reported));
        QVERIFY(run.app().docManager().documents().isEmpty());
    }

    void aLongScriptPrintsOnFourPagesWithTheirFooters()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("script.pdf"));
        CTextBuffer buffer;
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += "print line" + std::to_string(i) + ";" + (i + 1 < 200 ? "\r\n" : "");
        buffer.LoadBytes(text);
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(20);
        QPdfWriter writer(pdf);
        writer.setResolution(72);  // one point per device unit
        const int lineHeight = QFontMetrics(font, &writer).height();
        // Room for 60 lines and the footer band, and half a line to spare.
        writer.setPageSize(QPageSize(QSizeF(400, 60 * lineHeight + footerBand(lineHeight) + lineHeight / 2), QPageSize::Point));
        QCOMPARE(printText(buffer, 4, font, PageMargins{0, 0, 0, 0}, writer), 4);

        QProcess extract;
        extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY2(extract.waitForFinished(), "pdftotext (poppler-utils) is needed");
        const QStringList pages = QString::fromLatin1(extract.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 4);
        for (int page = 0; page < 4; ++page) {
            const QString& shown = pages[page];
            QVERIFY2(shown.contains(QStringLiteral("Page %1/4").arg(page + 1)), qPrintable(shown.right(80)));
            QVERIFY(shown.contains(QStringLiteral("print line%1;").arg(page * 60)));
            QVERIFY(!shown.contains(QStringLiteral("print line%1;").arg(page * 60 + 60)));
        }
        QVERIFY(pages[3].contains(QStringLiteral("print line199;")));
    }

    void printingTakesTheMarginsOfThePageSetup()
    {
        QByteArray text;
        for (int i = 0; i < 300; ++i)
            text += "print " + QByteArray::number(i) + ";\r\n";
        Editor e(text);
        QTemporaryDir dir;
        const auto pagesPrinted = [&](const QString& name) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(dir.filePath(name));
            return e.view->printOn(printer);
        };
        const int standard = pagesPrinted(QStringLiteral("standard.pdf"));
        QVERIFY(standard > 0);
        for (const char* side : {"TopMargin", "BottomMargin"})
            e.profile.writeInt("Editor\\PageSetup", side, 10000);  // 10 cm
        QVERIFY(pagesPrinted(QStringLiteral("narrow.pdf")) > standard);
    }

    void pageSetupEditsTheMarginsWithPaperAndOrientationDisabled()
    {
        Editor e;
        e.profile.writeInt("Editor\\PageSetup", "LeftMargin", 1500);
        QObject context;
        bool checked = false;
        test::answerModal<QDialog>(&context, [&checked](QDialog* dialog) {
            const auto named = [dialog](const char* name) {
                return dialog->findChild<QWidget*>(QString::fromLatin1(name));
            };
            for (const char* name : {"pageSizeCombo", "pageWidth", "pageHeight", "portrait", "landscape"}) {
                QVERIFY2(named(name), name);
                QVERIFY2(!named(name)->isEnabled(), name);
            }
            auto* left = qobject_cast<QDoubleSpinBox*>(named("leftMargin"));
            auto* top = qobject_cast<QDoubleSpinBox*>(named("topMargin"));
            QVERIFY(left && top && top->isEnabled());
            QCOMPARE(left->value(), 15.0);
            top->setFocus();
            top->selectAll();
            QTest::keyClicks(top, QStringLiteral("25"));
            QTest::keyClick(top, Qt::Key_Tab);
            checked = true;
            dialog->accept();
        });
        e.view->onCommand(editor_command::kPageSetup);
        QVERIFY(checked);
        QCOMPARE(e.profile.readInt("Editor\\PageSetup", "TopMargin", 0), 2500);
        QCOMPARE(e.profile.readInt("Editor\\PageSetup", "LeftMargin", 0), 1500);
    }

    void withoutAPrinterThePdfGoesBesideTheScriptUnderItsName()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this desktop has a printer: printing asks for no PDF file");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tools.v2.mel"));
        QVERIFY(test::writeFile(path, "print 1;"));
        Editor e({}, path);
        e.doc.setPathName(path);
        QString proposed;
        test::answerModal<QPrintDialog>(this, [&proposed](QPrintDialog* dialog) {
            proposed = dialog->printer()->outputFileName();
            dialog->reject();
        });
        e.view->onCommand(editor_command::kPrint);
        QCOMPARE(proposed, dir.filePath(QStringLiteral("tools.v2.pdf")));
        // A script never saved proposes its title in the home folder.
        Editor fresh;
        fresh.doc.setTitle(QStringLiteral("Script1"));
        QCOMPARE(fresh.view->pdfFileName(), QDir::home().filePath(QStringLiteral("Script1.pdf")));
    }

    void aHostileFileOpensScrollsAndSavesBackByteForByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("hostile.mel");
        QByteArray bytes("nul\0byte\r\n", 10);
        for (int c = 128; c < 256; ++c)
            bytes += static_cast<char>(c);
        bytes += "\r\n";
        bytes += QByteArray(3 * 1024 * 1024, 'w');
        bytes += "\rcr only\r\n\r\nend";
        QVERIFY(test::writeFile(path, bytes));
        Editor e({}, path);
        QCOMPARE(e.doc.buffer().LineCount(), 5);
        QTest::keyClick(e.text(), Qt::Key_Down);
        QTest::keyClick(e.text(), Qt::Key_Down);
        QTest::keyClick(e.text(), Qt::Key_End);
        QVERIFY(e.text()->leftColumn() > 3 * 1024 * 1024 - 200);
        e.port()->grab();
        QTest::keyClick(e.text(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(e.text(), Qt::Key_PageUp);
        QTest::keyClick(e.text(), Qt::Key_Home, Qt::ControlModifier);
        e.port()->grab();
        const QString copy = dir.filePath("copy.mel");
        QCOMPARE(e.doc.onSaveDocument(copy), FileError::none);
        QCOMPARE(readAll(copy), bytes);
    }
};

ORVANTE_GUI_TEST_MAIN(EditorTest)

#include "editor_test.moc"
