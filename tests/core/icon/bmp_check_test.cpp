// The BMP check before decoding: sound files pass with their palette, and each hostile header
// is refused for its own reason, with no read outside the bytes given.
#include "icon/BmpCheck.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace orv;

namespace {

// The fields of a BMP with a 40-byte info header; bytes() writes them, the colour table and
// the pixel rows as a file of that shape would hold them.
struct BmpFields {
    std::string signature = "BM";
    std::int32_t width = 4;
    std::int32_t height = 2;
    std::uint16_t bitsPerPixel = 8;
    std::uint32_t colorsUsed = 2;
    std::uint32_t paletteEntries = 2; // entries actually written
    std::uint32_t headerSize = 40;
    std::size_t cutTo = std::string::npos;

    std::string bytes() const
    {
        std::string b;
        const auto put32 = [&b](std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                b += static_cast<char>(v >> (8 * i));
        };
        const auto put16 = [&b](std::uint16_t v) {
            b += static_cast<char>(v);
            b += static_cast<char>(v >> 8);
        };
        const std::uint32_t rowBytes = (static_cast<std::uint32_t>(std::abs(width)) * bitsPerPixel + 31) / 32 * 4;
        const std::uint32_t offset = 14 + headerSize + paletteEntries * 4;
        b += signature;
        put32(0);
        put32(0);
        put32(offset);
        put32(headerSize);
        put32(static_cast<std::uint32_t>(width));
        put32(static_cast<std::uint32_t>(height));
        put16(1);
        put16(bitsPerPixel);
        put32(0); // uncompressed
        put32(0);
        put32(2835);
        put32(2835);
        put32(colorsUsed);
        put32(0);
        b.resize(14 + std::min<std::uint32_t>(headerSize, 40), '\0');
        for (std::uint32_t i = 0; i < paletteEntries; ++i)
            put32(i == 0 ? 0x00FF0000 : 0x000000FF); // red, then blue (stored as B, G, R, 0)
        const std::int64_t rows = std::llabs(std::int64_t{height});
        if (width > 0 && rows < 100)
            b.append(rowBytes * static_cast<std::size_t>(rows), '\1');
        return cutTo == std::string::npos ? b : b.substr(0, cutTo);
    }
};

} // namespace

TEST(BmpCheckTest, ASoundFileGivesItsSizeDepthAndPalette)
{
    const auto result = checkBmp(BmpFields{}.bytes());
    ASSERT_TRUE(std::holds_alternative<BmpInfo>(result));
    const BmpInfo& info = std::get<BmpInfo>(result);
    EXPECT_EQ(info.width, 4);
    EXPECT_EQ(info.height, 2);
    EXPECT_TRUE(info.bottomUp);
    EXPECT_EQ(info.colorCount, 2u);
    EXPECT_EQ(info.palette, (std::vector<ColorRef>{makeColorRef(255, 0, 0), makeColorRef(0, 0, 255)}));

    BmpFields topDown;
    topDown.height = -2;
    const auto flipped = checkBmp(topDown.bytes());
    ASSERT_TRUE(std::holds_alternative<BmpInfo>(flipped));
    EXPECT_FALSE(std::get<BmpInfo>(flipped).bottomUp);
    EXPECT_EQ(std::get<BmpInfo>(flipped).height, 2);
}

TEST(BmpCheckTest, ColourCountZeroMeansTwoToTheDepth)
{
    BmpFields f;
    f.bitsPerPixel = 4;
    f.colorsUsed = 0;
    f.paletteEntries = 16;
    const auto result = checkBmp(f.bytes());
    ASSERT_TRUE(std::holds_alternative<BmpInfo>(result));
    EXPECT_EQ(std::get<BmpInfo>(result).palette.size(), 16u);

    f.bitsPerPixel = 24; // 2^24 colours: no palette to build
    f.paletteEntries = 0;
    const auto trueColour = checkBmp(f.bytes());
    ASSERT_TRUE(std::holds_alternative<BmpInfo>(trueColour));
    EXPECT_TRUE(std::get<BmpInfo>(trueColour).palette.empty());
}

