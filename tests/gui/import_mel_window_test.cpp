// "Import MEL Window..." as a user runs it from the File menu by keyboard: the script's window
// opens as a new untitled window document, the report goes to the Output pane, and a script
// without a window says so and opens nothing; a double click on a report line opens the
// script at its place.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "TestFiles.h"

#include "app/AppIds.h"
#include "app/COutputEdit.h"
#include "app/Panes.h"
#include "designer/CWindowDoc.h"
#include "designer/ImportTexts.h"
#include "editor/CMELEditorView.h"
#include "editor/MelTextView.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "mel/CommandDatabase.h"
#include "settings/Profile.h"

#include <QFileInfo>
#include <QMenuBar>
#include <QTextBlock>
#include <QTemporaryDir>

using namespace orv;

namespace {

QMenu* fileMenu(CMainFrame* frame)
{
    for (QAction* a : frame->menuBar()->actions())
        if (a->text() == QStringLiteral("&File"))
            return a->menu();
    return nullptr;
}

// Alt+F opens the File menu, I chooses its Import item.
void chooseImportByKeyboard(CMainFrame* frame)
{
    frame->show();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QTest::keyClick(frame, Qt::Key_F, Qt::AltModifier);
    QMenu* menu = fileMenu(frame);
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_I);
}

QString writeScript(const QTemporaryDir& dir, const char* name, const QByteArray& text)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    return test::writeFile(path, text) ? path : QString();
}

void dumpTree(const CUIElement& element, int depth, QString& out)
{
    out += QString(depth, QLatin1Char('\t')) + QString::fromStdString(element.command() + " " + element.name()) + "\n";
    for (const auto& child : element.children())
        dumpTree(*child, depth + 1, out);
}

} // namespace

class ImportMelWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat") == LoadResult::ok);
    }
    void theItemFollowsExit();
    void theScriptsWindowOpensUntitledWithTheReport();
    void aScriptWithoutWindowOpensNothing();
};

// The item is beyond the File menu's own commands: after Exit, past a separator.
void ImportMelWindowTest::theItemFollowsExit()
{
    MemoryProfile profile;
    test::AppRun run(profile);
    const QList<QAction*> items = fileMenu(run.frame())->actions();
    QVERIFY(items.size() >= 3);
    QCOMPARE(items.last()->text(), QStringLiteral("&Import MEL Window..."));
    QVERIFY(items[items.size() - 2]->isSeparator());
    QCOMPARE(items[items.size() - 3]->text(), QStringLiteral("E&xit"));
}

void ImportMelWindowTest::theScriptsWindowOpensUntitledWithTheReport()
{
    QTemporaryDir dir;
    const QString script = writeScript(dir, "tool.mel",
                                       "// a tool\n"
                                       "string $w = `window -title \"Tool\" toolWin`;\n"
                                       "columnLayout -adj true main;\n"
                                       "    gridLayout -nc 2;\n"
                                       "        button;\n"
                                       "    setParent ..;\n"
                                       "    button -l \"Go\" -w 90 go;\n"
                                       "    textScrollList -a \"one\" -a $two items;\n"
                                       "showWindow $w;\n");
    MemoryProfile profile;
    test::AppRun run(profile);
    run.prompts().expectFileToOpen(script);
    chooseImportByKeyboard(run.frame());
    QTRY_COMPARE(run.app().docManager().documents().size(), 1);
    QVERIFY(run.prompts().verifyAllCame());
    QCOMPARE(run.prompts().lastText(), QString::fromLatin1(import_texts::kFilter));

    auto* doc = qobject_cast<CWindowDoc*>(run.app().docManager().documents().first());
    QVERIFY(doc);
    QCOMPARE(doc->title(), QStringLiteral("Window1"));
    QVERIFY(doc->pathName().isEmpty());
    QVERIFY(doc->isModified());
    QVERIFY(!doc->views().isEmpty());
    QString tree;
    dumpTree(doc->window(), 0, tree);
    QCOMPARE(tree, QStringLiteral("window toolWin\n\tcolumnLayout main\n\t\tbutton go\n\t\ttextScrollList items\n"));
    QCOMPARE(doc->window().children().front()->children().front()->rect().width(), 90);

    const std::string file = script.toStdString();
    const std::string expected = "Importing the window of " + file + " ...\r\n" +
                                 file + ":4:5: warning: gridLayout makes no element of the window model: skipped "
                                        "with what it holds\r\n" +
                                 file + ":8:32: warning: the list item is a variable: skipped\r\n"
                                 "Window imported, 2 warning(s).\r\n";
    const std::string& log = run.app().outputLog().text();
    QVERIFY2(log.ends_with(expected), log.c_str());
    QTRY_VERIFY(run.frame()->outputPane()->isVisible());

    // A double click on a report line opens the script with the caret at the line's place; one
    // on a line that names no place opens nothing.
    COutputEdit* pane = run.frame()->outputPane()->edit();
    const auto doubleClickLine = [pane](const QString& part) {
        const QTextBlock block = pane->document()->find(part).block();
        QVERIFY2(block.isValid(), qPrintable(part));
        pane->setTextCursor(QTextCursor(block));
        pane->ensureCursorVisible();
        QTest::mouseDClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(QTextCursor(block)).center());
    };
    doubleClickLine(QStringLiteral("Window imported"));
    QCOMPARE(run.app().docManager().documents().size(), 1);
    doubleClickLine(QStringLiteral(":8:32: warning"));
    QTRY_COMPARE(run.app().docManager().documents().size(), 2);
    CDocument* opened = nullptr;
    for (CDocument* d : run.app().docManager().documents())
        if (d->pathName() == QFileInfo(script).absoluteFilePath())
            opened = d;
    QVERIFY(opened);
    auto* editor = qobject_cast<CMELEditorView*>(opened->views().first());
    QVERIFY(editor);
    QCOMPARE(editor->textView()->model().cursor(), (TextPos{31, 7}));
    QTRY_VERIFY(editor->textView()->hasFocus());
    // Again on the first report line: the open script comes back with the caret there.
    doubleClickLine(QStringLiteral(":4:5: warning"));
    QCOMPARE(run.app().docManager().documents().size(), 2);
    QCOMPARE(editor->textView()->model().cursor(), (TextPos{4, 3}));

    opened->onCloseDocument();
    doc->onCloseDocument();
}

void ImportMelWindowTest::aScriptWithoutWindowOpensNothing()
{
    QTemporaryDir dir;
    const QString script = writeScript(dir, "plain.mel", "print \"no window\\n\";\nbutton -l \"stray\";\n");
    MemoryProfile profile;
    test::AppRun run(profile);
    run.prompts().expectFileToOpen(script);
    run.prompts().expectError();
    chooseImportByKeyboard(run.frame());
    QTRY_VERIFY(run.prompts().texts().size() >= 2);
    QVERIFY(run.prompts().verifyAllCame());
    QCOMPARE(run.prompts().lastText(), script + QStringLiteral(": the script makes no window"));
    QVERIFY(run.app().docManager().documents().isEmpty());
    QVERIFY(run.app().outputLog().text().ends_with(script.toStdString() + ": the script makes no window\r\n"));
}

ORVANTE_GUI_TEST_MAIN(ImportMelWindowTest)
#include "import_mel_window_test.moc"
