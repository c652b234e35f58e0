// BMP files before decoding: any bytes are refused or give a picture whose size, colour count
// and palette are within the limits and lie inside the bytes given.
#include "iconmodel/BmpCheck.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto result = orv::checkBmp(bytes);
    if (const auto* info = std::get_if<orv::BmpInfo>(&result)) {
        const bool sizeOk = info->width > 0 && info->height > 0 && info->width <= orv::BmpInfo::kMaxSide
                         && info->height <= orv::BmpInfo::kMaxSide;
        const bool paletteOk = info->colorCount > 256 ? info->palette.empty() : info->palette.size() == info->colorCount;
        if (!sizeOk || !paletteOk || info->palette.size() * 3 > size)
            std::abort();
    }
    return 0;
}
