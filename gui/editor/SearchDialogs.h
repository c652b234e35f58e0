// The Find (8601) and Replace (8602) dialogs over core's find and replace sessions; while
// either is open the view shows its selection as if it had the focus.
#pragma once

#include "text/FindSession.h"
#include "text/ReplaceSession.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orv {

class CTextEditView;
class CTextView;
class Profile;
class Prompts;

class CFindDialog : public QDialog {
    Q_OBJECT

public:
    // A search that finds nothing says so through prompts (message 8606, "Cannot find string"
    // and the quoted text).
    CFindDialog(CTextView& view, Profile& profile, Prompts& prompts, QWidget* parent = nullptr);
    ~CFindDialog() override;

    void done(int result) override;

private:
    void findNext();
    void takeValues();

    CTextView& m_view;
    Profile& m_profile;
    Prompts& m_prompts;
    FindSession m_session;
    QLineEdit* m_findWhat;
    QCheckBox* m_wholeWord;
    QCheckBox* m_matchCase;
    QRadioButton* m_up;
    QRadioButton* m_down;
    QPushButton* m_findNext;
};

class CReplaceDialog : public QDialog {
    Q_OBJECT

public:
    CReplaceDialog(CTextEditView& view, Profile& profile, Prompts& prompts, QWidget* parent = nullptr);
    ~CReplaceDialog() override;

    void done(int result) override;

private:
    void takeValues();
    void report(const SearchOutcome& outcome);

    CTextEditView& m_view;
    Profile& m_profile;
    Prompts& m_prompts;
    ReplaceSession m_session;
    QLineEdit* m_findWhat;
    QLineEdit* m_replaceWith;
    QCheckBox* m_wholeWord;
    QCheckBox* m_matchCase;
    QRadioButton* m_selection;
    QRadioButton* m_wholeFile;
    QPushButton* m_findNext;
    QPushButton* m_replace;
    QPushButton* m_replaceAll;
};

} // namespace orv
