// The Python export: literals of every flag type, byte-exact lines, and scripts that Python
// compiles and that make, through a recording stand-in of maya.cmds, the calls of the MEL export.
#include "ModelFixture.h"

#include "files/FileReader.h"
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "melparse/MelStatementReader.h"
#include "uimodel/CUIFrameLayout.h"
#include "uimodel/ElementFactory.h"
#include "uimodel/MelExport.h"
#include "uimodel/MelGenerator.h"
#include "uimodel/PythonGenerator.h"
#include "uimodel/PythonText.h"
#include "uimodel/ScriptFlags.h"
#include "uimodel/WindowFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace orv;
using namespace orv::test;

namespace {

const std::string kDatabase = std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat";

std::string fixture(const char* name)
{
    std::string error;
    return readWholeFile(std::string(ORVANTE_FIXTURES_DIR) + "/uimodel/" + name, kMaxWindowFileBytes, error).value_or("");
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class PythonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(LoadMelCommandDatabase(kDatabase), LoadResult::ok); }

    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() / ("orvante_py_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    // Compiles the script with py_compile, then runs it with the recording stand-in of
    // maya.cmds first on the module path; the stand-in's lines, or a failure with Python's words.
    std::vector<std::string> runScript(const std::string& script)
    {
        const auto file = m_folder / ("script" + std::to_string(++m_scripts) + ".py");
        std::ofstream(file, std::ios::binary) << script;
        const std::string command = "cd '" + m_folder.string() + "' && python3 -m py_compile '" + file.string() +
                                    "' 2> compile.txt && PYTHONDONTWRITEBYTECODE=1 PYTHONPATH='" +
                                    ORVANTE_FIXTURES_DIR + "' python3 '" + file.string() +
                                    "' > calls.txt 2> run.txt";
        const int status = std::system(command.c_str());
        EXPECT_EQ(status, 0) << readFile(m_folder / "compile.txt") << readFile(m_folder / "run.txt") << script;
        std::vector<std::string> lines;
        std::istringstream calls(readFile(m_folder / "calls.txt"));
        for (std::string line; std::getline(calls, line);)
            lines.push_back(line);
        return lines;
    }

private:
    std::filesystem::path m_folder;
    int m_scripts = 0;
};

// --- The exported MEL in the stand-in's form, read by the MEL statement reader.

std::string crlf(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string canonicalText(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            out += hex;
        }
    }
    return out + "\"";
}

// One argument by the word of the flag's type it stands for.
std::string canonicalArgument(const MelArgument& token, const std::string& typeWord)
{
    if (token.kind == MelArgumentKind::string)
        return canonicalText(token.text);
    if (typeWord == "on|off")
        return token.text == "on" || token.text == "true" || token.text == "yes" || token.text == "1" ? "True" : "False";
    if (typeWord == "Int" || typeWord == "UnsignedInt")
        return std::string("i").append(std::to_string(std::stoll(token.text)));
    if (typeWord == "Float" || typeWord == "Angle" || typeWord == "Length" || typeWord == "Time") {
        char number[64];
        std::snprintf(number, sizeof number, "f%.17g", std::strtod(token.text.c_str(), nullptr));
        return number;
    }
    return canonicalText(token.text);
}

std::vector<std::string> typeWords(const std::string& typeText)
{
    std::vector<std::string> words;
    std::istringstream in(typeText);
    for (std::string word; in >> word;)
        if (word != "(multi-use)")
            words.push_back(word);
    return words;
}

