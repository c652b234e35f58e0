// Print pagination: word wrapping by columns or a measure, whole lines per page, footers,
// and the stored page margins.
#include "text/PageMargins.h"
#include "text/PrintLayout.h"
#include "text/TextConstants.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

std::string numberedLines(int count, const std::string& text = "line")
{
    std::string all;
    for (int i = 0; i < count; ++i)
        all += (i ? "\r\n" : "") + text;
    return all;
}

TEST(PrintLayout, TwoHundredLinesAtSixtyAPageGiveFourPagesWithFooters)
{
    CTextBuffer buffer;
    fill(buffer, numberedLines(200));
    const auto pages = PaginateText(buffer, 4, {80, 60, 1});
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].rows.size(), 60u);
    EXPECT_EQ(pages[3].rows.size(), 20u);
    EXPECT_EQ(pages[1].rows.front().line, 60);
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(pageFooter(page, static_cast<int>(pages.size())), "Page " + std::to_string(page) + "/4");
}

TEST(PrintLayout, ALineIsNeverSplitAcrossPages)
{
    CTextBuffer buffer;
    // Two pages of 10 rows: the sixth line wraps into three rows and does not fit on page 1.
    fill(buffer, numberedLines(8, "aaaa") + "\r\n" + "aaaa bbbb cccc\r\nz");
    const auto pages = PaginateText(buffer, 4, {5, 10, 1});
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].rows.size(), 8u);
    EXPECT_EQ(pages[1].rows.size(), 4u);
    EXPECT_EQ(pages[1].rows[0].text, "aaaa ");
    EXPECT_EQ(pages[1].rows[2].text, "cccc");
}

TEST(PrintLayout, ALineTallerThanAPageGoesOnOverSeveralPages)
{
    CTextBuffer buffer;
    fill(buffer, "x\r\n" + std::string(25, 'w'));
    const auto pages = PaginateText(buffer, 4, {5, 2, 1});
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].rows.size(), 1u);
    int printed = 0;
    for (const auto& page : pages)
        for (const auto& row : page.rows)
            printed += row.line == 1 ? static_cast<int>(row.text.size()) : 0;
    EXPECT_EQ(printed, 25);
}

TEST(PrintLayout, WrappingExpandsTabsAndBreaksAfterBlanksOrInsideLongWords)
{
    EXPECT_EQ(wrapLine("", 4, 10), std::vector<std::string>{""});
    EXPECT_EQ(wrapLine("a\tb", 4, 10), std::vector<std::string>{"a   b"});
    EXPECT_EQ(wrapLine("one two three", 4, 8), (std::vector<std::string>{"one two ", "three"}));
    EXPECT_EQ(wrapLine("abcdefghij", 4, 4), (std::vector<std::string>{"abcd", "efgh", "ij"}));
    // The blanks at a break end their row: no row starts with a blank or holds only blanks.
    struct Break {
        std::string line;
        int width;
        std::vector<std::string> rows;
    };
    const std::vector<Break> breaks = {
        {"aaaa bbbb", 4, {"aaaa ", "bbbb"}},
        {"aaaa    bbbb", 4, {"aaaa    ", "bbbb"}},
        {"one   two", 4, {"one   ", "two"}},
        {"    abcdefgh", 6, {"    ab", "cdefgh"}},
        {"ab  ", 2, {"ab  "}},
    };
    for (const Break& b : breaks)
        EXPECT_EQ(wrapLine(b.line, 4, b.width), b.rows) << b.line;
    EXPECT_EQ(footerBand(10), 15);
}

TEST(PrintLayout, UTF8RowsCountColumnsAndNeverCutACharacter)
{
    const auto utf8 = TextEncoding::utf8;
    // Wide East Asian characters take two columns each; "é" one, though it is two bytes.
    EXPECT_EQ(wrapLine("\xE6\x97\xA5\xE6\x9C\xAC ab", 4, 5, utf8),
              (std::vector<std::string>{"\xE6\x97\xA5\xE6\x9C\xAC ", "ab"}));
    EXPECT_EQ(wrapLine("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", 4, 3, utf8),
              (std::vector<std::string>{"\xE6\x97\xA5", "\xE6\x9C\xAC", "\xE8\xAA\x9E"}));
    EXPECT_EQ(wrapLine("caf\xC3\xA9 caf\xC3\xA9", 4, 4, utf8),
              (std::vector<std::string>{"caf\xC3\xA9 ", "caf\xC3\xA9"}));
    EXPECT_EQ(wrapLine("\xC3\xA9\t\xC3\xA9", 4, 10, utf8), (std::vector<std::string>{"\xC3\xA9   \xC3\xA9"}));
    // The same bytes in Windows-1252 are one column each.
    EXPECT_EQ(wrapLine("caf\xC3\xA9 caf\xC3\xA9", 4, 4), (std::vector<std::string>{"caf\xC3", "\xA9 ", "caf\xC3", "\xA9"}));
    // A page of a UTF-8 script: each row whole characters, valid UTF-8 again.
    const auto repeated = [](const std::string& piece, int count) {
        std::string all;
        for (int i = 0; i < count; ++i)
            all += piece;
        return all;
    };
    CTextBuffer buffer;
    fill(buffer, std::string(30, 'x') + "\r\n" + repeated("\xC3\xA9", 25));
    ASSERT_EQ(buffer.Encoding(), TextEncoding::utf8);
    const auto pages = PaginateText(buffer, 4, {10, 60, 1});
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].rows.size(), 6u);
    EXPECT_EQ(pages[0].rows[3].text, repeated("\xC3\xA9", 10));
    EXPECT_EQ(pages[0].rows[5].text.size(), 10u);
}

} // namespace

namespace {

TEST(PrintLayout, MarginsAreKeptInHundredthsOfAMillimetreWithTenMillimetresByDefault)
{
    MemoryProfile profile;
    EXPECT_EQ(readPageMargins(profile), (PageMargins{1000, 1000, 1000, 1000}));
    writePageMargins(profile, {500, 1500, 0, 2540});
    EXPECT_EQ(profile.readInt("Editor\\PageSetup", "RightMargin", 0), 1500);
    EXPECT_EQ(readPageMargins(profile), (PageMargins{500, 1500, 0, 2540}));
    // Corrupt values fall back to the default.
    profile.writeInt("Editor\\PageSetup", "LeftMargin", -5);
    profile.writeInt("Editor\\PageSetup", "TopMargin", 2000000000);
    EXPECT_EQ(readPageMargins(profile), (PageMargins{1000, 1500, 1000, 2540}));
    EXPECT_EQ(hundredthsOfMmToDots(2540, 600), 600);
    EXPECT_EQ(hundredthsOfMmToDots(1000, 600), 236);
}

} // namespace
