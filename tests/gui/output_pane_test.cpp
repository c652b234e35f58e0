// The Output pane: the log's line ends, a read-only control that only copies, always at its end.
#include "GuiTestMain.h"

#include "app/COutputEdit.h"
#include "framework/CopyTextToClipboard.h"
#include "log/OutputLog.h"

#include <QClipboard>
#include <QMenu>
#include <QTimer>
#include <QScrollBar>
#include <QTextBlock>

using namespace orv;

class OutputPaneTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newlineBecomesCrLfAndKeepFalseReplaces();
    void existingCrLfGainsASecondCr();
    void typingDeleteAndBackspaceChangeNothing();
    void ctrlCCopiesTheSelectionInEitherCase();
    void lastLineStaysInViewAfterManyAppends();
    void looksLikeALog();
    void sharedClipboardHelperTakesUtf8();
    void showsAndCopiesTheLogsCharacters();

private:
    std::unique_ptr<OutputLog> m_log;
    std::unique_ptr<COutputEdit> m_edit;
};

void OutputPaneTest::init()
{
    m_log = std::make_unique<OutputLog>();
    m_edit = std::make_unique<COutputEdit>(*m_log);
    m_edit->resize(400, 120);
    m_edit->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_edit.get()));
    m_edit->setFocus();
}

void OutputPaneTest::cleanup()
{
    m_edit.reset();
    m_log.reset();
}

void OutputPaneTest::newlineBecomesCrLfAndKeepFalseReplaces()
{
    m_log->AppendText("first line\n");
    m_log->AppendText("hello\nworld", true);
    QCOMPARE(m_log->text(), std::string("first line\r\nhello\r\nworld"));
    QCOMPARE(m_edit->document()->blockCount(), 3);

    m_log->AppendText("hello\nworld", false);
    QCOMPARE(m_log->text(), std::string("hello\r\nworld"));
    QCOMPARE(m_edit->toPlainText(), QStringLiteral("hello\nworld"));

    m_log->Clear();
    QCOMPARE(m_edit->toPlainText(), QString());
}

void OutputPaneTest::existingCrLfGainsASecondCr()
{
    m_log->AppendText("a\r\nb");
    QCOMPARE(m_log->text(), std::string("a\r\r\nb"));
    // On screen a CR LF pair, with any CR before it, is one line break.
    QCOMPARE(m_edit->toPlainText(), QStringLiteral("a\nb"));
}

void OutputPaneTest::typingDeleteAndBackspaceChangeNothing()
{
    m_log->AppendText("Error while loading the window hierarchy file\n");
    const QString before = m_edit->toPlainText();
    m_edit->moveCursor(QTextCursor::Start);
    QTest::keyClicks(m_edit.get(), QStringLiteral("typed"));
    QTest::keyClick(m_edit.get(), Qt::Key_Delete);
    QTest::keyClick(m_edit.get(), Qt::Key_Backspace);
    QTest::keyClick(m_edit.get(), Qt::Key_Return);
    QTest::keyClick(m_edit.get(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(m_edit.get(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(m_edit->toPlainText(), before);
    QCOMPARE(m_log->text(), std::string("Error while loading the window hierarchy file\r\n"));
}

void OutputPaneTest::ctrlCCopiesTheSelectionInEitherCase()
{
    m_log->AppendText("proc a;\nproc b;");
    // Select everything with the mouse: press at the start, drag to the end.
    const QRect first = m_edit->cursorRect(QTextCursor(m_edit->document()));
    QTextCursor end(m_edit->document());
    end.movePosition(QTextCursor::End);
    const QPoint to = m_edit->cursorRect(end).center() + QPoint(2, 0);
    QTest::mousePress(m_edit->viewport(), Qt::LeftButton, {}, first.center() - QPoint(2, 0));
    // A drag: QTest's move carries no pressed button, so the event is made here.
    QMouseEvent drag(QEvent::MouseMove, to, m_edit->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(m_edit->viewport(), &drag);
    QTest::mouseRelease(m_edit->viewport(), Qt::LeftButton, {}, to);
    QVERIFY(m_edit->textCursor().hasSelection());

    const QList<Qt::KeyboardModifiers> cases{Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier};
    for (const Qt::KeyboardModifiers mods : cases) {
        QApplication::clipboard()->setText(QStringLiteral("old"));
        QTest::keyClick(m_edit.get(), Qt::Key_C, mods);
        // Lines leave with LF ends, as other programs on the desktop take text.
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("proc a;\nproc b;"));
    }
    // The context menu's Copy gives the same text.
    QApplication::clipboard()->setText(QStringLiteral("old"));
    QTimer::singleShot(0, m_edit.get(), [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            if (QAction* copy = menu->findChild<QAction*>(QStringLiteral("edit-copy")))
                copy->trigger();
            menu->close();
        }
    });
    QContextMenuEvent context(QContextMenuEvent::Mouse, to, m_edit->viewport()->mapToGlobal(to));
    QApplication::sendEvent(m_edit->viewport(), &context);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("proc a;\nproc b;"));

    // Alt+Ctrl+C is another key: the clipboard keeps what it had.
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(m_edit.get(), Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

void OutputPaneTest::lastLineStaysInViewAfterManyAppends()
{
    for (int i = 0; i < 200; ++i)
        m_log->AppendText("line " + std::to_string(i) + "\n");
    m_log->AppendText("the last line");
    QScrollBar* bar = m_edit->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    const QTextBlock lastBlock = m_edit->document()->lastBlock();
    QCOMPARE(lastBlock.text(), QStringLiteral("the last line"));
    QVERIFY(m_edit->viewport()->rect().intersects(m_edit->cursorRect(QTextCursor(lastBlock))));
}

void OutputPaneTest::looksLikeALog()
{
    QVERIFY(m_edit->isReadOnly());
    QCOMPARE(m_edit->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(QFontInfo(m_edit->font()).fixedPitch());
    QCOMPARE(m_edit->font().pixelSize(), 14);
}

// The export's script and the log are UTF-8: the clipboard gets their characters.
void OutputPaneTest::sharedClipboardHelperTakesUtf8()
{
    const std::string script = "window -title \"Fen\xC3\xAAtre \xE5\xAF\xB8\xE6\xB3\x95\" w;\r\nshowWindow;\r\n";
    QVERIFY(CopyTextToClipboard(script));
    QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8(script));
}

void OutputPaneTest::showsAndCopiesTheLogsCharacters()
{
    m_log->AppendText("button -label \"Gr\xC3\xB6\xC3\x9F" "e \xE2\x80\x93 \xE5\xAF\xB8\xE6\xB3\x95 \xE2\x9C\x93\";\n");
    m_log->AppendText("caf\xE9\n");  // no UTF-8: Windows-1252
    const QString shown = QStringLiteral("button -label \"Gr\u00F6\u00DFe \u2013 \u5BF8\u6CD5 \u2713\";\ncaf\u00E9\n");
    QCOMPARE(m_edit->toPlainText(), shown);
    m_edit->selectAll();
    QTest::keyClick(m_edit.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), shown);  // LF ends, as Linux programs take them
}

ORVANTE_GUI_TEST_MAIN(OutputPaneTest)
#include "output_pane_test.moc"
