// Projects: the empty ".mp" document and its own view, the project explorer's Navigator menu,
// order, folder pictures and renaming, and the two-page project wizard.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "TestFiles.h"

#include "app/AppIds.h"
#include "app/Panes.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "project/CProjectView.h"
#include "project/CWizardPage.h"
#include "project/ProjectExplorerTree.h"
#include "settings/Profile.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace orv;

namespace {

QStringList childTexts(const QTreeWidgetItem* parent)
{
    QStringList texts;
    for (int i = 0; i < parent->childCount(); ++i)
        texts << parent->child(i)->text(0);
    return texts;
}

// Right-clicks the tree at where and picks command from the menu that opens, by mouse; false
// when no menu opened.
bool chooseFromMenu(QTreeWidget* tree, QPoint where, const QString& command)
{
    bool shown = false;
    QTimer::singleShot(0, tree, [&shown, command] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        shown = true;
        for (QAction* action : menu->actions())
            if (action->text() == command)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        if (menu->isVisible())
            menu->close();
    });
    // What the window system sends for a right click.
    QContextMenuEvent event(QContextMenuEvent::Mouse, where, tree->viewport()->mapToGlobal(where));
    QApplication::sendEvent(tree->viewport(), &event);
    return shown;
}

QPoint centreOf(QTreeWidget* tree, QTreeWidgetItem* item)
{
    return tree->visualItemRect(item).center();
}

// Below every item: where a right click finds none.
QPoint emptyPlace(QTreeWidget* tree)
{
    return {10, tree->viewport()->height() - 5};
}

} // namespace

class ProjectsTest : public QObject {
    Q_OBJECT

private slots:
    void anyMpFileOpensInTheProjectView();
    void aSavedProjectIsZeroBytes();
    void navigatorMenuAddsSortedChildren();
    void noMenuOnWindowsAndScripts();
    void folderPicturesFollowExpandAndCollapse();
    void renamingInPlaceKeepsANonEmptyName();
    void wizardPagesShowTheirCaptionsAndButtons();
};

void ProjectsTest::anyMpFileOpensInTheProjectView()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.mp"));
    QVERIFY(test::writeFile(path, QByteArray("\x00\xff not a project at all", 24)));

    MemoryProfile profile;
    test::AppRun run(profile);
    CDocument* doc = run.app().docManager().openDocumentFile(path);
    QVERIFY(doc);
    QCOMPARE(doc->docTemplate()->resourceId(), int(MenuId::project));
    auto* view = qobject_cast<CProjectView*>(run.app().docManager().activeView());
    QVERIFY2(view, "a project window shows the project view");
    QCOMPARE(view->lines().value(0), QStringLiteral("game.mp"));
    QVERIFY(view->lines().join(QLatin1Char(' ')).contains(QDir::toNativeSeparators(path)));
    QVERIFY(!doc->isModified());
    doc->onCloseDocument();
}