std::vector<std::string> melCalls(const std::string& script)
{
    const MelScript read = ReadMelStatements(script);
    EXPECT_TRUE(read.problems.empty());
    std::vector<std::string> calls;
    for (const MelStatement& statement : read.statements) {
        EXPECT_EQ(statement.kind, MelStatementKind::command) << statement.word;
        const std::vector<CommandFlag> flags = CommandTypedFlags(statement.word.c_str());
        std::string call = statement.word;
        std::vector<std::pair<std::string, std::vector<MelArgument>>> uses;
        for (const MelArgument& argument : statement.arguments) {
            if (argument.kind == MelArgumentKind::flag)
                uses.push_back({argument.text.substr(1), {}});
            else if (uses.empty())
                call.append(" ").append(canonicalText(argument.text));
            else
                uses.back().second.push_back(argument);
        }
        std::stable_sort(uses.begin(), uses.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [name, arguments] : uses) {
            const auto flag = std::find_if(flags.begin(), flags.end(),
                                           [&](const CommandFlag& f) { return f.shortName == name || f.longName == name; });
            EXPECT_NE(flag, flags.end()) << statement.word << " -" << name;
            const std::vector<std::string> words = flag == flags.end() ? std::vector<std::string>{} : typeWords(flag->typeText);
            // A script flag's MEL reaches mel.eval through the Python script's callback.
            const bool callback = flag != flags.end() && flag->typeIndex == mel_type::kString &&
                                  isScriptFlag(statement.word, flag->longName);
            call.append(" -").append(name);
            for (std::size_t i = 0; i < arguments.size(); ++i) {
                const std::string argument = canonicalArgument(arguments[i], i < words.size() ? words[i] : "String");
                call.append(" ").append(callback ? "mel(" + argument + ")" : argument);
            }
        }
        calls.push_back(call);
    }
    return calls;
}

// --- Windows to export.

// Values for one word of a flag's type, some of them not literals of the type (left out by
// both exports) and some empty (not given).
std::vector<std::string> valuesOfWord(const std::string& word)
{
    if (word == "Int")
        return {"0", "007", "+5", "-12", "12px", "-0"};
    if (word == "Float")
        return {"1", ".5", "-2.5e3", "+0.25", "1.5.2", "1e5", "5."};
    if (word == "on|off")
        return {"on", "off", "true", "false", "1", "0", "yes"};
    return {"left", "\"quoted \\\"x\\\" y\"", "a.b|c:d", "\"caf\xc3\xa9 \\\\\"", "it's", "-x", "\"-x\""};
}

const std::vector<std::string> kStringValues = {
    "He said \"hi\" \\ bye",
    "tab\tnew\nline\r",
    "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",  // UTF-8 of two, three and four bytes
    "\xe9t\xe9 \xff\xc3 \xed\xa0\x80",            // bytes that are no UTF-8: Latin-1, cut, a surrogate
    "it's '' ",
    "\x01\x1f\x7f",
    "",
};

// Every typed flag of the element's command given a value picked by seed.
void fillEveryFlag(CUIElement& element, unsigned seed)
{
    FlagValueTable table = element.flags();
    for (const CommandFlag& flag : CommandTypedFlags(element.command().c_str())) {
        const unsigned pick = seed * 7 + static_cast<unsigned>(flag.position) * 3;
        if (flag.typeIndex == mel_type::kString) {
            table[flag.position] = kStringValues[pick % kStringValues.size()];
            continue;
        }
        std::string value;
        unsigned n = 0;
        for (const std::string& word : typeWords(flag.typeText)) {
            const auto values = valuesOfWord(word.ends_with("[...]") ? "String" : word);
            value += (value.empty() ? "" : " ") + values[(pick + n++) % values.size()];
        }
        table[flag.position] = pick % 11 == 0 ? "" : value;
    }
    element.ApplyFlags(table);
}

void fillTree(CUIElement& element, unsigned seed)
{
    fillEveryFlag(element, seed);
    for (const auto& child : element.children())
        fillTree(*child, seed + 1);
}

// The window, a column of every control, a row holding a column holding a button (nested
// layouts closed by setParent), the list with items that need escapes.
void buildEveryElement(CUIWindow& window, unsigned seed)
{
    auto& column = addChild<CUIColumnLayout>(window);
    for (const char* command : {"button", "checkBox", "text", "separator", "intSlider", "floatSlider", "textField",
                                "intField", "floatField", "scrollField", "textScrollList"})
        EXPECT_TRUE(column.AddChild(createElement(command, column))) << command;
    auto& row = addChild<CUIRowLayout>(column);
    auto& inner = addChild<CUIColumnLayout>(row);
    addChild<CUIButton>(inner);
    auto& frame = addChild<CUIFrameLayout>(column);
    addChild<CUIButton>(frame);
    fillTree(window, seed);
    auto* list = dynamic_cast<CUITextScrollList*>(column.children()[10].get());
    ASSERT_NE(list, nullptr);
    list->setItems({"a", "say \"b\" \\", "caf\xc3\xa9", "\xff", "line\nbreak"});
}

} // namespace

