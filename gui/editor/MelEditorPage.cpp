// The page's controls, and the command port written back to the profile.
#include "editor/MelEditorPage.h"

#include "framework/CColorSwatch.h"
#include "framework/SettingsFormControls.h"
#include "settings/CommandPortAddress.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace orv {

namespace {

struct SwatchInfo {
    const char* name;
    const char* text;
};

constexpr SwatchInfo kSwatches[] = {
    {"colorDefault", "Default"},   {"colorComments", "Comments"}, {"colorCommands", "Commands"},
    {"colorKeywords", "Keywords"}, {"colorFlags", "Flags"},       {"colorStrings", "Strings"},
};

} // namespace

void MelEditorPage::fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls& controls)
{
    controls.check(SettingsFlag::exportAuthorInfo, "Export the author information in your MEL scripts", page, false);
    auto* grid = new QGridLayout;
    for (int i = 0; i < kMelColourCount; ++i) {
        grid->addWidget(controls.swatch(i, kSwatches[i].name, page), i % 3, (i / 3) * 2);
        grid->addWidget(new QLabel(QString::fromLatin1(kSwatches[i].text), &page), i % 3, (i / 3) * 2 + 1);
    }
    layout.addLayout(grid);
    auto* row = new QHBoxLayout;
    auto* defaults = new QPushButton(QStringLiteral("Default colors"), &page);
    defaults->setObjectName(QStringLiteral("defaultColors"));
    defaults->setAutoDefault(false);
    QObject::connect(defaults, &QPushButton::clicked, defaults, [&controls] { controls.resetColours(); });
    row->addWidget(defaults);
    row->addStretch(1);
    row->addWidget(new QLabel(QStringLiteral("Indent size"), &page));
    row->addWidget(controls.edit(FormText::indentSize, page));
    layout.addLayout(row);

    const CommandPortAddress address = readCommandPortAddress(m_profile);
    auto* port = new QHBoxLayout;
    port->addWidget(new QLabel(QStringLiteral("Maya command port"), &page));
    m_portHost = new QLineEdit(QString::fromStdString(address.host), &page);
    m_portHost->setObjectName(QStringLiteral("commandPortHost"));
    m_portHost->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9._:-]{1,253}")), m_portHost));
    port->addWidget(m_portHost, 1);
    port->addWidget(new QLabel(QStringLiteral("Port"), &page));
    m_portNumber = new QLineEdit(QString::number(address.port), &page);
    m_portNumber->setObjectName(QStringLiteral("commandPortPort"));
    m_portNumber->setValidator(new QIntValidator(1, 65535, m_portNumber));
    m_portNumber->setMaximumWidth(60);
    port->addWidget(m_portNumber);
    layout.addLayout(port);
}

void MelEditorPage::accept()
{
    // A box left empty or unusable keeps the stored value.
    CommandPortAddress address = readCommandPortAddress(m_profile);
    if (m_portHost->hasAcceptableInput())
        address.host = m_portHost->text().toStdString();
    if (m_portNumber->hasAcceptableInput())
        address.port = m_portNumber->text().toInt();
    writeCommandPortAddress(m_profile, address);
}

} // namespace orv