TEST(BmpCheckTest, HostileHeadersAreRefusedForTheirReason)
{
    const auto with = [](auto edit) {
        BmpFields f;
        edit(f);
        return f.bytes();
    };
    struct Case {
        const char* name;
        std::string bytes;
        BmpError error;
    };
    const Case cases[] = {
        {"empty file", "", BmpError::shortHeader},
        {"short header", std::string("BM\0\0\0\0\0\0\0\0\0\0\0", 13), BmpError::shortHeader},
        {"wrong signature", with([](BmpFields& f) { f.signature = "MB"; }), BmpError::wrongSignature},
        {"header only", with([](BmpFields& f) { f.cutTo = 14; }), BmpError::badInfoHeader},
        {"info header cut", with([](BmpFields& f) { f.cutTo = 30; }), BmpError::badInfoHeader},
        {"info header size 2^31", with([](BmpFields& f) { f.headerSize = 0x80000000u; f.cutTo = 60; }),
         BmpError::badInfoHeader},
        {"info header size 20", with([](BmpFields& f) { f.headerSize = 20; }), BmpError::badInfoHeader},
        {"width 0", with([](BmpFields& f) { f.width = 0; }), BmpError::badDimensions},
        {"height 0", with([](BmpFields& f) { f.height = 0; }), BmpError::badDimensions},
        {"negative width", with([](BmpFields& f) { f.width = -4; }), BmpError::badDimensions},
        {"height INT_MIN", with([](BmpFields& f) { f.height = INT32_MIN; }), BmpError::tooLarge},
        {"100,000 x 100,000", with([](BmpFields& f) { f.width = f.height = 100000; }), BmpError::tooLarge},
        {"depth 7", with([](BmpFields& f) { f.bitsPerPixel = 7; }), BmpError::badDepth},
        {"depth 0", with([](BmpFields& f) { f.bitsPerPixel = 0; }), BmpError::badDepth},
        {"colours used 2^31", with([](BmpFields& f) { f.colorsUsed = 0x80000000u; }), BmpError::badColorCount},
        {"colours used 300 at 8 bits", with([](BmpFields& f) { f.colorsUsed = 300; }), BmpError::badColorCount},
        {"truncated palette", with([](BmpFields& f) { f.colorsUsed = 200; }), BmpError::truncatedPalette},
        {"truncated pixels", with([](BmpFields& f) { f.cutTo = 14 + 40 + 8 + 5; }), BmpError::truncatedPixels},
        {"4096 x 4096 without pixels", with([](BmpFields& f) { f.width = f.height = 4096; }),
         BmpError::truncatedPixels},
    };
    for (const Case& c : cases) {
        const auto result = checkBmp(c.bytes);
        ASSERT_TRUE(std::holds_alternative<BmpError>(result)) << c.name;
        EXPECT_EQ(std::get<BmpError>(result), c.error) << c.name << ": " << bmpErrorText(std::get<BmpError>(result));
    }
}

TEST(BmpCheckTest, ColoursUsedTwoToThe31AtTrueColourBuildsNoPalette)
{
    BmpFields f;
    f.bitsPerPixel = 32;
    f.colorsUsed = 0x80000000u;
    f.paletteEntries = 0;
    const auto result = checkBmp(f.bytes());
    ASSERT_TRUE(std::holds_alternative<BmpInfo>(result));
    EXPECT_TRUE(std::get<BmpInfo>(result).palette.empty());
}

TEST(BmpCheckTest, FilesThatAreNotRegularOrCannotBeReadAreRefused)
{
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "orvbmpXXXXXX").string();
    const fs::path dir = ::mkdtemp(pattern.data());
    const fs::path good = dir / "good.bmp";
    std::ofstream(good, std::ios::binary) << BmpFields{}.bytes();
    const fs::path pipe = dir / "pipe.bmp";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    EXPECT_TRUE(std::holds_alternative<BmpInfo>(checkBmpFile(good.string())));
    const std::vector<std::pair<fs::path, std::string>> bad = {
        {pipe, ": not a regular file"}, {dir, ": not a regular file"}, {dir / "missing.bmp", ": No such file or directory"}};
    for (const auto& [path, reason] : bad) {
        std::string readError;
        EXPECT_EQ(std::get<BmpError>(checkBmpFile(path.string(), &readError)), BmpError::unreadable) << path;
        EXPECT_TRUE(readError.ends_with(reason)) << readError;
    }
    // A file past the size limit says so, not that it cannot be read.
    const fs::path huge = dir / "huge.bmp";
    std::ofstream(huge, std::ios::binary) << BmpFields{}.bytes();
    fs::resize_file(huge, BmpInfo::kMaxFileBytes + 1);
    EXPECT_EQ(std::get<BmpError>(checkBmpFile(huge.string())), BmpError::fileTooLarge);
    EXPECT_EQ(bmpErrorText(BmpError::fileTooLarge), "the file is larger than 80 MiB");
    fs::remove_all(dir);
}