void ProjectsTest::aSavedProjectIsZeroBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.mp"));
    QVERIFY(test::writeFile(path, "left over"));

    MemoryProfile profile;
    test::AppRun run(profile);
    CDocTemplate* projects = run.app().docManager().templates().value(2);
    QCOMPARE(projects->resourceId(), int(MenuId::project));
    CDocument* doc = projects->openDocumentFile(QString());
    QVERIFY(doc->doSave(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    const QString fresh = dir.filePath(QStringLiteral("new.mp"));
    QVERIFY(doc->doSave(fresh));
    QVERIFY(QFileInfo::exists(fresh));
    QCOMPARE(QFileInfo(fresh).size(), 0);
    doc->onCloseDocument();
}

void ProjectsTest::navigatorMenuAddsSortedChildren()
{
    MemoryProfile profile;
    test::AppRun run(profile);
    auto* tree = qobject_cast<ProjectExplorerTree*>(run.frame()->projectExplorerPane()->widget());
    QVERIFY2(tree, "the project explorer pane holds the project tree");
    run.frame()->projectExplorerPane()->show();
    QVERIFY(QTest::qWaitForWindowExposed(run.frame()));
    QCOMPARE(tree->topLevelItemCount(), 0);

    // On an empty explorer the item becomes a root item.
    QVERIFY(chooseFromMenu(tree, emptyPlace(tree), QStringLiteral("New Folder")));
    QCOMPARE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* folder = tree->topLevelItem(0);
    QCOMPARE(folder->text(0), QStringLiteral("Folder1"));
    QCOMPARE(ProjectExplorerTree::imageOf(folder), ProjectImage::closedFolder);

    for (const char* command : {"New MEL Script", "New Window", "New Folder", "Insert Document"})
        QVERIFY(chooseFromMenu(tree, centreOf(tree, folder), QString::fromLatin1(command)));
    QCOMPARE(childTexts(folder), (QStringList{"Folder1", "Window1", "MEL script 1"}));
    QVERIFY(folder->isExpanded());
    QCOMPARE(ProjectExplorerTree::imageOf(folder), ProjectImage::openFolder);

    // Where there is no item the first root item is used.
    QVERIFY(chooseFromMenu(tree, emptyPlace(tree), QStringLiteral("New Window")));
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(childTexts(folder), (QStringList{"Folder1", "Window1", "Window1", "MEL script 1"}));
}

void ProjectsTest::noMenuOnWindowsAndScripts()
{
    ProjectExplorerTree tree;
    tree.resize(200, 200);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QTreeWidgetItem* script = tree.runNavigatorCommand(nullptr, NavigatorCommand::newScript);
    QTreeWidgetItem* window = tree.runNavigatorCommand(nullptr, NavigatorCommand::newWindow);
    QCOMPARE(tree.topLevelItem(0), window);
    QVERIFY(!chooseFromMenu(&tree, centreOf(&tree, script), QStringLiteral("New Folder")));
    QVERIFY(!chooseFromMenu(&tree, centreOf(&tree, window), QStringLiteral("New Folder")));
    QCOMPARE(tree.topLevelItemCount(), 2);
    QCOMPARE(script->childCount() + window->childCount(), 0);
}

void ProjectsTest::folderPicturesFollowExpandAndCollapse()
{
    ProjectExplorerTree tree;
    tree.resize(200, 200);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QTreeWidgetItem* folder = tree.runNavigatorCommand(nullptr, NavigatorCommand::newFolder);
    tree.runNavigatorCommand(folder, NavigatorCommand::newScript);
    QCOMPARE(ProjectExplorerTree::imageOf(folder), ProjectImage::openFolder);
    tree.setCurrentItem(folder);
    tree.setFocus();
    QTest::keyClick(&tree, Qt::Key_Left);
    QVERIFY(!folder->isExpanded());
    QCOMPARE(ProjectExplorerTree::imageOf(folder), ProjectImage::closedFolder);
    QTest::keyClick(&tree, Qt::Key_Right);
    QCOMPARE(ProjectExplorerTree::imageOf(folder), ProjectImage::openFolder);
}

void ProjectsTest::renamingInPlaceKeepsANonEmptyName()
{
    ProjectExplorerTree tree;
    tree.resize(200, 200);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QTreeWidgetItem* folder = tree.runNavigatorCommand(nullptr, NavigatorCommand::newFolder);
    tree.setCurrentItem(folder);
    tree.setFocus();
    const auto rename = [&tree](const QString& text) {
        QTest::keyClick(&tree, Qt::Key_F2);
        auto* editor = tree.findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!tree.findChild<QLineEdit*>() || !tree.findChild<QLineEdit*>()->isVisible());
    };
    rename(QStringLiteral("Scripts"));
    QCOMPARE(folder->text(0), QStringLiteral("Scripts"));
    rename(QString());
    QCOMPARE(folder->text(0), QStringLiteral("Scripts"));
}

void ProjectsTest::wizardPagesShowTheirCaptionsAndButtons()
{
    test::ScriptedPrompts prompts;
    ProjectWizard wizard(prompts);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    const auto shown = [&wizard](QWizard::WizardButton which) {
        return wizard.button(which)->isVisible();
    };
    const auto enabled = [&wizard](QWizard::WizardButton which) {
        return wizard.button(which)->isEnabled();
    };
    // The first page goes on only: Back is there, disabled.
    QCOMPARE(wizard.windowTitle(), QStringLiteral("ORVANTE Project Wizard - step 1/2"));
    QVERIFY(shown(QWizard::NextButton) && enabled(QWizard::NextButton));
    QVERIFY(shown(QWizard::BackButton) && !enabled(QWizard::BackButton));
    QVERIFY(!shown(QWizard::FinishButton));

    // "..." asks for a folder from none and shows the one chosen.
    CWizardPage* first = wizard.wizardPage(0);
    prompts.expectFolder(QStringLiteral("/home/me/projects/"));
    QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("browse")), Qt::LeftButton);
    QVERIFY(prompts.verifyAllCame());
    QCOMPARE(prompts.lastText(), QString());
    QCOMPARE(first->location(), QStringLiteral("/home/me/projects/"));
    QCOMPARE(first->findChild<QLineEdit*>(QStringLiteral("location"))->text(), QStringLiteral("/home/me/projects/"));
    // A cancelled folder dialog keeps the folder.
    prompts.expectFolder(QString());
    QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("browse")), Qt::LeftButton);
    QCOMPARE(first->location(), QStringLiteral("/home/me/projects/"));

    QTest::mouseClick(wizard.button(QWizard::NextButton), Qt::LeftButton);
    QCOMPARE(wizard.windowTitle(), QStringLiteral("ORVANTE Project Wizard - step 2/2"));
    QVERIFY(shown(QWizard::BackButton) && enabled(QWizard::BackButton));
    QVERIFY(shown(QWizard::FinishButton));
    QVERIFY(!shown(QWizard::NextButton));
    QTest::mouseClick(wizard.button(QWizard::BackButton), Qt::LeftButton);
    QCOMPARE(wizard.windowTitle(), QStringLiteral("ORVANTE Project Wizard - step 1/2"));
    // Back on the first page, Back is disabled again.
    QVERIFY(shown(QWizard::BackButton) && !enabled(QWizard::BackButton));
    QVERIFY(shown(QWizard::NextButton));
    QVERIFY(!shown(QWizard::FinishButton));
    QTest::mouseClick(wizard.button(QWizard::NextButton), Qt::LeftButton);
    QTest::mouseClick(wizard.button(QWizard::FinishButton), Qt::LeftButton);
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
}

ORVANTE_GUI_TEST_MAIN(ProjectsTest)
#include "projects_test.moc"
