// The document/view layer on its own: resource strings, untitled names, view notices, the New
// choice, Save As and the standard messages of failed saves, command states, settings changes.
#include "GuiTestMain.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"

#include "app/PlaceholderDocument.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CView.h"
#include "framework/SettingsService.h"

#include <QAction>
#include <QClipboard>
#include <QMainWindow>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace orv;
using orv::test::ScriptedPrompts;

namespace {

constexpr int kCut = 57635;
constexpr int kPaste = 57637;
constexpr int kSave = 57603;

// A view that records what the framework tells it. Like an editor it has a selection, which
// Cut needs, and takes text from the clipboard.
class RecordingView : public CView {
public:
    using CView::CView;
    QStringList notices;
    bool selected = false;
    int cuts = 0;

    void select(bool on)
    {
        selected = on;
        requestCommandUpdate();
    }
    void onInitialUpdate() override { notices << QStringLiteral("initial"); }
    void onUpdate(CView*, int hint) override { notices << QStringLiteral("update %1").arg(hint); }
    void onActivateView(bool activate) override { notices << (activate ? QStringLiteral("on") : QStringLiteral("off")); }
    void onSettingsChanged(SettingsChanges what) override
    {
        notices << QStringLiteral("settings %1").arg(what.toInt());
    }
    bool onUpdateCommand(int id, CommandState& state) const override
    {
        if (id == kCut)
            state.enabled = selected;
        else if (id == kPaste)
            state.enabled = !QGuiApplication::clipboard()->text().isEmpty();
        else
            return false;
        return true;
    }
    void onCommand(int id) override
    {
        if (id == kCut)
            ++cuts;
    }
};

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
    void commandStatesFollowTheViewWithoutAMenuOpening();
    void settingsDifferenceNamesWhatChanged();
    void settingsChangeReachesEveryOpenView();

private:
    CDocTemplate* addTemplate(int id, const char* resourceString);

    SettingsRecord m_record;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<SettingsService> m_settings;
    std::unique_ptr<QMainWindow> m_window;
    QMdiArea* m_area = nullptr;
    CDocManager* m_docs = nullptr;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void FrameworkTest::init()
{
    m_record = SettingsRecord{};
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_settings = std::make_unique<SettingsService>(m_record);
    m_window = std::make_unique<QMainWindow>();
    m_area = new QMdiArea(m_window.get());
    m_window->setCentralWidget(m_area);
    m_docs = new CDocManager(*m_prompts, *m_settings, m_window.get());
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
    m_settings.reset();
    m_prompts.reset();
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
    m_prompts->expectChoice(1);
    CDocument* doc = m_docs->onFileNew();
    QVERIFY(m_prompts->verifyAllCame());
    QCOMPARE(m_prompts->lastItems(), (QStringList{"Script", "Window"}));
    QCOMPARE(m_prompts->lastText(), QStringLiteral("New"));
    QVERIFY(doc);
    QCOMPARE(doc->title(), QStringLiteral("Window1"));

    m_prompts->expectChoice(std::nullopt);
    QCOMPARE(m_docs->onFileNew(), nullptr);
    QVERIFY(m_prompts->verifyAllCame());
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
    m_prompts->expectFileToSave(target);
    QVERIFY(doc->doFileSave());
    QVERIFY(m_prompts->verifyAllCame());
    QCOMPARE(m_prompts->lastText(), QStringLiteral("Script1"));
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
        m_prompts->expectError();
        QVERIFY(!doc->doSave(nowhere));
        QVERIFY(m_prompts->verifyAllCame());
        QCOMPARE(m_prompts->lastText(), QStringLiteral("%1 contains an incorrect path.").arg(nowhere));
    }
    QVERIFY(doc->isModified());
    QVERIFY(doc->pathName().isEmpty());

