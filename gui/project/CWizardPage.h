// A page of the project wizard: its kind decides the wizard's buttons while it shows; the
// first page keeps the folder chosen with its "..." button.
#pragma once

#include "projectmodel/WizardPage.h"

#include <QWizard>
#include <QWizardPage>

class QLineEdit;

namespace orv {

class Prompts;

class CWizardPage : public QWizardPage {
    Q_OBJECT

public:
    CWizardPage(WizardPageKind kind, QString caption, QWidget* parent = nullptr);

    WizardPageKind kind() const { return m_kind; }
    const QString& caption() const { return m_caption; }
    const QString& location() const { return m_location; }
    void setLocation(const QString& location) { m_location = location; }

private:
    WizardPageKind m_kind;
    QString m_caption;
    QString m_location;
};

// The two-page wizard that asks for a new project's name and folder, then its author and
// description. No command opens it in this version.
class ProjectWizard : public QWizard {
    Q_OBJECT

public:
    // prompts choose the folder of the "..." button.
    explicit ProjectWizard(Prompts& prompts, QWidget* parent = nullptr);

    CWizardPage* wizardPage(int index) const;

private:
    CWizardPage* makeNamePage();
    CWizardPage* makeAuthorPage();
    void showPageKind(int id);

    Prompts& m_prompts;
};

} // namespace orv
