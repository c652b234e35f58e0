// The pages' controls, their side pictures, and the buttons each page kind shows.
#include "project/CWizardPage.h"

#include "framework/Pictures.h"
#include "framework/Prompts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr QSize kPictureSize(110, 210);

// The side picture of a page: a folder being filled on the first, a page being signed on the
// second.
QPixmap sidePicture(int page)
{
    return picture(page == 0 ? "wizard-folder" : "wizard-signature", kPictureSize);
}

// The picture at the left, the title label and the page's fields at the right, a framed hint
// below them.
QGridLayout* framePage(CWizardPage* page, int index, const char* hint)
{
    auto* outer = new QHBoxLayout(page);
    auto* picture = new QLabel(page);
    picture->setPixmap(sidePicture(index));
    picture->setAlignment(Qt::AlignTop);
    outer->addWidget(picture);
    auto* right = new QVBoxLayout;
    auto* title = new QLabel(QStringLiteral("TITLE"), page);
    title->setObjectName(QStringLiteral("title"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    right->addWidget(title);
    auto* fields = new QGridLayout;
    right->addLayout(fields);
    auto* frame = new QGroupBox(page);
    auto* hintLayout = new QVBoxLayout(frame);
    auto* hintLabel = new QLabel(QString::fromLatin1(hint), frame);
    hintLabel->setWordWrap(true);
    hintLayout->addWidget(hintLabel);
    right->addStretch(1);
    right->addWidget(frame);
    outer->addLayout(right, 1);
    return fields;
}

QLineEdit* addEdit(QGridLayout* fields, int row, const char* label, const char* name, QWidget* page)
{
    fields->addWidget(new QLabel(QString::fromLatin1(label), page), row, 0);
    auto* edit = new QLineEdit(page);
    edit->setObjectName(QString::fromLatin1(name));
    fields->addWidget(edit, row, 1);
    return edit;
}

} // namespace

CWizardPage::CWizardPage(WizardPageKind kind, QString caption, QWidget* parent)
    : QWizardPage(parent), m_kind(kind), m_caption(std::move(caption))
{
}

ProjectWizard::ProjectWizard(Prompts& prompts, QWidget* parent) : QWizard(parent), m_prompts(prompts)
{
    setWizardStyle(QWizard::ClassicStyle);
    addPage(makeNamePage());
    addPage(makeAuthorPage());
    connect(this, &QWizard::currentIdChanged, this, &ProjectWizard::showPageKind);
    showPageKind(startId());
}

CWizardPage* ProjectWizard::wizardPage(int index) const
{
    return qobject_cast<CWizardPage*>(page(pageIds().value(index, -1)));
}

CWizardPage* ProjectWizard::makeNamePage()
{
    auto* page = new CWizardPage(WizardPageKind::first, QStringLiteral("ORVANTE Project Wizard - step 1/2"));
    QGridLayout* fields = framePage(
        page, 0, "Give a name to your project and choose a folder where all the files will be stored.");
    addEdit(fields, 0, "Project name :", "projectName", page);
    QLineEdit* location = addEdit(fields, 1, "Location :", "location", page);
    auto* browse = new QPushButton(QStringLiteral("..."), page);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAutoDefault(false);
    browse->setFixedWidth(28);
    fields->addWidget(browse, 1, 2);
    connect(browse, &QPushButton::clicked, page, [this, page, location] {
        const QString folder = m_prompts.chooseFolder(QString());
        if (folder.isEmpty())
            return;
        page->setLocation(folder);
        location->setText(folder);
    });
    return page;
}

CWizardPage* ProjectWizard::makeAuthorPage()
{
    auto* page = new CWizardPage(WizardPageKind::last, QStringLiteral("ORVANTE Project Wizard - step 2/2"));
    QGridLayout* fields = framePage(page, 1,
                                    "Enter your name and a description of the project. These infomation will be "
                                    "written in all your MEL scripts.");
    addEdit(fields, 0, "Author name :", "authorName", page);
    fields->addWidget(new QLabel(QStringLiteral("Project description :"), page), 1, 0, Qt::AlignTop);
    auto* description = new QPlainTextEdit(page);
    description->setObjectName(QStringLiteral("description"));
    description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fields->addWidget(description, 1, 1);
    return page;
}

void ProjectWizard::showPageKind(int id)
{
    const auto* shown = qobject_cast<CWizardPage*>(page(id));
    if (!shown)
        return;
    setWindowTitle(shown->caption());
    // Back is always there, enabled only where the page may go back; Finish takes the place of
    // Next.
    const WizardButtons buttons = wizardButtons(shown->kind());
    setButtonLayout({QWizard::Stretch, QWizard::BackButton, buttons.finish ? QWizard::FinishButton : QWizard::NextButton,
                     QWizard::CancelButton});
    button(QWizard::BackButton)->setEnabled(buttons.back);
}

} // namespace orv
