// The checks of a MEL script: golden fixtures (each finding at its line and column), a table
// of single faults, and a table of scripts that must give no finding at all.
#include "mel/CommandDatabase.h"
#include "melparse/MelChecks.h"
#include "melparse/MelStatementReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orv {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(ORVANTE_FIXTURES_DIR) / "lint";

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// "LINE:COL+LENGTH: warning|error: text", one finding a line.
std::string written(const std::vector<MelDiagnostic>& findings)
{
    std::string out;
    for (const MelDiagnostic& d : findings)
        out += std::to_string(d.line) + ':' + std::to_string(d.column) + '+' + std::to_string(d.length) + ": " +
               (d.severity == MelSeverity::error ? "error" : "warning") + ": " + d.text + '\n';
    return out;
}

class MelChecks : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const MelDatabaseLoad load = LoadMelDatabases(std::string(ORVANTE_DATABASE_DIR) + "/..");
        ASSERT_EQ(load.words, LoadResult::ok);
        ASSERT_EQ(load.records, LoadResult::ok);
    }
};

TEST_F(MelChecks, EveryFixtureGivesItsFindings)
{
    int fixtures = 0;
    for (const auto& entry : fs::directory_iterator(kFixtures)) {
        if (entry.path().extension() != ".mel")
            continue;
        ++fixtures;
        auto expected = entry.path();
        expected.replace_extension(".findings");
        ASSERT_TRUE(fs::exists(expected)) << expected;
        EXPECT_EQ(written(CheckMelScript(slurp(entry.path()))), slurp(expected)) << entry.path().filename();
    }
    EXPECT_GT(fixtures, 0);
}

struct Case {
    const char* script;
    const char* findings;
};