TEST_F(PythonTest, WorkedExampleByteForByte)
{
    ModelFixture f;
    OutputLog log;
    ASSERT_TRUE(ReadWindowFile(fixture("worked_example.wnd"), f.window, log));
    EXPECT_EQ(GenerateWindowPython(f.window, false), fixture("worked_example.py"));
    runScript(fixture("worked_example.py"));
    const std::string script = GenerateWindowPython(f.window, true);
    EXPECT_NE(script.find("\ncmds.window(h=240, w=320)\ncmds.columnLayout(cw=312, h=221, w=312)\n"
                          "cmds.button(h=28, l='Button0', w=80)\n\ncmds.showWindow()\n"),
              std::string::npos)
        << script;
    runScript(script);
}

// Each flag type's value as Python reads it: numbers as Python accepts them (no leading zeros
// nor plus signs), booleans from all six words, tuples for several items, texts unquoted from
// MEL and quoted for Python.
TEST_F(PythonTest, ValuesBecomeLiteralsOfTheirType)
{
    struct Case {
        const char* command;
        const char* flag;
        std::string value;
        std::string python;
    };
    const Case cases[] = {
        {"button", "height", "28", "28"},
        {"button", "height", "007", "7"},
        {"button", "height", "+5", "5"},
        {"button", "height", "-012", "-12"},
        {"button", "height", "-000", "0"},
        {"floatSlider", "value", "1", "1.0"},
        {"floatSlider", "value", "+.5", ".5"},
        {"floatSlider", "value", "007", "007.0"},
        {"floatSlider", "value", "-2.5e3", "-2.5e3"},
        {"floatSlider", "value", "5.", "5."},
        {"button", "enable", "on", "True"},
        {"button", "enable", "off", "False"},
        {"button", "enable", "true", "True"},
        {"button", "enable", "false", "False"},
        {"button", "enable", "1", "True"},
        {"button", "enable", "0", "False"},
        {"button", "enable", "yes", "True"},
        {"button", "enable", "no", "False"},
        // a MEL variable is the Python variable of its name; a name Python reserves gains '_'
        {"floatSlider", "value", "$v", "v"},
        {"floatSlider", "value", "$in", "in_"},
        {"button", "backgroundColor", "$r 0.5 $_b", "(r, 0.5, _b)"},
        {"button", "backgroundColor", "1 0.5 0", "(1.0, 0.5, 0.0)"},
        {"rowLayout", "columnWidth2", " 1  +2 ", "(1, 2)"},
        {"columnLayout", "columnAttach", "\"both\" 5", "('both', 5)"},
        {"columnLayout", "columnAttach", "left 10", "('left', 10)"},
        {"columnLayout", "columnAttach", "\"it's \\\"x\\\" \\\\ \\t\" 0", "('it\\'s \"x\" \\\\ \\t', 0)"},
        {"columnLayout", "columnAttach", "\"\\x01\\x41\\x7\" 0", "('\\x01Ax7', 0)"},
        {"button", "label", "He said \"hi\" \\ bye", "'He said \"hi\" \\\\ bye'"},
        {"button", "label", "it's\n\r\t\x01\x7f", "'it\\'s\\n\\r\\t\\x01\\x7f'"},
        // UTF-8 as it is, but the C1 controls escaped
        {"button", "label", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "'caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80'"},
        {"button", "label", "\xc2\x85\xc2\x9f\xc2\xa0", "'\\x85\\x9f\xc2\xa0'"},
        // no UTF-8: a Latin-1 byte, a cut sequence, an overlong form, an encoded surrogate
        {"button", "label", "\xe9t\xe9 \xc3 \xc0\xaf \xed\xa0\x80", "'\\udce9t\\udce9 \\udcc3 \\udcc0\\udcaf \\udced\\udca0\\udc80'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " -" + c.flag + " " + c.value);
        const auto flags = CommandTypedFlags(c.command);
        const auto flag = std::find_if(flags.begin(), flags.end(), [&](const CommandFlag& t) { return t.longName == c.flag; });
        ASSERT_NE(flag, flags.end());
        EXPECT_EQ(pythonFlagValue(*flag, c.value), c.python);
    }
}

// A flag whose name is a reserved word of Python (the window's short -iconName is "in")
// still makes a script that compiles, through a dictionary argument.
TEST_F(PythonTest, ReservedWordsAsFlagNamesGoThroughADictionary)
{
    EXPECT_TRUE(isPythonKeywordArgument("iconName"));
    EXPECT_TRUE(isPythonKeywordArgument("match"));
    for (const char* name : {"in", "from", "import", "is", "None", "__debug__", "2d", "", "a-b"})
        EXPECT_FALSE(isPythonKeywordArgument(name)) << name;
    ModelFixture f;
    f.window.ApplyFlags(withValues(f.window, {{6, "icon"}}));
    ASSERT_EQ(CommandTypedFlags("window").at(6).shortName, "in");
    const std::string script = GenerateWindowPython(f.window, true);
    EXPECT_NE(script.find("\ncmds.window(h=240, **{'in': 'icon'}, w=320)\n"), std::string::npos) << script;
    EXPECT_EQ(runScript(script).front(), "window -h i240 -in \"icon\" -w i320");
}

// The list's own -append value and its items are one argument: Python refuses a keyword
// given twice.
TEST_F(PythonTest, ListItemsAreOneListArgument)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& list = addChild<CUITextScrollList>(column);
    std::string script = GenerateWindowPython(f.window, false);
    EXPECT_NE(script.find("cmds.textScrollList(height=100, width=150)\n"), std::string::npos) << script;
    list.setItems({"a"});
    script = GenerateWindowPython(f.window, false);
    EXPECT_NE(script.find("cmds.textScrollList(height=100, width=150, append=['a'])\n"), std::string::npos) << script;
    list.setItems({"a", "b"});
    list.ApplyFlags(withValues(list, {{0, "own"}}));
    script = GenerateWindowPython(f.window, true);
    EXPECT_NE(script.find("cmds.textScrollList(a=['own', 'a', 'b'], h=100, w=150)\n"), std::string::npos) << script;
    EXPECT_EQ(runScript(script), melCalls(GenerateWindowScript(f.window, true)));
}

