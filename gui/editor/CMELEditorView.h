// The view of a MEL script: a MEL edit view over its document's buffer, in the document's
// font, filling its document window; it sends the script to Maya and tells the finding under
// the cursor.
#pragma once

#include "editor/MelTextView.h"
#include "framework/CView.h"

class QPrinter;

namespace orv {

class CScriptDoc;
class MayaCommandPort;
class OutputLog;
class Profile;
class Prompts;

class CMELEditorView : public CView {
    Q_OBJECT

public:
    // The profile keeps the values of the Find and Replace dialogs, the page margins and the
    // command port's address; prompts tell of a search that found nothing; the log (if any)
    // shows what Maya answers.
    CMELEditorView(CScriptDoc* document, const SettingsRecord& settings, Profile& profile, Prompts& prompts,
                   OutputLog* log = nullptr, QWidget* parent = nullptr);

    CScriptDoc* scriptDoc() const;
    MelTextView* textView() const { return m_text; }

    void onInitialUpdate() override;
    bool onUpdateCommand(int id, CommandState& state) const override;
    void onCommand(int id) override;
    // A new tab size measures the text of the active view again; new colours or colouring
    // switch redraw it now.
    void onSettingsChanged(SettingsChanges what) override;
    QString indicatorText(int id) const override;
    QString menuText(int id) const override;

    // Prints the script on a printer (or PDF file) set up by the caller; the page count.
    int printOn(QPrinter& printer);
    // The PDF file a desktop without printers prints to: the script's name in its folder.
    QString pdfFileName() const;

    // The caret to a place named by a message (line and column from 1, the column in bytes),
    // kept inside the script, scrolled into view, the view given the keyboard.
    void showPlace(int line, int column) override;

    // The selection, or the whole script without one, to the command port of the profile.
    void sendToMaya();
    MayaCommandPort& commandPort() const { return *m_port; }
    // The text of the finding the cursor stands on; empty when it stands on none.
    const QString& statusHint() const { return m_hint; }

signals:
    // The finding under the cursor changed: the status bar shows its text (or its own again).
    void statusHintChanged(const QString& hint);
    // A line about Send to Maya went to the log: whoever shows the log brings it into view.
    void outputWritten();

private:
    void runPrintCommand(int id);
    void updateStatusHint();
    // One line in the Output pane.
    void say(const QString& line);

    MelTextView* m_text;
    Profile& m_profile;
    Prompts& m_prompts;
    OutputLog* m_log;
    MayaCommandPort* m_port;
    QString m_hint;
};

} // namespace orv
