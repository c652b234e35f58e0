// The BMP check: every size field is compared with what the file holds before it is used.
#include "icon/BmpCheck.h"

#include "files/FileReader.h"

#include <cstdlib>
#include <limits>
#include <string>

namespace orv {

namespace {

constexpr std::uint16_t kSignature = 0x4D42; // "BM"
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaxPaletteColors = 256;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitfields = 3;

std::uint32_t u32(std::string_view b, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])); };
    return byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24);
}

std::uint16_t u16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

bool knownDepth(std::uint16_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

} // namespace

std::string bmpErrorText(BmpError error)
{
    switch (error) {
    case BmpError::unreadable:
        return "the file cannot be read";
    case BmpError::fileTooLarge:
        return "the file is larger than " + std::to_string(BmpInfo::kMaxFileBytes >> 20) + " MiB";
    case BmpError::shortHeader:
        return "the file is too short for a BMP header";
    case BmpError::wrongSignature:
        return "the file does not start with the BMP signature";
    case BmpError::badInfoHeader:
        return "the picture header is damaged";
    case BmpError::badDimensions:
        return "the picture's width or height is not usable";
    case BmpError::tooLarge:
        return "the picture is larger than 4096 x 4096 pixels";
    case BmpError::badDepth:
        return "the number of bits per pixel is not one a BMP uses";
    case BmpError::badColorCount:
        return "the number of colours does not match the picture's depth";
    case BmpError::truncatedPalette:
        return "the colour table ends before its last colour";
    case BmpError::truncatedPixels:
        return "the file ends before the picture's last row";
    }
    return {};
}

BmpCheckResult checkBmp(std::string_view file)
{
    if (file.size() < BmpInfo::kFileHeaderSize)
        return BmpError::shortHeader;
    if (u16(file, 0) != kSignature)
        return BmpError::wrongSignature;
    const std::uint32_t pixelOffset = u32(file, 10);
    const std::string_view rest = file.substr(BmpInfo::kFileHeaderSize);

    if (rest.size() < 4)
        return BmpError::badInfoHeader;
    const std::uint32_t headerSize = u32(rest, 0);
    const bool core = headerSize == kCoreHeaderSize;
    if ((!core && headerSize < kInfoHeaderSize) || headerSize > rest.size())
        return BmpError::badInfoHeader;

    BmpInfo info;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    if (core) {
        width = u16(rest, 4);
        height = u16(rest, 6);
        info.bitsPerPixel = u16(rest, 10);
    } else {
        width = static_cast<std::int32_t>(u32(rest, 4));
        height = static_cast<std::int32_t>(u32(rest, 8));
        info.bitsPerPixel = u16(rest, 14);
        compression = u32(rest, 16);
        colorsUsed = u32(rest, 32);
    }
    // A negative height stores the rows from the top; a negative width means nothing.
    info.bottomUp = height > 0;
    height = std::llabs(height);
    if (width <= 0 || height <= 0)
        return BmpError::badDimensions;
    if (width > BmpInfo::kMaxSide || height > BmpInfo::kMaxSide)
        return BmpError::tooLarge;
    info.width = static_cast<std::int32_t>(width);
    info.height = static_cast<std::int32_t>(height);
    if (!knownDepth(info.bitsPerPixel))
        return BmpError::badDepth;

    info.colorCount = colorsUsed != 0 ? colorsUsed : (std::uint64_t{1} << info.bitsPerPixel);
    if (info.bitsPerPixel <= 8 && info.colorCount > (std::uint64_t{1} << info.bitsPerPixel))
        return BmpError::badColorCount;
    if (info.colorCount <= kMaxPaletteColors) {
        const std::size_t entrySize = core ? 3 : 4;
        const std::uint64_t tableEnd = headerSize + info.colorCount * entrySize;
        if (tableEnd > rest.size())
            return BmpError::truncatedPalette;
        for (std::uint64_t i = 0; i < info.colorCount; ++i) {
            const std::size_t at = headerSize + i * entrySize;
            const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(rest[at + k]); };
            info.palette.push_back(makeColorRef(byte(2), byte(1), byte(0))); // stored blue, green, red
        }
    }

    if (pixelOffset < BmpInfo::kFileHeaderSize + headerSize || pixelOffset > file.size())
        return BmpError::truncatedPixels;
    if (compression == kRgb || compression == kBitfields) {
        const std::uint64_t rowBytes = (static_cast<std::uint64_t>(info.width) * info.bitsPerPixel + 31) / 32 * 4;
        if (rowBytes * static_cast<std::uint64_t>(info.height) > file.size() - pixelOffset)
            return BmpError::truncatedPixels;
    }
    return info;
}

BmpCheckResult checkBmpFile(const std::string& path, std::string* readError)
{
    std::string error;
    FileReader file;
    if (file.open(path, std::numeric_limits<std::int64_t>::max())) {
        if (file.size() > BmpInfo::kMaxFileBytes)
            return BmpError::fileTooLarge;
        if (const auto bytes = readWholeFile(path, BmpInfo::kMaxFileBytes, error))
            return checkBmp(*bytes);
    } else {
        error = file.error();
    }
    if (readError)
        *readError = error;
    return BmpError::unreadable;
}

} // namespace orv