// A multi-use flag is a list of its uses, one value or a tuple each, as MEL gives the flag once
// per use; Python variables stand for MEL ones.
TEST_F(PythonTest, MultiUseFlagsAreListsOfTheirUses)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& list = addChild<CUITextScrollList>(column);
    list.ApplyFlags(withValues(list, {{24, "\"a\" \"b c\""}, {9, "1 2"}, {4, "1 \"x\" 2 y"}, {8, "\"one\""}}));
    const std::string script = GenerateWindowPython(f.window, true);
    EXPECT_NE(script.find("cmds.textScrollList(ap=[(1, 'x'), (2, 'y')], di=['one'], dii=[1, 2], h=100, si=['a', 'b c'], w=150)\n"),
              std::string::npos)
        << script;
    EXPECT_EQ(runScript(script), melCalls(GenerateWindowScript(f.window, true)));

    // Variables: the script runs where they are defined, as the MEL one does.
    auto& slider = addChild<CUIFloatSlider>(column);
    slider.ApplyFlags(withValues(slider, {{12, "$top"}, {8, "$on"}}));
    const std::string withVariables = GenerateWindowPython(f.window, false);
    EXPECT_NE(withVariables.find("cmds.floatSlider(enable=on, height=17, maxValue=top, width=100)\n"), std::string::npos)
        << withVariables;
    const std::vector<std::string> calls = runScript("top = 2.5\non = False\n" + withVariables);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[3], "floatSlider -enable False -height i17 -maxValue f2.5 -width i100");
}

