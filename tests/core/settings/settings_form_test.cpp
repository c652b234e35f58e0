// The settings dialog's conversions: byte fields keep their low 8 bits, sizes read as unsigned
// numbers or 0, the check boxes touch only their bits, a load then apply changes nothing.
#include "settings/SettingsForm.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(SettingsForm, ByteFieldsKeepTheLowEightBitsOfTheLeadingNumber)
{
    struct Case {
        const char* text;
        int stored;
    };
    const Case cases[] = {
        {"4", 4}, {"300", 44}, {"256", 0}, {"255", 255}, {"", 0}, {"abc", 0}, {"12abc", 12},
        {"  7", 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(byteFromText(c.text), c.stored) << c.text;
    // A number far beyond any integer still gives its true low 8 bits: 10^20 mod 256 = 0.
    EXPECT_EQ(byteFromText("100000000000000000000"), 0);
    EXPECT_EQ(byteFromText("100000000000000000001"), 1);
}

TEST(SettingsForm, SizesAreWholeUnsignedNumbersOrZero)
{
    struct Case {
        const char* text;
        std::uint32_t stored;
    };
    const Case cases[] = {
        {"320", 320}, {"", 0}, {"0", 0}, {"12a", 0}, {"-5", 0}, {"4294967295", 4294967295u}, {"4294967296", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sizeFromText(c.text), c.stored) << c.text;
}

TEST(SettingsForm, DigitsOnlyDropsEverythingElse)
{
    EXPECT_EQ(digitsOnly("1a2 -3\x80" "4"), "1234");
    EXPECT_EQ(digitsOnly("abc"), "");
}

TEST(SettingsForm, LoadingThenApplyingChangesNothing)
{
    SettingsRecord record;
    record.flags = 0xFFFF;
    record.indentSize = 9;
    record.booleanStyle = BooleanStyle::zeroOne;
    record.colorStrings = 0x123456;
    record.textHeight = 4000000000u;
    const SettingsRecord before = record;
    applySettingsForm(loadSettingsForm(record), record);
    EXPECT_EQ(record, before);
}

TEST(SettingsForm, ApplyingWritesEveryControlAtOnce)
{
    SettingsRecord record;
    SettingsForm form = loadSettingsForm(record);
    EXPECT_EQ(form.text(FormText::indentSize), "4");
    EXPECT_EQ(form.text(FormText::listWidth), "150");
    EXPECT_EQ(form.colours, kDefaultMelColours);

    form.text(FormText::indentSize) = "300";
    form.text(FormText::windowWidth) = "";
    form.text(FormText::sliderHeight) = "33";
    form.text(FormText::gridHeight) = "12";
    form.setChecked(SettingsFlag::reloadLastDocument, false);
    form.setChecked(SettingsFlag::unixFormat, true);
    form.colours[3] = 0x0000FF;
    form.booleanStyle = 1;
    applySettingsForm(form, record);

    EXPECT_EQ(record.indentSize, 44);
    EXPECT_EQ(record.windowWidth, 0u);
    EXPECT_EQ(record.windowHeight, 240u);
    EXPECT_EQ(record.sliderHeight, 33u);
    EXPECT_EQ(record.gridHeight, 12);
    EXPECT_FALSE(record.reloadLastDocument());
    EXPECT_TRUE(record.unixFormat());
    EXPECT_EQ(record.colorKeywords, 0x0000FFu);
    EXPECT_EQ(record.booleanStyle, BooleanStyle::falseTrue);
}

TEST(SettingsForm, NoBooleanStyleSelectedKeepsTheStyle)
{
    SettingsRecord record;
    record.booleanStyle = BooleanStyle::falseTrue;
    SettingsForm form = loadSettingsForm(record);
    for (int none : {-1, 3, 255}) {
        form.booleanStyle = none;
        applySettingsForm(form, record);
        EXPECT_EQ(record.booleanStyle, BooleanStyle::falseTrue) << none;
    }
}

TEST(SettingsForm, BitsWithoutACheckBoxPassThrough)
{
    SettingsRecord record;
    record.setFlag(SettingsFlag::designerGrid, true);
    record.setFlag(SettingsFlag::mainMaximized, false);
    SettingsForm form = loadSettingsForm(record);
    // A form from another record must not carry that record's window or grid bits over.
    form.flags = 0xFFFF;
    applySettingsForm(form, record);
    EXPECT_TRUE(record.designerGrid());
    EXPECT_FALSE(record.mainMaximized());
    EXPECT_TRUE(record.exportAuthorInfo());
}
