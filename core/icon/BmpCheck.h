// The check a BMP file passes before its pixels are decoded: the 14-byte file header with the
// "BM" signature, the whole file read, an info header whose dimensions, depth, colour count and
// colour table fit the file and the limits. It decides only whether the bytes may be decoded.
#pragma once

#include "settings/Color.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orv {

struct BmpInfo {
    // A picture is shown at 1:1 to choose an icon-sized part of it; larger ones are refused.
    static constexpr std::int32_t kMaxSide = 4096;
    static constexpr std::int64_t kMaxFileBytes = 80LL * 1024 * 1024;
    static constexpr std::size_t kFileHeaderSize = 14;

    std::int32_t width = 0;
    std::int32_t height = 0;       // always positive; bottomUp says how the rows are stored
    bool bottomUp = true;
    std::uint16_t bitsPerPixel = 0;
    std::uint64_t colorCount = 0;  // colours used, or 2^bits per pixel when that field is 0
    std::vector<ColorRef> palette; // the colour table, when the colour count is at most 256
};

enum class BmpError {
    unreadable,
    fileTooLarge,
    shortHeader,
    wrongSignature,
    badInfoHeader,
    badDimensions,
    tooLarge,
    badDepth,
    badColorCount,
    truncatedPalette,
    truncatedPixels,
};

// The reason in the user's words, for messages and logs.
std::string bmpErrorText(BmpError error);

using BmpCheckResult = std::variant<BmpInfo, BmpError>;

// The bytes of a whole file.
BmpCheckResult checkBmp(std::string_view file);
// A file on disk: regular, within kMaxFileBytes, read whole, then checked. readError (when
// given) gets why a file that is unreadable could not be read.
BmpCheckResult checkBmpFile(const std::string& path, std::string* readError = nullptr);

} // namespace orv
