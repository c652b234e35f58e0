// The prompts as the user meets them: which button gives which answer, which item a choice
// returns, the texts shown. Each dialog is answered once from a single-shot timer; a watchdog
// closes a dialog the answer missed, so a wrong dialog fails instead of hanging.
#include "GuiTestMain.h"
#include "ModalAnswer.h"
#include "TestFiles.h"

#include "app/AppIds.h"
#include "app/CFolderSelectDialog.h"
#include "app/CNewFileDialog.h"
#include "app/QtPrompts.h"
#include "app/RestoreDocumentsDialog.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

using namespace orv;

using orv::test::answerModal;

class QtPromptsTest : public QObject {
    Q_OBJECT

private slots:
    void askToSaveAnswersByButton_data();
    void askToSaveAnswersByButton();
    void choiceGivesTheIndexOrNothing();
    void errorShowsItsMessage();
    void messageShowsItsTextUnderTheAppName();
    void restoreOpensTheCheckedDiscardsAllOrAsksLater_data();
    void restoreOpensTheCheckedDiscardsAllOrAsksLater();
    void newFileTypeComesFromTheNewDialog();
    void openShowsTheFilterTextsAndOpensThroughAllFiles();
    void folderDialogReturnsTheInitialFolderWhenOpenedAtOnce();
    void folderDialogReturnsOneTrailingSlashAfterMoving();
    void colourDialogStartsFromTheGivenColour();
    void fileDialogsStartInTheFolderGiven_data();
    void fileDialogsStartInTheFolderGiven();
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

void QtPromptsTest::messageShowsItsTextUnderTheAppName()
{
    QCoreApplication::setApplicationName(QStringLiteral("ORVANTE"));
    QObject context;
    QString title;
    QString shown;
    answerModal<QMessageBox>(&context, [&](QMessageBox* box) {
        title = box->windowTitle();
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QtPrompts().showMessage(QString::fromLatin1(shell::kNotYetAvailable));
    QCOMPARE(shown, QStringLiteral("Not yet available in this version"));
    QCOMPARE(title, QStringLiteral("ORVANTE"));
}

namespace {

QPushButton* dialogButton(QDialog* dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox*>()->button(which);
}

// A user's double click: the first click, then the second press, which arrives as a double click.
void doubleClick(QWidget* widget, QPoint where)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, where);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, where);
}

} // namespace

void QtPromptsTest::restoreOpensTheCheckedDiscardsAllOrAsksLater_data()
{
    // The answer as the places chosen, "" for none, "later" for no choice.
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("answer");
    QTest::newRow("restore all") << QStringLiteral("restore") << QStringLiteral("0,1,2");
    QTest::newRow("Return restores") << QStringLiteral("return") << QStringLiteral("0,1,2");
    QTest::newRow("unchecked ones are discarded") << QStringLiteral("uncheck middle") << QStringLiteral("0,2");
    QTest::newRow("discard all") << QStringLiteral("discard") << QString();
    QTest::newRow("ask later") << QStringLiteral("later") << QStringLiteral("later");
    QTest::newRow("Escape asks later") << QStringLiteral("escape") << QStringLiteral("later");
}

