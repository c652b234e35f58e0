// Benchmark scripts of any length: a body of lines repeated, each line's %d filled with the
// number of its repetition, lines joined with CR LF.
#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace orv::bench {

inline std::string repeatScriptBody(std::span<const char* const> body, int lines)
{
    const int size = static_cast<int>(body.size());
    std::string script;
    for (int line = 0; line < lines; ++line) {
        char text[256];
        std::snprintf(text, sizeof text, body[static_cast<std::size_t>(line % size)], line / size, line / size);
        script += text;
        if (line + 1 < lines)
            script += "\r\n";
    }
    return script;
}

// The test script of the text engine and lint benchmarks: realistic MEL (procedures, window
// commands with flags, strings with escapes, line and block comments) that checks clean.
inline std::string melTestScript(int lines)
{
    const char* const body[] = {
        "global proc string makeWindow%d(int $count, float $scale[])",
        "{",
        "\t// builds the window and returns its name",
        "\tstring $win = `window -title \"Tool \\\"%d\\\"\" -wh 300 200 -resizeToFitChildren true`;",
        "\tcolumnLayout -adjustableColumn true -rowSpacing 4;",
        "\t\tbutton -label \"Apply\" -command (\"apply(\" + $count + \")\") -width 80;",
        "\t\tcheckBox -l \"Enabled\" -value on;  /* a short block comment */",
        "\t\tfloatSliderGrp -label \"Scale\" -field true -min 0.0 -max 10.0 -value 1.5;",
        "\tfor ($i = 0; $i < $count; $i++) { print(\"item \" + $i + \"\\n\"); }",
        "\tsetParent ..;",
        "\tshowWindow $win;",
        "\treturn $win;",
        "}",
        "/* a block comment",
        "   over two lines */",
        "",
    };
    return repeatScriptBody(body, lines);
}

} // namespace orv::bench
