// The MEL window import: the exported worked example comes back as its window file, random
// windows survive export, import and export byte for byte, and hand-written studio code
// imports with the right tree and the right warnings at the right places.
#include "ImportReport.h"
#include "ModelFixture.h"

#include "files/FileReader.h"
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "uimodel/MelGenerator.h"
#include "uimodel/MelText.h"
#include "uimodel/MelWindowImport.h"
#include "uimodel/ElementFactory.h"
#include "uimodel/WindowDocument.h"
#include "uimodel/WindowFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace orv;
using namespace orv::test;

namespace {

const std::string kDatabase = std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat";

class MelImportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(LoadMelCommandDatabase(kDatabase), LoadResult::ok); }
};

std::string fixture(const std::string& path)
{
    std::string error;
    return readWholeFile(std::string(ORVANTE_FIXTURES_DIR) + "/" + path, kMaxWindowFileBytes, error).value_or("");
}

TEST_F(MelImportTest, TheExportedWorkedExampleImportsAsTheWorkedWindowFile)
{
    ModelFixture f;
    const MelWindowImport import = ImportMelWindow(fixture("uimodel/worked_example.mel"), f.window);
    ASSERT_TRUE(import.built) << import.problem;
    EXPECT_TRUE(import.warnings.empty()) << ::testing::PrintToString(placed(import));
    EXPECT_EQ(WriteWindowFile(f.window), fixture("uimodel/worked_example.wnd"));
}

// Random windows as the model builds them: every element type, nesting, list items, values
// of every flag type, texts full of what MEL must escape.
class RandomWindow {
public:
    explicit RandomWindow(unsigned seed) : m_random(seed) {}

    void build(CUIWindow& window)
    {
        setFlags(window);
        std::vector<CUIElement*> containers{&window};
        const int count = pick(1, 40);
        for (int i = 0; i < count; ++i) {
            CUIElement& parent = *containers[static_cast<std::size_t>(pick(0, static_cast<int>(containers.size()) - 1))];
            const std::string command = parent.isWindow() ? kLayouts[pick(0, 2)]
                                                          : std::string(kCommands[pick(0, kCommandCount - 1)]);
            std::unique_ptr<CUIElement> element = createElement(command, parent);
            CUIElement* raw = element.get();
            if (!parent.AddChild(std::move(element)))
                continue;
            if (command == "textScrollList")
                for (int k = pick(0, 4); k > 0; --k)
                    static_cast<CUITextScrollList*>(raw)->addItem(text());
            setFlags(*raw);
            if (raw->IsContainer() && depthOf(*raw) < 5)
                containers.push_back(raw);
        }
    }

private:
    static constexpr const char* kLayouts[] = {"columnLayout", "rowLayout", "frameLayout"};
    static constexpr const char* kCommands[] = {"columnLayout", "rowLayout", "button", "checkBox", "textField",
                                                "intField", "floatField", "scrollField", "intSlider", "floatSlider",
                                                "textScrollList", "text", "separator", "frameLayout"};
    static constexpr int kCommandCount = 14;

