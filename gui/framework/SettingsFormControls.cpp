// The record's controls, their names (which tests and the layout find them by), and their
// loading and reading back.
#include "framework/SettingsFormControls.h"

#include "framework/CColorSwatch.h"
#include "framework/ColorRefs.h"
#include "framework/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QValidator>

#include <string>

namespace orv {

namespace {

constexpr const char* kFieldNames[] = {
    "recentFileCount",  "indentSize",        "gridWidth",      "gridHeight",      "windowWidth",
    "windowHeight",     "buttonWidth",       "buttonHeight",   "checkBoxWidth",   "checkBoxHeight",
    "listWidth",        "listHeight",        "radioButtonWidth", "radioButtonHeight", "textFieldWidth",
    "textFieldHeight",  "sliderWidth",       "sliderHeight",   "textWidth",       "textHeight",
};

constexpr const char* kBooleanStyles[] = {"off - on", "false - true", "0 - 1"};

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

QLineEdit* SettingsFormControls::edit(FormText field, QWidget& page)
{
    auto* edit = new QLineEdit(&page);
    edit->setObjectName(QString::fromLatin1(kFieldNames[static_cast<int>(field)]));
    // Digits only, as the boxes' style; whatever they hold is stored on OK.
    edit->setValidator(new DigitsOnlyValidator(edit));
    edit->setMaximumWidth(60);
    m_edits[static_cast<std::size_t>(field)] = edit;
    return edit;
}

QCheckBox* SettingsFormControls::check(SettingsFlag flag, const char* text, QWidget& page, bool enabled)
{
    auto* check = new QCheckBox(QString::fromLatin1(text), &page);
    check->setObjectName(QStringLiteral("flag%1").arg(static_cast<int>(flag), 4, 16, QLatin1Char('0')));
    check->setEnabled(enabled);
    m_checks[flag] = check;
    page.layout()->addWidget(check);
    return check;
}

CColorSwatch* SettingsFormControls::swatch(int index, const char* name, QWidget& page)
{
    auto* swatch = new CColorSwatch(&page);
    swatch->setObjectName(QString::fromLatin1(name));
    swatch->setFixedSize(40, 16);
    QObject::connect(swatch, &CColorSwatch::clicked, swatch, [this, swatch] { chooseColour(swatch); });
    m_swatches[static_cast<std::size_t>(index)] = swatch;
    return swatch;
}

QComboBox* SettingsFormControls::booleanStyle(QWidget& page)
{
    m_booleanStyle = new QComboBox(&page);
    m_booleanStyle->setObjectName(QStringLiteral("booleanStyle"));
    for (const char* style : kBooleanStyles)
        m_booleanStyle->addItem(QString::fromLatin1(style));
    return m_booleanStyle;
}

void SettingsFormControls::resetColours()
{
    for (std::size_t i = 0; i < m_swatches.size(); ++i)
        if (m_swatches[i])
            m_swatches[i]->setColor(kDefaultMelColours[i]);
}

void SettingsFormControls::chooseColour(CColorSwatch* swatch)
{
    if (const std::optional<QColor> chosen = m_prompts.chooseColour(toQColor(swatch->color())))
        swatch->setColor(toColorRef(*chosen));
}

void SettingsFormControls::load(const SettingsForm& form)
{
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        if (m_edits[i])
            m_edits[i]->setText(QString::fromStdString(form.texts[i]));
    for (const auto& [flag, check] : m_checks)
        check->setChecked(form.checked(flag));
    for (std::size_t i = 0; i < m_swatches.size(); ++i)
        if (m_swatches[i])
            m_swatches[i]->setColor(form.colours[i], false);
    if (m_booleanStyle)
        m_booleanStyle->setCurrentIndex(form.booleanStyle < m_booleanStyle->count() ? form.booleanStyle : -1);
}

void SettingsFormControls::read(SettingsForm& form) const
{
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        if (m_edits[i])
            form.texts[i] = m_edits[i]->text().toStdString();
    for (const auto& [flag, check] : m_checks)
        form.setChecked(flag, check->isChecked());
    for (std::size_t i = 0; i < m_swatches.size(); ++i)
        if (m_swatches[i])
            form.colours[i] = m_swatches[i]->color();
    if (m_booleanStyle)
        form.booleanStyle = m_booleanStyle->currentIndex();
}

} // namespace orv
