// The window file: byte-exact writing, reading with its line rules, and bad files.
#include "ModelFixture.h"
#include "RecordingPreview.h"

#include "files/FileReader.h"
#include "files/SafeFileWriter.h"

#include "uimodel/WindowDocument.h"
#include "uimodel/WindowFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace orv;
using namespace orv::test;

namespace {

std::string fixture(const char* name)
{
    std::string error;
    const auto bytes = readWholeFile(std::string(ORVANTE_FIXTURES_DIR) + "/uimodel/" + name, kMaxWindowFileBytes, error);
    EXPECT_TRUE(bytes.has_value()) << error;
    return bytes.value_or("");
}

// A file from lines given without line ends; each gets CR LF.
std::string file(std::initializer_list<std::string> lines)
{
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

// One line per element: depth, command, name, state and rectangle.
std::string describe(const CUIElement& element, int depth = 0)
{
    const UIRect& r = element.rect();
    std::string out = std::string(static_cast<std::size_t>(depth), ' ') + element.command() + " " + element.name() +
                      (element.stateFlag() ? " +" : " -") + " " + std::to_string(r.left) + "," + std::to_string(r.top) +
                      "," + std::to_string(r.right) + "," + std::to_string(r.bottom) + "\n";
    for (const auto& child : element.children())
        out += describe(*child, depth + 1);
    return out;
}

struct Loaded {
    ModelFixture model;
    OutputLog log;
    bool ok = false;
    std::string problem;
    explicit Loaded(const std::string& bytes)
    {
        const WindowFileRead read = ReadWindowFile(bytes, model.window, log);
        ok = read.windowFile;
        problem = read.problem;
    }
    CUIWindow& window() { return model.window; }
};

const std::string kHead[] = {"[ORVANTE 0.4]", "[UI_Window]", "[window]", "Window", "1"};

} // namespace

TEST(WindowFile, NewDocumentWithLayoutAndButtonIsTheWorkedExample)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    addChild<CUIButton>(column);
    const FlagValueTable before = column.flags();
    EXPECT_EQ(WriteWindowFile(f.window), fixture("worked_example.wnd"));
    EXPECT_EQ(column.flags(), before) << "saving changes nothing";
}

TEST(WindowFile, ReadingTheWorkedExampleWritesItBackByteForByte)
{
    const std::string bytes = fixture("worked_example.wnd");
    Loaded loaded(bytes);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.log.text(), "");
    EXPECT_EQ(describe(loaded.window()), "window Window + 0,0,320,240\n"
                                         " columnLayout ColumnLayout0 + 0,0,312,221\n"
                                         "  button Button0 + 0,0,80,28\n");
    EXPECT_EQ(WriteWindowFile(loaded.window()), bytes);
}

TEST(WindowFile, SaveAndReopenKeepTreeNamesStatesItemsAndFlags)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& row = addChild<CUIRowLayout>(column);
    auto& list = addChild<CUITextScrollList>(row);
    list.addItem("first");
    list.addItem("");
    list.addItem("{braced} item");
    auto& field = addChild<CUIFloatField>(row);
    field.ApplyFlags(withValues(field, {{20, "2"}, {16, "3"}}));
    auto& button = addChild<CUIButton>(column);
    button.ApplyFlags(withValues(button, {{10, "Press \"me\""}, {2, "1 0.5 0"}, {0, "right"}}));
    row.setStateFlag(false);
    column.ApplyFlags(withValues(column, {{CUIColumnLayout::kRowSpacing, "4"}, {CUIColumnLayout::kColumnAttach, "left 3"}}));
    f.window.ApplyFlags(withValues(f.window, {{CUIWindow::kTitle, "My tool"}, {CUIWindow::kMinimizeButton, "off"}}));

    const std::string saved = WriteWindowFile(f.window);
    Loaded loaded(saved);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(describe(loaded.window()), describe(f.window));
    EXPECT_EQ(WriteWindowFile(loaded.window()), saved);
    const auto& loadedList = *loaded.window().children()[0]->children()[0]->children()[0];
    EXPECT_EQ(loadedList.listItems(), (std::vector<std::string>{"first", "", "{braced} item"}));
    EXPECT_EQ(loaded.window().previewText(), "My tool");
    EXPECT_EQ(loaded.window().children()[0]->children()[1]->previewText(), "Press \"me\"");
}