    static int depthOf(const CUIElement& element)
    {
        int depth = 0;
        for (const CUIElement* e = &element; e->parent(); e = e->parent())
            ++depth;
        return depth;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // Quotes, backslashes, comment and statement starts, braces, a backquote, a control
    // character, UTF-8: everything the export must escape or keep inside the quotes.
    std::string text()
    {
        static const std::vector<std::string> kPieces = {"a", "Z", "0", " ", "\"", "\\", "$x", ";", "//", "/*", "*/",
                                                         "`", "{", "}", "(", ")", "[", "]", "-l", "|", "'", "\x01",
                                                         "\x7f", "\xc3\xa9", "setParent ..;", "\\n", "%d"};
        std::string out;
        for (int n = pick(0, 8); n > 0; --n)
            out += kPieces[static_cast<std::size_t>(pick(0, static_cast<int>(kPieces.size()) - 1))];
        return out;
    }
    std::string plainWord()
    {
        static const std::vector<std::string> kWords = {"left", "right", "both", "top", "my_name", "a.b", "x|y", "n-1"};
        return kWords[static_cast<std::size_t>(pick(0, static_cast<int>(kWords.size()) - 1))];
    }
    std::string item(std::string_view typeWord)
    {
        if (typeWord == "Int" || typeWord == "UnsignedInt" || typeWord == "UnsignedIntAsPtr")
            return std::to_string(pick(-20, 400));
        if (typeWord == "Float" || typeWord == "Angle" || typeWord == "Length" || typeWord == "Time") {
            static const std::vector<std::string> kReals = {"0", "1", "-2.5", "0.125", ".5", "3.", "1e3", "-4E-2"};
            return kReals[static_cast<std::size_t>(pick(0, static_cast<int>(kReals.size()) - 1))];
        }
        if (typeWord == "on|off")
            return kMelBooleanWords[pick(0, 5)];
        if (pick(0, 1))
            return plainWord();
        std::string word = text();
        for (char& c : word)
            if (c == ' ')
                c = '_';
        std::string quoted(1, '"');
        quoted.append(escapeMelString(word)).push_back('"');
        return quoted;
    }
    std::string value(const CommandFlag& flag)
    {
        if (flag.typeIndex == mel_type::kString)
            return text();
        // A multi-use flag given up to three times.
        std::string out;
        for (int uses = isMultiUseType(flag.typeText) ? pick(1, 3) : 1; uses > 0; --uses) {
            std::string_view type = flag.typeText;
            while (!type.empty()) {
                const std::size_t blank = type.find(' ');
                const std::string_view word = type.substr(0, blank);
                type = blank == std::string_view::npos ? std::string_view() : type.substr(blank + 1);
                if (word == "(multi-use)" || word.empty())
                    continue;
                for (int n = word.ends_with("[...]") ? pick(1, 3) : 1; n > 0; --n) {
                    if (!out.empty())
                        out += ' ';
                    out += item(word);
                }
            }
        }
        return out.empty() ? item("String") : out;
    }

    // A list's -append is its items, not a value of its flag table.
    void setFlags(CUIElement& element)
    {
        FlagValueTable table = element.flags();
        for (const CommandFlag& flag : CommandTypedFlags(element.command().c_str()))
            if (flag.position < kFlagTableSize && pick(0, 3) == 0
                && !(element.command() == "textScrollList" && flag.longName == "append"))
                table[flag.position] = value(flag);
        element.ApplyFlags(table);
    }

    std::mt19937 m_random;
};

// What the designer exports: the window as shown, then its script.
std::string exported(WindowDocument& document, bool shortFlags)
{
    document.arrangeForDisplay();
    return GenerateWindowScript(document.window(), shortFlags);
}

TEST_F(MelImportTest, RandomWindowsSurviveExportImportExportByteForByte)
{
    const unsigned first = 1;
    for (unsigned seed = first; seed < first + 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        for (const bool shortFlags : {false, true}) {
            SCOPED_TRACE(shortFlags ? "short flags" : "long flags");
            SettingsRecord settings;
            settings.setFlag(SettingsFlag::useWidthHeight, seed % 2 == 0);
            UIModelContext context(settings);
            // Built by the model, then saved and opened as the designer holds a document: a
            // tree built by insertions with flags given afterwards may be arranged otherwise
            // than the same tree read from its file, which is the arrangement the import uses.
            WindowDocument built(context);
            RandomWindow(seed).build(built.window());
            WindowDocument original(context);
            OutputLog log;
            ASSERT_TRUE(ReadWindowFile(WriteWindowFile(built.window()), original.window(), log));
            const std::string script = exported(original, shortFlags);
            WindowDocument imported(context);
            const MelWindowImport import = ImportMelWindow(script, imported.window());
            ASSERT_TRUE(import.built) << import.problem;
            EXPECT_TRUE(import.warnings.empty()) << ::testing::PrintToString(placed(import)) << "\n" << script;
            ASSERT_EQ(exported(imported, shortFlags), script);
        }
    }
}

TEST_F(MelImportTest, StudioToolScriptImportsWithItsTreeAndWarnings)
{
    ModelFixture f;
    const MelWindowImport import = ImportMelWindow(fixture("melimport/studio_tool.mel"), f.window);
    ASSERT_TRUE(import.built) << import.problem;
    std::string tree;
    dumpTree(f.window, 0, tree);
    EXPECT_EQ(tree, "window rigHelperWin\n"
                    "\tcolumnLayout mainCol\n"
                    "\t\ttext Text0\n"
                    "\t\tseparator Separator0\n"
                    "\t\tframeLayout optFrame\n"
                    "\t\t\tcheckBox mirrorBox\n"
                    "\t\trowLayout buttonRow\n"
                    "\t\t\tbutton buildBtn\n"
                    "\t\t\tbutton cancelBtn\n"
                    "\t\ttextScrollList jointList {hip} {knee}\n"
                    "\t\tbutton Button2\n");
    EXPECT_EQ(placed(import), (std::vector<std::string>{
                                  "19:13: frameLayout \"optFrame\" does not take this intField: skipped",
                                  "23:35: the value of -c is an expression: flag skipped",
                                  "26:45: the list item is a variable: skipped",
                                  "28:11: -bogusFlag is not a flag of button: skipped with its values",
                                  "29:9: edit of an existing element skipped",
                                  "31:13: button runs only under a condition or in a loop: skipped",
                              }));
    // Flags by either name at their places; -widthHeight given as the model keeps the size;
    // a string's continuation joined; a size the script does not give is the default one.
    FlagValueTable table;
    f.window.StoreFlags(table);
    EXPECT_EQ(table[16], "Rig Helper v2");
    EXPECT_EQ(table[15], "false");
    EXPECT_EQ(f.window.rect().width(), 300);
    EXPECT_EQ(f.window.rect().height(), 400);
    const CUIElement& column = *f.window.children().front();
    EXPECT_EQ(column.flags()[0], "true");
    EXPECT_EQ(column.flags()[15], "4");
    const CUIElement& frame = *column.children()[2];
    EXPECT_EQ(frame.previewText(), "Options");
    EXPECT_EQ(frame.children().front()->flags()[11], "Mirror");
    const CUIElement& row = *column.children()[3];
    EXPECT_EQ(row.children()[0]->flags()[3], "rigBuild()");
    EXPECT_EQ(row.children()[1]->flags()[10], "Cancel");
    EXPECT_TRUE(row.children()[1]->flags()[3].empty());
    const CUIElement& mirror = *column.children()[5];
    EXPECT_EQ(mirror.flags()[10], "Mirror selected");
    EXPECT_EQ(mirror.rect().height(), 28);
    EXPECT_EQ(column.children()[4]->flags()[18], "6");
}

TEST_F(MelImportTest, ParentsNamedWindowsAndRefusals)
{
    ModelFixture f;
    const MelWindowImport import = ImportMelWindow(fixture("melimport/parents.mel"), f.window, "secondWin");
    ASSERT_TRUE(import.built) << import.problem;
    std::string tree;
    dumpTree(f.window, 0, tree);
    EXPECT_EQ(tree, "window secondWin\n"
                    "\tcolumnLayout colA\n"
                    "\t\trowLayout row\n"
                    "\t\t\tbutton Button1\n\t\t\tbutton Button2\n\t\t\tbutton Button3\n"
                    "\t\t\tbutton Button4\n\t\t\tbutton Button5\n\t\t\tbutton Button6\n"
                    "\t\ttext Text0\n"
                    "\t\tcolumnLayout colB\n"
                    "\t\t\tintSlider IntSlider0\n"
                    "\t\tfloatSlider FloatSlider0\n");
    EXPECT_EQ(placed(import), (std::vector<std::string>{
                                  "6:1: window \"secondWin\" does not take this button: skipped",
                                  "10:9: rowLayout \"row\" does not take this button: skipped",
                                  "12:13: the value of -l is a variable: flag skipped",
                                  "13:15: no layout named \"nowhere\" was made: the parent stays",
                                  "14:15: setParent to a variable: the parent stays",
                                  "15:18: -cw 90 became 480 in the window model",
                              }));

    // Without a name, the first window; a name no window has, none.
    ModelFixture first;
    ASSERT_TRUE(ImportMelWindow(fixture("melimport/parents.mel"), first.window).built);
    EXPECT_EQ(first.window.name(), "firstWin");
    ASSERT_EQ(first.window.children().size(), 1u);
    EXPECT_TRUE(first.window.children().front()->children().empty());
    ModelFixture none;
    const MelWindowImport missing = ImportMelWindow(fixture("melimport/parents.mel"), none.window, "thirdWin");
    EXPECT_FALSE(missing.built);
    EXPECT_EQ(missing.problem, "the script makes no window named \"thirdWin\"");
    EXPECT_TRUE(none.window.children().empty());
}

TEST_F(MelImportTest, SmallScriptsGiveTheirTreeValuesAndWarnings)
{
    struct Case {
        const char* script;
        const char* tree;      // the elements under the window, one per line
        std::vector<std::pair<int, std::string>> values;  // of the last element's stored flags
        std::vector<std::string> warnings;
    };
    const std::string kBadName = "the name is not an element name (letters, digits and underscores, not starting "
                                 "with a digit): the element keeps a name of its own";
    const std::vector<Case> cases = {
        // Long and short names reach the same places; booleans as written; a multi-item value.
        {"window; columnLayout -adj yes -cat both 5 -rs 3;", "columnLayout ColumnLayout0", {{0, "yes"}, {4, "both 5"}, {15, "3"}}, {}},
        {"window; columnLayout -adjustableColumn yes -columnAttach both 5 -rowSpacing 3;",
         "columnLayout ColumnLayout0", {{0, "yes"}, {4, "both 5"}, {15, "3"}}, {}},
        // A query in a condition and the delete it guards come before the window: skipped.
        {"if (`window -exists w`) deleteUI w;\nwindow w; columnLayout; text -q -l t;",
         "columnLayout ColumnLayout0", {}, {}},
        // List items by either name, escapes undone; the name as a string.
        {"window; columnLayout; textScrollList -a \"x\\\"y\" -append \"z\\tw\" \"myList\";",
         "columnLayout ColumnLayout0\n\ttextScrollList myList {x\"y} {z w}", {},
         {"1:56: a list item holds line breaks or TABs: written as blanks"}},
        // A value with a line break, a value longer than a line of the window file.
        {"window; columnLayout; button -l \"a\\nb\";", "columnLayout ColumnLayout0\n\tbutton Button0", {{10, "a b"}},
         {"1:33: the value of -l holds line breaks or TABs: written as blanks"}},
        // Missing values, valueless flags the model does not keep, stray closing brace.
        {"window; columnLayout; button -w;\n}", "columnLayout ColumnLayout0\n\tbutton Button0", {},
         {"1:30: -w lacks its value: skipped", "2:1: unmatched '}'"}},
        {"window -menuBar true; columnLayout -parent; button -l \"b\" -numberOfPopupMenus;",
         "columnLayout ColumnLayout0\n\tbutton Button0", {{10, "b"}},
         {"1:36: -parent lacks its value: skipped", "1:59: -numberOfPopupMenus is not kept by the window model: skipped"}},
        // A proc defined between the window's statements does not run there; the end of the
        // window's own proc ends the window.
        {"window; columnLayout;\nproc helper() { button; }\ntext -l t;", "columnLayout ColumnLayout0\n\ttext Text0",
         {{10, "t"}}, {}},
        {"proc make() { window; columnLayout; text -l a; }\nbutton -l b;", "columnLayout ColumnLayout0\n\ttext Text0",
         {{10, "a"}}, {}},
        // An unknown flag takes all up to the next flag with it: its values never name the
        // element nor count as extra arguments; the flags after it are read.
        {"window; columnLayout; text -lable \"Object name:\";", "columnLayout ColumnLayout0\n\ttext Text0", {},
         {"1:28: -lable is not a flag of text: skipped with its value"}},
        {"window; columnLayout; button -bogus 1 \"two\" -l b -bogusToo;", "columnLayout ColumnLayout0\n\tbutton Button0",
         {{10, "b"}}, {"1:30: -bogus is not a flag of button: skipped with its values",
                       "1:50: -bogusToo is not a flag of button: skipped"}},
        // A name that no element can have is left out where it stands; a valid one is taken.
        {"window \"my window\"; columnLayout \"a b\"; button 2nd; button a.b; button \"x|y\"; text \"\"; text _ok9;",
         "columnLayout ColumnLayout0\n\tbutton Button0\n\tbutton Button1\n\tbutton Button2\n\ttext Text0\n\ttext _ok9", {},
         {"1:8: " + kBadName, "1:34: " + kBadName, "1:48: " + kBadName, "1:60: " + kBadName, "1:72: " + kBadName,
          "1:84: " + kBadName}},
        // A window made under a condition (the usual "if it does not exist yet"): what that body
        // makes is kept, what a loop or a condition inside it makes is reported at its line.
        {"if (!`window -exists w`) {\n window w; columnLayout;\n for ($i = 0; $i < 3; $i++)\n  button;\n"
         " while ($k) { text; }\n if ($a) checkBox;\n button -l last;\n}",
         "columnLayout ColumnLayout0\n\tbutton Button0", {{10, "last"}},
         {"4:3: button runs only under a condition or in a loop: skipped",
          "5:15: text runs only under a condition or in a loop: skipped",
          "6:10: checkBox runs only under a condition or in a loop: skipped"}},
        // A script in Windows-1252 gives its texts in UTF-8; places stay in the script's bytes.
        {"window; columnLayout; button -l \"Gr\xf6\xdf" "e\" -bog\xe9 1 -w 9;", "columnLayout ColumnLayout0\n\tbutton Button0",
         {{10, "Gr\xc3\xb6\xc3\x9f" "e"}, {16, "9"}},
         {"1:41: -bog\xc3\xa9 is not a flag of button: skipped with its value"}},
        // A multi-use flag given several times keeps every value, as the export writes them.
        {"window; columnLayout; textScrollList -si \"a\" -selectItem \"b c\" -dii 1 -dii 2 -w 50 -w 60;",
         "columnLayout ColumnLayout0\n\ttextScrollList TextScrollList0", {{24, "\"a\" \"b c\""}, {9, "1 2"}, {28, "60"}}, {}},
        // A string left open spoils its line only.
        {"window; columnLayout; button -l \"open;\ntext -l t;", "columnLayout ColumnLayout0\n\tbutton Button0\n\ttext Text0",
         {{10, "t"}}, {"1:33: unterminated string"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        ModelFixture f;
        const MelWindowImport import = ImportMelWindow(c.script, f.window);
        ASSERT_TRUE(import.built) << import.problem;
        std::string tree;
        for (const auto& child : f.window.children())
            dumpTree(*child, 0, tree);
        EXPECT_EQ(tree, std::string(c.tree) + "\n");
        EXPECT_EQ(placed(import), c.warnings);
        const CUIElement* last = f.window.children().front().get();
        while (!last->children().empty())
            last = last->children().back().get();
        for (const auto& [at, value] : c.values)
            EXPECT_EQ(last->flags()[at], value) << "position " << at;
    }
}

// What Maya shows is what the import builds where the model can: a button, check box or text
// made without -label is labelled with its name, a window without -title titled so; a layout's
// column widths size the children the script leaves unsized. Every value the model keeps
// otherwise (a size its layouts arrange) is reported at its flag.
TEST_F(MelImportTest, LabelsAndSizesAsMayaShowsThem)
{
    ModelFixture f;
    const MelWindowImport import = ImportMelWindow("window -w 300 toolWin;\n"
                                                   "columnLayout -w 50 top;\n"
                                                   "  button -w 40 -h 50 okBtn;\n"
                                                   "  text -l \"Given\" caption;\n"
                                                   "  checkBox box;\n"
                                                   "  button;\n"
                                                   "  rowLayout -nc 3 -cw3 100 200 60 row;\n"
                                                   "    text first;\n"
                                                   "    button -w 30 second;\n"
                                                   "    separator;\n"
                                                   "  setParent ..;\n"
                                                   "  rowLayout -nc 2 -cw 2 70 pairs;\n"
                                                   "    button a; button b;\n"
                                                   "  setParent ..;\n"
                                                   "  columnLayout -cw 150 inner;\n"
                                                   "    intField field;\n"
                                                   "showWindow toolWin;",
                                                   f.window);
    ASSERT_TRUE(import.built) << import.problem;
    EXPECT_EQ(f.window.flags()[16], "toolWin") << "the title";
    const CUIElement& top = *f.window.children().front();
    const auto labelOf = [](const CUIElement& e) { return e.previewText(); };
    EXPECT_EQ(labelOf(*top.children()[0]), "okBtn");
    EXPECT_EQ(labelOf(*top.children()[1]), "Given");
    EXPECT_EQ(labelOf(*top.children()[2]), "box");
    EXPECT_EQ(labelOf(*top.children()[3]), top.children()[3]->name()) << "no name given: its own";
    EXPECT_EQ(top.children()[0]->rect().width(), 40);
    EXPECT_EQ(top.children()[0]->rect().height(), 50);
    const CUIElement& row = *top.children()[4];
    EXPECT_EQ(row.children()[0]->rect().width(), 100);
    EXPECT_EQ(row.children()[1]->rect().width(), 30) << "its own -w first";
    EXPECT_EQ(row.children()[2]->rect().width(), 60);
    const CUIElement& pairs = *top.children()[5];
    EXPECT_EQ(pairs.children()[0]->rect().width(), 80) << "no column width given: the default";
    EXPECT_EQ(pairs.children()[1]->rect().width(), 70);
    const CUIElement& inner = *top.children()[6];
    EXPECT_EQ(inner.children()[0]->rect().width(), 150);
    EXPECT_EQ(placed(import), (std::vector<std::string>{
                                  "2:14: -w 50 became 292 in the window model",
                                  "7:19: -cw3 100 200 60 became 100 30 60 in the window model",
                                  "15:16: -cw 150 became " + std::to_string(inner.rect().width()) + " in the window model",
                              }));
}

// The model's scratch elements that decide parents and default names count on their own: the
// document's counters name the elements read back and give their default labels, so an
// element without a label shows its own name, and the next element the user inserts goes on
// from the imported ones.
TEST_F(MelImportTest, DefaultLabelsAreTheElementsNamesAndInsertsGoOnFromThem)
{
    ModelFixture f;
    const MelWindowImport import = ImportMelWindow("window; columnLayout; text; button -l b; button; checkBox;", f.window);
    ASSERT_TRUE(import.built) << import.problem;
    CUIElement& layout = *f.window.children().front();
    std::vector<std::pair<std::string, std::string>> namesAndLabels;
    for (const auto& child : layout.children())
        namesAndLabels.emplace_back(child->name(), child->previewText());
    EXPECT_EQ(namesAndLabels, (std::vector<std::pair<std::string, std::string>>{
                                  {"Text0", "Text0"}, {"Button0", "b"}, {"Button1", "Button1"}, {"CheckBox0", "CheckBox0"}}));
    EXPECT_EQ(addChild<CUIButton>(layout).name(), "Button2");
}

TEST_F(MelImportTest, NoWindowLongValuesAndDeepNesting)
{
    ModelFixture f;
    const MelWindowImport none = ImportMelWindow("// nothing here\nbutton -l \"x\";\nwindow -q -exists w;", f.window);
    EXPECT_FALSE(none.built);
    EXPECT_EQ(none.problem, "the script makes no window");

    // A long label is kept whole; one longer than a window file line holds is cut, at a
    // character's start.
    for (const std::size_t count : {std::size_t{200}, wnd_file::kMaxValueBytes / 2 + 1}) {
        std::string label;
        for (std::size_t i = 0; i < count; ++i)
            label += "\xc3\xa9";
        ModelFixture g;
        const MelWindowImport cut = ImportMelWindow("window; columnLayout; button -l \"" + label + "\";", g.window);
        ASSERT_TRUE(cut.built);
        const std::string& kept = g.window.children().front()->children().front()->flags()[10];
        if (count == 200) {
            EXPECT_EQ(kept, label);
            EXPECT_TRUE(cut.warnings.empty());
            continue;
        }
        EXPECT_EQ(kept, label.substr(0, wnd_file::kMaxValueBytes));
        ASSERT_EQ(cut.warnings.size(), 1u);
        EXPECT_EQ(cut.warnings[0].text, "the value of -l is longer than a window file line holds: cut to " +
                                            std::to_string(wnd_file::kMaxValueBytes) + " bytes");
    }

    // Layouts nested deeper than the file keeps are skipped with what they hold; the file
    // written from the result reads back the same.
    std::string deep = "window;\n";
    for (int i = 0; i < kMaxElementDepth + 5; ++i)
        deep += "columnLayout;\n";
    deep += "button;\n";
    ModelFixture h;
    const MelWindowImport nested = ImportMelWindow(deep, h.window);
    ASSERT_TRUE(nested.built);
    ASSERT_EQ(nested.warnings.size(), 1u);
    EXPECT_EQ(nested.warnings[0].line, kMaxElementDepth + 2);
    EXPECT_EQ(nested.warnings[0].text, "columnLayout nested deeper than 100 levels: skipped with what it holds");
    int depth = 0;
    for (const CUIElement* e = &h.window; !e->children().empty(); e = e->children().front().get())
        ++depth;
    EXPECT_EQ(depth, kMaxElementDepth);
    ModelFixture again;
    OutputLog log;
    ASSERT_TRUE(ReadWindowFile(WriteWindowFile(h.window), again.window, log));
    EXPECT_EQ(WriteWindowFile(again.window), WriteWindowFile(h.window));
}

} // namespace
