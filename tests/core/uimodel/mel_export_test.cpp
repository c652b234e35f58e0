// MEL generation and the export: byte-exact lines, escaping, the log's texts, file line ends.
#include "ModelFixture.h"

#include "files/FileReader.h"
#include "files/SafeFileWriter.h"
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "uimodel/ElementFactory.h"
#include "uimodel/MelExport.h"
#include "uimodel/MelGenerator.h"
#include "uimodel/MelWindowImport.h"
#include "uimodel/WindowDocument.h"
#include "uimodel/WindowFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

using namespace orv;
using namespace orv::test;

namespace {

const std::string kDatabase = std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat";
const std::string kBanner = std::string(mel_export::kBannerRule) + mel_export::kBannerTitle + mel_export::kBannerRule;

class MelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(LoadMelCommandDatabase(kDatabase), LoadResult::ok); }
};

std::string fixture(const char* name)
{
    std::string error;
    return readWholeFile(std::string(ORVANTE_FIXTURES_DIR) + "/uimodel/" + name, kMaxWindowFileBytes, error).value_or("");
}

class RecordingTarget final : public ExportTarget {
public:
    std::optional<std::string> chosen = "out.mel";
    bool writable = true;
    std::map<std::string, std::string> files;
    std::vector<std::string> clipboard;
    int asked = 0;

    std::optional<std::string> chooseScriptPath() override
    {
        ++asked;
        return chosen;
    }
    bool writeScriptFile(const std::string& path, const std::string& bytes, std::string& error) override
    {
        if (!writable) {
            error = "cannot write \"" + path + "\": No space left on device";
            return false;
        }
        files[path] = bytes;
        return true;
    }
    void copyToClipboard(const std::string& text) override { clipboard.push_back(text); }
};

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

} // namespace

TEST_F(MelTest, DatabasePositionsAgreeWithTheElementTables)
{
    struct Expected {
        const char* command;
        std::vector<std::pair<int, const char*>> flags;
    };
    const Expected tables[] = {
        {"button", {{0, "align"}, {2, "backgroundColor"}, {8, "enable"}, {9, "height"}, {10, "label"}, {15, "visible"}, {16, "width"}}},
        {"text", {{0, "align"}, {7, "enable"}, {9, "height"}, {10, "label"}, {15, "visible"}, {16, "width"}}},
        {"checkBox", {{0, "align"}, {9, "enable"}, {10, "height"}, {11, "label"}, {19, "visible"}, {20, "width"}}},
        {"columnLayout", {{0, "adjustableColumn"}, {2, "backgroundColor"}, {4, "columnAttach"}, {5, "columnOffset"},
                          {6, "columnWidth"}, {11, "enable"}, {12, "height"}, {15, "rowSpacing"}, {17, "visible"}, {18, "width"}}},
        {"rowLayout", {{8, "backgroundColor"}, {30, "columnWidth1"}, {35, "columnWidth6"}, {40, "enable"}, {41, "height"},
                       {43, "numberOfColumns"}, {47, "visible"}, {48, "width"}}},
        {"intSlider", {{8, "enable"}, {9, "height"}, {10, "horizontal"}, {18, "visible"}, {19, "width"}}},
        {"floatSlider", {{8, "enable"}, {9, "height"}, {10, "horizontal"}, {18, "visible"}, {19, "width"}}},
        {"separator", {{6, "enable"}, {7, "height"}, {8, "horizontal"}, {13, "visible"}, {14, "width"}}},
        {"textField", {{8, "enable"}, {9, "editable"}, {12, "height"}, {13, "insertionPosition"}, {14, "insertText"},
                       {18, "text"}, {20, "visible"}, {21, "width"}}},
        {"intField", {{9, "enable"}, {10, "editable"}, {11, "height"}, {19, "value"}, {20, "visible"}, {21, "width"}}},
        {"floatField", {{9, "enable"}, {10, "editable"}, {11, "height"}, {16, "precision"}, {20, "value"}, {21, "visible"}, {22, "width"}}},
        {"scrollField", {{9, "enable"}, {10, "editable"}, {12, "height"}, {13, "insertionPosition"}, {14, "insertText"},
                         {19, "text"}, {21, "visible"}, {22, "width"}}},
        {"textScrollList", {{14, "enable"}, {16, "height"}, {27, "visible"}, {28, "width"}}},
        {"frameLayout", {{1, "backgroundColor"}, {3, "borderVisible"}, {5, "collapse"}, {6, "collapsable"}, {12, "enable"},
                         {14, "height"}, {15, "label"}, {18, "labelVisible"}, {21, "marginHeight"}, {22, "marginWidth"},
                         {27, "visible"}, {28, "width"}}},
        {"window", {{0, "backgroundColor"}, {3, "height"}, {4, "titleBarMenu"}, {7, "leftEdge"}, {10, "minimizeButton"},
                    {12, "maximizeButton"}, {14, "resizeToFitChildren"}, {15, "sizeable"}, {16, "title"}, {17, "titleBar"},
                    {18, "topEdge"}, {19, "toolbox"}, {20, "topLeftCorner"}, {22, "visible"}, {23, "width"}, {24, "widthHeight"}}},
    };
    for (const auto& t : tables) {
        const auto flags = CommandTypedFlags(t.command);
        for (const auto& [position, name] : t.flags) {
            ASSERT_LT(static_cast<std::size_t>(position), flags.size()) << t.command;
            EXPECT_EQ(flags[static_cast<std::size_t>(position)].longName, name) << t.command << " position " << position;
        }
    }
}