TEST(WindowFile, LineBreaksInNamesItemsAndValuesCannotBreakTheFile)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& list = addChild<CUITextScrollList>(column);
    list.setName("list\r\n[button]");
    list.addItem("a\n\t\t[button]");
    auto& button = addChild<CUIButton>(column);
    button.ApplyFlags(withValues(button, {{10, "two\r\nlines"}, {0, "left\n\t\t[checkBox]"}}));

    Loaded loaded(WriteWindowFile(f.window));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.log.text(), "");
    ASSERT_EQ(describe(loaded.window()), "window Window + 0,0,320,240\n"
                                         " columnLayout ColumnLayout0 + 0,0,312,221\n"
                                         "  textScrollList list  [button] + 0,0,150,100\n"
                                         "  button Button0 + 0,100,80,128\n");
    const auto& layout = *loaded.window().children().front();
    EXPECT_EQ(layout.children()[0]->listItems(), (std::vector<std::string>{"a \t\t[button]"}));
    EXPECT_EQ(layout.children()[1]->flags()[10], "two  lines");
    EXPECT_EQ(layout.children()[1]->flags()[0], "left ") << "cut at the TAB as any value";
}

TEST(WindowFile, DocumentNewSaveAndOpen)
{
    SettingsRecord settings;
    UIModelContext context(settings);
    WindowDocument fresh(context);
    EXPECT_EQ(fresh.window().name(), "Window");
    EXPECT_EQ(fresh.window().children().size(), 0u);
    EXPECT_EQ(fresh.window().rect(), (UIRect{0, 0, 320, 240}));

    const auto folder = std::filesystem::temp_directory_path() / ("orvante_wnd_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "new.wnd").string();
    std::string error;
    ASSERT_TRUE(fresh.save(path, error)) << error;
    WindowDocument reopened(context);
    OutputLog log;
    ASSERT_EQ(reopened.open(path, log), WindowOpenResult::ok);
    EXPECT_EQ(reopened.serialize(), fresh.serialize());
    EXPECT_EQ(reopened.window().flags(), fresh.window().flags());
    EXPECT_EQ(reopened.open((folder / "missing.wnd").string(), log), WindowOpenResult::cannotRead);
    EXPECT_FALSE(fresh.save((folder / "no" / "such" / "folder.wnd").string(), error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    std::filesystem::remove_all(folder);
}

TEST(WindowFileLines, CrLfRemovedAndLinesWholeUpToTheirBound)
{
    const std::string longLine(300, 'x');
    const std::string tabs = "\t\t\t";
    const std::string limit(wnd_file::kMaxLineBytes, 'y');
    // the cut would fall inside the last e acute: the line is cut before it
    const std::string accented = std::string(wnd_file::kMaxLineBytes - 1, 'z') + "\xc3\xa9";
    const auto lines = splitWindowFileLines("a\r\nb\n\r\n" + longLine + "\r\n" + tabs + limit + "\r\n" + tabs + limit +
                                            "y\r\n" + accented + "\r\nlast\rone");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], longLine);
    EXPECT_EQ(lines[4], tabs + limit) << "the TABs do not count";
    EXPECT_EQ(lines[5], tabs + limit) << "the byte past the bound is cut";
    EXPECT_EQ(lines[6], accented.substr(0, wnd_file::kMaxLineBytes - 1));
    EXPECT_EQ(lines[7], "last\rone");
    EXPECT_TRUE(splitWindowFileLines("").empty());
}

// Every line the writer writes reads back whole: a 300-character label (256 bytes were
// read before, and the rest broke the file) and a command of tens of kilobytes.
TEST(WindowFileReading, LongValuesReadBackWhole)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& button = addChild<CUIButton>(column);
    const std::string label(300, 'L');
    std::string command;
    while (command.size() < wnd_file::kMaxValueBytes - 40)
        command += "print(\"caf\xc3\xa9 \xe5\xaf\xb8\\n\"); ";
    button.ApplyFlags(withValues(button, {{3, command}, {10, label}}));
    ASSERT_LE(command.size(), wnd_file::kMaxValueBytes);
    const std::string written = WriteWindowFile(f.window);
    Loaded loaded(written);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.problem, "");
    EXPECT_EQ(loaded.log.text(), "");
    const CUIElement& read = *loaded.window().children()[0]->children()[0];
    EXPECT_EQ(read.flags()[10], label);
    EXPECT_EQ(read.flags()[3], command);
    EXPECT_EQ(WriteWindowFile(loaded.window()), written);
}

