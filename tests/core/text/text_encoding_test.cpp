// Which bytes are UTF-8, and Windows-1252 both ways: every byte a character and back.
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

TEST(TextEncoding, OnlyWellFormedUtf8IsUtf8)
{
    using namespace std::string_literals;
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain ASCII\r\n\t\0"s, true},
        {"caf\xC3\xA9", true},
        {"\xE6\x97\xA5\xE6\x9C\xAC", true},        // two CJK characters
        {"\xF0\x9F\x98\x80", true},                // past the BMP
        {"\xF4\x8F\xBF\xBF", true},                // U+10FFFF
        {"caf\xE9", false},                        // Latin-1
        {"\x93quoted\x94", false},                 // Windows-1252 quotes
        {"\xC0\xAF", false},                       // overlong '/'
        {"\xE0\x80\xAF", false},                   // overlong
        {"\xED\xA0\x80", false},                   // surrogate
        {"\xF4\x90\x80\x80", false},               // past U+10FFFF
        {"\xC3", false},                           // cut at the end
        {"\xE6\x97", false},
        {"\x80", false},                           // lone continuation
        {"\xFF\xFE", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
        EXPECT_EQ(DetectTextEncoding(c.bytes), c.valid ? TextEncoding::utf8 : TextEncoding::windows1252) << c.bytes;
    }
}

TEST(TextEncoding, EveryWindows1252ByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8CharacterCount(utf8), 256u);
    bool lossy = true;
    EXPECT_EQ(Utf8ToWindows1252(utf8, &lossy), all);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(Windows1252ToUtf8("\x80\x93\x94\xE9"), "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xC3\xA9");
    EXPECT_EQ(Windows1252ToCodePoint(0x81), U'\x81');
    EXPECT_EQ(CodePointToWindows1252(U'\x20AC'), 0x80);
    EXPECT_EQ(CodePointToWindows1252(U'\x65E5'), -1);
}

TEST(TextEncoding, CharactersTheCodePageLacksAreMarked)
{
    bool lossy = false;
    EXPECT_EQ(Utf8ToWindows1252("Gr\xC3\xB6\xC3\x9F" "e \xE2\x80\x93 \xE5\xAF\xB8", &lossy), "Gr\xF6\xDF" "e \x96 ?");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(ToUtf8("caf\xC3\xA9"), "caf\xC3\xA9");  // already UTF-8: unchanged
    EXPECT_EQ(ToUtf8("caf\xE9"), "caf\xC3\xA9");
}

TEST(TextEncoding, DecodingAndCounting)
{
    std::string out;
    for (const char32_t c : {U'A', U'\xE9', U'\x65E5', U'\x1F600', U'\xD800', char32_t(0x110000)})
        AppendUtf8(out, c);
    EXPECT_EQ(out, "A\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80\xEF\xBF\xBD\xEF\xBF\xBD");
    char32_t code = 0;
    EXPECT_EQ(DecodeUtf8At(out, 1, code), 2u);
    EXPECT_EQ(code, U'\xE9');
    EXPECT_EQ(DecodeUtf8At(out, 6, code), 4u);
    EXPECT_EQ(code, U'\x1F600');
    EXPECT_EQ(DecodeUtf8At(out, 2, code), 0u);  // inside a sequence
    EXPECT_EQ(DecodeUtf8At(out, out.size(), code), 0u);
    EXPECT_EQ(Utf8CharacterCount(out), 6u);
    EXPECT_EQ(Utf8CharacterCount("a\xE9z"), 3u);  // an invalid byte counts as one
}

// A cut never keeps half a character; bytes that are no UTF-8 are cut where asked.
TEST(TextEncoding, CutsBetweenCharacters)
{
    const std::string text = "a\xC3\xA9\xF0\x9F\x98\x80z";  // a, e acute, a four-byte emoji, z
    const struct {
        std::string bytes;
        std::size_t limit;
        std::size_t length;
    } cases[] = {
        {text, 100, text.size()}, {text, 1, 1}, {text, 2, 1}, {text, 3, 3}, {text, 4, 3}, {text, 6, 3},
        {text, 7, 7},             {text, 0, 0}, {"\xA9\xA9\xA9\xA9\xA9\xA9", 5, 5}, {"\xC3\xA9", 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8CutLength(c.bytes, c.limit), c.length) << c.limit;
}

} // namespace
} // namespace orv
