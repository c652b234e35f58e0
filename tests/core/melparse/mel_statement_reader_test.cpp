// The statement reader on UI code as people write it: what each statement holds, where each
// piece is, which proc and block it sits in, and what it reports on broken text.
#include "melparse/MelStatementReader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace orv {
namespace {

using Kind = MelArgumentKind;

std::vector<std::string> words(const MelScript& script)
{
    std::vector<std::string> out;
    for (const MelStatement& st : script.statements)
        out.push_back(st.word);
    return out;
}

// "kind:text" of each argument, for compact expectations.
std::string describe(const MelStatement& st)
{
    static const char* const kNames[] = {"flag", "string", "number", "word", "variable", "expression", "backquote", "other"};
    std::string out;
    for (const MelArgument& a : st.arguments) {
        if (!out.empty())
            out += ' ';
        out += kNames[static_cast<int>(a.kind)];
        out += ':';
        out += a.text;
    }
    return out;
}

TEST(MelStatementReader, CommandArgumentsHaveTheirKindsTextsAndPlaces)
{
    const std::string text = "button -l \"O\\\"K\\n\" -w 100 -bgc 0.5 -0.25 1e2 -c ($cmd + \"x\") -en $on okButton;\n"
                             "  setParent ..;";
    const MelScript script = ReadMelStatements(text);
    ASSERT_EQ(script.statements.size(), 2u);
    const MelStatement& button = script.statements[0];
    EXPECT_EQ(button.kind, MelStatementKind::command);
    EXPECT_EQ(button.word, "button");
    EXPECT_EQ(describe(button), "flag:-l string:O\"K\n flag:-w number:100 flag:-bgc number:0.5 number:-0.25 "
                                "number:1e2 flag:-c expression:($cmd + \"x\") flag:-en variable:$on word:okButton");
    // Each argument's span is where it is written, a string's with its quotes.
    for (const MelArgument& a : button.arguments) {
        const std::string written = text.substr(a.span.offset, a.span.length);
        if (a.kind == Kind::string)
            EXPECT_EQ(written, "\"O\\\"K\\n\"");
        else
            EXPECT_EQ(written, a.text);
        EXPECT_EQ(a.span.line, 1);
        EXPECT_EQ(static_cast<std::size_t>(a.span.column), a.span.offset + 1);
    }
    EXPECT_EQ(button.span.offset, 0u);
    EXPECT_EQ(text.substr(button.span.offset, button.span.length), text.substr(0, text.find(';')));
    const MelStatement& up = script.statements[1];
    EXPECT_EQ(up.word, "setParent");
    EXPECT_EQ(describe(up), "word:..");
    EXPECT_EQ(up.wordSpan.line, 2);
    EXPECT_EQ(up.wordSpan.column, 3);
    EXPECT_EQ(up.arguments[0].span.column, 13);
    EXPECT_TRUE(script.problems.empty());
}

// Maya echoes "setAttr -e-keyable true": MEL ends a flag at the next dash, so that is two
// flags, each at its own place; a word whose parts are not all flags stays one word.
TEST(MelStatementReader, FlagsWrittenTogetherAreSeparateFlags)
{
    const std::string text = "setAttr -e-keyable true -l-cb-k on a.tx; f -a-1 -x-;";
    const MelScript script = ReadMelStatements(text);
    ASSERT_EQ(script.statements.size(), 2u);
    EXPECT_EQ(describe(script.statements[0]), "flag:-e flag:-keyable word:true flag:-l flag:-cb flag:-k word:on word:a.tx");
    for (const MelArgument& a : script.statements[0].arguments) {
        EXPECT_EQ(text.substr(a.span.offset, a.span.length), a.text);
        EXPECT_EQ(static_cast<std::size_t>(a.span.column), a.span.offset + 1);
    }
    EXPECT_EQ(describe(script.statements[1]), "flag:-a-1 flag:-x-");
    EXPECT_TRUE(HasMelFlag(script.statements[0], "edit", "e"));
}

TEST(MelStatementReader, StringEscapesAndContinuations)
{
    struct Case {
        const char* literal;
        std::string text;
    };
    const std::vector<Case> cases = {
        {R"("plain")", "plain"},
        {R"("a\tb\rc\\d\"e")", "a\tb\rc\\d\"e"},
        {R"("\x01\x7f\x4A")", std::string("\x01\x7f\x4A", 3)},
        {R"("\xZ1")", "xZ1"},
        {R"("a\qb")", "aqb"},
        {"\"one \\\ntwo\"", "one two"},
        {"\"one \\\r\ntwo\"", "one two"},
        {R"("")", ""},
    };
    for (const Case& c : cases) {
        const MelScript script = ReadMelStatements(std::string("print ") + c.literal + ";\nprint 2;");
        ASSERT_EQ(script.statements.size(), 2u) << c.literal;
        ASSERT_EQ(script.statements[0].arguments.size(), 1u) << c.literal;
        EXPECT_EQ(script.statements[0].arguments[0].text, c.text) << c.literal;
        EXPECT_EQ(script.statements[0].arguments[0].span.length, std::string(c.literal).size()) << c.literal;
        EXPECT_TRUE(script.problems.empty()) << c.literal;
        // A continuation inside a string moves the lines of what follows.
        const int lines = static_cast<int>(std::string(c.literal).find('\n') != std::string::npos);
        EXPECT_EQ(script.statements[1].wordSpan.line, 2 + lines) << c.literal;
    }
}

