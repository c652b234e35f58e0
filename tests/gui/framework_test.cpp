// The document/view layer on its own: resource strings, untitled names, view notices, the New
// choice, Save As and the standard messages of failed saves.
#include "AppTestSupport.h"
#include "GuiTestMain.h"

#include "app/PlaceholderDocument.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CView.h"

#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QTemporaryDir>

using namespace orv;
using orv::test::MessageBoxAnswer;

namespace {

// A view that records what the framework tells it.
class RecordingView : public CView {
public:
    using CView::CView;
    QStringList notices;
    void onInitialUpdate() override { notices << QStringLiteral("initial"); }
    void onUpdate(CView*, int hint) override { notices << QStringLiteral("update %1").arg(hint); }
    void onActivateView(bool activate) override { notices << (activate ? QStringLiteral("on") : QStringLiteral("off")); }
};

// Answers the next modal dialog of type Dialog through the given step.
template <typename Dialog>
void answerDialog(QObject* context, std::function<void(Dialog*)> step)
{
    QTimer::singleShot(0, context, [context, step] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            step(dialog);
        else
            answerDialog<Dialog>(context, step);
    });
}

} // namespace

class FrameworkTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void resourceStringGivesItsSevenFields();
    void newDocumentsAreNumberedPerType();
    void viewsHearActivationAndUpdates();
    void newCommandOffersTheDocumentTypes();
    void saveAsAsksForANameAndAddsTheExtension();
    void failedSaveKeepsTheOldFileAndTheModifiedFlag();

private:
    CDocTemplate* addTemplate(int id, const char* resourceString);

    std::unique_ptr<QMainWindow> m_window;
    QMdiArea* m_area = nullptr;
    CDocManager* m_docs = nullptr;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void FrameworkTest::init()
{
    m_window = std::make_unique<QMainWindow>();
    m_area = new QMdiArea(m_window.get());
    m_window->setCentralWidget(m_area);
    m_docs = new CDocManager(m_window.get());
    m_docs->setMdiArea(m_area);
    m_window->resize(800, 600);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_dir = std::make_unique<QTemporaryDir>();
}

void FrameworkTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

CDocTemplate* FrameworkTest::addTemplate(int id, const char* resourceString)
{
    CDocTemplate::Factories factories;
    factories.document = [](QObject* parent) -> CDocument* { return new PlaceholderDocument(parent); };
    factories.frame = []() -> CMDIChildWnd* { return new CMDIChildWnd; };
    factories.view = [](CDocument* doc) -> CView* { return new RecordingView(doc); };
    return new CDocTemplate(id, QString::fromLatin1(resourceString), std::move(factories), m_docs);
}

void FrameworkTest::resourceStringGivesItsSevenFields()
{
    using S = CDocTemplate::DocString;
    CDocTemplate* t = addTemplate(129, "\nScript\nScript\nORVANTE Script Files (*.mel)\n.mel\nORVANTE.Script\nORVANTE Script");
    QCOMPARE(t->docString(S::windowTitle), QString());
    QCOMPARE(t->docString(S::docName), QStringLiteral("Script"));
    QCOMPARE(t->docString(S::fileNewName), QStringLiteral("Script"));
    QCOMPARE(t->docString(S::filterName), QStringLiteral("ORVANTE Script Files (*.mel)"));
    QCOMPARE(t->docString(S::filterExt), QStringLiteral(".mel"));
    QCOMPARE(t->docString(S::regFileTypeId), QStringLiteral("ORVANTE.Script"));
    QCOMPARE(t->docString(S::regFileTypeName), QStringLiteral("ORVANTE Script"));

    // A short string leaves the missing fields empty; a template without an extension matches nothing.
    CDocTemplate* bare = addTemplate(140, "\nBare");
    QCOMPARE(bare->docString(S::regFileTypeName), QString());
    QVERIFY(!bare->matchesExtension(QStringLiteral("x.mel")));
    QVERIFY(t->matchesExtension(QStringLiteral("/a/b/X.MEL")));
    QVERIFY(!t->matchesExtension(QStringLiteral("/a/b.mel/readme")));
}

void FrameworkTest::newDocumentsAreNumberedPerType()
{
    CDocTemplate* script = addTemplate(129, "\nScript\nScript\nS (*.mel)\n.mel\nS\nS");
    CDocTemplate* window = addTemplate(130, "\nWindow\nWindow\nW (*.wnd)\n.wnd\nW\nW");
    QCOMPARE(script->openDocumentFile(QString())->title(), QStringLiteral("Script1"));
    QCOMPARE(window->openDocumentFile(QString())->title(), QStringLiteral("Window1"));
    CDocument* second = script->openDocumentFile(QString());
    QCOMPARE(second->title(), QStringLiteral("Script2"));
    QVERIFY(second->pathName().isEmpty());
    QCOMPARE(m_docs->documents().size(), 3);
    // Closing does not give a number back.
    second->onCloseDocument();
    QTRY_COMPARE(m_docs->documents().size(), 2);
    QCOMPARE(script->openDocumentFile(QString())->title(), QStringLiteral("Script3"));
}