// A value is cut at a TAB; a line beyond the bound is cut at it, the rest of the line
// dropped and the rest of the file read, and the load says so.
TEST(WindowFileReading, ValueCutAtTabAndAtTheLineBound)
{
    const std::string huge(wnd_file::kMaxLineBytes + 1000, 'L');
    Loaded loaded(file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4], "\t[columnLayout]", "\tC", "\t1",
                        "\t\t[button]", "\t\tB", "\t\t1", "\t\t9\tfirst\tsecond", "\t\t10\t" + huge, "\t\t[button]",
                        "\t\tAfter", "\t\t1", "\t\t10\tnext", "[EUI]"}));
    ASSERT_TRUE(loaded.ok);
    const CUIElement& column = *loaded.window().children()[0];
    ASSERT_EQ(column.childCount(), 2u);
    const CUIElement& button = *column.children()[0];
    EXPECT_EQ(button.flags()[9], "first");
    EXPECT_EQ(button.flags()[10], std::string(wnd_file::kMaxLineBytes - 3, 'L'));
    EXPECT_EQ(button.rect().height(), 0) << "\"first\" is not a number";
    EXPECT_EQ(column.children()[1]->flags()[10], "next");
    EXPECT_EQ(loaded.problem, "a line longer than 65536 bytes was cut");
    EXPECT_EQ(loaded.log.text(), "Error while loading the window hierarchy file: a line longer than 65536 bytes was cut\r\n");
}

// Window files are UTF-8: every character comes back as it was typed. A file that is not
// UTF-8 was written by the original program in Windows-1252 and reads so.
TEST(WindowFileReading, Utf8KeptAndWindows1252Read)
{
    const std::string typed = "Gr\xc3\xb6\xc3\x9f" "e \xe2\x80\x93 \xe5\xaf\xb8\xe6\xb3\x95 \xe2\x9c\x93";  // Größe – 寸法 ✓
    ModelFixture f;
    f.window.setName("Fen\xc3\xaatre");
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& list = addChild<CUITextScrollList>(column);
    list.setItems({typed});
    auto& button = addChild<CUIButton>(column);
    button.ApplyFlags(withValues(button, {{10, typed}}));
    const std::string written = WriteWindowFile(f.window);
    EXPECT_NE(written.find("\t\t10\t" + typed + "\r\n"), std::string::npos) << "the characters as they are";
    Loaded loaded(written);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.window().name(), "Fen\xc3\xaatre");
    EXPECT_EQ(loaded.window().children()[0]->children()[0]->listItems(), std::vector<std::string>{typed});
    EXPECT_EQ(loaded.window().children()[0]->children()[1]->flags()[10], typed);
    EXPECT_EQ(WriteWindowFile(loaded.window()), written);

    Loaded old(file({kHead[0], kHead[1], kHead[2], "Fen\xeatre", kHead[4], "16\tGr\xf6\xdf" "e \x96 \x80", "[EUI]"}));
    ASSERT_TRUE(old.ok);
    EXPECT_EQ(old.window().name(), "Fen\xc3\xaatre");
    EXPECT_EQ(old.window().flags()[16], "Gr\xc3\xb6\xc3\x9f" "e \xe2\x80\x93 \xe2\x82\xac");
}

