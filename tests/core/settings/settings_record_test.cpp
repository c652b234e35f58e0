// The stored settings blocks: byte layout, defaults, and what counts as a valid stored value.
#include "settings/AppSettings.h"
#include "settings/IconEditorParams.h"
#include "settings/SettingsRecord.h"

#include <gtest/gtest.h>

#include <vector>

using namespace orv;

namespace {

Bytes defaultPrmBytes()
{
    // 64, 0x0393, grid 10x10, recent 5, indent 4, style 0 + 3 zero bytes,
    // colours 0x000000 0x008000 0xC000C0 0xFF0000 0x8080C0 0x808080,
    // sizes 320 240 80 28 100 28 100 28 100 17 100 23 150 100 80 17, 16 reserved zeros.
    return {
        0x40, 0x00, 0x93, 0x03, 0x0a, 0x0a, 0x05, 0x04, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0xc0, 0x00, 0xc0, 0x00,
        0x00, 0x00, 0xff, 0x00, 0xc0, 0x80, 0x80, 0x00, 0x80, 0x80, 0x80, 0x00,
        0x40, 0x01, 0x00, 0x00, 0xf0, 0x00, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00,
        0x1c, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x1c, 0x00, 0x00, 0x00,
        0x64, 0x00, 0x00, 0x00, 0x1c, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00,
        0x11, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x17, 0x00, 0x00, 0x00,
        0x96, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00,
        0x11, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
}

Bytes toBytes(const auto& array)
{
    return Bytes(array.begin(), array.end());
}

} // namespace

TEST(SettingsRecord, DefaultRecordIsTheDocumentedBytes)
{
    SettingsRecord r;
    r.gridWidth = 99;
    ResetSettings(r);
    ASSERT_EQ(defaultPrmBytes().size(), SettingsRecord::kSize);
    EXPECT_EQ(toBytes(r.serialize()), defaultPrmBytes());
}

TEST(SettingsRecord, DefaultFlagsSayWhatIsOn)
{
    SettingsRecord r;
    EXPECT_TRUE(r.mainMaximized());
    EXPECT_TRUE(r.childMaximized());
    EXPECT_TRUE(r.syntaxColoring());
    EXPECT_TRUE(r.exportToFile());
    EXPECT_TRUE(r.exportToClipboard());
    EXPECT_TRUE(r.exportAuthorInfo());
    EXPECT_FALSE(r.designerGrid());
    EXPECT_FALSE(r.reloadLastDocument());
    EXPECT_FALSE(r.shortFlags());
    EXPECT_FALSE(r.useWidthHeight());
    EXPECT_FALSE(r.unixFormat());
}

TEST(SettingsRecord, EveryFieldRoundTripsAtItsOffset)
{
    SettingsRecord r;
    r.setFlag(SettingsFlag::unixFormat, true);
    r.setFlag(SettingsFlag::mainMaximized, false);
    r.gridHeight = 7;
    r.booleanStyle = BooleanStyle::zeroOne;
    r.colorStrings = 0x123456;
    r.textHeight = 0x1234;
    r.colorFlags = 0xA1B2C3D4;
    r.reserved = {1, 2, 3, 4};
    const auto bytes = r.serialize();
    EXPECT_EQ(bytes[2], 0x92);  // 0x0393 - mainMaximized + unixFormat = 0x0792
    EXPECT_EQ(bytes[3], 0x07);
    EXPECT_EQ(bytes[5], 7);
    EXPECT_EQ(bytes[8], 2);
    EXPECT_EQ(bytes[32], 0x56);
    EXPECT_EQ(bytes[34], 0x12);
    EXPECT_EQ(bytes[96], 0x34);
    EXPECT_EQ(bytes[97], 0x12);
    EXPECT_EQ(bytes[28], 0xD4);
    EXPECT_EQ(bytes[31], 0xA1);
    EXPECT_EQ(bytes[112], 4);

    const auto back = SettingsRecord::parse(bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, r);
}

TEST(SettingsRecord, BooleanStyleTakesOneByteAndThreeZeros)
{
    for (const auto style : {BooleanStyle::offOn, BooleanStyle::falseTrue, BooleanStyle::zeroOne}) {
        SettingsRecord r;
        r.booleanStyle = style;
        const auto bytes = r.serialize();
        EXPECT_EQ(readU32(bytes, 8), static_cast<std::uint32_t>(style));
    }
}

TEST(SettingsRecord, StoredValueOutsideTheKnownStylesFallsBackToTheFirst)
{
    Bytes bytes = defaultPrmBytes();
    bytes[8] = 1;
    bytes[10] = 0xFF;  // a reader of the 32-bit word would see garbage
    const auto r = SettingsRecord::parse(bytes);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->booleanStyle, BooleanStyle::offOn);
    EXPECT_EQ(readU32(r->serialize(), 8), 0u);
}

