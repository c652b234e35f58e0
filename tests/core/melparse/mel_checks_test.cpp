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

const char* severityWord(MelSeverity severity)
{
    switch (severity) {
    case MelSeverity::error: return "error";
    case MelSeverity::note: return "note";
    default: return "warning";
    }
}

// "LINE:COL+LENGTH: warning|error|note: text", one finding a line.
std::string written(const std::vector<MelDiagnostic>& findings)
{
    std::string out;
    for (const MelDiagnostic& d : findings)
        out += std::to_string(d.line) + ':' + std::to_string(d.column) + '+' + std::to_string(d.length) + ": " +
               severityWord(d.severity) + ": " + d.text + '\n';
    return out;
}

// The warnings and errors alone: a note on a proc that another script may define is no alarm.
std::string alarms(const std::vector<MelDiagnostic>& findings)
{
    std::vector<MelDiagnostic> kept;
    for (const MelDiagnostic& d : findings)
        if (d.severity != MelSeverity::note)
            kept.push_back(d);
    return written(kept);
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
        EXPECT_EQ(alarms(CheckMelScript(c.script)), c.findings) << c.script;
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
        EXPECT_EQ(alarms(CheckMelScript(script)), "") << script;
}

// Today's releases: newer flags and commands, the built-in functions, flags written together
// as Maya echoes them, flags that answer a query.
TEST_F(MelChecks, TodaysVocabularyIsKnownAndItsSlipsAreFound)
{
    const char* const clean[] = {
        "columnLayout -margins 6 -generalSpacing 4; frameLayout -margins4 1 2 3 4;",
        "button -statusBarMessage \"x\"; button -sbm \"y\";",
        "setAttr -e-keyable true pCube1.tx; setAttr -e -keyable true pCube1.tx;",
        "columnLayout -q -childArray c; columnLayout -query -nch c; textScrollList -q -ni l;",
        "int $f = fopen(\"/tmp/a\", \"w\"); fprint $f \"x\"; fclose $f; print(size(\"ab\") + sqrt(4.0));",
        "string $parts[]; tokenize \"a b\" $parts; if (catch(`match \"a\" \"b\"`)) print 1;",
        "columnLayout -mgs 4;",  // a short name the facts do not tell, read as one
    };
    for (const char* script : clean)
        EXPECT_EQ(written(CheckMelScript(script)), "") << script;

    const Case cases[] = {
        {"setAttr -e-keyabel true a.tx;", "1:11+8: warning: unknown flag -keyabel of setAttr: did you mean -keyable?\n"},
        {"button -statusBarMesage \"x\";",
         "1:8+16: warning: unknown flag -statusBarMesage of button: did you mean -statusBarMessage?\n"},
        {"columnLayout -childArray;", "1:14+11: warning: flag -childArray of columnLayout works only with -query\n"},
        {"string $k[] = `columnLayout -ca c`;", "1:29+3: warning: flag -ca of columnLayout works only with -query\n"},
        {"columnLayout -margins;", "1:14+8: warning: flag -margins of columnLayout takes 1 value (int), none given\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(written(CheckMelScript(c.script)), c.findings) << c.script;
}

// Variables read undeclared, procs called with the wrong number of arguments, and the note on a
// call that nothing known defines.
TEST_F(MelChecks, VariablesAndCallsAreHeldToTheirDeclarations)
{
    const Case cases[] = {
        {"proc p() { print $x; }", "1:18+2: warning: variable $x is not declared\n"},
        {"proc p() {\n print $x;\n string $x; }", "2:8+2: warning: variable $x is used before its declaration on line 3\n"},
        {"proc p() { if (1) { string $s; } print $s; }", "1:40+2: warning: variable $s is not declared\n"},
        {"string $g; proc p() { print $g; }", "1:29+2: warning: variable $g is not declared\n"},
        {"print $late; string $late = 1;", "1:7+5: warning: variable $late is used before its declaration on line 1\n"},
        {"proc f(int $a) {} f(1, 2);", "1:19+1: warning: proc f takes 1 argument, 2 given\n"},
        {"proc f(int $a, string $b[]) {}\nf;", "2:1+1: warning: proc f takes 2 arguments, 0 given\n"},
        {"proc f() {} f 1;", "1:13+1: warning: proc f takes 0 arguments, 1 given\n"},
        {"proc string f(string $a) { return $a; } print(f(f(\"a\", \"b\")));",
         "1:49+1: warning: proc f takes 1 argument, 2 given\n"},
        {"unknownThing(1);", "1:1+12: note: proc unknownThing is not defined in this script nor known\n"},
        {"int $n = helperProc(1);", "1:10+10: note: proc helperProc is not defined in this script nor known\n"},
        {"helper \"a\";", "1:1+6: note: proc helper is not defined in this script nor known\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(written(CheckMelScript(c.script)), c.findings) << c.script;

    const char* const clean[] = {
        "proc p(string $a[], int $n) { for ($i = 0; $i < $n; $i++) print $a[$i]; }",
        "proc p() { global string $g; print $g; }",
        "proc p() { string $l[] = {\"a\"}; for ($x in $l) print $x; }",
        "proc p() { string $a = \"x\", $b = $a; $c = 3; print ($b + $c); $v[2] = 1; print $v; }",
        "proc p() { int $m[] = {1, 2}; { int $k = $m[0]; print $k; } print $m; }",
        "proc p() { switch (1) { case 1: string $s = \"a\"; print $s; break; } }",
        "print $fromAnEarlierScript; { print $fromAnEarlierScript; }",
        "proc int twice(int $n) { return $n * 2; } print(twice(twice(1))); twice 1;",
        "proc p(string $s) {} p(\"a, b\"); p(`ls -sl`); p({\"a\", \"b\"}); p($s[1]);",
        "global proc string[] q(string $a) { return {$a}; } q \"x\"; later(1); global proc later(int $i) {}",
        "Undo; MyRuntimeCommand; print(`about -v`); $x = abs(-1) + -abs(2);",
        "proc text(string $s) {} text -label \"a proc named like a command\";",
    };
    for (const char* script : clean)
        EXPECT_EQ(written(CheckMelScript(script)), "") << script;

    // Calls nested deeper than the groups followed: the outer calls are still counted right,
    // and nothing is said of the inner ones.
    std::string deep = "proc int f(int $a) { return $a; }\nprint(";
    for (int i = 0; i < 5000; ++i)
        deep += "f(";
    deep += "1";
    for (int i = 0; i < 5000; ++i)
        deep += ")";
    EXPECT_EQ(written(CheckMelScript(deep + ");")), "");
    EXPECT_EQ(written(CheckMelScript(deep + ", 2);\nf(1, 2);")), "3:1+1: warning: proc f takes 1 argument, 2 given\n");
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

// Without the database the compiled-in command facts still know the flags; the near misses of
// command words need the word list.
TEST_F(MelChecks, WithoutTheDatabaseTheTextAndTodaysCommandFactsAreChecked)
{
    const std::string script = "button -lable \"OK\" -w; buton; print \"x";
    FreeMelCommandWords();
    ASSERT_EQ(ParseMelCommandDatabase(std::string("\0\0", 2)), LoadResult::ok);
    EXPECT_EQ(written(CheckMelScript(script)),
              "1:8+6: warning: unknown flag -lable of button: did you mean -label?\n"
              "1:20+2: warning: flag -w of button takes 1 value (int), none given\n"
              "1:24+5: note: proc buton is not defined in this script nor known\n"
              "1:37+2: error: unterminated string\n");
    SetUpTestSuite();
    EXPECT_EQ(written(CheckMelScript(script)),
              "1:8+6: warning: unknown flag -lable of button: did you mean -label?\n"
              "1:20+2: warning: flag -w of button takes 1 value (Int), none given\n"
              "1:24+5: warning: unknown command buton: did you mean button?\n"
              "1:37+2: error: unterminated string\n");
}

} // namespace
} // namespace orv