TEST(WindowFileReading, RefusedElementsAreDroppedWithTheirLinesAndChildren)
{
    std::vector<std::string> lines(std::begin(kHead), std::end(kHead));
    for (const char* line : {"\t[columnLayout]", "\tFirst", "\t1", "\t[rowLayout]", "\tSecond", "\t1", "\t48\t999",
                             "\t\t[button]", "\t\tLost", "\t\t1", "\t\t10\tlost"})
        lines.push_back(line);
    // back in the first layout: a row with seven buttons
    lines.push_back("\t12\t50");
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    text += "[EUI]\r\n";
    Loaded loaded(text);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.log.text(), "");
    ASSERT_EQ(loaded.window().childCount(), 1u);
    EXPECT_EQ(loaded.window().children()[0]->name(), "First");
    EXPECT_EQ(loaded.window().children()[0]->childCount(), 0u);

    std::string row = file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4], "\t[columnLayout]", "\tC", "\t1",
                            "\t\t[rowLayout]", "\t\tR", "\t\t1"});
    for (int i = 0; i < 7; ++i)
        row += file({"\t\t\t[button]", "\t\t\tB" + std::to_string(i), "\t\t\t1", "\t\t\t16\t" + std::to_string(10 + i)});
    row += file({"\t\t41\t77", "[EUI]"});
    Loaded rows(row);
    const CUIElement& rowLayout = *rows.window().children()[0]->children()[0];
    ASSERT_EQ(rowLayout.childCount(), 6u);
    EXPECT_EQ(rowLayout.children().back()->name(), "B5");
    EXPECT_EQ(rowLayout.rect().width(), 10 + 11 + 12 + 13 + 14 + 15);
}

TEST(WindowFileReading, RadioButtonsSkippedUnknownTagsReported)
{
    Loaded loaded(file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4], "\t[columnLayout]", "\tC", "\t1",
                        "\t\t[radioButton]", "\t\tR", "\t\t1", "\t\t10\tradio", "\t\t\t[button]", "\t\t\tInside", "\t\t\t1",
                        "\t\t[button]", "\t\tKept", "\t\t1", "\t\t[slider3D]", "\t\tOdd", "\t\t1", "\t\t5\tx",
                        "\t\t[text]", "\t\tAlsoKept", "\t\t0", "\t\t[gadget]", "\t\tOdd2", "\t\t1", "[EUI]"}));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.log.text(), "Error while loading the window hierarchy file\r\n");
    const CUIElement& column = *loaded.window().children()[0];
    ASSERT_EQ(column.childCount(), 2u);
    EXPECT_EQ(column.children()[0]->name(), "Kept");
    EXPECT_EQ(column.children()[1]->name(), "AlsoKept");
    EXPECT_FALSE(column.children()[1]->stateFlag());
    EXPECT_EQ(column.flags()[0], "") << "the skipped blocks' lines are not the layout's flags";
}

