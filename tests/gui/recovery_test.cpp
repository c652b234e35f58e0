// Nothing a user typed is lost: the text of a changed document is in its recovery file after a
// rest in typing and goes when it is saved or closed; the next start offers what a run that
// ended left behind and opens the chosen documents modified, under their own names; and a
// program ended by a signal (the same program, started again as a child) leaves what was typed.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "TestFiles.h"

#include "app/QtPrompts.h"
#include "designer/CInterfaceEditorView.h"
#include "designer/CWindowDoc.h"
#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CMDIChildWnd.h"
#include "framework/DocumentRecovery.h"
#include "framework/FatalSignals.h"
#include "recovery/RecoveryStore.h"
#include "uimodel/WindowFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace orv;
using test::AppRun;

namespace {

constexpr const char* kChildSwitch = "--recovery-child";
constexpr const char* kTypedInChild = "print \"typed before the end\";";

std::string recoveryFolder()
{
    return recoveryRoot(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string bytesOf(const QString& text)
{
    return text.toStdString();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

RecoveredDocument readRecoveryFile(const std::string& file)
{
    const QByteArray bytes = fileBytes(QString::fromStdString(file));
    const RecoveryFileRead read = parseRecoveryFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return read.document.value_or(RecoveredDocument{});
}

// The session folders under the recovery folder (a run that keeps nothing leaves none).
QStringList sessionFolders()
{
    return QDir(QString::fromStdString(recoveryFolder())).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

CMELEditorView* scriptView(AppRun& run)
{
    return qobject_cast<CMELEditorView*>(run.app().docManager().activeFrame()->activeView());
}

CDocTemplate* templateOf(AppRun& run, const char* extension)
{
    for (CDocTemplate* t : run.app().docManager().templates())
        if (t->docString(CDocTemplate::DocString::filterExt) == QLatin1String(extension))
            return t;
    return nullptr;
}

// A run that ended without clearing its recovery folder, as a crash leaves it.
void leaveEndedRun(const std::vector<RecoveredDocument>& documents)
{
    RecoverySession ended(recoveryFolder());
    std::string error;
    int n = 0;
    for (const RecoveredDocument& document : documents)
        QVERIFY2(ended.write(++n, formatRecoveryFile(document), error), error.c_str());
}

// The child: types into a new script, lets the text rest until it is ready (never long enough
// to be written), says so, then ends as told: by the parent's signal, a crash or an abort.
int runChild(const char* howToEnd)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "orvante";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    installFatalSignalRecovery();
    MemoryProfile profile;
    QtPrompts prompts;
    COrvanteApp orvante(profile, prompts);
    if (!orvante.InitInstance({QStringLiteral("orvante"), QStringLiteral("--no-splash")}))
        return 2;
    // The start settles first (it looks for documents to restore, and finds none).
    QTest::qWait(50);
    orvante.recovery().setDelays(std::chrono::milliseconds(10), std::chrono::hours(1));
    orvante.docManager().templates().front()->openDocumentFile(QString());
    auto* view = qobject_cast<CMELEditorView*>(orvante.docManager().activeFrame()->activeView());
    if (!view)
        return 3;
    QTest::keyClicks(view->textView(), QString::fromLatin1(kTypedInChild));
    QTest::qWait(300);
    std::puts("ready");
    std::fflush(stdout);
    if (qstrcmp(howToEnd, "crash") == 0) {
        int* volatile nowhere = nullptr;
        *nowhere = 1;
    }
    if (qstrcmp(howToEnd, "abort") == 0)
        std::abort();
    for (;;)
        QTest::qWait(1000);
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_profile = std::make_unique<MemoryProfile>(); }
    void cleanup()
    {
        m_profile.reset();
        std::error_code ec;
        std::filesystem::remove_all(recoveryFolder(), ec);
    }

    void aRestKeepsTheTextAndSavingOrClosingDropsIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rig.mel"));
        QVERIFY(test::writeFile(path, "print 1;\r\n"));
        {
            AppRun run(*m_profile);
            DocumentRecovery& recovery = run.app().recovery();
            recovery.setDelays(std::chrono::milliseconds(10), std::chrono::milliseconds(50));
            auto* doc = qobject_cast<CScriptDoc*>(run.app().docManager().openDocumentFile(path));
            QVERIFY(doc);
            CMELEditorView* view = scriptView(run);
            QTest::keyClicks(view->textView(), QStringLiteral("x"));
            QTRY_VERIFY(!recovery.recoveryFile(doc).empty());
            const std::string file = recovery.recoveryFile(doc);
            RecoveredDocument kept = readRecoveryFile(file);
            QCOMPARE(kept.content.text, std::string("xprint 1;\r\n"));
            QCOMPARE(kept.path, bytesOf(QFileInfo(path).absoluteFilePath()));
            QCOMPARE(kept.type, std::string(".mel"));
            QCOMPARE(kept.title, std::string("rig.mel"));
            // Each later rest writes the newer text.
            QTest::keyClicks(view->textView(), QStringLiteral("y"));
            QTRY_COMPARE(readRecoveryFile(file).content.text, std::string("xyprint 1;\r\n"));

            // Saved: the file goes at once.
            QTest::keyClick(view->textView(), Qt::Key_S, Qt::ControlModifier);
            QVERIFY(!QFile::exists(QString::fromStdString(file)));
            QVERIFY(recovery.recoveryFile(doc).empty());
            // Changed again and undone back to the saved text: nothing to keep either. (A blank
            // starts an undo group of its own; a letter would join the word typed before the save.)
            QTest::keyClicks(view->textView(), QStringLiteral(" "));
            QTRY_VERIFY(QFile::exists(QString::fromStdString(file)));
            QTest::keyClick(view->textView(), Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(!doc->isModified());
            QVERIFY(!QFile::exists(QString::fromStdString(file)));

            // Changed, then closed with its changes discarded: gone too.
            QTest::keyClicks(view->textView(), QStringLiteral("w"));
            QTRY_VERIFY(QFile::exists(QString::fromStdString(file)));
            run.prompts().expectAskToSave(Prompts::SaveAnswer::discard);
            run.app().docManager().activeFrame()->close();
            QVERIFY(!QFile::exists(QString::fromStdString(file)));
            QCOMPARE(fileBytes(path), QByteArray("xyprint 1;\r\n"));
        }
        // A run that ends with nothing unsaved leaves nothing behind.
        QCOMPARE(sessionFolders(), QStringList());
    }

    void aWindowDocumentKeepsItsWindowFile()
    {
        AppRun run(*m_profile);
        DocumentRecovery& recovery = run.app().recovery();
        recovery.setDelays(std::chrono::milliseconds(10), std::chrono::milliseconds(50));
        CDocument* doc = templateOf(run, ".wnd")->openDocumentFile(QString());
        auto* designer = qobject_cast<CInterfaceEditorView*>(run.app().docManager().activeFrame()->activeView());
        QVERIFY(designer);
        designer->renameElement(designer->window(), "keptWindow");
        QTRY_VERIFY(!recovery.recoveryFile(doc).empty());
        const RecoveredDocument kept = readRecoveryFile(recovery.recoveryFile(doc));
        QCOMPARE(kept.type, std::string(".wnd"));
        QCOMPARE(kept.path, std::string());
        QCOMPARE(kept.content.text, WriteWindowFile(static_cast<CWindowDoc*>(doc)->window()));
        QVERIFY(kept.content.text.find("keptWindow") != std::string::npos);
        doc->setModifiedFlag(false);
    }

    void theNextStartRestoresTheChosenDocumentsModified()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rig.mel"));
        QVERIFY(test::writeFile(path, "old text\r\n"));
        std::string window;
        {
            AppRun designing(*m_profile);
            CDocument* doc = templateOf(designing, ".wnd")->openDocumentFile(QString());
            static_cast<CWindowDoc*>(doc)->window().setName("restoredWindow");
            window = WriteWindowFile(static_cast<CWindowDoc*>(doc)->window());
        }
        const std::string form = bytesOf(dir.filePath(QStringLiteral("form.wnd")));
        leaveEndedRun({
            {".mel", bytesOf(path), "rig.mel", {"new text\r\nline 2", TextEncoding::utf8, LineEnd::crLf}},
            {".mel", "", "Script4", {"print \"caf\xE9\";\nx", TextEncoding::windows1252, LineEnd::lf}},
            {".wnd", form, "form.wnd", {window, TextEncoding::utf8, LineEnd::crLf}},
            {".mel", "/declined/d.mel", "d.mel", {"declined", TextEncoding::utf8, LineEnd::crLf}},
        });
        const QStringList ended = sessionFolders();
        QCOMPARE(ended.size(), 1);

        AppRun run(*m_profile);
        run.prompts().expectRestore({false, {0, 1, 2}});
        QTRY_COMPARE(run.app().docManager().documents().size(), 3);
        QVERIFY(run.prompts().verifyAllCame());
        const QStringList& offered = run.prompts().lastItems();
        QCOMPARE(offered.size(), 4);
        QVERIFY(offered[0].startsWith(QStringLiteral("rig.mel (") + QDir::toNativeSeparators(path)));
        QVERIFY(offered[1].startsWith(QStringLiteral("Script4 (never saved)")));

        CDocManager& docs = run.app().docManager();
        auto* script = qobject_cast<CScriptDoc*>(docs.documents()[0]);
        QVERIFY(script);
        QCOMPARE(script->pathName(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(script->title(), QStringLiteral("rig.mel"));
        QVERIFY(script->isModified());
        QCOMPARE(script->buffer().LineCount(), 2);
        QCOMPARE(script->buffer().LineText(0), std::string_view("new text"));
        QCOMPARE(int(script->buffer().LineEndStyle()), int(LineEnd::crLf));
        // The file itself is as it was until the user saves.
        QCOMPARE(fileBytes(path), QByteArray("old text\r\n"));

        auto* untitled = qobject_cast<CScriptDoc*>(docs.documents()[1]);
        QVERIFY(untitled);
        QVERIFY(untitled->pathName().isEmpty());
        QVERIFY(untitled->isModified());
        QCOMPARE(int(untitled->buffer().Encoding()), int(TextEncoding::windows1252));
        QCOMPARE(int(untitled->buffer().LineEndStyle()), int(LineEnd::lf));
        QCOMPARE(untitled->buffer().LineText(0), std::string_view("print \"caf\xE9\";"));
        // Modified for good: undo finds no saved state to return to.
        QVERIFY(!untitled->buffer().HasUndo());

        auto* windowDoc = qobject_cast<CWindowDoc*>(docs.documents()[2]);
        QVERIFY(windowDoc);
        QCOMPARE(windowDoc->window().name(), std::string("restoredWindow"));
        QCOMPARE(windowDoc->pathName(), QString::fromStdString(form));
        QVERIFY(windowDoc->isModified());
        QVERIFY(docs.activeFrame()->windowTitle().endsWith(QLatin1Char('*')));

        // The restored documents are kept by this run now; the ended run's folder, with the
        // declined document, is gone.
        for (CDocument* doc : docs.documents())
            QVERIFY(!run.app().recovery().recoveryFile(doc).empty());
        QVERIFY(!sessionFolders().contains(ended.front()));
        QCOMPARE(sessionFolders().size(), 1);

        for (CDocument* doc : docs.documents())
            doc->setModifiedFlag(false);
    }

    void askLaterKeepsThemAndDiscardAllRemovesThem()
    {
        leaveEndedRun({{".mel", "", "Script1", {"later", TextEncoding::utf8, LineEnd::crLf}}});
        {
            AppRun run(*m_profile);
            run.prompts().expectRestore({true, {}});
            QTRY_COMPARE(run.prompts().texts().size(), 1);
            QVERIFY(run.app().docManager().documents().isEmpty());
        }
        QCOMPARE(sessionFolders().size(), 1);
        {
            AppRun run(*m_profile);
            run.prompts().expectRestore({false, {}});
            QTRY_COMPARE(run.prompts().texts().size(), 1);
            QCOMPARE(run.prompts().lastItems().size(), 1);
            QVERIFY(run.app().docManager().documents().isEmpty());
        }
        QCOMPARE(sessionFolders(), QStringList());
        // Nothing is offered again.
        AppRun run(*m_profile);
        QTest::qWait(50);
    }

    void aDamagedRecoveryFileIsToldAndTheOthersOffered()
    {
        leaveEndedRun({{".mel", "", "Script1", {"whole", TextEncoding::utf8, LineEnd::crLf}},
                       {".mel", "", "Script2", {"cut", TextEncoding::utf8, LineEnd::crLf}}});
        const QString folder = QString::fromStdString(recoveryFolder()) + QLatin1Char('/') + sessionFolders().front();
        const QString cut = folder + QStringLiteral("/2.orvrec");
        QFile file(cut);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() - 10));
        file.close();

        AppRun run(*m_profile);
        run.prompts().expectError();
        run.prompts().expectRestore({false, {0}});
        QTRY_COMPARE(run.app().docManager().documents().size(), 1);
        QVERIFY(run.prompts().texts().front().contains(QDir::toNativeSeparators(cut) + QStringLiteral(".damaged")));
        QVERIFY(run.prompts().texts().front().contains(QStringLiteral("cut short")));
        QCOMPARE(run.prompts().lastItems().size(), 1);
        // Set aside, not removed.
        QVERIFY(QFile::exists(cut + QStringLiteral(".damaged")));
        run.app().docManager().documents().front()->setModifiedFlag(false);
    }

    void aProgramEndedBySignalLeavesWhatWasTyped_data()
    {
        QTest::addColumn<QString>("howToEnd");
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("kept");
        QTest::newRow("terminated") << QStringLiteral("wait") << int(SIGTERM) << true;
        QTest::newRow("crashed") << QStringLiteral("crash") << 0 << true;
        QTest::newRow("aborted") << QStringLiteral("abort") << 0 << true;
        // No handler runs for SIGKILL: nothing was written at a rest, so nothing is there.
        QTest::newRow("killed") << QStringLiteral("wait") << int(SIGKILL) << false;
    }

    void aProgramEndedBySignalLeavesWhatWasTyped()
    {
        QFETCH(QString, howToEnd);
        QFETCH(int, signal);
        QFETCH(bool, kept);
        QTemporaryDir home;
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        // Under AddressSanitizer the program's own handler takes the crash, as it does without.
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) +
                               QStringLiteral(":handle_segv=0:allow_user_segv_handler=1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildSwitch), howToEnd});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        while (!said.contains("ready") && child.state() == QProcess::Running && child.waitForReadyRead(20000))
            said += child.readAllStandardOutput();
        QVERIFY2(said.contains("ready"), said.constData());
        if (signal != 0)
            ::kill(static_cast<pid_t>(child.processId()), signal);
        QVERIFY(child.waitForFinished(20000));
        // Ended by the signal (or, under a sanitizer, by its report), never as if all went well.
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);

        const std::string root = recoveryRoot(bytesOf(home.filePath(QStringLiteral("data"))).c_str(), nullptr);
        const std::vector<AbandonedSession> sessions = claimAbandonedSessions(root, "");
        if (!kept) {
            QVERIFY(sessions.empty());
            return;
        }
        QCOMPARE(sessions.size(), std::size_t{1});
        QCOMPARE(sessions[0].entries().size(), std::size_t{1});
        QCOMPARE(sessions[0].entries()[0].document.content.text, std::string(kTypedInChild));
        QCOMPARE(sessions[0].entries()[0].document.title, std::string("Script1"));
    }

private:
    std::unique_ptr<MemoryProfile> m_profile;
};

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], kChildSwitch) == 0)
        return runChild(argv[2]);
    return orv::test::runGuiTest<RecoveryTest>(argc, argv);
}

#include "recovery_test.moc"
