// The settings dialog's conversions between record fields and control contents; no value is
// range-checked, as the dialog stores whatever its boxes hold.
#include "settings/SettingsForm.h"

#include <cctype>

namespace orv {

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

template <typename Record>
auto byteFields(Record& r)
{
    return std::array{&r.recentFileCount, &r.indentSize, &r.gridWidth, &r.gridHeight};
}

// In the order of FormText after the byte fields.
template <typename Record>
auto sizeFields(Record& r)
{
    return std::array{&r.windowWidth,      &r.windowHeight,      &r.buttonWidth,    &r.buttonHeight,
                      &r.checkBoxWidth,    &r.checkBoxHeight,    &r.listWidth,      &r.listHeight,
                      &r.radioButtonWidth, &r.radioButtonHeight, &r.textFieldWidth, &r.textFieldHeight,
                      &r.sliderWidth,      &r.sliderHeight,      &r.textWidth,      &r.textHeight};
}

template <typename Record>
auto colourFields(Record& r)
{
    return std::array{&r.colorDefault, &r.colorComments, &r.colorCommands,
                      &r.colorKeywords, &r.colorFlags,   &r.colorStrings};
}

std::uint16_t formFlagMask()
{
    std::uint16_t mask = 0;
    for (SettingsFlag f : kFormFlags)
        mask = static_cast<std::uint16_t>(mask | static_cast<std::uint16_t>(f));
    return mask;
}

} // namespace

SettingsForm loadSettingsForm(const SettingsRecord& record)
{
    SettingsForm form;
    std::size_t at = 0;
    for (const std::uint8_t* field : byteFields(record))
        form.texts[at++] = std::to_string(*field);
    for (const std::uint32_t* field : sizeFields(record))
        form.texts[at++] = std::to_string(*field);
    form.flags = static_cast<std::uint16_t>(record.flags & formFlagMask());
    at = 0;
    for (const ColorRef* field : colourFields(record))
        form.colours[at++] = *field;
    form.booleanStyle = static_cast<int>(record.booleanStyle);
    return form;
}

void applySettingsForm(const SettingsForm& form, SettingsRecord& record)
{
    std::size_t at = 0;
    for (std::uint8_t* field : byteFields(record))
        *field = byteFromText(form.texts[at++]);
    for (std::uint32_t* field : sizeFields(record))
        *field = sizeFromText(form.texts[at++]);
    const std::uint16_t mask = formFlagMask();
    record.flags = static_cast<std::uint16_t>((record.flags & ~mask) | (form.flags & mask));
    at = 0;
    for (ColorRef* field : colourFields(record))
        *field = form.colours[at++];
    // The drop-down's selection index; with nothing selected the style stays, so the record
    // never holds a style beyond the three (a stored one is read back as the first).
    if (form.booleanStyle >= 0 && form.booleanStyle <= static_cast<int>(BooleanStyle::zeroOne))
        record.booleanStyle = static_cast<BooleanStyle>(form.booleanStyle);
}

std::uint8_t byteFromText(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    // Only the low 8 bits are kept, so the number is reduced as it is read and never overflows.
    unsigned value = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        value = (value * 10 + static_cast<unsigned>(text[at] - '0')) % 256;
    return static_cast<std::uint8_t>(negative ? (256 - value) % 256 : value);
}

std::uint32_t sizeFromText(std::string_view text)
{
    if (text.empty())
        return 0;
    std::uint64_t value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return 0;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0xFFFFFFFFu)
            return 0;
    }
    return static_cast<std::uint32_t>(value);
}

std::string digitsOnly(std::string_view text)
{
    std::string kept;
    for (char c : text)
        if (isDigit(c))
            kept += c;
    return kept;
}

} // namespace orv
