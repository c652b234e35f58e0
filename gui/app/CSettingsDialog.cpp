// The six pages, their controls and the record fields they show.
#include "app/CSettingsDialog.h"

#include "app/AppIds.h"
#include "app/CommandImages.h"
#include "app/DocumentIcons.h"
#include "framework/CColorSwatch.h"
#include "framework/Prompts.h"
#include "framework/SettingsService.h"
#include "settings/CommandPortAddress.h"
#include "settings/ElementNamesOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QIntValidator>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QValidator>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <optional>

namespace orv {

namespace {

constexpr int kListWidth = 141;
constexpr int kPageIconSize = 20;

struct PageInfo {
    const char* text;
    std::optional<MenuId> picture; // none: the Settings command's own picture
};

constexpr PageInfo kPages[] = {
    {"General", std::nullopt},     {"MEL Editor", MenuId::script}, {"UI Editor", MenuId::window},
    {"Icons Editor", MenuId::icon}, {"Projects", MenuId::project},  {"MEL Export", MenuId::script},
};

QPixmap pagePicture(const PageInfo& info, int size)
{
    if (info.picture)
        return documentIcon(*info.picture, size);
    return commandIcon(CommandId::settings).pixmap(size, size);
}

struct SwatchInfo {
    const char* name;
    const char* text;
};

constexpr SwatchInfo kSwatches[] = {
    {"colorDefault", "Default"},   {"colorComments", "Comments"}, {"colorCommands", "Commands"},
    {"colorKeywords", "Keywords"}, {"colorFlags", "Flags"},       {"colorStrings", "Strings"},
};

constexpr const char* kFieldNames[] = {
    "recentFileCount",  "indentSize",        "gridWidth",      "gridHeight",      "windowWidth",
    "windowHeight",     "buttonWidth",       "buttonHeight",   "checkBoxWidth",   "checkBoxHeight",
    "listWidth",        "listHeight",        "radioButtonWidth", "radioButtonHeight", "textFieldWidth",
    "textFieldHeight",  "sliderWidth",       "sliderHeight",   "textWidth",       "textHeight",
};

// The UI Editor page's rows: the label, then the width and height fields.
struct SizeRow {
    const char* text;
    FormText width;
    FormText height;
};

constexpr SizeRow kSizeRows[] = {
    {"Window", FormText::windowWidth, FormText::windowHeight},
    {"Button", FormText::buttonWidth, FormText::buttonHeight},
    {"Checkbox", FormText::checkBoxWidth, FormText::checkBoxHeight},
    {"ComboBox", FormText::listWidth, FormText::listHeight},
    {"RadioButton", FormText::radioButtonWidth, FormText::radioButtonHeight},
    {"TextField", FormText::textFieldWidth, FormText::textFieldHeight},
    {"Slider", FormText::sliderWidth, FormText::sliderHeight},
    {"Text", FormText::textWidth, FormText::textHeight},
    {"Grid size", FormText::gridWidth, FormText::gridHeight},
};

constexpr const char* kBooleanStyles[] = {"off - on", "false - true", "0 - 1"};

QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

// Keeps the digits of whatever is typed or pasted and drops the rest.
class DigitsOnlyValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        const std::string bytes = input.toLatin1().toStdString();
        pos = static_cast<int>(digitsOnly(std::string_view(bytes).substr(0, static_cast<std::size_t>(pos))).size());
        input = QString::fromStdString(digitsOnly(bytes));
        return Acceptable;
    }
};

} // namespace

CSettingsDialog::CSettingsDialog(SettingsService& settings, Prompts& prompts, const QFont& titleFont, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_prompts(prompts), m_list(new QListWidget(this)),
      m_pages(new QStackedWidget(this))
{
    setWindowTitle(QStringLiteral("Settings"));
    m_list->setObjectName(QStringLiteral("pages"));
    m_list->setFixedWidth(kListWidth);
    m_list->setIconSize(QSize(16, 16));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int page = 0; page < pageCount; ++page) {
        const PageInfo& info = kPages[page];
        new QListWidgetItem(QIcon(pagePicture(info, 16)), text(info.text), m_list);
        m_pages->addWidget(makePage(static_cast<Page>(page), titleFont));
    }
    // A click and the arrow keys both move the current row; the page follows it.
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_pages->setCurrentIndex(row);
    });
    m_list->setCurrentRow(general);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* body = new QHBoxLayout;
    body->addWidget(m_list);
    body->addWidget(m_pages, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    load(loadSettingsForm(m_settings.record()));
}

int CSettingsDialog::currentPage() const
{
    return m_pages->currentIndex();
}