void QtPromptsTest::restoreOpensTheCheckedDiscardsAllOrAsksLater()
{
    QFETCH(QString, step);
    QFETCH(QString, answer);
    QCoreApplication::setApplicationName(QStringLiteral("ORVANTE"));
    const QStringList documents{QStringLiteral("rig.mel (/s/rig.mel), last kept 11/12/2026 01:50"),
                                QStringLiteral("Script2 (never saved), last kept 11/12/2026 01:51"),
                                QStringLiteral("form.wnd (/s/form.wnd), last kept 11/12/2026 01:52")};
    QObject context;
    QStringList shown;
    QString text;
    answerModal<RestoreDocumentsDialog>(&context, [&](RestoreDocumentsDialog* dialog) {
        for (int i = 0; i < dialog->list()->count(); ++i)
            shown << dialog->list()->item(i)->text() +
                         (dialog->list()->item(i)->checkState() == Qt::Checked ? QString() : QStringLiteral(" -"));
        text = dialog->findChild<QLabel*>()->text();
        if (step == QLatin1String("uncheck middle")) {
            QListWidget* list = dialog->list();
            const QRect row = list->visualItemRect(list->item(1));
            // The check box sits at the start of the row.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(row.left() + row.height() / 2, row.center().y()));
            dialog->restoreButton()->click();
        } else if (step == QLatin1String("restore")) {
            dialog->restoreButton()->click();
        } else if (step == QLatin1String("return")) {
            QTest::keyClick(dialog, Qt::Key_Return);
        } else if (step == QLatin1String("discard")) {
            dialog->discardButton()->click();
        } else if (step == QLatin1String("later")) {
            dialog->laterButton()->click();
        } else {
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    const RestoreChoice chosen = QtPrompts().chooseDocumentsToRestore(documents);
    QStringList places;
    for (const int place : chosen.restore)
        places << QString::number(place);
    QCOMPARE(chosen.later ? QStringLiteral("later") : places.join(QLatin1Char(',')), answer);
    // Every document is offered, checked.
    QCOMPARE(shown, documents);
    QVERIFY(text.startsWith(QStringLiteral("ORVANTE ended before these documents were saved.")));
}

void QtPromptsTest::newFileTypeComesFromTheNewDialog()
{
    QtPrompts prompts;
    {
        // OK with nothing selected: a MEL script.
        QObject context;
        QStringList texts;
        QString caption;
        QSize pictureSize;
        answerModal<CNewFileDialog>(&context, [&](CNewFileDialog* dialog) {
            caption = dialog->windowTitle();
            QListWidget* list = dialog->list();
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
            pictureSize = list->item(3)->icon().availableSizes().value(0);
            QVERIFY(list->selectedItems().isEmpty());
            QVERIFY(dialog->findChild<QLabel*>()->text() == QStringLiteral("File type"));
            QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        });
        QCOMPARE(prompts.chooseNewFileType(), std::optional<int>(0));
        QCOMPARE(caption, QStringLiteral("Create a new file or project"));
        QCOMPARE(texts, (QStringList{"MEL Script", "UI - Window", "Icon", "ORVANTE Project"}));
        QCOMPARE(pictureSize, QSize(32, 32));
    }
    {
        // A double click chooses its item.
        QObject context;
        answerModal<CNewFileDialog>(&context, [](CNewFileDialog* dialog) {
            QListWidget* list = dialog->list();
            // The icons are placed once the list has laid them out.
            QTRY_VERIFY(list->visualItemRect(list->item(3)).isValid());
            const QPoint where = list->visualItemRect(list->item(3)).center();
            doubleClick(list->viewport(), where);
        });
        QCOMPARE(prompts.chooseNewFileType(), std::optional<int>(3));
    }
    {
        // A click selects; OK takes the selection.
        QObject context;
        answerModal<CNewFileDialog>(&context, [](CNewFileDialog* dialog) {
            QListWidget* list = dialog->list();
            QTRY_VERIFY(list->visualItemRect(list->item(1)).isValid());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(prompts.chooseNewFileType(), std::optional<int>(1));
    }
    QObject context;
    answerModal<CNewFileDialog>(&context, [](CNewFileDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QCOMPARE(prompts.chooseNewFileType(), std::nullopt);
}

void QtPromptsTest::openShowsTheFilterTextsAndOpensThroughAllFiles()
{
    QTemporaryDir dir;
    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    QVERIFY(test::writeFile(notes, "print \"hi\";\n"));

    QObject context;
    QStringList filters;
    answerModal<QFileDialog>(&context, [&](QFileDialog* dialog) {
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < types->count(); ++i)
            filters << types->itemText(i);
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down);
        // The folder is set directly: typing a path makes the dialog move as each folder loads.
        dialog->setDirectory(dir.path());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("notes.txt"));
        // The name completer's list goes first.
        if (QWidget* completions = QApplication::activePopupWidget())
            QTest::keyClick(completions, Qt::Key_Escape);
        QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Open), Qt::LeftButton);
    });
    const QString chosen = QtPrompts().chooseFileToOpen(dir.path(), QString::fromLatin1(shell::kOpenFilter));
    QCOMPARE(filters, (QStringList{"ORVANTE files (*.mel, *.wnd, *icm, *.mp)", "All files"}));
    QCOMPARE(chosen, notes);
}

void QtPromptsTest::folderDialogReturnsTheInitialFolderWhenOpenedAtOnce()
{
    QTemporaryDir dir;
    QObject context;
    QString title;
    QString label;
    QStringList types;
    answerModal<CFolderSelectDialog>(&context, [&](CFolderSelectDialog* dialog) {
        title = dialog->windowTitle();
        label = dialog->labelText(QFileDialog::FileName);
        auto* typeBox = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(typeBox);
        for (int i = 0; i < typeBox->count(); ++i)
            types << typeBox->itemText(i);
        QPushButton* open = dialogButton(dialog, QDialogButtonBox::Open);
        QCOMPARE(open->text(), QStringLiteral("Open"));
        QTest::mouseClick(open, Qt::LeftButton);
    });
    QCOMPARE(QtPrompts().chooseFolder(dir.path()), dir.path());
    QCOMPARE(title, QStringLiteral("Select Folder"));
    QCOMPARE(label, QStringLiteral("Folder:"));
    QCOMPARE(types, QStringList{QStringLiteral("Show Folders Only")});
}

void QtPromptsTest::folderDialogReturnsOneTrailingSlashAfterMoving()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("scripts")));
    QVERIFY(QFile(dir.filePath(QStringLiteral("a.mel"))).open(QIODevice::WriteOnly));
    {
        QObject context;
        QString shown;
        answerModal<CFolderSelectDialog>(&context, [&](CFolderSelectDialog* dialog) {
            auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
            QModelIndex scripts;
            QTRY_VERIFY_WITH_TIMEOUT(
                [&] {
                    const QModelIndex first = view->model()->index(0, 0, view->rootIndex());
                    scripts = view->model()
                                  ->match(first, Qt::DisplayRole, QStringLiteral("scripts"), 1, Qt::MatchExactly)
                                  .value(0);
                    return scripts.isValid() && view->visualRect(scripts).isValid();
                }(),
                3000);
            // Only folders are listed.
            QCOMPARE(view->model()->rowCount(view->rootIndex()), 1);
            doubleClick(view->viewport(), view->visualRect(scripts).center());
            shown = dialog->findChild<QLineEdit*>(QStringLiteral("folderEdit"))->text();
            QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Open), Qt::LeftButton);
        });
        QCOMPARE(QtPrompts().chooseFolder(dir.path()), dir.filePath(QStringLiteral("scripts/")));
        QCOMPARE(shown, dir.filePath(QStringLiteral("scripts/")));
    }
    // Up to the root, which keeps its one "/".
    QObject context;
    answerModal<CFolderSelectDialog>(&context, [](CFolderSelectDialog* dialog) {
        auto* up = dialog->findChild<QToolButton*>(QStringLiteral("toParentButton"));
        for (int i = 0; i < 32 && dialog->directory().absolutePath() != QStringLiteral("/"); ++i)
            QTest::mouseClick(up, Qt::LeftButton);
        QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Open), Qt::LeftButton);
    });
    QCOMPARE(QtPrompts().chooseFolder(dir.path()), QStringLiteral("/"));
}