TEST(WindowFileReading, NotAWindowFileOrTruncated)
{
    // A file cut short keeps what was read before the cut, and says so: saving it unawares
    // would lose the rest.
    struct Case {
        std::string bytes;
        bool accepted;
        std::string tree;
        std::string problem;
    };
    const std::string full = fixture("worked_example.wnd");
    const std::string layoutOnly = "window Window + 0,0,320,240\n columnLayout ColumnLayout0 + 0,0,312,221\n";
    const std::string whole = layoutOnly + "  button Button0 + 0,0,80,28\n";
    const std::string noEnd = "the element list does not end with \"[EUI]\"";
    const Case cases[] = {
        {"", false, "", ""},
        {file({"[ORVANTE 0.4]", "[UI_Window]", "[Window]", "W", "1"}), false, "", ""},
        {file({"[ORVANTE 0.4]", "[UI_Window]", "[window]", "W"}), false, "", ""},
        {file({"anything", "", "[window]", "W", "0"}), true, "window W - 0,0,320,240\n", noEnd},
        {file({"anything", "", "[window]", "W", "0", "[EUI]"}), true, "window W - 0,0,320,240\n", ""},
        // cut inside the button's block: the layout stays, the button without state line goes
        {full.substr(0, full.find("\t\t1\r\n\t\t9")), true, layoutOnly, "the file ends inside an element"},
        // cut inside the button's width: the cut value is not taken, the width stays
        {full.substr(0, full.find("\t\t16\t80") + 6), true, layoutOnly + "  button Button0 + 0,0,0,28\n",
         "the file is cut off inside its last line"},
        // cut after a whole line: only the missing "[EUI]" tells
        {full.substr(0, full.find("[EUI]")), true, whole, noEnd},
        // no line end after "[EUI]" is still a whole file
        {full.substr(0, full.size() - 2), true, whole, ""},
        {full, true, whole, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 60));
        Loaded loaded(c.bytes);
        EXPECT_EQ(loaded.ok, c.accepted);
        EXPECT_EQ(loaded.problem, c.problem);
        EXPECT_EQ(loaded.log.text(),
                  c.problem.empty() ? "" : "Error while loading the window hierarchy file: " + c.problem + "\r\n");
        if (c.accepted)
            EXPECT_EQ(describe(loaded.window()), c.tree);
        else
            EXPECT_EQ(WriteWindowFile(loaded.window()), WriteWindowFile(ModelFixture().window)) << "nothing changed";
    }
}

TEST(WindowFileReading, AFileRepeatingOneLineKeepsOneValue)
{
    // Each repeated flag line replaces the last one instead of piling up until the element ends.
    std::string text = file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4]});
    for (int i = 0; i < 1000; ++i)
        text += file({"3\t" + std::to_string(100 + i)});
    text += file({"[EUI]"});
    Loaded loaded(text);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.window().flags()[3], "1099");
    EXPECT_EQ(loaded.problem, "");
}

TEST(WindowFile, FilesBeyondTheLimitAreRefusedBeforeTheyAreRead)
{
    const auto folder = std::filesystem::temp_directory_path() / ("orvante_big_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = folder / "big.wnd";
    std::ofstream(path) << file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4], "[EUI]"});
    std::filesystem::resize_file(path, kMaxWindowFileBytes + 1);  // sparse: costs no disk
    SettingsRecord settings;
    UIModelContext context(settings);
    WindowDocument document(context);
    OutputLog log;
    EXPECT_EQ(document.open(path.string(), log), WindowOpenResult::cannotRead);
    EXPECT_EQ(document.openProblem(),
              "cannot read \"" + path.string() + "\": the file is too large (64 MiB at most)");
    // At the limit it is read: its NULs after "[EUI]" are a last line without a line end.
    std::filesystem::resize_file(path, kMaxWindowFileBytes);
    EXPECT_EQ(document.open(path.string(), log), WindowOpenResult::partial);
    EXPECT_EQ(document.openProblem(), "the file is cut off inside its last line");
    std::filesystem::remove_all(folder);
}

TEST(WindowFileReading, FlagLinesWithoutTabOrOutOfRangePositions)
{
    Loaded loaded(file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4], "16\tTitle", "256\tbig", "-1\tneg", "23",
                        "x\tzero", "[EUI]"}));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.window().flags()[0], "zero") << "a position that is not a number is 0";
    EXPECT_EQ(loaded.window().flags()[16], "Title");
    EXPECT_EQ(loaded.window().flags()[23], "") << "a line without TAB is all position";
    EXPECT_EQ(loaded.window().rect().width(), 320);
    EXPECT_EQ(loaded.window().flags()[255], "");
}