QWidget* CSettingsDialog::makePage(Page page, const QFont& titleFont)
{
    auto* widget = new QWidget(m_pages);
    widget->setObjectName(text(kPages[page].text));
    auto* layout = new QVBoxLayout(widget);
    auto* header = new QHBoxLayout;
    auto* picture = new QLabel(widget);
    picture->setPixmap(pagePicture(kPages[page], kPageIconSize));
    auto* title = new QLabel(text(kPages[page].text), widget);
    title->setObjectName(QStringLiteral("title"));
    title->setFont(titleFont);
    header->addWidget(picture);
    header->addWidget(title, 1);
    layout->addLayout(header);
    switch (page) {
    case general:
        fillGeneral(widget);
        break;
    case melEditor:
        fillMelEditor(widget);
        break;
    case uiEditor:
        fillUiEditor(widget);
        break;
    case iconsEditor:
    case projects:
        fillUnderConstruction(widget);
        break;
    case melExport:
    case pageCount:
        fillMelExport(widget);
        break;
    }
    layout->addStretch(1);
    return widget;
}

QLineEdit* CSettingsDialog::makeEdit(FormText field, QWidget* page)
{
    auto* edit = new QLineEdit(page);
    edit->setObjectName(text(kFieldNames[static_cast<int>(field)]));
    // Digits only, as the boxes' style; whatever they hold is stored on OK.
    edit->setValidator(new DigitsOnlyValidator(edit));
    edit->setMaximumWidth(60);
    m_edits[static_cast<std::size_t>(field)] = edit;
    return edit;
}

QCheckBox* CSettingsDialog::makeCheck(SettingsFlag flag, const char* label, QWidget* page, bool enabled)
{
    auto* check = new QCheckBox(text(label), page);
    check->setObjectName(QStringLiteral("flag%1").arg(static_cast<int>(flag), 4, 16, QLatin1Char('0')));
    // A disabled box is still read back, so its bit keeps the value loaded.
    check->setEnabled(enabled);
    m_checks[flag] = check;
    page->layout()->addWidget(check);
    return check;
}

void CSettingsDialog::fillGeneral(QWidget* page)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Recent files list contains"), page));
    row->addWidget(makeEdit(FormText::recentFileCount, page));
    row->addWidget(new QLabel(QStringLiteral("files"), page));
    row->addStretch(1);
    qobject_cast<QVBoxLayout*>(page->layout())->addLayout(row);
    makeCheck(SettingsFlag::reloadLastDocument, "Reload last document at startup", page);
}

void CSettingsDialog::fillMelEditor(QWidget* page)
{
    auto* layout = qobject_cast<QVBoxLayout*>(page->layout());
    makeCheck(SettingsFlag::exportAuthorInfo, "Export the author information in your MEL scripts", page, false);
    auto* grid = new QGridLayout;
    for (int i = 0; i < kMelColourCount; ++i) {
        auto* swatch = new CColorSwatch(page);
        swatch->setObjectName(text(kSwatches[i].name));
        swatch->setFixedSize(40, 16);
        connect(swatch, &CColorSwatch::clicked, this, [this, swatch] { chooseColour(swatch); });
        m_swatches[static_cast<std::size_t>(i)] = swatch;
        grid->addWidget(swatch, i % 3, (i / 3) * 2);
        grid->addWidget(new QLabel(text(kSwatches[i].text), page), i % 3, (i / 3) * 2 + 1);
    }
    layout->addLayout(grid);
    auto* row = new QHBoxLayout;
    auto* defaults = new QPushButton(QStringLiteral("Default colors"), page);
    defaults->setObjectName(QStringLiteral("defaultColors"));
    defaults->setAutoDefault(false);
    connect(defaults, &QPushButton::clicked, this, &CSettingsDialog::resetColours);
    row->addWidget(defaults);
    row->addStretch(1);
    row->addWidget(new QLabel(QStringLiteral("Indent size"), page));
    row->addWidget(makeEdit(FormText::indentSize, page));
    layout->addLayout(row);
}

void CSettingsDialog::fillUiEditor(QWidget* page)
{
    auto* layout = qobject_cast<QVBoxLayout*>(page->layout());
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Default sizes"), page), 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Width"), page), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Height"), page), 1, 2);
    int row = 2;
    for (const SizeRow& size : kSizeRows) {
        grid->addWidget(new QLabel(text(size.text), page), row, 0);
        grid->addWidget(makeEdit(size.width, page), row, 1);
        grid->addWidget(makeEdit(size.height, page), row, 2);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Boolean values"), page));
    m_booleanStyle = new QComboBox(page);
    m_booleanStyle->setObjectName(QStringLiteral("booleanStyle"));
    for (const char* style : kBooleanStyles)
        m_booleanStyle->addItem(text(style));
    right->addWidget(m_booleanStyle);
    right->addStretch(1);
    grid->addLayout(right, 2, 4, 6, 1);
    layout->addLayout(grid);
    makeCheck(SettingsFlag::useWidthHeight, "use widthHeight (window)", page);
}

