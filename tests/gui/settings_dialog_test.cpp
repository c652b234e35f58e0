// The Settings dialog on real widgets with real keys and clicks: what OK stores, what Cancel
// leaves, the page list by mouse and keyboard, the swatches, and the Settings command.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"

#include "app/AppIds.h"
#include "app/CSettingsDialog.h"
#include "designer/WindowModule.h"
#include "editor/ScriptModule.h"
#include "framework/CColorSwatch.h"
#include "framework/CDocManager.h"
#include "framework/SettingsService.h"
#include "icon/IconModule.h"
#include "project/ProjectModule.h"
#include "settings/CommandPortAddress.h"
#include "settings/ElementNamesOption.h"
#include "settings/Profile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

using namespace orv;
using orv::test::answerModal;
using orv::test::ScriptedPrompts;

namespace {

// One dialog over its own record with the pages the four document modules register (the
// options kept beside the record in profile, or in a profile of its own), shown, its page list
// ready for clicks.
struct Fixture {
    SettingsRecord record;
    SettingsService service{record};
    ScriptedPrompts prompts;
    MemoryProfile ownProfile;
    OutputLog log;
    CDocManager docs{prompts, service};
    IconEditorParams iconParams;
    std::unique_ptr<CSettingsDialog> dialog;

    explicit Fixture(const SettingsRecord& start = {}, Profile* profile = nullptr) : record(start)
    {
        Profile& kept = profile ? *profile : ownProfile;
        ScriptModule script(service, kept, prompts, log);
        WindowModule window(service, kept, prompts, log, docs, QFont(), QFont());
        ProjectModule project;
        IconModule icon(iconParams, kept, prompts);
        std::vector<std::unique_ptr<SettingsPage>> pages;
        for (DocumentModule* module : std::initializer_list<DocumentModule*>{&script, &window, &project, &icon})
            for (auto& page : module->settingsPages())
                pages.push_back(std::move(page));
        dialog = std::make_unique<CSettingsDialog>(service, prompts, QFont(), std::move(pages));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    template <typename W>
    W* child(const char* name) const
    {
        auto* found = dialog->findChild<W*>(QString::fromLatin1(name));
        if (!found)
            QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(QLatin1String(name))), __FILE__, __LINE__);
        return found;
    }

