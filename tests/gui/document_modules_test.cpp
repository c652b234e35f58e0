// Each document kind registers itself: its document type, its New, its document windows, the
// commands it handles and its Settings pages; the application lists the pages in their places.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"

#include "app/CSettingsDialog.h"
#include "designer/WindowModule.h"
#include "editor/ScriptModule.h"
#include "framework/CDocManager.h"
#include "framework/CommandRegistry.h"
#include "framework/SettingsService.h"
#include "icon/IconModule.h"
#include "project/ProjectModule.h"
#include "settings/IconEditorParams.h"
#include "settings/Profile.h"
#include "log/OutputLog.h"

#include <QListWidget>

using namespace orv;
using orv::test::answerModal;
using orv::test::ScriptedPrompts;

class DocumentModulesTest : public QObject {
    Q_OBJECT

private slots:
    void eachModuleRegistersItsTypeNewFramesCommandsAndPages()
    {
        SettingsRecord record;
        SettingsService service{record};
        ScriptedPrompts prompts;
        MemoryProfile profile;
        OutputLog log;
        CDocManager docs{prompts, service};
        IconEditorParams iconParams;
        ScriptModule script(service, profile, prompts, log);
        WindowModule window(service, profile, prompts, log, docs, QFont(), QFont());
        ProjectModule project;
        IconModule icon(iconParams, profile, prompts);

        struct Expected {
            DocumentModule* module;
            int templateId;
            const char* extension;
            bool offersNew;
            bool designerFrames;
            bool newMakesNoDocument;
            std::vector<std::pair<int, std::string>> pages;
        };
        const Expected table[] = {
            {&script, 129, ".mel", true, false, false, {{1, "MEL Editor"}}},
            {&window, 130, ".wnd", true, true, false, {{2, "UI Editor"}, {5, "MEL Export"}}},
            {&project, 131, ".mp", false, false, false, {{4, "Projects"}}},
            {&icon, 132, ".icm", true, false, true, {{3, "Icons Editor"}}},
        };
        for (const Expected& e : table) {
            QCOMPARE(e.module->documentType().templateId, e.templateId);
            QVERIFY(QString::fromLatin1(e.module->documentType().resourceString).contains(QLatin1String(e.extension)));
            QCOMPARE(e.module->offersNew(), e.offersNew);
            QCOMPARE(e.module->designerFrames(), e.designerFrames);
            const CDocTemplate::Factories factories = e.module->factories();
            QVERIFY(factories.document);
            QVERIFY(factories.view);
            QVERIFY(!factories.frame);
            QCOMPARE(bool(factories.newWithoutDocument), e.newMakesNoDocument);
            std::vector<std::pair<int, std::string>> pages;
            for (const auto& page : e.module->settingsPages())
                pages.emplace_back(page->position(), page->title());
            QCOMPARE(pages, e.pages);
        }

        // "Import MEL Window..." is the window kind's: unhandled until it registers.
        const int import = commandValue(CommandId::fileImportMelWindow);
        QVERIFY(!docs.commands().state(import).enabled);
        for (const Expected& e : table)
            if (e.module != &window)
                e.module->installCommands(docs.commands());
        QVERIFY(!docs.commands().state(import).enabled);
        window.installCommands(docs.commands());
        QVERIFY(docs.commands().state(import).enabled);
    }

    // The shell gathers the modules' pages behind its own "General", each in its place.
    void theSettingsCommandListsEveryModulesPageInItsPlace()
    {
        MemoryProfile profile;
        test::AppRun run(profile);
        QStringList titles;
        QObject context;
        answerModal<CSettingsDialog>(&context, [&titles](CSettingsDialog* dialog) {
            for (int row = 0; row < dialog->pageList()->count(); ++row)
                titles << dialog->pageList()->item(row)->text();
            dialog->reject();
        });
        run.frame()->action(CommandId::settings)->trigger();
        QCOMPARE(titles, (QStringList{QStringLiteral("General"), QStringLiteral("MEL Editor"), QStringLiteral("UI Editor"),
                                      QStringLiteral("Icons Editor"), QStringLiteral("Projects"),
                                      QStringLiteral("MEL Export")}));
    }
};

ORVANTE_GUI_TEST_MAIN(DocumentModulesTest)

#include "document_modules_test.moc"
