// The project kind's document, view and pane.
#include "project/ProjectModule.h"

#include "framework/FrameServices.h"
#include "framework/PaneContent.h"
#include "framework/SettingsPage.h"
#include "project/CProjectDoc.h"
#include "project/CProjectView.h"
#include "project/ProjectDocumentType.h"
#include "project/ProjectExplorerTree.h"

#include <QDockWidget>

namespace orv {

const DocumentType& ProjectModule::documentType() const
{
    return kProjectDocumentType;
}

CDocTemplate::Factories ProjectModule::factories()
{
    CDocTemplate::Factories factories;
    factories.document = [](QObject* parent) -> CDocument* { return new CProjectDoc(parent); };
    factories.view = [](CDocument* doc) -> CView* { return new CProjectView(doc); };
    return factories;
}

std::vector<std::unique_ptr<SettingsPage>> ProjectModule::settingsPages()
{
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<UnderConstructionPage>(4, "Projects", MenuId::project));
    return pages;
}

void ProjectModule::attachToFrame(FrameServices& frame)
{
    auto* tree = new ProjectExplorerTree;
    preparePaneTree(*tree);
    frame.paneSlot(PaneId::projectExplorer)->setWidget(tree);
}

} // namespace orv