// A flag that holds MEL code is a callback that hands the MEL to maya.mel: maya.cmds would run a
// text as Python and raise a SyntaxError on the first click. The stand-in calls each callback.
TEST_F(PythonTest, ScriptFlagsAreCallbacksRunningTheirMel)
{
    EXPECT_TRUE(isScriptFlag("button", "command"));
    EXPECT_TRUE(isScriptFlag("checkBox", "offCommand"));
    EXPECT_TRUE(isScriptFlag("window", "closeCommand"));
    EXPECT_FALSE(isScriptFlag("button", "label"));
    EXPECT_FALSE(isScriptFlag("button", "commandd"));
    EXPECT_FALSE(isScriptFlag("", ""));
    // Every table entry is found, in the order the lookup needs.
    for (std::size_t i = 0; i < kScriptFlagCount; ++i)
        EXPECT_TRUE(isScriptFlag(kScriptFlags[i].command, kScriptFlags[i].longName)) << kScriptFlags[i].command;

    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& button = addChild<CUIButton>(column);
    const std::string mel = "print(\"it's \\\"done\\\"\\n\"); deleteUI -window `window -q -title win`; // caf\xc3\xa9";
    button.ApplyFlags(withValues(button, {{3, mel}}));
    auto& box = addChild<CUICheckBox>(column);
    box.ApplyFlags(withValues(box, {{3, "onOff #1"}}));
    const std::string script = GenerateWindowPython(f.window, false);
    EXPECT_NE(script.find("import maya.cmds as cmds\nimport maya.mel as mel\n\n"), std::string::npos) << script;
    EXPECT_NE(script.find("cmds.button(command=lambda *args: mel.eval(" + pythonStringLiteral(mel) + "), height=28"),
              std::string::npos)
        << script;
    EXPECT_NE(script.find("cmds.checkBox(changeCommand=lambda *args: mel.eval('onOff #1'), "), std::string::npos) << script;
    const std::vector<std::string> calls = runScript(script);
    EXPECT_EQ(calls, melCalls(GenerateWindowScript(f.window, false)));
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[2].substr(0, 24), "button -command mel(\"pri");
    // Without a script flag, no MEL import: the script stays as it was.
    ModelFixture plain;
    EXPECT_EQ(GenerateWindowPython(plain.window, false).find("maya.mel"), std::string::npos);
}

// "Write element names" in Python: the name is each call's first argument, the open window is
// deleted first (one line: no indented block) and shown by its name.
TEST_F(PythonTest, ElementNamesOnRequest)
{
    ModelFixture f;
    OutputLog log;
    ASSERT_TRUE(ReadWindowFile(fixture("worked_example.wnd"), f.window, log));
    const std::string script = GenerateWindowPython(f.window, true, nullptr, true);
    EXPECT_NE(script.find("import maya.cmds as cmds\n\nif cmds.window('Window', exists=True): cmds.deleteUI('Window')\n"
                          "cmds.window('Window', h=240, w=320)\ncmds.columnLayout('ColumnLayout0', cw=312, h=221, w=312)\n"
                          "cmds.button('Button0', h=28, l='Button0', w=80)\n\ncmds.showWindow('Window')\n"),
              std::string::npos)
        << script;
    EXPECT_EQ(runScript(script), (std::vector<std::string>{"window \"Window\" -exists True", "window \"Window\" -h i240 -w i320",
                                                           "columnLayout \"ColumnLayout0\" -cw i312 -h i221 -w i312",
                                                           "button \"Button0\" -h i28 -l \"Button0\" -w i80",
                                                           "showWindow \"Window\""}));
    EXPECT_EQ(GenerateWindowPython(f.window, false), fixture("worked_example.py")) << "without the option";
}

// Nested layouts go back to their parent where the MEL has "setParent ..;"; no line is
// indented, as Python would read it as a block.
TEST_F(PythonTest, NestedLayoutsSetTheirParentBack)
{
    ModelFixture f;
    auto& top = addChild<CUIColumnLayout>(f.window);
    auto& row = addChild<CUIRowLayout>(top);
    auto& inner = addChild<CUIColumnLayout>(row);
    addChild<CUIButton>(inner);
    addChild<CUIButton>(top);
    const std::string script = GenerateWindowPython(f.window, false);
    std::vector<std::string> calls;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);)
        if (line.starts_with("cmds."))
            calls.push_back(line.substr(0, line.find('(')));
        else
            EXPECT_TRUE(line.empty() || line.starts_with("#") || line == "import maya.cmds as cmds") << line;
    EXPECT_EQ(calls, (std::vector<std::string>{"cmds.window", "cmds.columnLayout", "cmds.rowLayout", "cmds.columnLayout",
                                               "cmds.button", "cmds.setParent", "cmds.setParent", "cmds.button",
                                               "cmds.showWindow"}));
    EXPECT_NE(script.find("\ncmds.setParent('..')\ncmds.setParent('..')\ncmds.button("), std::string::npos);
    EXPECT_TRUE(script.ends_with("\n\ncmds.showWindow()\n"));
    EXPECT_EQ(runScript(script), melCalls(GenerateWindowScript(f.window, false)));
}