TEST(WindowFileReading, PreviewsMadeInsideTheirParentsWithListItems)
{
    ModelFixture model;
    RecordedView view(model.window);
    OutputLog log;
    const WindowFileRead read =
        ReadWindowFile(file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4], "\t[columnLayout]", "\tC", "\t1",
                             "\t\t[textScrollList]", "\t\tL", "\t\t{item}a", "\t\t{item}b}c", "\t\t1", "[EUI]"}),
                       model.window, log);
    ASSERT_TRUE(read);
    EXPECT_EQ(view.factory.made(), 3);
    const CUIElement& column = *model.window.children()[0];
    const PreviewRecord& list = view.record(*column.children()[0]);
    EXPECT_EQ(list.items, (std::vector<std::string>{"a", "b}c"}));
    EXPECT_EQ(list.parent, &view.record(column));
    EXPECT_EQ(view.record(column).geometry, (UIRect{0, 0, 312, 221}));
}

TEST(WindowFileReading, ElementsBeyondTheLimitAreLeftOutAndReported)
{
    std::string text = file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4], "\t[columnLayout]", "\tC", "\t1"});
    for (std::size_t i = 0; i < kMaxElementsPerFile + 1; ++i)
        text += file({"\t\t[text]", "\t\tT", "\t\t1"});
    text += file({"[EUI]"});
    Loaded loaded(text);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.window().children()[0]->childCount(), kMaxElementsPerFile - 1);
    EXPECT_EQ(loaded.problem, "more than 100000 elements, the rest is left out");
    EXPECT_EQ(loaded.log.text(),
              "Error while loading the window hierarchy file: more than 100000 elements, the rest is left out\r\n");
}

// A file of layouts nested deeper than the model keeps: the deepest are left out with a
// problem that says so (not an unknown tag), and the rest of the tree reads as written.
TEST(WindowFileReading, ElementsNestedTooDeepAreLeftOutAndReported)
{
    std::string text = file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4]});
    const int depth = kMaxElementDepth + 20;
    const auto nameAt = [](int d) { return std::string(1, 'C').append(std::to_string(d)); };
    for (int d = 1; d <= depth; ++d) {
        const std::string tabs(static_cast<std::size_t>(d), '\t');
        for (const std::string& line : {std::string("[columnLayout]"), nameAt(d), std::string("1")})
            text.append(tabs).append(line).append("\r\n");
    }
    text += file({"\t\t[button]", "\t\tafter", "\t\t1", "[EUI]"});
    Loaded loaded(text);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.problem, "elements nested deeper than 100 levels are left out");
    const CUIElement* element = &loaded.window();
    int levels = 0;
    while (!element->children().empty() && element->children().front()->IsLayout()) {
        element = element->children().front().get();
        EXPECT_EQ(element->name(), nameAt(++levels));
    }
    EXPECT_EQ(levels, kMaxElementDepth);
    EXPECT_EQ(loaded.window().children().front()->children().back()->name(), "after");
}

namespace {

// Random window files: any nesting of the element tags (with the odd unknown tag, radio
// button, refused child and flag line after the children), random sizes, visibility,
// spacing, attachment and window fitting, so that windows grow while they are read.
class RandomWindowFile {
public:
    explicit RandomWindowFile(unsigned seed) : m_rng(seed) {}

    std::string make()
    {
        std::vector<std::string> lines{kHead[0], kHead[1], kHead[2], kHead[3], kHead[4]};
        flag(lines, "", CUIWindow::kWidth, {"", "", "0", "200", "500"});
        flag(lines, "", CUIWindow::kHeight, {"", "", "0", "90", "700"});
        flag(lines, "", CUIWindow::kResizeToFitChildren, {"", "on", "off"});
        flag(lines, "", CUIWindow::kSizeable, {"", "", "off"});
        flag(lines, "", CUIWindow::kTitleBar, {"", "", "off"});
        const int layouts = chance(8) ? 2 : 1;
        for (int i = 0; i < layouts; ++i)
            block(lines, 1, pick({"columnLayout", "columnLayout", "rowLayout"}));
        lines.push_back("[EUI]");
        std::string out;
        for (const auto& line : lines)
            out += line + "\r\n";
        return out;
    }

private:
    const char* pick(std::initializer_list<const char*> choices)
    {
        return choices.begin()[m_rng() % choices.size()];
    }
    bool chance(unsigned inEvery) { return m_rng() % inEvery == 0; }