TEST(MelStatementReader, CommentsAndContinuationLinesAreBlanks)
{
    const MelScript script = ReadMelStatements("// window -t \"no\";\n"
                                               "/* button;\n   text; */ columnLayout /* in */ -adj\\\n"
                                               "  true col1; // button;\n"
                                               "text -l \"// not a comment\";");
    EXPECT_EQ(words(script), (std::vector<std::string>{"columnLayout", "text"}));
    EXPECT_EQ(describe(script.statements[0]), "flag:-adj word:true word:col1");
    EXPECT_EQ(script.statements[0].wordSpan.line, 3);
    EXPECT_EQ(script.statements[0].wordSpan.column, 13);
    EXPECT_EQ(script.statements[0].arguments[1].span.line, 4);
    EXPECT_EQ(script.statements[0].arguments[1].span.column, 3);
    EXPECT_EQ(describe(script.statements[1]), "flag:-l string:// not a comment");
}

TEST(MelStatementReader, ProcsBackquotesConditionsAndAssignments)
{
    const std::string text = R"(global proc string buildTool(string $name, int $n)
{
    if (`window -exists $name`) deleteUI $name;
    string $w = `window -t "Tool" $name`;
    $count = 3;
    columnLayout;
    for ($i = 0; $i < $n; $i++) {
        button -l ("B" + $i);
    }
    else print(`about -v`, 2);
    return $w;
}
proc helper() { text; }
showWindow $w;
)";
    const MelScript script = ReadMelStatements(text);
    EXPECT_TRUE(script.problems.empty());
    ASSERT_EQ(script.procs.size(), 2u);
    EXPECT_EQ(script.procs[0].name, "buildTool");
    EXPECT_TRUE(script.procs[0].global);
    EXPECT_EQ(script.procs[0].nameSpan.line, 1);
    EXPECT_EQ(script.procs[0].nameSpan.column, 20);
    EXPECT_EQ(script.procs[1].name, "helper");
    EXPECT_FALSE(script.procs[1].global);

    EXPECT_EQ(words(script), (std::vector<std::string>{"window", "if", "deleteUI", "window", "string", "$count",
                                                       "columnLayout", "for", "button", "else", "about", "print",
                                                       "return", "text", "showWindow"}));
    const auto& s = script.statements;
    // The first proc holds everything up to its closing brace, the second its one statement.
    EXPECT_EQ(script.procs[0].firstStatement, 0);
    EXPECT_EQ(script.procs[0].statementCount, 13);
    EXPECT_EQ(script.procs[1].firstStatement, 13);
    EXPECT_EQ(script.procs[1].statementCount, 1);
    EXPECT_EQ(s[14].proc, -1);
    EXPECT_EQ(s[8].proc, 0);
    EXPECT_EQ(s[13].proc, 1);

    // The condition's query is a statement of the if; the if's body runs conditionally.
    EXPECT_EQ(s[0].enclosing, 1);
    EXPECT_EQ(describe(s[0]), "flag:-exists variable:$name");
    EXPECT_EQ(s[1].kind, MelStatementKind::control);
    EXPECT_EQ(describe(s[1]), "expression:(`window -exists $name`)");
    EXPECT_EQ(s[1].conditions, 0);
    EXPECT_EQ(s[2].conditions, 1);
    EXPECT_EQ(s[3].conditions, 0);

    // string $w = `window ...`;
    EXPECT_EQ(s[3].enclosing, 4);
    EXPECT_EQ(describe(s[3]), "flag:-t string:Tool variable:$name");
    EXPECT_EQ(s[4].kind, MelStatementKind::assignment);
    EXPECT_EQ(s[4].target, "$w");
    EXPECT_EQ(describe(s[4]), "variable:$w other:= backquote:`window -t \"Tool\" $name`");
    EXPECT_EQ(s[4].arguments[2].statement, 3);
    EXPECT_EQ(s[5].kind, MelStatementKind::assignment);
    EXPECT_EQ(s[5].target, "$count");

    // The for's body is a block: conditional, one brace deeper.
    EXPECT_EQ(s[7].kind, MelStatementKind::control);
    EXPECT_EQ(describe(s[7]), "expression:($i = 0; $i < $n; $i++)");
    EXPECT_EQ(s[8].conditions, 1);
    EXPECT_EQ(s[8].depth, 2);
    EXPECT_EQ(s[6].depth, 1);
    EXPECT_EQ(s[6].conditions, 0);

    // Call form: the items without commas; a backquote in it lists its statement first.
    EXPECT_EQ(s[11].kind, MelStatementKind::call);
    EXPECT_EQ(describe(s[11]), "backquote:`about -v` number:2");
    EXPECT_EQ(s[11].arguments[0].statement, 10);
    EXPECT_EQ(s[10].enclosing, 11);
    EXPECT_EQ(s[11].conditions, 1);
    EXPECT_EQ(s[12].kind, MelStatementKind::control);
    EXPECT_EQ(s[12].conditions, 0);
}