void QtPromptsTest::colourDialogStartsFromTheGivenColour()
{
    QtPrompts prompts;
    const QColor swatch(0xC0, 0x00, 0xC0);
    {
        QObject context;
        QColor shown;
        answerModal<QColorDialog>(&context, [&shown](QColorDialog* dialog) {
            shown = dialog->currentColor();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(prompts.chooseColour(swatch), std::optional<QColor>(swatch));
        QCOMPARE(shown, swatch);
    }
    {
        // With no initial colour the dialog starts from its own first colour, black.
        QObject context;
        QColor shown;
        answerModal<QColorDialog>(&context, [&shown](QColorDialog* dialog) {
            shown = dialog->currentColor();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(prompts.chooseColour(QColor()), std::optional<QColor>(QColor(Qt::black)));
        QCOMPARE(shown, QColor(Qt::black));
    }
    QObject context;
    answerModal<QColorDialog>(&context, [](QColorDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QCOMPARE(prompts.chooseColour(swatch), std::nullopt);
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
        const QString chosen = QtPrompts().chooseFileToSave(QString(), QString(), QStringLiteral("MEL Scripts (*.mel)"));
        QVERIFY2(asked.startsWith(QStringLiteral("x.mel already exists")), qPrintable(asked));
        QCOMPARE(chosen, button == QMessageBox::Yes ? dir.filePath(QStringLiteral("x.mel")) : QString());
    }
}

ORVANTE_GUI_TEST_MAIN(QtPromptsTest)
#include "qt_prompts_test.moc"
