// New and Open as the application runs them: the New dialog's choice makes a script or a
// window, refuses a project and asks again, and a file of any other extension opens as a script.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "TestFiles.h"

#include "app/AppIds.h"
#include "app/CNewFileDialog.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "settings/Profile.h"

#include <QFile>
#include <QTemporaryDir>

using namespace orv;

namespace {

int kindOf(const CDocument* doc)
{
    return doc && doc->docTemplate() ? doc->docTemplate()->resourceId() : 0;
}

} // namespace

class NewAndOpenTest : public QObject {
    Q_OBJECT

private slots:
    void newCreatesTheChosenKind_data();
    void newCreatesTheChosenKind();
    void aProjectIsRefusedAndTheDialogComesAgain();
    void anyOtherExtensionOpensAsAScript();
};

void NewAndOpenTest::newCreatesTheChosenKind_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("script") << int(NewFileKind::script) << int(MenuId::script) << QStringLiteral("Script1");
    QTest::newRow("window") << int(NewFileKind::window) << int(MenuId::window) << QStringLiteral("Window1");
}

void NewAndOpenTest::newCreatesTheChosenKind()
{
    QFETCH(int, chosen);
    QFETCH(int, kind);
    QFETCH(QString, title);
    MemoryProfile profile;
    test::AppRun run(profile);
    run.prompts().expectNewFileType(chosen);
    run.frame()->action(CommandId::fileNew)->trigger();
    QVERIFY(run.prompts().verifyAllCame());
    const QList<CDocument*> docs = run.app().docManager().documents();
    QCOMPARE(docs.size(), 1);
    QCOMPARE(kindOf(docs.first()), kind);
    QCOMPARE(docs.first()->title(), title);
    docs.first()->onCloseDocument();
}

void NewAndOpenTest::aProjectIsRefusedAndTheDialogComesAgain()
{
    MemoryProfile profile;
    test::AppRun run(profile);
    run.prompts().expectNewFileType(int(NewFileKind::project));
    run.prompts().expectMessage();
    run.prompts().expectNewFileType(int(NewFileKind::project));
    run.prompts().expectMessage();
    run.prompts().expectNewFileType(std::nullopt);
    run.frame()->action(CommandId::fileNew)->trigger();
    QVERIFY(run.prompts().verifyAllCame());
    QCOMPARE(run.prompts().texts().value(1), QStringLiteral("Not yet available in this version"));
    QVERIFY(run.app().docManager().documents().isEmpty());
}

void NewAndOpenTest::anyOtherExtensionOpensAsAScript()
{
    QTemporaryDir dir;
    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    QVERIFY(test::writeFile(notes, "print \"hi\";\n"));

    MemoryProfile profile;
    test::AppRun run(profile);
    run.prompts().expectFileToOpen(notes);
    run.frame()->action(CommandId::fileOpen)->trigger();
    QVERIFY(run.prompts().verifyAllCame());
    QCOMPARE(run.prompts().lastText(), QString::fromLatin1(shell::kOpenFilter));
    CDocument* doc = run.app().docManager().activeDocument();
    QCOMPARE(kindOf(doc), int(MenuId::script));
    QCOMPARE(doc->pathName(), notes);
    doc->onCloseDocument();
}

ORVANTE_GUI_TEST_MAIN(NewAndOpenTest)
#include "new_and_open_test.moc"