TEST(MelStatementReader, SwitchLabelsDoWhileAndDeclarations)
{
    const MelScript script = ReadMelStatements("switch ($x) { case 1: text; break; default: button; }\n"
                                               "do text; while ($a);\nbutton;\n"
                                               "global int $n[] = {1, 2};\n$arr[2] = 5;\n$i++;\n");
    EXPECT_EQ(words(script), (std::vector<std::string>{"switch", "case", "text", "break", "default", "button",
                                                       "do", "text", "while", "button", "int", "$arr", "$i"}));
    const auto& s = script.statements;
    EXPECT_EQ(describe(s[1]), "number:1");
    EXPECT_EQ(s[5].conditions, 1);
    EXPECT_EQ(s[7].conditions, 1);
    EXPECT_EQ(s[9].conditions, 0);
    EXPECT_EQ(s[10].kind, MelStatementKind::assignment);
    EXPECT_EQ(s[10].target, "$n");
    EXPECT_EQ(s[11].kind, MelStatementKind::assignment);
    EXPECT_EQ(s[11].target, "$arr");
    EXPECT_EQ(s[12].kind, MelStatementKind::other);
    EXPECT_EQ(describe(s[12]), "other:++");
    EXPECT_TRUE(script.problems.empty());
}

// Each body of a control statement around a statement counts, braced or not: an element made
// in a loop inside the condition that makes a window runs more often than the window.
TEST(MelStatementReader, ConditionsCountTheBodiesAround)
{
    const MelScript script = ReadMelStatements("if ($a) { window; for ($i = 0; $i < 3; $i++) button; text; }\n"
                                               "for ($x in $list) if ($x) while ($b) { checkBox; }\n"
                                               "if ($c) text; else { button; }\nseparator;\n");
    std::vector<std::pair<std::string, int>> counts;
    for (const MelStatement& st : script.statements)
        counts.emplace_back(st.word, st.conditions);
    EXPECT_EQ(counts, (std::vector<std::pair<std::string, int>>{
                          {"if", 0}, {"window", 1}, {"for", 1}, {"button", 2}, {"text", 1}, {"for", 0}, {"if", 1},
                          {"while", 2}, {"checkBox", 3}, {"if", 0}, {"text", 1}, {"else", 0}, {"button", 1},
                          {"separator", 0}}));
}

