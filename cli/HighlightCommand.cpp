// "orvante-cli highlight FILE": colours a MEL file with the built-in data and the default
// colours, for a terminal (ansi), a web page (html) or tools (blocks).
#include "CliCommand.h"
#include "VisibleText.h"

#include "mel/CommandDatabase.h"
#include "settings/SettingsRecord.h"
#include "meltext/MelColouring.h"
#include "text/TextFile.h"

#include <cstdio>
#include <string>

namespace orv::cli {
namespace {

enum class Format { ansi, html, blocks };

constexpr ColorRef kPageBackground = 0xFFFFFF;

// "#RRGGBB" of a COLORREF.
std::string cssColour(ColorRef c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colorRed(c), colorGreen(c), colorBlue(c));
    return text;
}

void printLine(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

std::string htmlEscaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            // 8-bit text is Latin-1; a character reference keeps the page valid whatever its encoding.
            if (isControl(u)) {
                appendCaret(out, u);
            } else if (u >= 0x80) {
                out += "&#";
                out += std::to_string(u);
                out += ';';
            } else
                out += c;
        }
    }
    return out;
}

void printAnsi(std::string_view text, const std::vector<ColourBlock>& blocks, const SettingsRecord& settings)
{
    std::string out;
    for (const ColourSpan& span : colourSpans(blocks, static_cast<int>(text.size()))) {
        // The default text keeps the terminal's own colour, readable on light and dark themes.
        if (span.colourClass == colour_class::kNormalText) {
            out += "\x1b[39m";
        } else {
            const ColorRef c = ColorOf(span.colourClass, settings, kPageBackground);
            char escape[32];
            std::snprintf(escape, sizeof escape, "\x1b[38;2;%d;%d;%dm", colorRed(c), colorGreen(c), colorBlue(c));
            out += escape;
        }
        appendVisible(out, text.substr(static_cast<std::size_t>(span.begin),
                                       static_cast<std::size_t>(span.end - span.begin)));
    }
    out += "\x1b[0m";
    printLine(out);
}

void printHtml(std::string_view text, const std::vector<ColourBlock>& blocks, const SettingsRecord& settings)
{
    std::string out;
    for (const ColourSpan& span : colourSpans(blocks, static_cast<int>(text.size()))) {
        out += "<span style=\"color:";
        out += cssColour(ColorOf(span.colourClass, settings, kPageBackground));
        out += "\">";
        out += htmlEscaped(text.substr(static_cast<std::size_t>(span.begin),
                                       static_cast<std::size_t>(span.end - span.begin)));
        out += "</span>";
    }
    printLine(out);
}

int runHighlight(const Args& args)
{
    std::string path;
    Format format = Format::ansi;
    bool colouring = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-colouring") {
            colouring = false;
        } else if (a == "--format" && i + 1 < args.size()) {
            const std::string& f = args[++i];
            if (f == "ansi")
                format = Format::ansi;
            else if (f == "html")
                format = Format::html;
            else if (f == "blocks")
                format = Format::blocks;
            else {
                std::fprintf(stderr, "orvante-cli highlight: unknown format \"%s\" (ansi, html or blocks)\n", f.c_str());
                return 2;
            }
        } else if (path.empty() && !a.starts_with("--")) {
            path = a;
        } else {
            std::fprintf(stderr, "orvante-cli highlight: unexpected argument \"%s\"\n", a.c_str());
            return 2;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "usage: orvante-cli highlight FILE [--format ansi|html|blocks] [--no-colouring]\n");
        return 2;
    }
    SettingsRecord settings;
    ResetSettings(settings);
    // What comes before the first line waits for the file to open, so that a file that
    // cannot be read gives its error alone.
    const auto start = [&] {
        const std::string folder = installFolder();
        if (LoadMelDatabases(folder).words != LoadResult::ok)
            std::fprintf(stderr, "orvante-cli highlight: no command word list below %s: commands are not coloured\n",
                         folder.c_str());
        if (format == Format::html)
            std::printf("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head>\n<body style=\"background:%s\"><pre>\n",
                        cssColour(kPageBackground).c_str());
    };
    // Each line is printed as soon as it is read: memory holds a block of the file, not all of it.
    std::uint32_t state = 0;
    std::vector<ColourBlock> blocks;
    int line = 0;
    std::string error;
    const bool read = readTextFileLines(
        path, -1,
        [&](TextLine&& textLine) {
            if (line == 0)
                start();
            blocks.clear();
            const std::string_view text = textLine.text();
            state = ParseMelLine(state, text, &blocks, colouring);
            switch (format) {
            case Format::blocks: std::printf("%s\n", blocksLine(line, blocks).c_str()); break;
            case Format::ansi: printAnsi(text, blocks, settings); break;
            case Format::html: printHtml(text, blocks, settings); break;
            }
            ++line;
        },
        error);
    if (!read) {
        std::fprintf(stderr, "orvante-cli highlight: %s\n", error.c_str());
        return 1;
    }
    if (format == Format::html)
        std::printf("</pre></body></html>\n");
    return 0;
}

const bool registered = registerCommand(
    {"highlight", "FILE [--format ansi|html|blocks] [--no-colouring]  (colours a MEL file)", runHighlight});

} // namespace
} // namespace orv::cli
