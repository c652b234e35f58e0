// The pages' controls, their side pictures, and the buttons each page kind shows.
#include "project/CWizardPage.h"

#include "framework/Prompts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
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
    QPixmap pixmap(kPictureSize);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, kPictureSize.height());
    sky.setColorAt(0, QColor(0x1c, 0x3c, 0x78));
    sky.setColorAt(1, QColor(0x78, 0xa8, 0xd8));
    p.fillRect(pixmap.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    if (page == 0) {
        p.setBrush(QColor(0xe8, 0xc0, 0x50));
        p.drawRect(18, 70, 30, 10);
        p.drawRect(18, 78, 74, 56);
        p.setBrush(Qt::white);
        p.drawRect(30, 60, 40, 50);
        p.drawRect(42, 66, 40, 50);
        p.setBrush(QColor(0xf4, 0xd0, 0x68));
        p.drawPolygon(QPolygon({QPoint(18, 134), QPoint(26, 96), QPoint(100, 96), QPoint(92, 134)}));
    } else {
        p.setBrush(Qt::white);
        p.drawRect(22, 50, 66, 90);
        for (int y = 64; y < 116; y += 9)
            p.drawLine(30, y, 80, y);
        p.setPen(QPen(QColor(0x10, 0x24, 0x84), 2));
        p.drawPath([] {
            QPainterPath signature(QPointF(32, 128));
            signature.cubicTo(40, 116, 46, 138, 56, 124);
            signature.cubicTo(62, 116, 66, 134, 78, 122);
            return signature;
        }());
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0xc0, 0x30, 0x30));
        p.drawPolygon(QPolygon({QPoint(76, 118), QPoint(98, 84), QPoint(103, 88), QPoint(81, 122)}));
    }
    return pixmap;
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