TEST(MelStatementReader, LexicalProblemsNameTheOpeningPlace)
{
    struct Case {
        const char* text;
        MelLexicalProblemKind kind;
        int line;
        int column;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"button -l \"OK;\ntext;", MelLexicalProblemKind::unterminatedString, 1, 11, "unterminated string"},
        {"text;\n  /* never closed\nbutton;", MelLexicalProblemKind::unterminatedComment, 2, 3, "unterminated comment"},
        {"proc a() {\n  if (1) {\n  text;\n}", MelLexicalProblemKind::unclosedBracket, 1, 10, "unclosed '{'"},
        {"text;\n}\nbutton;", MelLexicalProblemKind::unmatchedClosingBracket, 2, 1, "unmatched '}'"},
        {"button -c (\"a\" + ($b);\ntext;", MelLexicalProblemKind::unclosedBracket, 1, 11, "unclosed '('"},
        {"text -l ($a]);", MelLexicalProblemKind::unmatchedClosingBracket, 1, 12, "unmatched ']'"},
        {"string $w = `window -t \"x\";\nbutton;", MelLexicalProblemKind::unterminatedBackquote, 1, 13,
         "unterminated backquote"},
        {"text -l {1, [2};", MelLexicalProblemKind::unclosedBracket, 1, 13, "unclosed '['"},
    };
    for (const Case& c : cases) {
        const MelScript script = ReadMelStatements(c.text);
        ASSERT_EQ(script.problems.size(), 1u) << c.text;
        const MelLexicalProblem& p = script.problems[0];
        EXPECT_EQ(p.kind, c.kind) << c.text;
        EXPECT_EQ(p.span.line, c.line) << c.text;
        EXPECT_EQ(p.span.column, c.column) << c.text;
        EXPECT_EQ(p.text, c.message) << c.text;
    }
    // Reading goes on after a problem: the statement after it is still read, also after a
    // string left open, which ends its statement at the line end.
    for (const char* text : {"button -c (\"a\" + ($b);\ntext -l \"x\";", "button -l \"open;\ntext -l \"x\";"}) {
        const MelScript broken = ReadMelStatements(text);
        ASSERT_EQ(broken.statements.size(), 2u) << text;
        EXPECT_EQ(broken.statements[1].word, "text") << text;
        EXPECT_EQ(broken.statements[1].arguments.size(), 2u) << text;
    }
}

TEST(MelStatementReader, HostileNestingAndLengthsAreReadWithoutDeepStacks)
{
    const std::size_t depth = 100000;
    for (const std::string& text : {std::string(depth, '{'), std::string(depth, '('), "text " + std::string(depth, '['),
                                    std::string(depth, '}'), "a(" + std::string(depth, '`'),
                                    std::string(depth, '(') + std::string(depth, ']')}) {
        const MelScript script = ReadMelStatements(text);
        EXPECT_FALSE(script.problems.empty());
    }
    const MelScript braces = ReadMelStatements(std::string(depth, '{') + "button;" + std::string(depth, '}'));
    ASSERT_EQ(braces.statements.size(), 1u);
    EXPECT_EQ(braces.statements[0].depth, static_cast<int>(depth));
    EXPECT_TRUE(braces.problems.empty());
}

// Scripts cut together at random from pieces of real and broken MEL: every place lies inside
// the text and points at what it names, and every index points where it says.
TEST(MelStatementReader, RandomScriptsGiveConsistentPlacesAndIndexes)
{
    const std::vector<std::string> pieces = {"button", " -l ", "\"a\\\"b\"", "\"open", "`", "(", ")", "[", "]", "{", "}",
                                             ";", "\n", "\\\n", "$x", "[2]", " = ", "if ", "else ", "for ", "proc p() ",
                                             "global proc string q(string $s) ", "// c\n", "/* c */", "/*", ",", "case 1:",
                                             "default:", "window -exists w", "12", "-0.5", "..", "|", "setParent"};
    for (unsigned seed = 1; seed <= 500; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        std::string text;
        for (int n = std::uniform_int_distribution<int>(0, 60)(random); n > 0; --n)
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        const MelScript script = ReadMelStatements(text);
        // Line and column of an offset, counted independently of the reader.
        const auto where = [&](std::size_t offset) {
            int line = 1;
            std::size_t lineStart = 0;
            for (std::size_t i = 0; i < offset; ++i)
                if (text[i] == '\n') {
                    ++line;
                    lineStart = i + 1;
                }
            return std::pair{line, static_cast<int>(offset - lineStart) + 1};
        };
        const auto check = [&](const MelSourceSpan& span) {
            ASSERT_LE(span.offset + span.length, text.size()) << text;
            EXPECT_EQ(where(span.offset), std::pair(span.line, span.column)) << text;
        };
        const int count = static_cast<int>(script.statements.size());
        for (int i = 0; i < count; ++i) {
            const MelStatement& st = script.statements[static_cast<std::size_t>(i)];
            check(st.span);
            if (!st.word.empty() && st.word != "default") {
                check(st.wordSpan);
                EXPECT_EQ(text.substr(st.wordSpan.offset, st.wordSpan.length), st.word) << text;
            }
            EXPECT_TRUE(st.enclosing == -1 || (st.enclosing > i && st.enclosing < count)) << text;
            EXPECT_TRUE(st.proc >= -1 && st.proc < static_cast<int>(script.procs.size())) << text;
            for (const MelArgument& a : st.arguments) {
                check(a.span);
                if (a.kind == Kind::backquote && a.statement >= 0) {
                    EXPECT_LT(a.statement, i) << text;
                    EXPECT_EQ(script.statements[static_cast<std::size_t>(a.statement)].enclosing, i) << text;
                }
            }
        }
        for (const MelProc& proc : script.procs) {
            EXPECT_GE(proc.firstStatement, 0);
            EXPECT_LE(proc.firstStatement + proc.statementCount, count) << text;
        }
        for (const MelLexicalProblem& p : script.problems)
            check(p.span);
    }
}