    void clickPage(int row)
    {
        QListWidget* list = dialog->pageList();
        const QRect where = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where.center());
    }

    // Selects what the edit holds and types text over it.
    void typeInto(const char* name, const QString& text)
    {
        QLineEdit* edit = child<QLineEdit>(name);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    void press(QDialogButtonBox::StandardButton which)
    {
        QPushButton* button = dialog->findChild<QDialogButtonBox*>()->button(which);
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

// A click on the box itself, not on the empty end of a wide check box.
void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void okStoresEveryEditWithItsConversion();
    void editsAcceptDigitsOnly();
    void defaultColoursThenCancelLeaveTheColours();
    void aSwatchTakesTheChosenColour();
    void pagesFollowClicksAndArrowKeys();
    void booleanStyleFromTheDropDownIsStored();
    void disabledBoxesKeepTheirBits();
    void settingsCommandIsEnabledAndReachesEveryListener();
    void aNewRecentFileCountTakesEffectAtTheNextStart();
    void theCommandPortIsEditedOnTheMelEditorPageAndStoredInTheProfile();
    void writeElementNamesIsOnTheExportPageAndStoredInTheProfile();
};

void SettingsDialogTest::okStoresEveryEditWithItsConversion()
{
    Fixture f;
    QSignalSpy heard(&f.service, &SettingsService::changed);
    f.clickPage(CSettingsDialog::melEditor);
    f.typeInto("indentSize", QStringLiteral("300"));
    f.clickPage(CSettingsDialog::uiEditor);
    f.typeInto("windowWidth", QString());
    f.typeInto("sliderHeight", QStringLiteral("33"));
    f.clickPage(CSettingsDialog::general);
    f.typeInto("recentFileCount", QStringLiteral("9"));
    f.press(QDialogButtonBox::Ok);

    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(f.record.indentSize, 44);
    QCOMPARE(f.record.windowWidth, 0u);
    QCOMPARE(f.record.windowHeight, 240u);
    QCOMPARE(f.record.sliderHeight, 33u);
    QCOMPARE(f.record.recentFileCount, 9);
    // Told once, with the tab size among the changes, so the text views take it.
    QCOMPARE(heard.size(), 1);
    const auto what = heard.first().first().value<SettingsChanges>();
    QVERIFY(what.testFlag(SettingsChange::tabSize));
    QVERIFY(what.testFlag(SettingsChange::sizes));
}

void SettingsDialogTest::editsAcceptDigitsOnly()
{
    Fixture f;
    f.clickPage(CSettingsDialog::uiEditor);
    f.typeInto("gridWidth", QStringLiteral("1a-2 "));
    QCOMPARE(f.child<QLineEdit>("gridWidth")->text(), QStringLiteral("12"));
    // Pasted text keeps its digits.
    QApplication::clipboard()->setText(QStringLiteral("x3y"));
    QTest::keyClick(f.child<QLineEdit>("gridWidth"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.child<QLineEdit>("gridWidth")->text(), QStringLiteral("123"));
    f.press(QDialogButtonBox::Ok);
    QCOMPARE(f.record.gridWidth, 123);
}

void SettingsDialogTest::defaultColoursThenCancelLeaveTheColours()
{
    SettingsRecord start;
    start.colorKeywords = 0x123456;
    start.colorStrings = 0x00FF00;
    Fixture f(start);
    QSignalSpy heard(&f.service, &SettingsService::changed);
    f.clickPage(CSettingsDialog::melEditor);
    QCOMPARE(f.child<CColorSwatch>("colorKeywords")->color(), 0x123456u);
    QTest::mouseClick(f.child<QPushButton>("defaultColors"), Qt::LeftButton);
    QCOMPARE(f.child<CColorSwatch>("colorKeywords")->color(), 0xFF0000u);
    QCOMPARE(f.child<CColorSwatch>("colorStrings")->color(), 0x808080u);
    f.press(QDialogButtonBox::Cancel);

    QCOMPARE(f.record, start);
    QCOMPARE(heard.size(), 0);
}

void SettingsDialogTest::aSwatchTakesTheChosenColour()
{
    Fixture f;
    f.clickPage(CSettingsDialog::melEditor);
    CColorSwatch* comments = f.child<CColorSwatch>("colorComments");
    f.prompts.expectColour(QColor(0x11, 0x22, 0x33));
    QTest::mouseClick(comments, Qt::LeftButton);
    // The colour dialog starts from the swatch's colour.
    QCOMPARE(f.prompts.lastText(), QStringLiteral("#008000"));
    QCOMPARE(comments->color(), makeColorRef(0x11, 0x22, 0x33));
    QCOMPARE(comments->grab().toImage().pixelColor(2, 2), QColor(0x11, 0x22, 0x33));
    // A cancelled colour dialog leaves the swatch.
    f.prompts.expectColour(std::nullopt);
    QTest::mouseClick(comments, Qt::LeftButton);
    QCOMPARE(comments->color(), makeColorRef(0x11, 0x22, 0x33));
    f.press(QDialogButtonBox::Ok);
    QCOMPARE(f.record.colorComments, makeColorRef(0x11, 0x22, 0x33));
    QCOMPARE(f.record.colorDefault, 0x000000u);
}

void SettingsDialogTest::pagesFollowClicksAndArrowKeys()
{
    Fixture f;
    QListWidget* list = f.dialog->pageList();
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    QCOMPARE(texts, (QStringList{"General", "MEL Editor", "UI Editor", "Icons Editor", "Projects", "MEL Export"}));
    QCOMPARE(f.dialog->currentPage(), int(CSettingsDialog::general));

    f.clickPage(CSettingsDialog::projects);
    QCOMPARE(f.dialog->currentPage(), int(CSettingsDialog::projects));
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(f.dialog->currentPage(), int(CSettingsDialog::uiEditor));
    QVERIFY(f.child<QWidget>("UI Editor")->isVisible());
    QVERIFY(!f.child<QWidget>("Projects")->isVisible());
    QVERIFY(f.child<QLineEdit>("windowWidth")->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(f.child<QWidget>("Icons Editor")->isVisible());
    QVERIFY(!f.child<QWidget>("UI Editor")->isVisible());
}

void SettingsDialogTest::booleanStyleFromTheDropDownIsStored()
{
    Fixture f;
    f.clickPage(CSettingsDialog::uiEditor);
    QComboBox* styles = f.child<QComboBox>("booleanStyle");
    QCOMPARE(styles->count(), 3);
    QCOMPARE(styles->itemText(2), QStringLiteral("0 - 1"));
    QCOMPARE(styles->currentIndex(), 0);
    styles->setFocus();
    QTest::keyClick(styles, Qt::Key_Down);
    QTest::keyClick(styles, Qt::Key_Down);
    f.press(QDialogButtonBox::Ok);
    QCOMPARE(f.record.booleanStyle, BooleanStyle::zeroOne);
}

void SettingsDialogTest::disabledBoxesKeepTheirBits()
{
    for (const bool on : {false, true}) {
        SettingsRecord start;
        start.setFlag(SettingsFlag::exportAuthorInfo, on);
        start.setFlag(SettingsFlag::unixFormat, on);
        Fixture f(start);
        f.clickPage(CSettingsDialog::melExport);
        QCOMPARE(f.dialog->currentPage(), int(CSettingsDialog::melExport));
        const QString unix = QStringLiteral("flag%1").arg(int(SettingsFlag::unixFormat), 4, 16, QLatin1Char('0'));
        auto* box = f.dialog->findChild<QCheckBox*>(unix);
        QVERIFY(box && !box->isEnabled());
        clickBox(box);
        QCOMPARE(box->isChecked(), on);
        // An enabled box on the same page changes its bit.
        const QString clip = QStringLiteral("flag%1").arg(int(SettingsFlag::exportToClipboard), 4, 16, QLatin1Char('0'));
        auto* clipBox = f.dialog->findChild<QCheckBox*>(clip);
        QVERIFY(clipBox->isVisible());
        clickBox(clipBox);
        f.press(QDialogButtonBox::Ok);
        QCOMPARE(f.record.exportAuthorInfo(), on);
        QCOMPARE(f.record.unixFormat(), on);
        QCOMPARE(f.record.exportToClipboard(), !start.exportToClipboard());
    }
}

void SettingsDialogTest::settingsCommandIsEnabledAndReachesEveryListener()
{
    MemoryProfile profile;
    test::AppRun run(profile);
    QAction* settings = run.frame()->action(CommandId::settings);
    run.app().docManager().commands().updateStates();
    QVERIFY(settings->isEnabled());
    QCOMPARE(settings->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

    QSignalSpy heard(&run.app().settingsService(), &SettingsService::changed);
    QObject context;
    answerModal<CSettingsDialog>(&context, [](CSettingsDialog* dialog) {
        auto* list = dialog->pageList();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        auto* indent = dialog->findChild<QLineEdit*>(QStringLiteral("indentSize"));
        indent->setFocus();
        QTest::keyClick(indent, Qt::Key_End);
        QTest::keyClick(indent, Qt::Key_Backspace);
        QTest::keyClicks(indent, QStringLiteral("8"));
        QTest::keyClick(indent, Qt::Key_Return);
    });
    settings->trigger();
    QCOMPARE(run.app().record().indentSize, 8);
    QCOMPARE(heard.size(), 1);
}

void SettingsDialogTest::aNewRecentFileCountTakesEffectAtTheNextStart()
{
    MemoryProfile profile;
    {
        test::AppRun run(profile);
        QCOMPARE(run.app().recentFiles().capacity(), 5);
        QObject context;
        answerModal<CSettingsDialog>(&context, [](CSettingsDialog* dialog) {
            auto* count = dialog->findChild<QLineEdit*>(QStringLiteral("recentFileCount"));
            count->setFocus();
            QTest::keyClick(count, Qt::Key_Backspace);
            QTest::keyClicks(count, QStringLiteral("2"));
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        run.frame()->action(CommandId::settings)->trigger();
        QCOMPARE(run.app().record().recentFileCount, 2);
        QCOMPARE(run.app().recentFiles().capacity(), 5);
    }
    test::AppRun next(profile);
    QCOMPARE(next.app().recentFiles().capacity(), 2);
}

ORVANTE_GUI_TEST_MAIN(SettingsDialogTest)
void SettingsDialogTest::theCommandPortIsEditedOnTheMelEditorPageAndStoredInTheProfile()
{
    // A stored value that cannot be used shows as the default.
    MemoryProfile profile;
    profile.writeString(kCommandPortSection, kCommandPortHostKey, "no such\thost");
    profile.writeInt(kCommandPortSection, kCommandPortPortKey, 99999);
    {
        Fixture f({}, &profile);
        f.clickPage(CSettingsDialog::melEditor);
        QCOMPARE(f.child<QLineEdit>("commandPortHost")->text(), QStringLiteral("localhost"));
        QCOMPARE(f.child<QLineEdit>("commandPortPort")->text(), QStringLiteral("7001"));
        QVERIFY(f.child<QLineEdit>("commandPortHost")->isVisible());
        f.typeInto("commandPortHost", QStringLiteral("render 07.studio"));  // the blank is refused
        f.typeInto("commandPortPort", QStringLiteral("7005"));
        f.press(QDialogButtonBox::Ok);
    }
    QCOMPARE(readCommandPortAddress(profile), (CommandPortAddress{"render07.studio", 7005}));
    // Emptied boxes keep what is stored; Cancel writes nothing.
    {
        Fixture f({}, &profile);
        f.typeInto("commandPortHost", QString());
        f.typeInto("commandPortPort", QStringLiteral("0"));
        f.press(QDialogButtonBox::Ok);
    }
    QCOMPARE(readCommandPortAddress(profile), (CommandPortAddress{"render07.studio", 7005}));
    {
        Fixture f({}, &profile);
        f.typeInto("commandPortPort", QStringLiteral("8000"));
        f.press(QDialogButtonBox::Cancel);
    }
    QCOMPARE(readCommandPortAddress(profile).port, 7005);
}

// Beside the record, off unless stored on: a stored value that is not 1 reads as off.
void SettingsDialogTest::writeElementNamesIsOnTheExportPageAndStoredInTheProfile()
{
    MemoryProfile profile;
    profile.writeString(kElementNamesSection, kElementNamesKey, "yes please");
    {
        Fixture f({}, &profile);
        f.clickPage(CSettingsDialog::melExport);
        auto* box = f.child<QCheckBox>("writeElementNames");
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("Write element names"));
        QVERIFY(!box->isChecked());
        clickBox(box);
        f.press(QDialogButtonBox::Ok);
    }
    QVERIFY(readElementNamesOption(profile));
    {
        Fixture f({}, &profile);
        f.clickPage(CSettingsDialog::melExport);
        QVERIFY(f.child<QCheckBox>("writeElementNames")->isChecked());
        clickBox(f.child<QCheckBox>("writeElementNames"));
        f.press(QDialogButtonBox::Cancel);
    }
    QVERIFY(readElementNamesOption(profile));
    {
        Fixture f({}, &profile);
        f.clickPage(CSettingsDialog::melExport);
        clickBox(f.child<QCheckBox>("writeElementNames"));
        f.press(QDialogButtonBox::Ok);
    }
    QVERIFY(!readElementNamesOption(profile));
}

#include "settings_dialog_test.moc"