    // A folder the user may not write to: the old file stays as it was.
    QDir(m_dir->path()).mkdir(QStringLiteral("locked"));
    const QString locked = m_dir->filePath(QStringLiteral("locked/old.mel"));
    QVERIFY(test::writeFile(locked, "old text"));
    QFile::setPermissions(m_dir->filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    if (QFileInfo(locked).isWritable())
        QSKIP("running with rights that ignore file permissions");
    {
        m_prompts->expectError();
        QVERIFY(!doc->doSave(locked));
        QVERIFY(m_prompts->verifyAllCame());
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Access to %1 was denied.").arg(locked));
    }
    QFile old(locked);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old text"));
    QVERIFY(doc->isModified());
    QFile::setPermissions(m_dir->filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    doc->setModifiedFlag(false);
}

void FrameworkTest::commandStatesFollowTheViewWithoutAMenuOpening()
{
    CommandRegistry& commands = m_docs->commands();
    auto* cut = new QAction(m_window.get());
    auto* paste = new QAction(m_window.get());
    auto* save = new QAction(m_window.get());
    commands.addAction(kCut, cut);
    commands.addAction(kPaste, paste);
    commands.addAction(kSave, save);
    int fallbackCuts = 0;
    commands.setHandler(kCut, {[&fallbackCuts] { ++fallbackCuts; }, {}});
    commands.setHandler(kSave, {[] {}, [this] {
        const CDocument* doc = m_docs->activeDocument();
        return CommandState{doc && doc->isModified()};
    }});
    QGuiApplication::clipboard()->clear();

    CDocTemplate* script = addTemplate(129, "\nScript\nScript\nS (*.mel)\n.mel\nS\nS");
    CDocument* doc = script->openDocumentFile(QString());
    auto* view = static_cast<RecordingView*>(doc->views().first());
    QTRY_VERIFY(!save->isEnabled());
    QVERIFY(!cut->isEnabled());
    QVERIFY(!paste->isEnabled());

    // Several changes before the event loop runs bring the actions up to date once.
    QSignalSpy updates(&commands, &CommandRegistry::statesUpdated);
    view->select(true);
    doc->setModifiedFlag(true);
    view->select(true);
    QGuiApplication::clipboard()->setText(QStringLiteral("copied"));
    QCOMPARE(updates.size(), 0);
    QTRY_COMPARE(updates.size(), 1);
    QVERIFY(cut->isEnabled());
    QVERIFY(save->isEnabled());
    QVERIFY(paste->isEnabled());
    QTest::qWait(20);
    QCOMPARE(updates.size(), 1);

    cut->trigger();
    QCOMPARE(view->cuts, 1);

    // The view that handles Cut disables it without a selection: it does not run, and the
    // application's handler behind the view is not asked either.
    view->select(false);
    QTRY_VERIFY(!cut->isEnabled());
    QVERIFY(!commands.run(kCut));
    QCOMPARE(view->cuts, 1);
    QCOMPARE(fallbackCuts, 0);

    // With no document window the application's handler answers.
    doc->setModifiedFlag(false);
    doc->onCloseDocument();
    QTRY_VERIFY(m_docs->documents().isEmpty());
    QTRY_VERIFY(cut->isEnabled());
    QVERIFY(!paste->isEnabled());
    QVERIFY(commands.run(kCut));
    QCOMPARE(fallbackCuts, 1);
}

void FrameworkTest::settingsDifferenceNamesWhatChanged()
{
    using C = SettingsChange;
    const struct {
        const char* name;
        void (*edit)(SettingsRecord&);
        SettingsChanges expected;
    } cases[] = {
        {"nothing", [](SettingsRecord&) {}, {}},
        {"a colour", [](SettingsRecord& r) { r.colorStrings = 0x010203; }, C::colours},
        {"tab size", [](SettingsRecord& r) { r.indentSize = 8; }, C::tabSize},
        {"colouring", [](SettingsRecord& r) { r.setFlag(SettingsFlag::syntaxColoring, false); }, C::syntaxColoring},
        {"grid on", [](SettingsRecord& r) { r.setFlag(SettingsFlag::designerGrid, true); }, C::grid},
        {"grid pitch", [](SettingsRecord& r) { r.gridHeight = 5; }, C::grid},
        {"a default size", [](SettingsRecord& r) { r.listWidth = 300; }, C::sizes},
        {"maximized", [](SettingsRecord& r) { r.setFlag(SettingsFlag::childMaximized, false); }, C::windowStates},
        {"an export option", [](SettingsRecord& r) { r.setFlag(SettingsFlag::unixFormat, true); }, C::options},
        {"boolean style", [](SettingsRecord& r) { r.booleanStyle = BooleanStyle::zeroOne; }, C::options},
        {"two at once", [](SettingsRecord& r) { r.textHeight = 30; r.colorDefault = 0xFFFFFF; }, C::sizes | C::colours},
    };
    for (const auto& c : cases) {
        SettingsRecord after;
        c.edit(after);
        QVERIFY2(settingsDifference(SettingsRecord{}, after) == c.expected, c.name);
    }
}

void FrameworkTest::settingsChangeReachesEveryOpenView()
{
    CDocTemplate* script = addTemplate(129, "\nScript\nScript\nS (*.mel)\n.mel\nS\nS");
    CDocTemplate* window = addTemplate(130, "\nWindow\nWindow\nW (*.wnd)\n.wnd\nW\nW");
    auto* first = static_cast<RecordingView*>(script->openDocumentFile(QString())->views().first());
    auto* second = static_cast<RecordingView*>(window->openDocumentFile(QString())->views().first());
    QCOMPARE(m_docs->activeView(), second);

    m_settings->change([](SettingsRecord& r) {
        r.indentSize = 8;
        r.setFlag(SettingsFlag::syntaxColoring, false);
    });
    const QString told = QStringLiteral("settings %1").arg((SettingsChange::tabSize | SettingsChange::syntaxColoring).toInt());
    QCOMPARE(first->notices.last(), told);
    QCOMPARE(second->notices.last(), told);
    QCOMPARE(m_record.tabSize(), 8);

    // A change that changes nothing tells nobody.
    const qsizetype heard = first->notices.size();
    m_settings->setFlag(SettingsFlag::syntaxColoring, false);
    QCOMPARE(first->notices.size(), heard);
}

ORVANTE_GUI_TEST_MAIN(FrameworkTest)
#include "framework_test.moc"