// Statements far longer than the reader's window of tokens: every argument is read, and the
// backquotes of a call keep their statements, however far back the call began.
TEST(MelStatementReader, LongStatementsAreReadWhole)
{
    const int count = 20000;
    std::string command = "button";
    std::string call = "f(";
    for (int i = 0; i < count; ++i) {
        command += " -l `text " + std::to_string(i) + "`";
        call += (i > 0 ? ", `g " : "`g ") + std::to_string(i) + "`";
    }
    for (const std::string& text : {command + ";", call + ");"}) {
        const MelScript script = ReadMelStatements(text);
        ASSERT_EQ(script.statements.size(), static_cast<std::size_t>(count) + 1);
        const MelStatement& last = script.statements.back();
        const std::size_t backquotes = text == call + ");" ? 1 : 2;
        ASSERT_EQ(last.arguments.size(), count * backquotes);
        for (int i = 0; i < count; ++i) {
            const MelArgument& quoted = last.arguments[static_cast<std::size_t>(i) * backquotes + backquotes - 1];
            ASSERT_EQ(quoted.kind, Kind::backquote);
            ASSERT_EQ(quoted.statement, i);
            ASSERT_EQ(script.statements[static_cast<std::size_t>(i)].enclosing, count);
            ASSERT_EQ(script.statements[static_cast<std::size_t>(i)].arguments.back().text, std::to_string(i));
        }
        EXPECT_TRUE(script.problems.empty());
    }
}

// A streamed reading hands over each statement once the statement at block level that holds
// it is read, keeps a statement's first arguments up to its limit and marks it cut, and gives
// the procs at the end.
TEST(MelStatementReader, AStreamedReadingKeepsOneStatementAtATime)
{
    struct Collector final : MelStatementSink {
        void statement(MelStatement& st, int index) override
        {
            indexes.push_back(index);
            statements.push_back(st);
        }
        void problem(MelLexicalProblem&& p) override { problems.push_back(std::move(p)); }
        std::vector<int> indexes;
        std::vector<MelStatement> statements;
        std::vector<MelLexicalProblem> problems;
    } collector;
    const std::string text = "proc p() { text -l `a 1 2 3 4 5`; }\nbutton -w 1 -h 2 -l x -en 1;\nprint(\"open;\n";
    const std::vector<MelProc> procs = StreamMelStatements(text, collector, 4);
    EXPECT_EQ(collector.indexes, (std::vector<int>{0, 1, 2, 3}));
    ASSERT_EQ(collector.statements.size(), 4u);
    EXPECT_EQ(describe(collector.statements[0]), "number:1 number:2 number:3 number:4");
    EXPECT_TRUE(collector.statements[0].cut);
    EXPECT_EQ(collector.statements[0].enclosing, 1);
    EXPECT_EQ(describe(collector.statements[1]), "flag:-l backquote:`a 1 2 3 4 5`");
    EXPECT_FALSE(collector.statements[1].cut);
    EXPECT_EQ(describe(collector.statements[2]), "flag:-w number:1 flag:-h number:2");
    EXPECT_TRUE(collector.statements[2].cut);
    EXPECT_EQ(collector.statements[3].word, "print");
    ASSERT_EQ(procs.size(), 1u);
    EXPECT_EQ(procs[0].name, "p");
    EXPECT_EQ(procs[0].statementCount, 2);
    ASSERT_EQ(collector.problems.size(), 2u);  // the string left open, and the group it was in
    // The whole reading keeps everything.
    EXPECT_FALSE(ReadMelStatements(text).statements[2].cut);
}

TEST(MelStatementReader, HasMelFlagMatchesEitherName)
{
    const MelScript script = ReadMelStatements("window -q -exists w; window -title \"-q\";");
    EXPECT_TRUE(HasMelFlag(script.statements[0], "query", "q"));
    EXPECT_TRUE(HasMelFlag(script.statements[0], "exists", "ex"));
    EXPECT_FALSE(HasMelFlag(script.statements[1], "query", "q"));
}

} // namespace
} // namespace orv
