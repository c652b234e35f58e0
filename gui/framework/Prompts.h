// What the framework asks the user: to save before closing, a file to open or save under, one
// of several choices, the kind of a new file, a folder, a colour, the documents to restore after a
// crash, and notices and failures to report. The application answers with dialogs; tests with a
// script of expected prompts.
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace orv {

// The answer to the restore prompt: the places of the documents to open again, or, when later
// is set, nothing opened nor discarded until the next start.
struct RestoreChoice {
    bool later = true;
    QList<int> restore;
};

class Prompts {
public:
    enum class SaveAnswer { save, discard, cancel };

    virtual ~Prompts() = default;

    // "Save changes to ...?" with Yes, No and Cancel.
    virtual SaveAnswer askToSave(const QString& question) = 0;
    // The file to open, looked for first in folder (an empty one leaves the choice to the
    // dialog), or an empty path when cancelled; filter is a file dialog filter.
    virtual QString chooseFileToOpen(const QString& folder, const QString& filter) = 0;
    // The same under a title of the caller's own, for a dialog that is not the Open command's.
    virtual QString chooseTitledFileToOpen(const QString& title, const QString& folder, const QString& filter)
    {
        (void)title;
        return chooseFileToOpen(folder, filter);
    }
    // The file to save under, proposed first (a bare name is proposed in folder); an empty path
    // when cancelled. A name typed without an extension takes the filter's.
    virtual QString chooseFileToSave(const QString& folder, const QString& proposed, const QString& filter) = 0;
    // The index of the item chosen from items, or nothing when cancelled.
    virtual std::optional<int> chooseItem(const QString& title, const QString& label, const QStringList& items) = 0;
    // The kind of file New creates, by its place in the New dialog's list (script, window, icon,
    // project), or nothing when cancelled.
    virtual std::optional<int> chooseNewFileType() = 0;
    // A folder, starting from initial; it ends with "/" once the user moved; empty when cancelled.
    virtual QString chooseFolder(const QString& initial) = 0;
    // A colour, starting from initial (from the dialog's own first colour when initial is not
    // valid), or nothing when cancelled.
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
    // Which of the documents kept from a program that ended before they were saved to open
    // again; the others are discarded. A prompter that cannot ask leaves the choice for later.
    virtual RestoreChoice chooseDocumentsToRestore(const QStringList& documents)
    {
        (void)documents;
        return {};
    }
    // A notice the user acknowledges.
    virtual void showMessage(const QString& message) = 0;
    // A failure the user must acknowledge.
    virtual void showError(const QString& message) = 0;
};

} // namespace orv
