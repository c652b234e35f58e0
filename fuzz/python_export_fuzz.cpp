// The Python export of any window a file can hold, flag values of any bytes included: the
// script is UTF-8 without control characters, every call line reads as a Python call of
// literals (strings with valid escapes, numbers Python accepts, True and False, variables,
// MEL callbacks, tuples and lists), and it makes one call per element that the walk visits,
// whichever names the flags take, with element names written or not.
#include "mel/CommandDatabase.h"
#include "text/TextEncoding.h"
#include "uimodel/CUIWindow.h"
#include "uimodel/PythonGenerator.h"
#include "uimodel/ScriptWalk.h"
#include "uimodel/UIModelConstants.h"
#include "uimodel/WindowFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isNameChar(char c) { return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

// A reader of the one line shape the export writes: cmds.name(arguments).
class CallLine {
public:
    explicit CallLine(std::string_view line) : m_line(line) {}

    bool read()
    {
        if (!take("cmds.") || !name() || !take("("))
            return false;
        if (take(")"))
            return m_at == m_line.size();
        // The element's name, when names are written.
        if (peek() == '\'' && (!string() || (!take(", ") && peek() != ')')))
            return false;
        if (take(")"))
            return m_at == m_line.size();
        do {
            if (take("**{")) {
                if (!string() || !take(": ") || !value() || !take("}"))
                    return false;
            } else if (!name() || !take("=") || !value()) {
                return false;
            }
        } while (take(", "));
        return take(")") && m_at == m_line.size();
    }

private:
    bool take(std::string_view text)
    {
        if (m_line.substr(m_at).starts_with(text)) {
            m_at += text.size();
            return true;
        }
        return false;
    }
    char peek() const { return m_at < m_line.size() ? m_line[m_at] : '\0'; }
    bool name()
    {
        const std::size_t start = m_at;
        while (isNameChar(peek()))
            ++m_at;
        return m_at > start && !isDigit(m_line[start]);
    }
    bool digits(bool hex = false)
    {
        const std::size_t start = m_at;
        while (hex ? isHex(peek()) : isDigit(peek()))
            ++m_at;
        return m_at > start;
    }
    bool hexDigits(int count)
    {
        for (int i = 0; i < count; ++i) {
            if (!isHex(peek()))
                return false;
            ++m_at;
        }
        return true;
    }
    // '...' with the escapes the export writes; a surrogate escape \udcXX only for a byte from 0x80.
    bool string()
    {
        if (!take("'"))
            return false;
        while (m_at < m_line.size() && peek() != '\'') {
            const char c = m_line[m_at++];
            if (c != '\\')
                continue;
            const char e = peek();
            ++m_at;
            switch (e) {
            case '\\': case '\'': case 'n': case 'r': case 't': break;
            case 'x': if (!hexDigits(2)) return false; break;
            case 'u': {
                if (!hexDigits(4))
                    return false;
                // A surrogate stands only for an undecodable byte: \udc80 to \udcff.
                const unsigned long code = std::strtoul(std::string(m_line.substr(m_at - 4, 4)).c_str(), nullptr, 16);
                if (code >= 0xD800 && code <= 0xDFFF && !(code >= 0xDC80 && code <= 0xDCFF))
                    return false;
                break;
            }
            case 'U': {
                if (!hexDigits(8))
                    return false;
                const unsigned long code = std::strtoul(std::string(m_line.substr(m_at - 8, 8)).c_str(), nullptr, 16);
                if (code > 0x10FFFF)
                    return false;
                break;
            }
            default: return false;
            }
        }
        return take("'");
    }
    // An integer without leading zeros, or a float.
    bool number()
    {
        take("-");
        if (take("0x") || take("0X"))
            return digits(true);
        const std::size_t start = m_at;
        if (!digits())
            return false;
        bool real = false;
        if (take(".")) {
            real = true;
            digits();
        }
        if (take("e") || take("E")) {
            real = true;
            if (!take("-"))
                take("+");
            if (!digits())
                return false;
        }
        return real || m_line[start] != '0' || m_at == start + 1;
    }
    bool sequence(char close)
    {
        int items = 0;
        while (peek() != close) {
            if (items > 0 && !take(", "))
                return false;
            if (!value())
                return false;
            ++items;
            if (close == ')' && items == 1 && take(",)"))
                return true;
        }
        ++m_at;
        return close == ']' || items > 1;
    }
    bool value()
    {
        if (++m_depth > 2)
            return false;
        bool ok = false;
        if (peek() == '\'')
            ok = string();
        else if (take("lambda *args: mel.eval("))
            ok = string() && take(")");
        else if (isNameChar(peek()) && !isDigit(peek()))
            ok = name();
        else if (take("("))
            ok = sequence(')');
        else if (take("["))
            ok = sequence(']');
        else
            ok = number();
        --m_depth;
        return ok;
    }

    std::string_view m_line;
    std::size_t m_at = 0;
    int m_depth = 0;
};

// Counts the calls of a walk.
struct CallCounter final : orv::ScriptWriter {
    void beginCall(const std::string&, int) override { ++calls; }
    void addFlag(const orv::TypedFlag&, const std::string&, const std::string&) override {}
    void addRepeatedText(const std::string&, const std::vector<std::string>&) override {}
    void endCall(const std::string&) override {}
    void closeContainer(int) override {}
    int calls = 0;
};

void loadDatabase()
{
    static const bool loaded = orv::LoadMelDatabases(ORVANTE_INSTALL_DIR).records == orv::LoadResult::ok;
    check(loaded);
}

void checkScript(const std::string& script, int calls, bool named)
{
    using namespace orv::python_export;
    std::string head = std::string(kBannerRule) + kBannerTitle + kBannerRule + kImport;
    check(script.starts_with(head));
    if (script.compare(head.size(), std::string_view(kImportMel).size(), kImportMel) == 0)
        head += kImportMel;
    head += "\n";
    check(script.starts_with(head));
    if (!named)
        check(script.ends_with(kShowWindow));
    check(orv::IsValidUtf8(script));
    int made = 0;
    std::size_t start = head.size();
    if (named && script.compare(start, 15, "if cmds.window(") == 0)
        start = script.find('\n', start) + 1;
    const std::size_t end = script.rfind("\ncmds.showWindow(");
    check(end != std::string::npos && end >= start);
    while (start < end) {
        const std::size_t stop = script.find('\n', start);
        check(stop != std::string::npos && stop < end + 1);
        const std::string_view line(script.data() + start, stop - start);
        for (const char c : line)
            check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        if (line != std::string_view(kSetParent).substr(0, std::string_view(kSetParent).size() - 1)) {
            if (!CallLine(line).read()) {
                std::fprintf(stderr, "not a call: %.*s\n", static_cast<int>(line.size()), line.data());
                check(false);
            }
            ++made;
        }
        start = stop + 1;
    }
    check(made == calls);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    loadDatabase();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    orv::SettingsRecord settings;
    orv::UIModelContext context(settings);
    orv::CUIWindow window(context);
    orv::OutputLog log;
    if (!orv::ReadWindowFile(bytes, window, log))
        return 0;
    for (const bool shortFlags : {false, true}) {
        CallCounter counter;
        const bool writeNames = shortFlags;
        orv::WalkElementScript(window, 0, {shortFlags, writeNames}, counter);
        std::vector<std::string> leftOut;
        checkScript(orv::GenerateWindowPython(window, shortFlags, &leftOut, writeNames), counter.calls, writeNames);
    }
    return 0;
}
