// The main window as a user meets it in the first hour: its keys work wherever the keyboard is
// (the Output log never takes it by itself), files dropped on any part of it open and are never
// taken from the file manager, a document with changes shows a "*" in every title, and the
// user guide names every key.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"
#include "TestFiles.h"

#include "app/COutputEdit.h"
#include "app/CommandTable.h"
#include "app/CSettingsDialog.h"
#include "app/Panes.h"
#include "designer/CInterfaceEditorView.h"
#include "editor/CMELEditorView.h"
#include "editor/EditorCommands.h"
#include "editor/CScriptDoc.h"
#include "framework/CDocManager.h"
#include "framework/CMDIChildWnd.h"

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

using namespace orv;
using test::AppRun;

class MainFrameEverydayTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_profile = std::make_unique<MemoryProfile>();
        m_dir = std::make_unique<QTemporaryDir>();
        // An installation folder without the guide: F1 says so through the prompts.
        m_profile->writeString("Settings", "InstallDir", m_dir->path().toStdString());
    }
    void cleanup()
    {
        m_profile.reset();
        m_dir.reset();
    }

    void frameKeysWorkWhereverTheKeyboardIs()
    {
        {
            // The Output pane shown at the last exit is shown at the next start.
            AppRun first(*m_profile);
            first.frame()->togglePane(PaneId::output);
        }
        AppRun run(*m_profile);
        CMainFrame* frame = run.frame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        COutputEdit* log = frame->outputPane()->edit();
        QVERIFY(log->isVisible());
        QVERIFY(QApplication::focusWidget() != log);
        // Wherever the keyboard is, F1, Ctrl+N and Ctrl+O reach the frame.
        const auto keyboard = [frame] { return QApplication::focusWidget() ? QApplication::focusWidget() : frame; };
        const auto pressAndExpect = [&](QWidget* target) {
            run.prompts().expectError();
            QTest::keyClick(target, Qt::Key_F1);
            run.prompts().expectNewFileType(std::nullopt);
            QTest::keyClick(target, Qt::Key_N, Qt::ControlModifier);
            run.prompts().expectFileToOpen(QString());
            QTest::keyClick(target, Qt::Key_O, Qt::ControlModifier);
            QVERIFY(run.prompts().verifyAllCame());
        };
        pressAndExpect(keyboard());
        // The same after the last document window has gone.
        QVERIFY(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("keys.mel"))));
        QTest::keyClick(keyboard(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(run.app().docManager().documents().isEmpty());
        QVERIFY(QApplication::focusWidget() != log);
        pressAndExpect(keyboard());
        // Clicked into, the log passes the application's keys on (Ctrl+P too) and keeps the
        // document's own.
        QTest::mouseClick(log->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), log);
        pressAndExpect(log);
        bool settingsShown = false;
        test::answerModal<CSettingsDialog>(this, [&settingsShown](CSettingsDialog* dialog) {
            settingsShown = true;
            dialog->reject();
        });
        QTest::keyClick(log, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(settingsShown);
    }

    void filesDroppedAnywhereOpenAndAreNeverMoved()
    {
        AppRun run(*m_profile);
        CMainFrame* frame = run.frame();
        auto* script = qobject_cast<CScriptDoc*>(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("target.mel"))));
        QVERIFY(script);
        auto* view = qobject_cast<CMELEditorView*>(run.app().docManager().activeFrame()->activeView());
        QVERIFY(view);
        frame->togglePane(PaneId::output);
        // A field that takes dropped text itself, as the grid's editors do.
        auto* field = new QLineEdit;
        frame->statusBar()->addWidget(field);
        const std::vector<QWidget*> targets = {view->textView()->viewport(), frame->outputPane()->edit()->viewport(),
                                               frame->toolBar(), frame->mdiArea()->viewport(), field};
        int count = 0;
        for (QWidget* target : targets) {
            const QString name = QStringLiteral("dropped%1.mel").arg(++count);
            // A file manager offers a move too, and the file's address as plain text.
            QMimeData mime;
            const QUrl file = QUrl::fromLocalFile(makeFile(name));
            mime.setUrls({file});
            mime.setText(file.toString());
            const QPoint at = target->rect().center();
            const auto offered = Qt::CopyAction | Qt::MoveAction;
            QDragEnterEvent enter(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QVERIFY2(enter.isAccepted(), qPrintable(name));
            QCOMPARE(enter.dropAction(), Qt::CopyAction);
            QDropEvent drop(QPointF(at), offered, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
            QVERIFY2(drop.isAccepted(), qPrintable(name));
            QCOMPARE(drop.dropAction(), Qt::CopyAction);
            QTRY_VERIFY2(openTitles(run).contains(name), qPrintable(name));
        }
        // Nothing was written into the script or the field under the pointer.
        QVERIFY(field->text().isEmpty());
        QCOMPARE(script->buffer().LineCount(), 1);
        QCOMPARE(std::string(script->buffer().LineText(0)), std::string("proc hello() {}"));
        QVERIFY(!script->isModified());
    }

    void aDocumentWithChangesShowsAStarInEveryTitle()
    {
        AppRun run(*m_profile);
        CMainFrame* frame = run.frame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        auto* script = qobject_cast<CScriptDoc*>(run.app().docManager().openDocumentFile(makeFile(QStringLiteral("star.mel"))));
        QVERIFY(script);
        CMDIChildWnd* window = run.app().docManager().activeFrame();
        window->showNormal();
        auto* view = qobject_cast<CMELEditorView*>(window->activeView());
        QCOMPARE(window->windowTitle(), QStringLiteral("star.mel"));
        QCOMPARE(frame->windowTitle(), QStringLiteral("ORVANTE - star.mel"));
        QTest::keyClicks(view->textView(), QStringLiteral("x"));
        QCOMPARE(window->windowTitle(), QStringLiteral("star.mel*"));
        QCOMPARE(frame->windowTitle(), QStringLiteral("ORVANTE - star.mel*"));
        QVERIFY(windowMenuTexts(frame).contains(QStringLiteral("&1 star.mel*")));
        window->showMaximized();
        QCOMPARE(frame->windowTitle(), QStringLiteral("ORVANTE - [star.mel*]"));
        // Saved, the mark goes; undone back to the saved text, it comes again.
        QTest::keyClick(view->textView(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(window->windowTitle(), QStringLiteral("star.mel"));
        QCOMPARE(frame->windowTitle(), QStringLiteral("ORVANTE - [star.mel]"));
        QTest::keyClick(view->textView(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->windowTitle(), QStringLiteral("star.mel*"));
        // A window document marks its changes the same way.
        CDocument* design = run.app().docManager().openDocumentFile(makeFile(QStringLiteral("form.wnd")));
        QVERIFY(design);
        CMDIChildWnd* designWindow = run.app().docManager().activeFrame();
        QCOMPARE(designWindow->windowTitle(), QStringLiteral("form.wnd"));
        auto* designer = qobject_cast<CInterfaceEditorView*>(designWindow->activeView());
        QVERIFY(designer);
        designer->renameElement(*designer->window().children().front(), "renamed");
        QCOMPARE(designWindow->windowTitle(), QStringLiteral("form.wnd*"));
        script->setModifiedFlag(false);
        design->setModifiedFlag(false);
    }

    void theGuideNamesEveryCommandKeyAndSendToMaya()
    {
        QFile file(QStringLiteral(ORVANTE_DATABASE_DIR "/../Help/index.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString guide = QString::fromUtf8(file.readAll());
        QVERIFY(!guide.contains(QStringLiteral("never talks to Maya")));
        QVERIFY(guide.contains(QStringLiteral("Send to Maya")));
        // The keys named in the first column of the guide's key table.
        const qsizetype from = guide.indexOf(QStringLiteral("<section id=\"keys\">"));
        const QString table = guide.mid(from, guide.indexOf(QStringLiteral("</section>"), from) - from);
        QSet<QString> named;
        static const QRegularExpression firstCell(QStringLiteral("<tr><td>([^<]*)</td>"));
        for (const QRegularExpressionMatch& row : firstCell.globalMatch(table)) {
            for (QString keys : row.captured(1).split(QStringLiteral(", "))) {
                // "Ctrl+0 &hellip; Ctrl+9" stands for the ten keys.
                const QStringList range = keys.split(QStringLiteral(" &hellip; "));
                if (range.size() == 2 && range[0].endsWith(QLatin1Char('0')) && range[1].endsWith(QLatin1Char('9'))) {
                    for (int digit = 0; digit <= 9; ++digit)
                        named << range[0].chopped(1) + QString::number(digit);
                } else {
                    named << keys;
                }
            }
        }
        // Keys as the guide spells them.
        const auto spelt = [](const QKeySequence& key) {
            return key.toString(QKeySequence::PortableText)
                .replace(QStringLiteral("Del"), QStringLiteral("Delete"))
                .replace(QStringLiteral("Ins"), QStringLiteral("Insert"))
                .replace(QStringLiteral("Backtab"), QStringLiteral("Tab"));
        };
        QStringList missing;
        for (const CommandInfo& info : commandTable())
            for (const QKeySequence& key : commandShortcuts(info))
                if (!named.contains(spelt(key)))
                    missing << spelt(key);
        // Every key of the editor's own table but the plain cursor moves, Delete and Backspace.
        const auto isPlainEditing = [](int id) {
            using namespace editor_command;
            return (id >= kCharLeft && id <= kTextEnd + 1) || id == kDelete || id == kBackspace || id == kWordBackspace;
        };
        for (const int first : {37000, 37100, 37200, 57600})
            for (int id = first; id < first + 100; ++id)
                if (const QKeySequence key = editor_command::keyOfCommand(id); !key.isEmpty() && !isPlainEditing(id))
                    if (!named.contains(spelt(key)))
                        missing << spelt(key);
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the guide's key table: ") + missing.join(QStringLiteral(", "))));
    }

private:
    // Without content: a window with its layout for ".wnd", a line of script otherwise.
    QString makeFile(const QString& name) const
    {
        const QString path = m_dir->filePath(name);
        const QByteArray bytes = name.endsWith(QStringLiteral(".wnd"))
                                     ? "[ORVANTE 0.4]\r\n[UI_Window]\r\n[window]\r\nWindow\r\n1\r\n\t[columnLayout]\r\n"
                                       "\tColumnLayout0\r\n\t1\r\n[EUI]\r\n"
                                     : "proc hello() {}";
        return test::writeFile(path, bytes) ? path : QString();
    }

    static QStringList openTitles(AppRun& run)
    {
        QStringList titles;
        for (const CDocument* doc : run.app().docManager().documents())
            titles << doc->title();
        return titles;
    }

    // The entries of the Window menu as it shows when opened.
    static QStringList windowMenuTexts(CMainFrame* frame)
    {
        QStringList texts;
        for (QAction* top : frame->menuBar()->actions()) {
            if (!top->menu() || top->text() != QStringLiteral("&Window"))
                continue;
            emit top->menu()->aboutToShow();
            for (const QAction* item : top->menu()->actions())
                texts << item->text();
        }
        return texts;
    }

    std::unique_ptr<MemoryProfile> m_profile;
    std::unique_ptr<QTemporaryDir> m_dir;
};

ORVANTE_GUI_TEST_MAIN(MainFrameEverydayTest)

#include "main_frame_everyday_test.moc"