TEST_F(MelTest, WorkedExampleScriptByteForByte)
{
    ModelFixture f;
    OutputLog log;
    ASSERT_TRUE(ReadWindowFile(fixture("worked_example.wnd"), f.window, log));
    EXPECT_EQ(GenerateWindowScript(f.window, false), fixture("worked_example.mel"));
    EXPECT_EQ(GenerateWindowScript(f.window, true),
              kBanner + "window -h 240 -w 320;\n\tcolumnLayout -cw 312 -h 221 -w 312;\n"
                        "\t\tbutton -h 28 -l \"Button0\" -w 80;\n\nshowWindow;\n");
}

// "Write element names": each command names its element, the window is deleted first when it
// is open already and shown by its name; a name MEL cannot take is left out and said so. The
// named script imports back with its names.
TEST_F(MelTest, ElementNamesOnRequest)
{
    ModelFixture f;
    OutputLog log;
    ASSERT_TRUE(ReadWindowFile(fixture("worked_example.wnd"), f.window, log));
    f.window.setName("toolWin");
    const std::string named = GenerateWindowScript(f.window, true, nullptr, true);
    EXPECT_EQ(named, kBanner + "if (`window -exists toolWin`) deleteUI toolWin;\n"
                               "window -h 240 -w 320 toolWin;\n\tcolumnLayout -cw 312 -h 221 -w 312 ColumnLayout0;\n"
                               "\t\tbutton -h 28 -l \"Button0\" -w 80 Button0;\n\nshowWindow toolWin;\n");
    ModelFixture back;
    const MelWindowImport import = ImportMelWindow(named, back.window);
    ASSERT_TRUE(import.built);
    EXPECT_TRUE(import.warnings.empty());
    EXPECT_EQ(back.window.name(), "toolWin");
    EXPECT_EQ(back.window.children().front()->children().front()->name(), "Button0");

    // Names from an old file that MEL cannot take: left out, the rest as usual.
    f.window.setName("tool window");
    f.window.children().front()->children().front()->setName("9lives");
    std::vector<std::string> leftOut;
    const std::string unnamed = GenerateWindowScript(f.window, false, &leftOut, true);
    EXPECT_EQ(unnamed.find("deleteUI"), std::string::npos);
    EXPECT_NE(unnamed.find("window -height 240 -width 320;\n"), std::string::npos) << unnamed;
    EXPECT_NE(unnamed.find("-width 80;\n\nshowWindow;\n"), std::string::npos) << unnamed;
    EXPECT_NE(unnamed.find("-width 312 ColumnLayout0;\n"), std::string::npos) << unnamed;
    EXPECT_EQ(leftOut, (std::vector<std::string>{"Left out the name of window \"tool window\": it is not a MEL name.\n",
                                                 "Left out the name of button \"9lives\": it is not a MEL name.\n"}));
    // Without the option, the script as it always was.
    EXPECT_EQ(GenerateWindowScript(f.window, false), fixture("worked_example.mel"));
}

// A window without a sizing frame or without a title bar still gives its layout the width
// less both frames and the height less the caption, and the export says so.
TEST_F(MelTest, WindowsWithoutFrameOrTitleBarExportTheirClientArea)
{
    for (const std::string name : {"not_sizeable", "no_title_bar"}) {
        SCOPED_TRACE(name);
        ModelFixture f;
        WindowDocument document(f.context);
        OutputLog log;
        ASSERT_EQ(document.open(std::string(ORVANTE_FIXTURES_DIR) + "/uimodel/" + name + ".wnd", log),
                  WindowOpenResult::ok);
        document.arrangeForDisplay();
        CUIWindow& window = document.window();
        ASSERT_EQ(window.children().size(), 1u);
        EXPECT_EQ(window.children().front()->rect(), (UIRect{0, 0, 392, 281}));
        EXPECT_EQ(GenerateWindowScript(window, false), fixture((name + ".mel").c_str()));
    }
}