void FrameworkTest::viewsHearActivationAndUpdates()
{
    CDocTemplate* script = addTemplate(129, "\nScript\nScript\nS (*.mel)\n.mel\nS\nS");
    CDocument* first = script->openDocumentFile(QString());
    auto* firstView = static_cast<RecordingView*>(first->views().first());
    CDocument* second = script->openDocumentFile(QString());
    auto* secondView = static_cast<RecordingView*>(second->views().first());
    QCOMPARE(firstView->notices, (QStringList{"initial", "on", "off"}));
    QCOMPARE(secondView->notices, (QStringList{"initial", "on"}));

    m_area->setActiveSubWindow(firstView->parentFrame());
    QCOMPARE(secondView->notices.last(), QStringLiteral("off"));
    QCOMPARE(firstView->notices.last(), QStringLiteral("on"));
    QCOMPARE(m_docs->activeDocument(), first);

    // A second view of the first document; an update from one view reaches the other only.
    script->createAndShowFrame(first);
    auto* other = static_cast<RecordingView*>(first->views().last());
    first->updateAllViews(firstView, 7);
    QCOMPARE(other->notices.last(), QStringLiteral("update 7"));
    QVERIFY(!firstView->notices.contains(QStringLiteral("update 7")));
}

void FrameworkTest::newCommandOffersTheDocumentTypes()
{
    addTemplate(129, "\nScript\nScript\nS (*.mel)\n.mel\nS\nS");
    addTemplate(130, "\nWindow\nWindow\nW (*.wnd)\n.wnd\nW\nW");
    QStringList offered;
    answerDialog<QInputDialog>(this, [&offered](QInputDialog* dialog) {
        offered = dialog->comboBoxItems();
        auto* combo = dialog->findChild<QComboBox*>();
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    CDocument* doc = m_docs->onFileNew();
    QCOMPARE(offered, (QStringList{"Script", "Window"}));
    QVERIFY(doc);
    QCOMPARE(doc->title(), QStringLiteral("Window1"));

    answerDialog<QInputDialog>(this, [](QInputDialog* dialog) { dialog->reject(); });
    QCOMPARE(m_docs->onFileNew(), nullptr);
    QCOMPARE(m_docs->documents().size(), 1);
}

void FrameworkTest::saveAsAsksForANameAndAddsTheExtension()
{
    QString usedPath;
    connect(m_docs, &CDocManager::fileUsed, this, [&usedPath](const QString& p) { usedPath = p; });
    CDocTemplate* script = addTemplate(129, "\nScript\nScript\nORVANTE Script Files (*.mel)\n.mel\nS\nS");
    CDocument* doc = script->openDocumentFile(QString());
    doc->setModifiedFlag(true);
    const QString target = m_dir->filePath(QStringLiteral("saved"));
    answerDialog<QFileDialog>(this, [target](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(target);
        QTest::keyClick(name, Qt::Key_Return);
    });
    QVERIFY(doc->doFileSave());
    QCOMPARE(doc->pathName(), target + QStringLiteral(".mel"));
    QCOMPARE(doc->title(), QStringLiteral("saved.mel"));
    QVERIFY(!doc->isModified());
    QVERIFY(QFile::exists(target + QStringLiteral(".mel")));
    QCOMPARE(usedPath, target + QStringLiteral(".mel"));
    QCOMPARE(doc->views().first()->parentFrame()->windowTitle(), QStringLiteral("saved.mel"));
}

void FrameworkTest::failedSaveKeepsTheOldFileAndTheModifiedFlag()
{
    CDocTemplate* script = addTemplate(129, "\nScript\nScript\nS (*.mel)\n.mel\nS\nS");
    CDocument* doc = script->openDocumentFile(QString());
    doc->setModifiedFlag(true);
    {
        const QString nowhere = m_dir->filePath(QStringLiteral("no/such/folder/x.mel"));
        MessageBoxAnswer ok(QMessageBox::Ok);
        QVERIFY(!doc->doSave(nowhere));
        QVERIFY(ok.seen());
        QCOMPARE(ok.text(), QStringLiteral("%1 contains an incorrect path.").arg(nowhere));
    }
    QVERIFY(doc->isModified());
    QVERIFY(doc->pathName().isEmpty());

    // A folder the user may not write to: the old file stays as it was.
    QDir(m_dir->path()).mkdir(QStringLiteral("locked"));
    const QString locked = m_dir->filePath(QStringLiteral("locked/old.mel"));
    QFile old(locked);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old text");
    old.close();
    QFile::setPermissions(m_dir->filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    if (QFileInfo(locked).isWritable())
        QSKIP("running with rights that ignore file permissions");
    {
        MessageBoxAnswer ok(QMessageBox::Ok);
        QVERIFY(!doc->doSave(locked));
        QVERIFY(ok.seen());
        QCOMPARE(ok.text(), QStringLiteral("Access to %1 was denied.").arg(locked));
    }
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old text"));
    QVERIFY(doc->isModified());
    QFile::setPermissions(m_dir->filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    doc->setModifiedFlag(false);
}

ORVANTE_GUI_TEST_MAIN(FrameworkTest)
#include "framework_test.moc"
