// The page's rows of sizes and its options.
#include "designer/UiEditorPage.h"

#include "framework/SettingsFormControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orv {

namespace {

// The page's rows: the label, then the width and height fields.
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

} // namespace

void UiEditorPage::fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls& controls)
{
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Default sizes"), &page), 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Width"), &page), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Height"), &page), 1, 2);
    int row = 2;
    for (const SizeRow& size : kSizeRows) {
        grid->addWidget(new QLabel(QString::fromLatin1(size.text), &page), row, 0);
        grid->addWidget(controls.edit(size.width, page), row, 1);
        grid->addWidget(controls.edit(size.height, page), row, 2);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Boolean values"), &page));
    right->addWidget(controls.booleanStyle(page));
    right->addStretch(1);
    grid->addLayout(right, 2, 4, 6, 1);
    layout.addLayout(grid);
    controls.check(SettingsFlag::useWidthHeight, "use widthHeight (window)", page);
}

} // namespace orv