TEST_F(MelTest, NestedLayoutsListItemsAndEscapedStrings)
{
    ModelFixture f;
    auto& top = addChild<CUIColumnLayout>(f.window);
    auto& inner = addChild<CUIColumnLayout>(top);
    auto& row = addChild<CUIRowLayout>(inner);
    auto& list = addChild<CUITextScrollList>(row);
    list.addItem("a");
    list.addItem("say \"b\"");
    auto& button = addChild<CUIButton>(inner);
    button.ApplyFlags(withValues(button, {{CUIButton::kPositions.label, "He said \"hi\" \\ bye\nnext"}, {0, "left"}}));
    const std::string columnsBefore = row.flags()[CUIRowLayout::kNumberOfColumns];
    std::string out;
    GenerateElementMel(inner, out, 2, false);
    // the column widths of a row keep their blank after each number, inside the line too
    EXPECT_EQ(out, "\t\tcolumnLayout -columnWidth 312 -height 128 -width 312;\n"
                   "\t\t\trowLayout -columnWidth1 150  -height 100 -numberOfColumns 1 -width 150;\n"
                   "\t\t\t\ttextScrollList -height 100 -width 150 -append \"a\" -append \"say \\\"b\\\"\";\n"
                   "\t\t\t\tsetParent ..;\n"
                   "\t\t\tbutton -align \"left\" -height 28 -label \"He said \\\"hi\\\" \\\\ bye\\nnext\" -width 80;\n"
                   "\t\t\tsetParent ..;\n");
    out.clear();
    GenerateElementMel(list, out, 0, true);
    EXPECT_EQ(out, "textScrollList -h 100 -w 150 -a \"a\" -a \"say \\\"b\\\"\";\n");
    // exporting reads the model and changes nothing in it: the row's own table is as it was
    EXPECT_EQ(row.flags()[CUIRowLayout::kNumberOfColumns], columnsBefore);
    EXPECT_NE(columnsBefore, "1");
}