void CSettingsDialog::fillUnderConstruction(QWidget* page)
{
    auto* label = new QLabel(QStringLiteral("UNDER CONSTRUCTION"), page);
    label->setAlignment(Qt::AlignCenter);
    page->layout()->addWidget(label);
}

void CSettingsDialog::fillMelExport(QWidget* page)
{
    makeCheck(SettingsFlag::shortFlags, "Use short flags for MEL commands  (ex: \"-w\" instead of \"-width\")", page);
    makeCheck(SettingsFlag::exportToFile, "Export to file", page);
    makeCheck(SettingsFlag::exportToClipboard, "Copy to clipboard", page);
    makeCheck(SettingsFlag::unixFormat, "Unix format (carriage return)", page, false);
}

void CSettingsDialog::load(const SettingsForm& form)
{
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->setText(QString::fromStdString(form.texts[i]));
    for (const auto& [flag, check] : m_checks)
        check->setChecked(form.checked(flag));
    for (std::size_t i = 0; i < m_swatches.size(); ++i)
        m_swatches[i]->setColor(form.colours[i], false);
    m_booleanStyle->setCurrentIndex(form.booleanStyle < m_booleanStyle->count() ? form.booleanStyle : -1);
}

SettingsForm CSettingsDialog::read() const
{
    SettingsForm form;
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        form.texts[i] = m_edits[i]->text().toStdString();
    for (const auto& [flag, check] : m_checks)
        form.setChecked(flag, check->isChecked());
    for (std::size_t i = 0; i < m_swatches.size(); ++i)
        form.colours[i] = m_swatches[i]->color();
    form.booleanStyle = m_booleanStyle->currentIndex();
    return form;
}

void CSettingsDialog::resetColours()
{
    for (std::size_t i = 0; i < m_swatches.size(); ++i)
        m_swatches[i]->setColor(kDefaultMelColours[i]);
}

void CSettingsDialog::chooseColour(CColorSwatch* swatch)
{
    if (const std::optional<QColor> chosen = m_prompts.chooseColour(toQColor(swatch->color())))
        swatch->setColor(toColorRef(*chosen));
}

void CSettingsDialog::addCommandPort(Profile& profile)
{
    m_portProfile = &profile;
    const CommandPortAddress address = readCommandPortAddress(profile);
    QWidget* page = m_pages->widget(melEditor);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Maya command port"), page));
    m_portHost = new QLineEdit(QString::fromStdString(address.host), page);
    m_portHost->setObjectName(QStringLiteral("commandPortHost"));
    m_portHost->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9._:-]{1,253}")), m_portHost));
    row->addWidget(m_portHost, 1);
    row->addWidget(new QLabel(QStringLiteral("Port"), page));
    m_portNumber = new QLineEdit(QString::number(address.port), page);
    m_portNumber->setObjectName(QStringLiteral("commandPortPort"));
    m_portNumber->setValidator(new QIntValidator(1, 65535, m_portNumber));
    m_portNumber->setMaximumWidth(60);
    row->addWidget(m_portNumber);
    // Above the page's closing stretch.
    auto* layout = qobject_cast<QVBoxLayout*>(page->layout());
    layout->insertLayout(layout->count() - 1, row);
}

void CSettingsDialog::addElementNamesOption(Profile& profile)
{
    m_namesProfile = &profile;
    QWidget* page = m_pages->widget(melExport);
    m_writeNames = new QCheckBox(QStringLiteral("Write element names"), page);
    m_writeNames->setObjectName(QStringLiteral("writeElementNames"));
    m_writeNames->setChecked(readElementNamesOption(profile));
    // After the page's own boxes, above the page's closing stretch.
    auto* layout = qobject_cast<QVBoxLayout*>(page->layout());
    layout->insertWidget(layout->count() - 1, m_writeNames);
}

void CSettingsDialog::accept()
{
    if (m_namesProfile)
        writeElementNamesOption(*m_namesProfile, m_writeNames->isChecked());
    if (m_portProfile) {
        // A box left empty or unusable keeps the stored value.
        CommandPortAddress address = readCommandPortAddress(*m_portProfile);
        if (m_portHost->hasAcceptableInput())
            address.host = m_portHost->text().toStdString();
        if (m_portNumber->hasAcceptableInput())
            address.port = m_portNumber->text().toInt();
        writeCommandPortAddress(*m_portProfile, address);
    }
    SettingsRecord next = m_settings.record();
    applySettingsForm(read(), next);
    // Every view hears the change: the text views take the tab size, all repaint in the colours.
    m_settings.apply(next);
    QDialog::accept();
}

} // namespace orv