TEST(SettingsRecord, OnlyExactSizeAndMarkerAreAccepted)
{
    struct Case {
        const char* what;
        Bytes bytes;
        bool accepted;
    };
    Bytes marker63 = defaultPrmBytes();
    marker63[0] = 63;
    Bytes shorter = defaultPrmBytes();
    shorter.pop_back();
    Bytes longer = defaultPrmBytes();
    longer.push_back(0);
    const std::vector<Case> cases{
        {"116 bytes, marker 64", defaultPrmBytes(), true},
        {"115 bytes", shorter, false},
        {"117 bytes", longer, false},
        {"marker 63", marker63, false},
        {"empty", {}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsRecord::parse(c.bytes).has_value(), c.accepted) << c.what;
}

TEST(SettingsRecord, TabSizeIsAtLeastOne)
{
    SettingsRecord r;
    r.indentSize = 0;
    EXPECT_EQ(r.tabSize(), 1);
    r.indentSize = 8;
    EXPECT_EQ(r.tabSize(), 8);
}

TEST(IconEditorParams, DefaultsAndLayout)
{
    const IconEditorParams p;
    EXPECT_EQ(toBytes(p.serialize()), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
}

TEST(IconEditorParams, ShortValueIsMissingLongerValueGivesItsFirstTwelveBytes)
{
    const Bytes eleven(11, 1);
    EXPECT_FALSE(IconEditorParams::parse(eleven).has_value());

    const Bytes thirteen{1, 0, 1, 0, 0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0, 0x99};
    const auto p = IconEditorParams::parse(thirteen);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->showGrid, 1);
    EXPECT_EQ(p->showPreview, 1);
    EXPECT_EQ(p->primaryColor, 0x332211u);
    EXPECT_EQ(p->secondaryColor, 0x665544u);
}

TEST(AppSettings, InvalidStoredValuesGiveDefaultsAndDefaultsAreWrittenBack)
{
    for (const std::size_t size : {std::size_t{115}, std::size_t{117}}) {
        MemoryProfile profile;
        Bytes bad = defaultPrmBytes();
        bad.resize(size, 0);
        bad[4] = 33;  // a grid width that must not survive
        profile.writeBinary("Settings", "prm", bad);
        profile.writeBinary("Settings", "icmprm", Bytes(5, 7));

        AppSettings s;
        s.load(profile);
        EXPECT_EQ(s.record, SettingsRecord{});
        EXPECT_EQ(s.iconParams, IconEditorParams{});
        EXPECT_EQ(s.installDir, "./");

        ASSERT_TRUE(s.save(profile));
        EXPECT_EQ(profile.readBinary("Settings", "prm"), defaultPrmBytes());
        EXPECT_EQ(profile.readBinary("Settings", "icmprm"), toBytes(IconEditorParams{}.serialize()));
    }
}

TEST(AppSettings, StoredValuesAreLoadedAndSavedWhole)
{
    MemoryProfile profile;
    SettingsRecord stored;
    stored.recentFileCount = 0;
    stored.colorKeywords = 0x0000FF;
    profile.writeBinary("Settings", "prm", toBytes(stored.serialize()));
    profile.writeString("Settings", "InstallDir", "/opt/orvante");

    AppSettings s;
    s.load(profile);
    EXPECT_EQ(s.record, stored);
    EXPECT_EQ(s.installDir, "/opt/orvante");

    s.record.indentSize = 2;
    MemoryProfile out;
    ASSERT_TRUE(s.save(out));
    const auto written = SettingsRecord::parse(*out.readBinary("Settings", "prm"));
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->indentSize, 2);
    EXPECT_EQ(written->colorKeywords, 0x0000FFu);
}

TEST(SettingsRecord, DefaultSizeBeyondAnyScreenReadsAsItsDefault)
{
    SettingsRecord stored;
    stored.buttonWidth = 0xFFFFFFFF;  // would be -1 as a pixel size
    stored.windowHeight = SettingsRecord::kMaxControlSize + 1;
    stored.textHeight = SettingsRecord::kMaxControlSize;
    const auto r = SettingsRecord::parse(stored.serialize());
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->buttonWidth, SettingsRecord{}.buttonWidth);
    EXPECT_EQ(r->windowHeight, SettingsRecord{}.windowHeight);
    EXPECT_EQ(r->textHeight, SettingsRecord::kMaxControlSize);
}
