// The prompts as the user meets them: which button gives which answer, which item a choice
// returns, the texts shown. Each dialog is answered once from a single-shot timer; a watchdog
// closes a dialog the answer missed, so a wrong dialog fails instead of hanging.
#include "GuiTestMain.h"

#include "app/QtPrompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
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
    void nameWithoutExtensionAsksBeforeReplacingTheFilterExtensionFile();
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

void QtPromptsTest::nameWithoutExtensionAsksBeforeReplacingTheFilterExtensionFile()
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("x.mel")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    const QString typed = dir.filePath(QStringLiteral("x"));
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        QObject context;
        QString asked;
        answerModal<QFileDialog>(&context, [&asked, &typed, button](QFileDialog* dialog) {
            // The question about replacing comes as a box over the dialog, inside accept().
            QTimer::singleShot(0, dialog, [&asked, button] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    box->button(button)->click();
                }
            });
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(typed);
            QTest::keyClick(name, Qt::Key_Return);
            // No keeps the dialog open.
            if (dialog->isVisible())
                dialog->reject();
        });
        const QString chosen = QtPrompts().chooseFileToSave(QString(), QStringLiteral("MEL Scripts (*.mel)"));
        QVERIFY2(asked.startsWith(QStringLiteral("x.mel already exists")), qPrintable(asked));
        QCOMPARE(chosen, button == QMessageBox::Yes ? dir.filePath(QStringLiteral("x.mel")) : QString());
    }
}

ORVANTE_GUI_TEST_MAIN(QtPromptsTest)
#include "qt_prompts_test.moc"