    void flag(std::vector<std::string>& lines, const std::string& prefix, int position,
              std::initializer_list<const char*> values)
    {
        const char* value = pick(values);
        if (*value)
            lines.push_back(prefix + std::to_string(position) + "\t" + value);
    }

    void block(std::vector<std::string>& lines, std::size_t depth, const char* command)
    {
        const std::string prefix(depth, '\t');
        lines.push_back(prefix + "[" + command + "]");
        lines.push_back(prefix + command + std::to_string(m_rng() % 100));
        lines.push_back(prefix + pick({"1", "0"}));
        const std::string type = command;
        if (type == "columnLayout") {
            flag(lines, prefix, CUIColumnLayout::kAdjustableColumn, {"", "", "on"});
            flag(lines, prefix, CUIColumnLayout::kColumnAttach, {"", "", "left 5", "right 3", "both 2", "top 4"});
            flag(lines, prefix, CUIColumnLayout::kColumnOffset, {"", "", "left 7", "right 1"});
            flag(lines, prefix, CUIColumnLayout::kRowSpacing, {"", "", "3", "-2"});
            flag(lines, prefix, CUIColumnLayout::kVisible, {"", "", "", "off"});
            flag(lines, prefix, CUIColumnLayout::kWidth, {"", "90", "250", "312"});
        } else if (type == "rowLayout") {
            flag(lines, prefix, CUIRowLayout::kVisible, {"", "", "", "off"});
            flag(lines, prefix, CUIRowLayout::kWidth, {"", "100"});
        } else if (type == "button" || type == "text") {
            flag(lines, prefix, CUIButton::kPositions.width, {"", "80", "40", "130"});
            flag(lines, prefix, CUIButton::kPositions.height, {"", "28", "10", "45"});
            flag(lines, prefix, CUIButton::kPositions.visible, {"", "", "", "off"});
        } else if (type == "intSlider") {
            flag(lines, prefix, CUIIntSlider::kPositions.width, {"", "20", "100"});
            flag(lines, prefix, CUIIntSlider::kPositions.height, {"", "20", "100"});
            flag(lines, prefix, CUIIntSlider::kPositions.horizontal, {"", "off"});
        } else {
            flag(lines, prefix, 9, {"", "30", "60"});
            flag(lines, prefix, 16, {"", "30", "120"});
        }
        if (type != "columnLayout" && type != "rowLayout")
            return;
        const unsigned most = depth < 4 ? (type == "rowLayout" ? 8 : 7) : 0;
        const unsigned count = most ? m_rng() % (most + 1) : 0;
        for (unsigned i = 0; i < count; ++i) {
            const bool nest = depth < 4 && chance(3);
            const char* child = nest ? pick({"columnLayout", "columnLayout", "rowLayout"})
                                     : pick({"button", "button", "text", "intSlider", "separator", "textScrollList",
                                             "floatField", "radioButton", "bogus"});
            block(lines, depth + 1, child);
        }
        if (chance(6)) {
            // A flag line after the children, then more children of the same layout.
            flag(lines, prefix, type == "rowLayout" ? CUIRowLayout::kHeight : CUIColumnLayout::kHeight, {"7", "300"});
            if (chance(2))
                block(lines, depth + 1, pick({"button", "rowLayout", "text"}));
        }
    }

    std::mt19937 m_rng;
};

struct ReadBothWays {
    ModelFixture once;
    ModelFixture each;
    // Views that observe the windows while they are read.
    RecordedView onceView{once.window};
    RecordedView eachView{each.window};
    OutputLog onceLog;
    OutputLog eachLog;
    bool onceOk;
    bool eachOk;