// A multi-use flag holding several values is given once per value (MEL takes one value, or one
// group of its type's items, per flag); one value stays as it stands.
TEST_F(MelTest, MultiUseFlagsAreGivenOncePerValue)
{
    struct Case {
        int position;
        std::string value;
        std::string written;  // empty: left out
    };
    const Case cases[] = {
        {24, "\"a\" \"b c\"", "-selectItem \"a\" -selectItem \"b c\" "},
        {24, "\"a\"", "-selectItem \"a\" "},
        {24, "plain \"quoted\"  $variable", "-selectItem plain -selectItem \"quoted\" -selectItem $variable "},
        {9, " 1  2 3", "-deselectIndexedItem 1 -deselectIndexedItem 2 -deselectIndexedItem 3 "},
        {9, " 4 ", "-deselectIndexedItem  4 "},
        {4, "1 \"x\" 2 y", "-appendPosition 1 \"x\" -appendPosition 2 y "},
        {4, "1 \"x\" 2", ""},
        {9, "1 a", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        ModelFixture f;
        auto& column = addChild<CUIColumnLayout>(f.window);
        auto& list = addChild<CUITextScrollList>(column);
        list.ApplyFlags(withValues(list, {{c.position, c.value}}));
        std::vector<std::string> leftOut;
        std::string out;
        GenerateElementMel(list, out, 0, false, &leftOut);
        std::string flag = "-";
        flag += CommandTypedFlags("textScrollList").at(static_cast<std::size_t>(c.position)).longName;
        if (c.written.empty()) {
            EXPECT_EQ(out.find(flag), std::string::npos) << out;
            EXPECT_EQ(leftOut.size(), 1u);
        } else {
            EXPECT_NE(out.find(c.written), std::string::npos) << out;
            EXPECT_TRUE(leftOut.empty());
        }
    }
}

// A value that is not a literal of its flag's type never reaches the script bare: it is left
// out and the log names the element and the flag; valid values stay byte for byte.
TEST_F(MelTest, ValuesThatAreNotLiteralsOfTheirTypeAreLeftOutAndLogged)
{
    const std::string injection = "1; system(\"echo owned\"); //";
    struct Case {
        const char* command;
        int position;
        std::string value;
        bool kept;
    };
    const Case cases[] = {
        // Float Float Float
        {"button", 2, "1 0.5 0", true},
        {"button", 2, "1e-3 .5 +2", true},
        {"button", 2, "1 0.5", false},
        {"button", 2, "1 0.5 0 1", false},
        {"button", 2, "nan 0 0", false},
        {"button", 2, "0x10 0 0", false},
        {"button", 2, injection, false},
        // on|off: any of the eight boolean words MEL takes, in lower case
        {"button", 8, "off", true},
        {"button", 8, "true", true},
        {"button", 8, "0", true},
        {"button", 8, "yes", true},
        {"button", 8, "no", true},
        {"button", 8, "Yes", false},
        {"button", 8, "on\n", false},
        {"button", 8, injection, false},
        // a MEL variable stands for any item but a "String" value, written bare
        {"button", 8, "$on", true},
        {"floatSlider", 12, "$width", true},
        {"button", 2, "$r 0.5 $_b9", true},
        {"columnLayout", 4, "$side $offset", true},
        {"floatSlider", 12, "$", false},
        {"floatSlider", 12, "$9", false},
        {"floatSlider", 12, "$w[0]", false},
        {"floatSlider", 12, "$w;", false},
        {"floatSlider", 12, "$w+1", false},
        {"floatSlider", 12, "${w}", false},
        // Float
        {"floatSlider", 12, "10.5", true},
        {"floatSlider", 12, "-2", true},
        {"floatSlider", 12, "1.5.2", false},
        {"floatSlider", 12, injection, false},
        // String Int: a plain word or a quoted literal, then an integer
        {"columnLayout", 4, "left 10", true},
        {"columnLayout", 4, "\"both\" 5", true},
        {"columnLayout", 4, "left 1.5", false},
        {"columnLayout", 4, "left; 10", false},
        {"columnLayout", 4, "\"left\"; 10", false},
        {"columnLayout", 4, "\"open 10", false},
        // a word that MEL would read as a flag of its own; a number or a quoted text is none
        {"columnLayout", 4, "-left 10", false},
        {"columnLayout", 4, "- 10", false},
        {"columnLayout", 4, "-5 10", true},
        {"columnLayout", 4, "\"-left\" 10", true},
        {"columnLayout", 4, injection, false},
        // Int Int Int, blanks around the numbers kept as they are
        {"rowLayout", 19, "1 2 3", true},
        {"rowLayout", 19, " 1  2 3 ", true},
        {"rowLayout", 19, "1 2", false},
        {"rowLayout", 19, "1 2 3`ls`", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + std::to_string(c.position) + " " + c.value);
        ModelFixture f;
        auto& column = addChild<CUIColumnLayout>(f.window);
        CUIElement* element = &column;
        if (std::string_view(c.command) != "columnLayout") {
            ASSERT_TRUE(column.AddChild(createElement(c.command, column)));
            element = column.children().back().get();
        }
        element->ApplyFlags(withValues(*element, {{c.position, c.value}}));
        ASSERT_EQ(element->flags()[c.position], c.value);
        const CommandFlag flag = CommandTypedFlags(c.command).at(static_cast<std::size_t>(c.position));
        const std::string longName(flag.longName);
        OutputLog log;
        RecordingTarget target;
        const std::string script = ExportWindowScript(f.window, f.settings, log, target).script;
        const std::string written = "-" + longName + " " + c.value;
        const std::string notice = "Left out -" + longName + " of " + c.command + " \"" + element->name() +
                                   "\": the value is not of type \"" + flag.typeText + "\".\r\n";
        EXPECT_EQ(script.find(written) != std::string::npos, c.kept);
        EXPECT_EQ(script.find("-" + longName + " ") != std::string::npos, c.kept);
        EXPECT_EQ(script.find("system"), std::string::npos);
        EXPECT_EQ(log.text().find(notice) != std::string::npos, !c.kept) << log.text();
    }
}

// The window file of an attacker: command text in a colour and in a boolean. The export
// leaves both out and says so; the valid values around them are written as before.
TEST_F(MelTest, HostileValuesOfAWindowFileAreLeftOut)
{
    ModelFixture f;
    OutputLog log;
    ASSERT_TRUE(ReadWindowFile(fixture("hostile_values.wnd"), f.window, log));
    std::vector<std::string> leftOut;
    EXPECT_EQ(GenerateWindowScript(f.window, false, &leftOut), fixture("hostile_values.mel"));
    EXPECT_EQ(leftOut, (std::vector<std::string>{
                           "Left out -backgroundColor of window \"Window\": the value is not of type \"Float Float Float\".\n",
                           "Left out -enable of button \"Button0\": the value is not of type \"on|off\".\n"}));
}

// Control characters of a text never reach the script raw: each is escaped, so the
// value stays one line inside its quotes.
TEST_F(MelTest, ControlCharactersOfStringValuesAreEscaped)
{
    ModelFixture f;
    auto& button = addChild<CUIButton>(addChild<CUIColumnLayout>(f.window));
    button.setName(std::string("B\n1", 3));
    const std::string label("a\0b\x01" "c\td\ne\rf\x1f\"g\\", 15);
    button.ApplyFlags(withValues(button, {{CUIButton::kPositions.label, label}, {8, "maybe"}}));
    std::vector<std::string> leftOut;
    const std::string script = GenerateWindowScript(f.window, false, &leftOut);
    EXPECT_NE(script.find("-label \"a\\x00b\\x01c\\td\\ne\\rf\\x1f\\\"g\\\\\" "), std::string::npos) << script;
    EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), 8);
    EXPECT_EQ(std::count_if(script.begin(), script.end(), [](char c) { return c != '\n' && static_cast<unsigned char>(c) < 0x20 && c != '\t'; }), 0);
    EXPECT_EQ(leftOut, std::vector<std::string>{"Left out -enable of button \"B\\n1\": the value is not of type \"on|off\".\n"});
}

