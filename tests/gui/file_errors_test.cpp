// Files that cannot be opened or saved as a document, for every document type: a pipe, a
// device, a folder, a loop of links, a file that is not there, a folder that is not there.
// Each is refused at once, and the message says what is wrong with the file.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "TestFiles.h"

#include "framework/CDocManager.h"
#include "framework/CDocument.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace orv;

class FileErrorsTest : public QObject {
    Q_OBJECT

private slots:
    void anOpenThatCannotBeSaysWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        // name: a file of the temporary folder made by makeProblem; %1 in message: its path.
        for (const char* extension : {"mel", "wnd", "icm", "mp"}) {
            const QString ext = QString::fromLatin1(extension);
            QTest::addRow("pipe.%s", extension)
                << "pipe." + ext << "Failed to open document.\n\ncannot read \"%1\": not a regular file";
            QTest::addRow("zero.%s", extension)
                << "zero." + ext << "Failed to open document.\n\ncannot read \"%1\": not a regular file";
            QTest::addRow("folder.%s", extension)
                << "folder." + ext << "Failed to open document.\n\ncannot read \"%1\": not a regular file";
            QTest::addRow("loop.%s", extension)
                << "loop." + ext << "Failed to open document.\n\ncannot open \"%1\": Too many levels of symbolic links";
            QTest::addRow("gone.%s", extension) << "gone." + ext << "%1 was not found.";
            QTest::addRow("dangling.%s", extension) << "dangling." + ext << "%1 was not found.";
        }
    }

    void anOpenThatCannotBeSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = makeProblem(dir, name);
        MemoryProfile profile;
        test::AppRun run(profile);
        run.prompts().expectError();
        QVERIFY(!run.app().docManager().openDocumentFile(path));
        QVERIFY(run.prompts().verifyAllCame());
        QCOMPARE(run.prompts().lastText(), message.arg(path));
        QVERIFY(run.app().docManager().documents().isEmpty());
    }

    // An icon or a project that cannot be written says why, as a script or a window does.
    void aSaveThatFailsSaysWhy_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::newRow("icon") << QStringLiteral("icm");
        QTest::newRow("project") << QStringLiteral("mp");
    }

    void aSaveThatFailsSaysWhy()
    {
        QFETCH(QString, extension);
        QTemporaryDir dir;
        const QString path = dir.filePath("kept." + extension);
        QVERIFY(test::writeFile(path, ""));
        MemoryProfile profile;
        test::AppRun run(profile);
        CDocument* doc = run.app().docManager().openDocumentFile(path);
        QVERIFY(doc);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        run.prompts().expectError();
        QVERIFY(!doc->doSave(path));
        QVERIFY(run.prompts().verifyAllCame());
        QCOMPARE(run.prompts().lastText(),
                 QStringLiteral("Failed to save document.\n\ncannot replace \"%1\": the file is read-only").arg(path));
        doc->onCloseDocument();
    }

private:
    // A file of the kind its name says, in dir: a pipe, a link to /dev/zero, a folder, a link
    // to itself, nothing, or a link to nothing.
    static QString makeProblem(const QTemporaryDir& dir, const QString& name)
    {
        const QString path = dir.filePath(name);
        const QByteArray bytes = QFile::encodeName(path);
        if (name.startsWith(QStringLiteral("pipe")))
            [&] { QVERIFY(::mkfifo(bytes.constData(), 0644) == 0); }();
        else if (name.startsWith(QStringLiteral("zero")))
            [&] { QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path)); }();
        else if (name.startsWith(QStringLiteral("folder")))
            [&] { QVERIFY(QDir(dir.path()).mkdir(name)); }();
        else if (name.startsWith(QStringLiteral("loop")))
            [&] { QVERIFY(QFile::link(path, path)); }();
        else if (name.startsWith(QStringLiteral("dangling")))
            [&] { QVERIFY(QFile::link(dir.filePath(QStringLiteral("nothing")), path)); }();
        return path;
    }
};

ORVANTE_GUI_TEST_MAIN(FileErrorsTest)
#include "file_errors_test.moc"