    explicit ReadBothWays(const std::string& bytes)
        : onceOk(ReadWindowFile(bytes, once.window, onceLog, WindowReading::arrangeOnce)),
          eachOk(ReadWindowFile(bytes, each.window, eachLog, WindowReading::arrangeEachElement))
    {
    }
};

// Every element has a preview in the view that shows its rectangle.
void expectPreviewsShowTheTree(const RecordedView& view, const CUIElement& element)
{
    ASSERT_NE(view.tree.port(element), nullptr) << element.name();
    EXPECT_EQ(view.record(element).geometry, element.rect()) << element.name();
    for (const auto& child : element.children())
        expectPreviewsShowTheTree(view, *child);
}

} // namespace

TEST(WindowFileReading, ArrangingOnceGivesTheTreeOfArrangingAfterEachElement)
{
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        const std::string bytes = RandomWindowFile(seed).make();
        const ReadBothWays read(bytes);
        ASSERT_EQ(read.onceOk, read.eachOk) << "seed " << seed;
        ASSERT_EQ(read.onceLog.text(), read.eachLog.text()) << "seed " << seed;
        ASSERT_EQ(describe(read.once.window), describe(read.each.window)) << "seed " << seed << "\n" << bytes;
        ASSERT_EQ(WriteWindowFile(read.once.window), WriteWindowFile(read.each.window)) << "seed " << seed;
        expectPreviewsShowTheTree(read.onceView, read.once.window);
        expectPreviewsShowTheTree(read.eachView, read.each.window);
        ASSERT_FALSE(HasFailure()) << "seed " << seed;
    }
}

TEST(WindowFileReading, ArrangingOnceReadsBigWindowsAsArrangingAfterEachElement)
{
    // Wide and deep windows the program wrote: rows of controls under one column, so that
    // the window grows with every row while the file is read.
    ModelFixture built;
    auto& column = addChild<CUIColumnLayout>(built.window);
    for (int r = 0; r < 60; ++r) {
        auto& row = addChild<CUIRowLayout>(column);
        addChild<CUIButton>(row);
        auto& inner = addChild<CUIColumnLayout>(row);
        addChild<CUITextField>(inner);
        addChild<CUIIntSlider>(inner);
        addChild<CUICheckBox>(row);
    }
    const ReadBothWays read(WriteWindowFile(built.window));
    ASSERT_TRUE(read.onceOk);
    EXPECT_EQ(describe(read.once.window), describe(read.each.window));
    EXPECT_EQ(describe(read.once.window), describe(built.window)) << "as it was written";
}

TEST(WindowFileReading, HugeSizesArePreviewedAtTheLargestControlSize)
{
    // Sizes and spacings beyond any screen would overflow the layout's sums; the preview
    // takes them at the largest size, the flag texts stay as written.
    std::string bytes = file({kHead[0], kHead[1], kHead[2], kHead[3], kHead[4], "3\t2147483647", "23\t-2147483648",
                              "\t[columnLayout]", "\tColumnLayout0", "\t1", "\t15\t99999999999",
                              "\t\t[button]", "\t\tButton0", "\t\t1", "\t\t9\t2147483647", "\t\t16\t2147483647",
                              "\t\t[button]", "\t\tButton1", "\t\t1", "\t\t9\t2147483647", "[EUI]"});
    Loaded loaded(bytes);
    ASSERT_TRUE(loaded.ok);
    const int limit = static_cast<int>(SettingsRecord::kMaxControlSize);
    const CUIElement& column = *loaded.window().children().front();
    const CUIElement& first = *column.children()[0];
    const CUIElement& second = *column.children()[1];
    EXPECT_EQ(loaded.window().rect().height(), limit);
    EXPECT_EQ(first.rect().height(), limit);
    EXPECT_EQ(first.rect().width(), limit);
    EXPECT_EQ(second.rect().top, first.rect().bottom + limit);
    EXPECT_EQ(second.rect().height(), limit);
    EXPECT_EQ(first.flags()[9], "2147483647");
}