TEST_F(MelTest, CommandsWithoutFlagsAreTheKeywordAlone)
{
    const auto folder = std::filesystem::temp_directory_path() / ("orvante_mel_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string empty = (folder / "melcmd.dat").string();
    std::string error;
    ASSERT_TRUE(writeWholeFile(empty, std::string(2, '\0'), error)) << error;
    ASSERT_EQ(LoadMelCommandDatabase(empty), LoadResult::ok);
    ModelFixture f;
    addChild<CUIButton>(addChild<CUIColumnLayout>(f.window));
    const std::string script = GenerateWindowScript(f.window, false);
    ASSERT_EQ(LoadMelCommandDatabase(kDatabase), LoadResult::ok);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(script, kBanner + "window;\n\tcolumnLayout;\n\t\tbutton;\n\nshowWindow;\n");
}

TEST_F(MelTest, ExportTellsTheLogInOrderAndWritesEachTarget)
{
    struct Case {
        bool toFile;
        bool toClipboard;
        bool unix;
        bool writable;
    };
    const Case cases[] = {{true, true, false, true},  {true, true, true, true},   {false, false, false, true},
                          {true, false, true, true},  {false, true, true, true},  {true, true, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.toFile) + std::to_string(c.toClipboard) + std::to_string(c.unix) +
                     std::to_string(c.writable));
        ModelFixture f;
        addChild<CUIButton>(addChild<CUIColumnLayout>(f.window));
        f.settings.setFlag(SettingsFlag::exportToFile, c.toFile);
        f.settings.setFlag(SettingsFlag::exportToClipboard, c.toClipboard);
        f.settings.setFlag(SettingsFlag::unixFormat, c.unix);
        OutputLog log;
        log.AppendText("old text\n");
        RecordingTarget target;
        target.writable = c.writable;
        const ExportResult result = ExportWindowScript(f.window, f.settings, log, target);
        ASSERT_FALSE(result.cancelled);
        const std::string script = result.script;
        EXPECT_EQ(script, GenerateWindowScript(f.window, false));
        std::string expected = std::string("Generating script of the current window ...\n") + mel_export::kDashLine + script;
        if (c.toFile && !c.writable)
            expected += "The script was not saved: cannot write \"out.mel\": No space left on device.\n";
        expected += std::string(mel_export::kDashLine) + "Generation successful.\n\n";
        if (c.toClipboard && c.unix)
            expected += "File saved in Unix mode.\n";
        if (c.toClipboard)
            expected += "This script has been duplicated into the clipboard.\n";
        EXPECT_EQ(log.text(), crlf(expected));
        EXPECT_EQ(target.clipboard, c.toClipboard ? std::vector<std::string>{script} : std::vector<std::string>{});
        if (c.toFile && c.writable) {
            ASSERT_EQ(target.files.size(), 1u);
            EXPECT_EQ(target.files["out.mel"], c.unix ? script : crlf(script));
        } else {
            EXPECT_TRUE(target.files.empty());
        }
    }
}

TEST_F(MelTest, CancellingTheFileChoiceDoesNothing)
{
    ModelFixture f;
    OutputLog log;
    log.AppendText("kept");
    RecordingTarget target;
    target.chosen.reset();
    const ExportResult result = ExportWindowScript(f.window, f.settings, log, target);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(target.asked, 1);
    EXPECT_EQ(log.text(), "kept");
    EXPECT_TRUE(target.clipboard.empty());
}
