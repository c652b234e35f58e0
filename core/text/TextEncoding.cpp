// UTF-8 validation and the Windows-1252 code page, both ways.
#include "text/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace orv {

namespace {

// Code points of the bytes 0x80-0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::size_t DecodeUtf8At(std::string_view bytes, std::size_t at, char32_t& codePoint)
{
    if (at >= bytes.size())
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t code = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // overlong
        high = lead == 0xED ? 0x9F : 0xBF;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;   // overlong
        high = lead == 0xF4 ? 0x8F : 0xBF;  // past U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() - at < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byte(i)))
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    codePoint = code;
    return length;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        // Scripts are mostly ASCII: eight bytes without a high bit are passed over at once.
        std::uint64_t eight = 0;
        if (bytes.size() - at >= sizeof eight) {
            std::memcpy(&eight, bytes.data() + at, sizeof eight);
            if ((eight & 0x8080808080808080ULL) == 0) {
                at += sizeof eight;
                continue;
            }
        }
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        char32_t code = 0;
        const std::size_t length = DecodeUtf8At(bytes, at, code);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

TextEncoding DetectTextEncoding(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? TextEncoding::utf8 : TextEncoding::windows1252;
}

char32_t Windows1252ToCodePoint(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

int CodePointToWindows1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint)
            return static_cast<int>(0x80 + i);
    return -1;
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        codePoint = 0xFFFD;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        AppendUtf8(out, Windows1252ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8, bool* lossy)
{
    std::string out;
    out.reserve(utf8.size());
    bool lost = false;
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8At(utf8, at, code);
        if (length == 0) {
            out += utf8[at++];
            continue;
        }
        const int byte = CodePointToWindows1252(code);
        if (byte < 0) {
            out += '?';
            lost = true;
        } else {
            out += static_cast<char>(byte);
        }
        at += length;
    }
    if (lossy)
        *lossy = lost;
    return out;
}

std::string ToUtf8(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

std::string EncodingToUtf8(std::string_view bytes, TextEncoding encoding)
{
    return encoding == TextEncoding::utf8 ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

std::string Utf8ToEncoding(std::string_view utf8, TextEncoding encoding)
{
    return encoding == TextEncoding::utf8 ? std::string(utf8) : Utf8ToWindows1252(utf8);
}

std::size_t Utf8CharacterCount(std::string_view bytes)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < bytes.size(); ++count) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8At(bytes, at, code);
        at += length == 0 ? 1 : length;
    }
    return count;
}

std::size_t Utf8CutLength(std::string_view bytes, std::size_t limit)
{
    if (bytes.size() <= limit)
        return bytes.size();
    // A sequence has at most three continuation bytes; past them the bytes are no UTF-8.
    for (std::size_t end = limit;; --end) {
        if (!isContinuation(static_cast<unsigned char>(bytes[end])))
            return end;
        if (end == 0 || end + 3 == limit)
            return limit;
    }
}

} // namespace orv
