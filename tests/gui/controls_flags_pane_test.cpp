// The "Controls flags" pane of the main frame: it holds the grid, which fills it, puts the
// type hint into the status bar, and keeps Tab, Enter and Escape inside the pane.
#include "AppTestSupport.h"
#include "DesignedWindow.h"
#include "GuiTestMain.h"

#include "designer/CControlsFlagsDialog.h"
#include "designer/InPlaceEditors.h"

#include <QFileInfo>
#include <QStatusBar>

using namespace orv;
using namespace orv::test;

class ControlsFlagsPaneTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_profile = std::make_unique<MemoryProfile>();
        const QString dataDir = QFileInfo(QStringLiteral(ORVANTE_DATABASE_DIR "/..")).absoluteFilePath();
        m_profile->writeString("Settings", "InstallDir", dataDir.toStdString());
    }

    void gridFillsThePaneAndHintsInTheStatusBar()
    {
        AppRun run(*m_profile);
        QVERIFY(run.started());
        CMainFrame* frame = run.frame();
        CResizableBar* pane = frame->controlsFlagsPane();
        pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        CControlsFlagsDialog* dialog = flagsGrid(frame);
        QCOMPARE(pane->widget(), dialog);
        QCOMPARE(dialog->list()->geometry(), dialog->rect());

        DesignedWindow window;
        dialog->ShowElementFlags(window.button, window.designer);
        CPropertyListBox* list = dialog->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(prop_grid::kMarginWidth + 8, list->rowRect(3).center().y()));
        QCOMPARE(frame->statusBar()->currentMessage(),
                 QStringLiteral("Flag type of 'backgroundColor' is : Float Float Float"));

        // The keys a dialog would act on stay in the grid: Tab steps down, Enter goes into
        // the editor and Escape back out of it; nothing closes the pane.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab);
        QCOMPARE(list->currentRow(), 4);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(list->currentEditor()->hasFocus());
        QTest::keyClick(list->currentEditor(), Qt::Key_Escape);
        QVERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(pane->isVisible());
        QVERIFY(dialog->isVisible());
        dialog->ClearGrid();
        QCOMPARE(list->rows().count(), 0);
    }

private:
    std::unique_ptr<MemoryProfile> m_profile;
};

ORVANTE_GUI_TEST_MAIN(ControlsFlagsPaneTest)
#include "controls_flags_pane_test.moc"