TEST_F(MelChecks, EachFaultIsFoundWhereItIs)
{
    const Case cases[] = {
        {"print \"abc", "1:7+4: error: unterminated string\n"},
        {"print \"abc\r\nprint 1;", "1:7+4: error: unterminated string\n"},
        {"print \"a\\\\\";\nprint \"b", "2:7+2: error: unterminated string\n"},
        {"/* a\n b *", "1:1+2: error: unterminated block comment\n"},
        {"x /* a */ /*", "1:11+2: error: unterminated block comment\n"},
        {"f(1));", "1:5+1: error: ) without a matching (\n"},
        {"{\n (\n}", "3:1+1: error: ( of line 2 is not closed before this }\n"},
        {"{ $a[1 }", "1:8+1: error: [ of line 1 is not closed before this }\n"},
        {"{ f(1 }", "1:7+1: error: ( of line 1 is not closed before this }\n"},
        {"\n\n  [", "3:3+1: error: [ is never closed\n"},
        {"(((", "1:1+1: error: ( is never closed\n1:2+1: error: ( is never closed\n1:3+1: error: ( is never closed\n"},
        {"string $s = `button -l x;", "1:13+1: error: unterminated backquote\n"},
        {"button -lable \"OK\";", "1:8+6: warning: unknown flag -lable of button: did you mean -label?\n"},
        {"\r\nbutton -l \"OK\" -Width 3;", "2:16+6: warning: unknown flag -Width of button: did you mean -width?\n"},
        {"button -xyzzy 1;", "1:8+6: warning: unknown flag -xyzzy of button\n"},
        {"button -lab 1;", "1:8+4: warning: unknown flag -lab of button: did you mean -label?\n"},
        {"button -x 1;", "1:8+2: warning: unknown flag -x of button\n"},  // one edit from several
        {"button -back 1;", "1:8+5: warning: unknown flag -back of button: did you mean -backgroundColor?\n"},
        {"window -min 1;", "1:8+4: warning: unknown flag -min of window\n"},  // begins two long names
        {"button -l;", "1:8+2: warning: flag -l of button takes 1 value (String), none given\n"},
        {"window -wh 300 -t \"x\";", "1:8+3: warning: flag -wh of window takes 2 values (Int Int), 1 given\n"},
        {"window -edit -wh 300 -t \"x\" w;", "1:14+3: warning: flag -wh of window takes 2 values (Int Int), 1 given\n"},
        {"string $s = `button -lable x`;", "1:21+6: warning: unknown flag -lable of button: did you mean -label?\n"},
        {"button -q -lable b;", "1:11+6: warning: unknown flag -lable of button: did you mean -label?\n"},
        {"buton -l \"x\";", "1:1+5: warning: unknown command buton: did you mean button?\n"},
        {"lss;", "1:1+3: warning: unknown command lss: did you mean ls?\n"},
        {"if (`windw -q -exists w`) print 1;", "1:6+5: warning: unknown command windw: did you mean window?\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(written(CheckMelScript(c.script)), c.findings) << c.script;
}

TEST_F(MelChecks, NoFalseAlarms)
{
    const char* const clean[] = {
        "",
        "print \"// not a comment\";",
        "print \"/* not a comment\";",
        "print \"{[(\";",
        "print \"a \\\" b\"; // \"open quote in a comment",
        "// (( an open bracket in a comment",
        "/* ( */ f();",
        "# ( a hash line",
        "print \"continued \\\non the next line\";",
        "print \"continued \\\r\non the next line\";",
        "print 'it'; ( )",
        "int $a[] = {1, 2}; $a[0] = ($a[1] + 2) * 3;",
        "x */",
        "button -q -l b; button -query -bgc b;",
        "button -bgc $c; button -bgc $c[0] $c[1] $c[2]; button -w ($w + 1) -h `height`;",
        "button -l \"OK\" okButton; button -e -l \"x\" okButton; button -ex okButton;",
        "floatSlider -min -5 -max -0.5 -v -.5; intField -v -1;",
        "print \"-lable\"; print -1; size($a); myProc(\"-lable\"); eval(\"buton -lable\");",
        "showWindow; someCommandTheDatabaseLacks -lable 1; ls -sl pCube1;",
        "global proc buton() {} buton;",
        "proc button2(string $l) {} button2 -lable;",
        "global proc window(string $t) {} window -tilte \"x\";",
        "$x = $y -w; int $i = -1; string $s[] = {\"-lable\"};",
        "windw($a); Ls; l1;",
        "Undo; Redo; Duplicate; Group; Parent; MoveTool; Button;",  // runtime commands
    };
    for (const char* script : clean)
        EXPECT_EQ(written(CheckMelScript(script)), "") << script;
}

TEST_F(MelChecks, HostileTextsGetBoundedFindings)
{
    const auto strays = CheckMelScript(std::string(2 * kMaxMelFindings, ')'));
    ASSERT_EQ(strays.size(), kMaxMelFindings);
    EXPECT_EQ(strays.back().column, static_cast<int>(kMaxMelFindings));

    // Past the limit the statements are not read: only the text is checked, and a warning says so.
    std::string large = "button -lable x; print \"open\n";
    large.resize(kMaxStatementCheckedBytes + 1, ' ');
    EXPECT_EQ(written(CheckMelScript(large)),
              "1:1+1: warning: script larger than 32 MB: flags and commands are not checked\n"
              "1:24+5: error: unterminated string\n");
    large.resize(kMaxStatementCheckedBytes);
    EXPECT_EQ(written(CheckMelScript(large)),
              "1:8+6: warning: unknown flag -lable of button: did you mean -label?\n"
              "1:24+5: error: unterminated string\n");
}

// A check told to stop ends early with what it found so far (a view's check stops when its
// text changes or the view closes).
TEST_F(MelChecks, AStoppedCheckEndsEarly)
{
    std::string script;
    for (int i = 0; i < 20000; ++i)
        script += "button -lable x; print \"(\";\n";
    const auto whole = CheckMelScript(script);
    EXPECT_EQ(whole.size(), kMaxMelFindings);
    const std::atomic<bool> stop{true};
    const auto stopped = CheckMelScript(script, &stop);
    EXPECT_LT(stopped.size(), whole.size() / 2);
    for (const MelDiagnostic& d : stopped)
        EXPECT_NE(std::find(whole.begin(), whole.end(), d), whole.end()) << d.line << ": " << d.text;
}

// A statement of thousands of arguments (a generated data dump) keeps its first ones: they
// are checked, and a flag whose values run past them is not taken for one given too few.
TEST_F(MelChecks, AStatementOfManyArgumentsIsCheckedAsFarAsItIsKept)
{
    for (const int before : {10, 4000, 4092, 4093, 4094, 4095, 4096, 5000}) {
        std::string script = "button -lable x";
        for (int i = 0; i < before; ++i)
            script += " 1";
        const std::size_t bgc = script.size() + 2;
        script += " -bgc 1 2 3; button -bgc 1;";
        EXPECT_EQ(written(CheckMelScript(script)),
                  "1:8+6: warning: unknown flag -lable of button: did you mean -label?\n"
                  "1:" + std::to_string(bgc + 19) + "+4: warning: flag -bgc of button takes 3 values (Float Float Float), 1 given\n")
            << before;
    }
}

// Labels, subscripts and brackets with nothing where the reader expects something: each is
// read and checked without touching an empty list (a lone ':' after default once ended the
// program while the user typed).
TEST_F(MelChecks, ScriptsWithNothingWhereSomethingIsExpectedAreChecked)
{
    using namespace std::string_literals;
    const std::string scripts[] = {
        "default :",
        "default :;",
        "case :",
        "case 1 :",
        "case :\n",
        "switch ($x) { default : print 1; }",
        "switch ($x) { case : break; default :: }",
        "`default :`",
        "`case :`;",
        "if (1) default :",
        "{ case",
        "case",
        "default",
        ":",
        "::::",
        "$a[",
        "$a[]",
        "[]",
        "`",
        "``",
        "`default`",
        "proc",
        "global proc",
        "global",
        "global int",
        "int",
        "proc (",
        "-",
        "default\0:\0`case`\0"s,
        "\0\0`\0default :\0`\0case `:`"s,
    };
    for (const std::string& script : scripts) {
        const MelScript read = ReadMelStatements(script);
        for (const MelStatement& st : read.statements)
            EXPECT_LE(st.span.offset + st.span.length, script.size()) << script;
        for (const MelDiagnostic& d : CheckMelScript(script))
            EXPECT_GE(d.line, 1) << script;
    }
    // The label with its value still reads as before.
    EXPECT_EQ(ReadMelStatements("case 1 :").statements.at(0).word, "case");
}

TEST_F(MelChecks, WithoutTheDatabaseOnlyTheTextIsChecked)
{
    const std::string script = "button -lable \"OK\" -w; buton; print \"x";
    FreeMelCommandWords();
    ASSERT_EQ(ParseMelCommandDatabase(std::string("\0\0", 2)), LoadResult::ok);
    EXPECT_EQ(written(CheckMelScript(script)), "1:37+2: error: unterminated string\n");
    SetUpTestSuite();
    EXPECT_EQ(written(CheckMelScript(script)),
              "1:8+6: warning: unknown flag -lable of button: did you mean -label?\n"
              "1:20+2: warning: flag -w of button takes 1 value (Int), none given\n"
              "1:24+5: warning: unknown command buton: did you mean button?\n"
              "1:37+2: error: unterminated string\n");
}

} // namespace
} // namespace orv