// The export's steps are the MEL export's: the same log around the script, the same lines
// for values left out, the clipboard; the file always with LF line ends.
TEST_F(PythonTest, ExportTakesTheStepsOfTheMelExport)
{
    struct Target final : ExportTarget {
        std::map<std::string, std::string> files;
        std::vector<std::string> clipboard;
        std::optional<std::string> chooseScriptPath() override { return "out.py"; }
        bool writeScriptFile(const std::string& path, const std::string& bytes, std::string&) override
        {
            files[path] = bytes;
            return true;
        }
        void copyToClipboard(const std::string& text) override { clipboard.push_back(text); }
    };
    ModelFixture f;
    OutputLog log;
    ASSERT_TRUE(ReadWindowFile(fixture("hostile_values.wnd"), f.window, log));
    f.settings.setFlag(SettingsFlag::exportToFile, true);
    f.settings.setFlag(SettingsFlag::exportToClipboard, true);
    f.settings.setFlag(SettingsFlag::unixFormat, false);
    Target melTarget;
    OutputLog melLog;
    const std::string mel = ExportWindowScript(f.window, f.settings, melLog, melTarget).script;
    Target target;
    const ExportResult result = ExportWindowScript(f.window, f.settings, log, target, ScriptLanguage::python);
    EXPECT_EQ(result.script, GenerateWindowPython(f.window, false));
    EXPECT_EQ(target.files.at("out.py"), result.script);  // LF, although the MEL file gets CR LF
    EXPECT_EQ(runScript(result.script), melCalls(mel));
    EXPECT_NE(melTarget.files.at("out.py").find("\r\n"), std::string::npos);
    EXPECT_EQ(target.clipboard, std::vector<std::string>{result.script});
    // The log as the MEL export writes it, with the Python script in place of the MEL one.
    std::string expectedLog = melLog.text();
    const std::size_t at = expectedLog.find(crlf(mel));
    ASSERT_NE(at, std::string::npos);
    expectedLog.replace(at, crlf(mel).size(), crlf(result.script));
    EXPECT_EQ(log.text(), expectedLog);
    EXPECT_NE(log.text().find("Left out -enable of button \"Button0\""), std::string::npos);
}

// The round of proof: for the worked example, the hostile window and windows with every
// element type and every flag of each filled in (numbers Python refuses as written, every
// boolean word, escapes, UTF-8 and bytes that are none, list items, values left out), with
// long and with short flags, the Python script compiles and, run against the recording
// stand-in, makes the calls of the MEL export with the same arguments, and both leave out the
// same values.
TEST_F(PythonTest, ScriptsMakeTheCallsOfTheMelExport)
{
    std::vector<std::pair<std::string, std::unique_ptr<ModelFixture>>> windows;
    for (const char* name : {"worked_example.wnd", "hostile_values.wnd"}) {
        auto f = std::make_unique<ModelFixture>();
        OutputLog log;
        ASSERT_TRUE(ReadWindowFile(fixture(name), f->window, log));
        windows.emplace_back(name, std::move(f));
    }
    for (unsigned seed = 0; seed < 4; ++seed) {
        auto f = std::make_unique<ModelFixture>();
        buildEveryElement(f->window, seed);
        windows.emplace_back("every element, seed " + std::to_string(seed), std::move(f));
    }
    bool sawReservedWord = false;
    bool sawLeftOut = false;
    for (const auto& [name, f] : windows) {
        for (const bool shortFlags : {false, true}) {
            SCOPED_TRACE(name + (shortFlags ? ", short flags" : ", long flags"));
            std::vector<std::string> melLeftOut;
            std::vector<std::string> pythonLeftOut;
            const std::string mel = GenerateWindowScript(f->window, shortFlags, &melLeftOut);
            const std::string python = GenerateWindowPython(f->window, shortFlags, &pythonLeftOut);
            const std::vector<std::string> expected = melCalls(mel);
            EXPECT_EQ(runScript(python), expected) << mel << python;
            EXPECT_EQ(pythonLeftOut, melLeftOut);
            sawReservedWord = sawReservedWord || python.find("**{'in': ") != std::string::npos;
            sawLeftOut = sawLeftOut || !melLeftOut.empty();
        }
    }
    EXPECT_TRUE(sawReservedWord);
    EXPECT_TRUE(sawLeftOut);
}
