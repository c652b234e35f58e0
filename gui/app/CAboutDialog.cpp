// Texts and addresses of the About box.
#include "app/CAboutDialog.h"

#include "app/AppIds.h"
#include "app/AppLogo.h"
#include "app/CLinkLabel.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {
constexpr const char* kTitle = "About ORVANTE";
constexpr const char* kCredits =
    "A workbench for MEL authors: a MEL script editor with syntax colouring, a visual designer "
    "of Maya UI windows exported as MEL, an icon editor and a project explorer.\n\n"
    "Design and programming: the ORVANTE team at Tessaly Studios.\n"
    "Icons and pictures: drawn for ORVANTE.";
constexpr const char* kCopyright = "Copyright (c) Tessaly Studios. All rights reserved.";
} // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(kTitle));
    setModal(true);

    auto* logo = new QLabel(this);
    logo->setPixmap(appLogo(64));
    logo->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QString::fromLatin1(shell::kAppName), this);
    QFont nameFont = name->font();
    nameFont.setPixelSize(22);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* version = new QLabel(QString::fromLatin1(shell::kVersionText), this);
    version->setObjectName(QStringLiteral("version"));

    auto* credits = new QLabel(QString::fromLatin1(kCredits), this);
    credits->setWordWrap(true);
    credits->setMinimumWidth(320);
    auto* copyright = new QLabel(QString::fromLatin1(kCopyright), this);

    auto* website = new CLinkLabel(QStringLiteral("ORVANTE website"), QUrl(QString::fromLatin1(shell::kWebsiteAddress)), this);
    auto* news = new CLinkLabel(QStringLiteral("ORVA-News mailing list"), QUrl(QString::fromLatin1(shell::kNewsAddress)), this);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setIcon(QIcon());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(credits);
    text->addSpacing(8);
    text->addWidget(website);
    text->addWidget(news);
    text->addSpacing(8);
    text->addWidget(copyright);

    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(rule);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QList<CLinkLabel*> CAboutDialog::links() const
{
    return findChildren<CLinkLabel*>();
}

} // namespace orv
