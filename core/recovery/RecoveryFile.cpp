// The recovery file: a first line that names the format, then fields that each give their
// byte count, so a path or a text holding any bytes reads back as it was, and last a check
// of everything before it, so a file cut short or damaged is never taken for a whole one.
#include "recovery/RecoveryFile.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace orv {

namespace {

constexpr std::string_view kFirstLine = "ORVANTE recovery file 1\n";
constexpr std::string_view kCheckField = "check";
// Field lengths are written in decimal; more digits than this cannot be a length.
constexpr std::size_t kMaxLengthDigits = 19;

struct Named {
    std::string_view name;
    int value;
};
constexpr std::array<Named, 2> kEncodings = {{{"utf-8", static_cast<int>(TextEncoding::utf8)},
                                             {"windows-1252", static_cast<int>(TextEncoding::windows1252)}}};
constexpr std::array<Named, 3> kLineEnds = {{{"crlf", static_cast<int>(LineEnd::crLf)},
                                            {"lfcr", static_cast<int>(LineEnd::lfCr)},
                                            {"lf", static_cast<int>(LineEnd::lf)}}};

template <std::size_t N>
std::string_view nameOf(const std::array<Named, N>& names, int value)
{
    for (const Named& n : names)
        if (n.value == value)
            return n.name;
    return names.front().name;
}

template <std::size_t N>
std::optional<int> valueOf(const std::array<Named, N>& names, std::string_view name)
{
    for (const Named& n : names)
        if (n.name == name)
            return n.value;
    return std::nullopt;
}

// FNV-1a, 64 bits: every byte counts, and a changed or missing byte changes the result.
std::uint64_t checksum(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string hex(std::uint64_t value)
{
    std::string digits(16, '0');
    for (std::size_t i = digits.size(); i-- > 0; value >>= 4)
        digits[i] = "0123456789abcdef"[value & 0xF];
    return digits;
}

void appendField(std::string& out, std::string_view name, std::string_view value)
{
    out += name;
    out += ' ';
    out += std::to_string(value.size());
    out += '\n';
    out += value;
    out += '\n';
}

// Reads the fields one at a time, each with its byte count.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : m_bytes(bytes), m_at(kFirstLine.size()) {}

    std::size_t position() const { return m_at; }
    bool atEnd() const { return m_at == m_bytes.size(); }

    // The next field, or a problem when the bytes end or break the form.
    bool next(std::string_view& name, std::string_view& value, std::string& problem)
    {
        const std::size_t space = m_bytes.find(' ', m_at);
        const std::size_t lineEnd = m_bytes.find('\n', m_at);
        if (space == std::string_view::npos || lineEnd == std::string_view::npos || lineEnd < space)
            return fail(problem, lineEnd == std::string_view::npos);
        name = m_bytes.substr(m_at, space - m_at);
        const std::string_view digits = m_bytes.substr(space + 1, lineEnd - space - 1);
        std::size_t length = 0;
        if (digits.empty() || digits.size() > kMaxLengthDigits ||
            std::from_chars(digits.data(), digits.data() + digits.size(), length).ptr != digits.data() + digits.size())
            return fail(problem, false);
        const std::size_t valueStart = lineEnd + 1;
        if (length > m_bytes.size() - valueStart || m_bytes.size() - valueStart - length < 1)
            return fail(problem, true);
        if (m_bytes[valueStart + length] != '\n')
            return fail(problem, false);
        value = m_bytes.substr(valueStart, length);
        m_at = valueStart + length + 1;
        return true;
    }

private:
    static bool fail(std::string& problem, bool cut)
    {
        problem = cut ? "the file is cut short" : "the file is damaged";
        return false;
    }

    std::string_view m_bytes;
    std::size_t m_at;
};

} // namespace

std::string formatRecoveryFile(const RecoveredDocument& document)
{
    std::string out(kFirstLine);
    out.reserve(kFirstLine.size() + document.path.size() + document.title.size() + document.content.text.size() + 160);
    appendField(out, "type", document.type);
    appendField(out, "path", document.path);
    appendField(out, "title", document.title);
    appendField(out, "encoding", nameOf(kEncodings, static_cast<int>(document.content.encoding)));
    appendField(out, "line-end", nameOf(kLineEnds, static_cast<int>(document.content.lineEnd)));
    appendField(out, "text", document.content.text);
    appendField(out, kCheckField, hex(checksum(out)));
    return out;
}

RecoveryFileRead parseRecoveryFile(std::string_view bytes)
{
    RecoveryFileRead read;
    if (!bytes.starts_with(kFirstLine)) {
        read.problem = kFirstLine.starts_with(bytes) ? "the file is cut short" : "it is not a recovery file";
        return read;
    }
    RecoveredDocument document;
    std::optional<int> encoding = static_cast<int>(TextEncoding::utf8);
    std::optional<int> lineEnd = static_cast<int>(LineEnd::crLf);
    bool hasText = false;
    FieldReader fields(bytes);
    for (;;) {
        const std::size_t fieldStart = fields.position();
        std::string_view name;
        std::string_view value;
        if (!fields.next(name, value, read.problem))
            return read;
        if (name == kCheckField) {
            if (value != hex(checksum(bytes.substr(0, fieldStart))) || !fields.atEnd()) {
                read.problem = "the file is damaged";
                return read;
            }
            break;
        }
        // Fields a later version adds are passed over.
        if (name == "type")
            document.type = value;
        else if (name == "path")
            document.path = value;
        else if (name == "title")
            document.title = value;
        else if (name == "encoding")
            encoding = valueOf(kEncodings, value);
        else if (name == "line-end")
            lineEnd = valueOf(kLineEnds, value);
        else if (name == "text") {
            document.content.text = value;
            hasText = true;
        }
    }
    if (document.type.empty() || !hasText || !encoding || !lineEnd) {
        read.problem = "the file lacks a document type or text, or names an unknown encoding or line end";
        return read;
    }
    document.content.encoding = static_cast<TextEncoding>(*encoding);
    document.content.lineEnd = static_cast<LineEnd>(*lineEnd);
    read.document = std::move(document);
    return read;
}

} // namespace orv
