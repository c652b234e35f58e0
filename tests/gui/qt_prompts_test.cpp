// The prompts as the user meets them: which button gives which answer, which item a choice
// returns, the texts shown. Each dialog is answered once from a single-shot timer; a watchdog
// closes a dialog the answer missed, so a wrong dialog fails instead of hanging.
#include "GuiTestMain.h"

#include "app/QtPrompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace orv;

namespace {

constexpr int kWatchdogMs = 5000;

// Runs step on the modal dialog of type Dialog once control reaches its event loop.
template <typename Dialog>
void answerModal(QObject* context, std::function<void(Dialog*)> step)
{
    QTimer::singleShot(0, context, [step] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            step(dialog);
    });
    QTimer::singleShot(kWatchdogMs, context, [] {
        if (auto* left = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            QTest::qFail("the dialog was not the one expected", __FILE__, __LINE__);
            left->reject();
        }
    });
}

} // namespace

class QtPromptsTest : public QObject {
    Q_OBJECT

private slots:
    void askToSaveAnswersByButton_data();
    void askToSaveAnswersByButton();
    void choiceGivesTheIndexOrNothing();
    void errorShowsItsMessage();
    void fileDialogsStartInTheFolderGiven_data();
    void fileDialogsStartInTheFolderGiven();
};

void QtPromptsTest::askToSaveAnswersByButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("yes saves") << int(QMessageBox::Yes) << int(Prompts::SaveAnswer::save);
    QTest::newRow("no discards") << int(QMessageBox::No) << int(Prompts::SaveAnswer::discard);
    QTest::newRow("cancel keeps") << int(QMessageBox::Cancel) << int(Prompts::SaveAnswer::cancel);
}

void QtPromptsTest::askToSaveAnswersByButton()
{
    QFETCH(int, button);
    QFETCH(int, answer);
    QObject context;
    QString shown;
    answerModal<QMessageBox>(&context, [&shown, button](QMessageBox* box) {
        shown = box->text();
        box->button(static_cast<QMessageBox::StandardButton>(button))->click();
    });
    QtPrompts prompts;
    QCOMPARE(static_cast<int>(prompts.askToSave(QStringLiteral("Save changes to a.mel?"))), answer);
    QCOMPARE(shown, QStringLiteral("Save changes to a.mel?"));
}

void QtPromptsTest::choiceGivesTheIndexOrNothing()
{
    QtPrompts prompts;
    const QStringList items{QStringLiteral("Script"), QStringLiteral("Window"), QStringLiteral("Icon")};
    {
        QObject context;
        QStringList offered;
        answerModal<QInputDialog>(&context, [&offered](QInputDialog* dialog) {
            offered = dialog->comboBoxItems();
            auto* combo = dialog->findChild<QComboBox*>();
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);
            QTest::keyClick(combo, Qt::Key_Down);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(prompts.chooseItem(QStringLiteral("New"), QStringLiteral("New"), items), std::optional<int>(2));
        QCOMPARE(offered, items);
    }
    QObject context;
    answerModal<QInputDialog>(&context, [](QInputDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QCOMPARE(prompts.chooseItem(QStringLiteral("New"), QStringLiteral("New"), items), std::nullopt);
}

void QtPromptsTest::errorShowsItsMessage()
{
    QCoreApplication::setApplicationName(QStringLiteral("ORVANTE"));
    QObject context;
    QString title;
    QString shown;
    answerModal<QMessageBox>(&context, [&](QMessageBox* box) {
        title = box->windowTitle();
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QtPrompts().showError(QStringLiteral("Failed to save document."));
    QCOMPARE(shown, QStringLiteral("Failed to save document."));
    QCOMPARE(title, QStringLiteral("ORVANTE"));
}

void QtPromptsTest::fileDialogsStartInTheFolderGiven_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("proposed");  // relative to the folder given, or absolute from "/"
    QTest::addColumn<QString>("selected");  // relative to the folder given
    QTest::newRow("open") << false << QString() << QString();
    QTest::newRow("save a bare name") << true << QStringLiteral("Script1.mel") << QStringLiteral("Script1.mel");
    QTest::newRow("save a saved file") << true << QStringLiteral("/elsewhere/kept.mel")
                                       << QStringLiteral("elsewhere/kept.mel");
}

void QtPromptsTest::fileDialogsStartInTheFolderGiven()
{
    QFETCH(bool, save);
    QFETCH(QString, proposed);
    QFETCH(QString, selected);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("start")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("elsewhere")));
    const QString folder = QFileInfo(dir.filePath(QStringLiteral("start"))).absoluteFilePath();
    if (proposed.startsWith(QLatin1Char('/')))
        proposed = dir.path() + proposed;
    QObject context;
    QString shownFolder;
    QString shownFile;
    answerModal<QFileDialog>(&context, [&](QFileDialog* dialog) {
        shownFolder = dialog->directory().absolutePath();
        shownFile = dialog->selectedFiles().value(0);
        dialog->reject();
    });
    QtPrompts prompts;
    const QString filter = QStringLiteral("Scripts (*.mel)");
    QCOMPARE(save ? prompts.chooseFileToSave(folder, proposed, filter) : prompts.chooseFileToOpen(folder, filter),
             QString());
    if (selected.isEmpty()) {
        QCOMPARE(shownFolder, folder);
    } else {
        const QString expected = selected.contains(QLatin1Char('/')) ? dir.filePath(selected)
                                                                      : QDir(folder).filePath(selected);
        QCOMPARE(QFileInfo(shownFile).absoluteFilePath(), QFileInfo(expected).absoluteFilePath());
    }
}

ORVANTE_GUI_TEST_MAIN(QtPromptsTest)
#include "qt_prompts_test.moc"
