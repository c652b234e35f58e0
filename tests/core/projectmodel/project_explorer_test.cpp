// The project explorer's rules, the wizard's buttons and the folder dialog's result.
#include "projectmodel/FolderPath.h"
#include "projectmodel/ProjectExplorer.h"
#include "projectmodel/WizardPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace orv;

TEST(ProjectExplorer, NavigatorCommandsInsertTheirFixedItems)
{
    EXPECT_STREQ(newProjectItem(NavigatorCommand::newFolder)->text, "Folder1");
    EXPECT_EQ(newProjectItem(NavigatorCommand::newFolder)->image, ProjectImage::closedFolder);
    EXPECT_STREQ(newProjectItem(NavigatorCommand::newWindow)->text, "Window1");
    EXPECT_EQ(newProjectItem(NavigatorCommand::newWindow)->image, ProjectImage::window);
    EXPECT_STREQ(newProjectItem(NavigatorCommand::newScript)->text, "MEL script 1");
    EXPECT_EQ(newProjectItem(NavigatorCommand::newScript)->image, ProjectImage::script);
    EXPECT_FALSE(newProjectItem(NavigatorCommand::insertDocument));
}

TEST(ProjectExplorer, MenuOnRootFoldersAndNothing)
{
    EXPECT_TRUE(offersNavigatorMenu(std::nullopt));
    EXPECT_TRUE(offersNavigatorMenu(ProjectImage::root));
    EXPECT_TRUE(offersNavigatorMenu(ProjectImage::closedFolder));
    EXPECT_TRUE(offersNavigatorMenu(ProjectImage::openFolder));
    EXPECT_FALSE(offersNavigatorMenu(ProjectImage::window));
    EXPECT_FALSE(offersNavigatorMenu(ProjectImage::script));
}

TEST(ProjectExplorer, ChildrenSortByKindThenBytes)
{
    struct Item {
        ProjectImage image;
        std::string text;
    };
    std::vector<Item> items = {
        {ProjectImage::script, "MEL script 1"}, {ProjectImage::window, "Window1"},
        {ProjectImage::openFolder, "b"},        {ProjectImage::closedFolder, "a"},
        {ProjectImage::closedFolder, "B"},      {ProjectImage::window, "\xe9t\xe9"},
        {ProjectImage::window, "Z"},
    };
    std::stable_sort(items.begin(), items.end(), [](const Item& x, const Item& y) {
        return compareProjectItems(x.image, x.text, y.image, y.text) < 0;
    });
    std::vector<std::string> order;
    for (const Item& i : items)
        order.push_back(i.text);
    // An open folder sorts with the closed ones; capitals before small letters; a byte above
    // 127 after every ASCII letter.
    EXPECT_EQ(order, (std::vector<std::string>{"B", "a", "b", "Window1", "Z", "\xe9t\xe9", "MEL script 1"}));
    EXPECT_EQ(compareProjectItems(ProjectImage::openFolder, "x", ProjectImage::closedFolder, "x"), 0);
}

TEST(ProjectExplorer, FolderPicturesFollowExpandAndCollapse)
{
    EXPECT_EQ(imageAfterExpanding(ProjectImage::closedFolder, true), ProjectImage::openFolder);
    EXPECT_EQ(imageAfterExpanding(ProjectImage::openFolder, false), ProjectImage::closedFolder);
    EXPECT_EQ(imageAfterExpanding(ProjectImage::root, true), ProjectImage::root);
    EXPECT_EQ(imageAfterExpanding(ProjectImage::window, true), ProjectImage::window);
}

TEST(ProjectExplorer, AnEmptyLabelKeepsTheName)
{
    EXPECT_EQ(renamedText("Folder1", "Scripts"), "Scripts");
    EXPECT_EQ(renamedText("Folder1", ""), "Folder1");
}

TEST(ProjectWizard, ButtonsByPageKind)
{
    EXPECT_EQ(wizardButtons(WizardPageKind::single), (WizardButtons{false, false, true}));
    EXPECT_EQ(wizardButtons(WizardPageKind::first), (WizardButtons{false, true, false}));
    EXPECT_EQ(wizardButtons(WizardPageKind::middle), (WizardButtons{true, true, false}));
    EXPECT_EQ(wizardButtons(WizardPageKind::last), (WizardButtons{true, false, true}));
}

TEST(FolderSelection, OneTrailingSeparator)
{
    EXPECT_EQ(folderWithSeparator("/home/me"), "/home/me/");
    EXPECT_EQ(folderWithSeparator("/home/me/"), "/home/me/");
    EXPECT_EQ(folderWithSeparator("/"), "/");
    EXPECT_EQ(folderWithSeparator(""), "");
}
