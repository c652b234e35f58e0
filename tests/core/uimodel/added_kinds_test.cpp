// The kinds beyond the first thirteen, each through the model's paths: arrangement and shown
// state, the window file (read back, and passed over by a reader that does not know the tag),
// the MEL and Python lines, and the import of a hand-written script.
#include "ImportReport.h"
#include "ModelFixture.h"

#include "files/FileReader.h"
#include "mel/CommandDatabase.h"
#include "uimodel/CUIFrameLayout.h"
#include "uimodel/ElementFactory.h"
#include "uimodel/MelGenerator.h"
#include "uimodel/MelWindowImport.h"
#include "uimodel/PythonGenerator.h"
#include "uimodel/WindowDocument.h"
#include "uimodel/WindowFile.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

const std::string kDatabase = std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat";

class AddedKindsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(LoadMelCommandDatabase(kDatabase), LoadResult::ok); }
};

std::string fixture(const std::string& path)
{
    std::string error;
    return readWholeFile(std::string(ORVANTE_FIXTURES_DIR) + "/" + path, kMaxWindowFileBytes, error).value_or("");
}

// The lines of a file between the tag line that starts with tag and the next tag line.
std::vector<std::string> block(const std::string& file, const std::string& tag)
{
    std::vector<std::string> lines;
    bool inside = false;
    for (const std::string& line : splitWindowFileLines(file)) {
        const std::string text = line.substr(std::min(line.find_first_not_of('\t'), line.size()));
        if (text.starts_with('['))
            inside = text == tag;
        else if (inside)
            lines.push_back(text);
    }
    return lines;
}

} // namespace

// A frame in a column: its title bar over its one child, the child stretched across inside the
// margins, the frame as tall as title, margins and child (the title alone while collapsed, no
// title when the label is hidden), the column's next child below it.
TEST_F(AddedKindsTest, FrameLayoutHoldsOneChildBelowItsTitle)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& frame = addChild<CUIFrameLayout>(column);
    auto& button = addChild<CUIButton>(frame);
    auto& below = addChild<CUIText>(column);
    EXPECT_FALSE(frame.AddChild(std::make_unique<CUIButton>(frame)));
    EXPECT_EQ(frame.childCount(), 1u);
    EXPECT_EQ(frame.name(), "FrameLayout0");
    EXPECT_EQ(frame.previewText(), "FrameLayout0");

    const int width = column.rect().width();
    EXPECT_EQ(frame.rect(), (UIRect{0, 0, width, metrics::kFrameTitleHeight + 28}));
    EXPECT_EQ(button.rect(), (UIRect{0, metrics::kFrameTitleHeight, width, metrics::kFrameTitleHeight + 28}));
    EXPECT_EQ(below.rect().top, frame.rect().bottom);

    frame.ApplyFlags(withValues(frame, {{CUIFrameLayout::kMarginWidth, "5"}, {CUIFrameLayout::kMarginHeight, "4"},
                                        {CUIFrameLayout::kLabel, "Options"}, {CUIFrameLayout::kCollapsable, "true"}}));
    EXPECT_EQ(frame.previewText(), "Options");
    EXPECT_TRUE(hasStyle(frame.previewStyles(), PreviewStyle::collapsable));
    EXPECT_EQ(button.rect(), (UIRect{5, metrics::kFrameTitleHeight + 4, width - 5, metrics::kFrameTitleHeight + 32}));
    EXPECT_EQ(frame.rect().height(), metrics::kFrameTitleHeight + 28 + 8);
    EXPECT_EQ(below.rect().top, frame.rect().bottom);

    // Any boolean word MEL takes counts.
    frame.ApplyFlags(withValues(frame, {{CUIFrameLayout::kCollapse, "yes"}}));
    EXPECT_TRUE(hasStyle(frame.previewStyles(), PreviewStyle::collapsed));
    EXPECT_EQ(frame.rect().height(), metrics::kFrameTitleHeight);
    EXPECT_EQ(below.rect().top, frame.rect().bottom);

    frame.ApplyFlags(withValues(frame, {{CUIFrameLayout::kCollapse, "off"}, {CUIFrameLayout::kLabelVisible, "0"}}));
    EXPECT_TRUE(hasStyle(frame.previewStyles(), PreviewStyle::titleHidden));
    EXPECT_EQ(button.rect().top, 4);
    EXPECT_EQ(frame.rect().height(), 28 + 8);

    // A hidden child leaves the margins.
    button.ApplyFlags(withValues(button, {{CUIButton::kPositions.visible, "off"}}));
    EXPECT_EQ(frame.rect().height(), 8);
}

// A frame as the window's layout takes the client area, and a window fitted to its children
// fits around the frame's title and child.
TEST_F(AddedKindsTest, FrameLayoutInTheWindow)
{
    ModelFixture f;
    auto& frame = addChild<CUIFrameLayout>(f.window);
    auto& column = addChild<CUIColumnLayout>(frame);
    addChild<CUIButton>(column);
    EXPECT_EQ(frame.rect(), f.window.clientArea());
    EXPECT_EQ(column.rect().width(), frame.rect().width());

    FlagValueTable table;
    f.window.StoreFlags(table);
    table[CUIWindow::kResizeToFitChildren] = "on";
    f.window.ApplyFlags(table);
    // The client area counts the sizing frame, whatever layout the window holds.
    EXPECT_EQ(f.window.clientArea().height(), metrics::kFrameTitleHeight + 28 + 2 * metrics::kFrame);
}

// Saved and opened again, the frame keeps its name, label, flags and child; the file is the
// same byte for byte. A reader that does not know the tag passes over the frame's block with
// its child and reads on at the next element.
TEST_F(AddedKindsTest, FrameLayoutFileRoundTripAndOlderReaders)
{
    ModelFixture f;
    auto& column = addChild<CUIColumnLayout>(f.window);
    auto& frame = addChild<CUIFrameLayout>(column);
    addChild<CUIButton>(frame);
    addChild<CUIText>(column);
    frame.ApplyFlags(withValues(frame, {{CUIFrameLayout::kLabel, "Options"}, {CUIFrameLayout::kCollapsable, "true"},
                                        {CUIFrameLayout::kMarginWidth, "3"}, {CUIFrameLayout::kBorderVisible, "on"}}));
    frame.setStateFlag(false);
    const std::string file = WriteWindowFile(f.window);
    const std::string width = std::to_string(column.rect().width());
    EXPECT_EQ(block(file, "[frameLayout]"),
              (std::vector<std::string>{"FrameLayout0", "0", "3\ton", "6\ttrue", "14\t48", "15\tOptions", "22\t3",
                                        "28\t" + width}));

    ModelFixture g;
    OutputLog log;
    ASSERT_TRUE(ReadWindowFile(file, g.window, log).windowFile);
    EXPECT_TRUE(log.text().empty()) << log.text();
    EXPECT_EQ(WriteWindowFile(g.window), file);
    const CUIElement& read = *g.window.children().front()->children().front();
    EXPECT_EQ(read.command(), "frameLayout");
    EXPECT_EQ(read.previewText(), "Options");
    EXPECT_FALSE(read.stateFlag());
    EXPECT_TRUE(hasStyle(read.previewStyles(), PreviewStyle::border));
    ASSERT_EQ(read.childCount(), 1u);
    EXPECT_EQ(read.children().front()->command(), "button");

    // A tag this reader does not know stands for one a later version writes.
    std::string unknown = file;
    unknown.replace(unknown.find("[frameLayout]"), 13, "[laterLayout]");
    ModelFixture older;
    OutputLog olderLog;
    ASSERT_TRUE(ReadWindowFile(unknown, older.window, olderLog).windowFile);
    std::string tree;
    dumpTree(older.window, 0, tree);
    EXPECT_EQ(tree, "window Window\n\tcolumnLayout ColumnLayout0\n\t\ttext Text0\n");
    EXPECT_NE(olderLog.text().find("Error while loading the window hierarchy file"), std::string::npos);
}

// The frame's call with its flags in the database's order, its child's, and setParent back out
// of both layouts; the Python export makes the same call.
TEST_F(AddedKindsTest, FrameLayoutExportLines)
{
    ModelFixture f;
    auto& top = addChild<CUIColumnLayout>(f.window);
    auto& frame = addChild<CUIFrameLayout>(top);
    auto& inner = addChild<CUIColumnLayout>(frame);
    addChild<CUIButton>(inner);
    frame.ApplyFlags(withValues(frame, {{CUIFrameLayout::kLabel, "Options"}, {CUIFrameLayout::kCollapsable, "true"},
                                        {CUIFrameLayout::kCollapse, "false"}}));
    std::string out;
    GenerateElementMel(frame, out, 2, false);
    EXPECT_EQ(out, "\t\tframeLayout -collapse false -collapsable true -height 48 -label \"Options\" -width 312;\n"
                   "\t\t\tcolumnLayout -columnWidth 312 -height 28 -width 312;\n"
                   "\t\t\t\tbutton -height 28 -label \"Button0\" -width 80;\n"
                   "\t\t\t\tsetParent ..;\n"
                   "\t\t\tsetParent ..;\n");
    out.clear();
    GenerateElementMel(frame, out, 0, true);
    EXPECT_TRUE(out.starts_with("frameLayout -cl false -cll true -h 48 -l \"Options\" -w 312;\n")) << out;

    const std::string python = GenerateWindowPython(f.window, false);
    EXPECT_NE(python.find("cmds.columnLayout(columnWidth=312, height=221, width=312)\n"
                          "cmds.frameLayout(collapse=False, collapsable=True, height=48, label='Options', width=312)\n"
                          "cmds.columnLayout(columnWidth=312, height=28, width=312)\n"
                          "cmds.button(height=28, label='Button0', width=80)\n"
                          "cmds.setParent('..')\n"
                          "cmds.setParent('..')\n"),
              std::string::npos)
        << python;
}

// A hand-written options window of collapsable sections imports with nothing skipped: each
// frame with its label (its name where it has none), flags and child; exported again and
// imported once more, it is the same script.
TEST_F(AddedKindsTest, FrameLayoutImport)
{
    SettingsRecord settings;
    UIModelContext context(settings);
    WindowDocument document(context);
    CUIWindow& window = document.window();
    const MelWindowImport import = ImportMelWindow(fixture("melimport/frame_tool.mel"), window);
    ASSERT_TRUE(import.built) << import.problem;
    EXPECT_TRUE(import.warnings.empty()) << ::testing::PrintToString(placed(import));
    std::string tree;
    dumpTree(window, 0, tree);
    EXPECT_EQ(tree, "window exportOptionsWin\n"
                    "\tcolumnLayout mainCol\n"
                    "\t\tframeLayout generalFrame\n"
                    "\t\t\tcolumnLayout ColumnLayout1\n"
                    "\t\t\t\tcheckBox selectionBox\n"
                    "\t\t\t\tcheckBox CheckBox1\n"
                    "\t\tframeLayout advancedFrame\n"
                    "\t\t\tbutton resetBtn\n"
                    "\t\tframeLayout quietFrame\n"
                    "\t\t\ttext Text0\n"
                    "\t\tframeLayout FrameLayout3\n"
                    "\t\tbutton exportBtn\n");
    const auto& frames = window.children().front()->children();
    EXPECT_EQ(frames[0]->previewText(), "General");
    EXPECT_EQ(frames[0]->flags()[CUIFrameLayout::kCollapsable], "true");
    EXPECT_EQ(frames[0]->flags()[CUIFrameLayout::kMarginWidth], "4");
    EXPECT_EQ(frames[0]->flags()[CUIFrameLayout::kMarginHeight], "3");
    EXPECT_TRUE(hasStyle(frames[1]->previewStyles(), PreviewStyle::collapsed));
    EXPECT_TRUE(hasStyle(frames[1]->previewStyles(), PreviewStyle::border));
    EXPECT_EQ(frames[1]->rect().height(), metrics::kFrameTitleHeight);
    EXPECT_TRUE(hasStyle(frames[2]->previewStyles(), PreviewStyle::titleHidden));
    // Named by the script and given no label: labelled with its name, as Maya does.
    EXPECT_EQ(frames[2]->flags()[CUIFrameLayout::kLabel], "quietFrame");

    // Exported as the designer shows it.
    document.arrangeForDisplay();
    const std::string script = GenerateWindowScript(window, false);
    WindowDocument again(context);
    const MelWindowImport second = ImportMelWindow(script, again.window());
    ASSERT_TRUE(second.built) << second.problem;
    EXPECT_TRUE(second.warnings.empty()) << ::testing::PrintToString(placed(second)) << script;
    again.arrangeForDisplay();
    EXPECT_EQ(GenerateWindowScript(again.window(), false), script);
}

// Each -style word draws its line; a word the command does not list, or none, draws the etched
// line. The style goes through the window file, both exports and the import.
TEST_F(AddedKindsTest, SeparatorStyles)
{
    const std::uint32_t kLineBits = PreviewStyle::lineHidden | PreviewStyle::lineFlat | PreviewStyle::lineDouble |
                                    PreviewStyle::lineDashed | static_cast<std::uint32_t>(PreviewStyle::lineRaised);
    const struct {
        const char* style;
        std::uint32_t bits;
    } kStyles[] = {
        {"none", static_cast<std::uint32_t>(PreviewStyle::lineHidden)},
        {"single", static_cast<std::uint32_t>(PreviewStyle::lineFlat)},
        {"double", PreviewStyle::lineFlat | PreviewStyle::lineDouble},
        {"singleDash", PreviewStyle::lineFlat | PreviewStyle::lineDashed},
        {"doubleDash", PreviewStyle::lineFlat | PreviewStyle::lineDouble | static_cast<std::uint32_t>(PreviewStyle::lineDashed)},
        {"in", 0},
        {"out", static_cast<std::uint32_t>(PreviewStyle::lineRaised)},
        {"shelf", 0},
        {"", 0},
    };
    for (const auto& c : kStyles) {
        SCOPED_TRACE(c.style);
        ModelFixture f;
        auto& column = addChild<CUIColumnLayout>(f.window);
        auto& separator = addChild<CUISeparator>(column);
        separator.ApplyFlags(withValues(separator, {{CUISeparator::kStyle, c.style}}));
        EXPECT_EQ(separator.previewStyles() & kLineBits, c.bits);

        ModelFixture g;
        OutputLog log;
        ASSERT_TRUE(ReadWindowFile(WriteWindowFile(f.window), g.window, log).windowFile);
        const CUIElement& read = *g.window.children().front()->children().front();
        EXPECT_EQ(read.previewStyles() & kLineBits, c.bits);

        std::string mel;
        GenerateElementMel(separator, mel, 2, false);
        const std::string given = *c.style ? std::string(" -style \"") + c.style + "\"" : "";
        EXPECT_EQ(mel, "\t\tseparator -height 17" + given + " -width 312;\n");
        const std::string python = GenerateWindowPython(f.window, false);
        EXPECT_NE(python.find(std::string("cmds.separator(height=17") + (*c.style ? std::string(", style='") + c.style + "'" : "")
                              + ", width=312)"),
                  std::string::npos)
            << python;

        ModelFixture imported;
        const MelWindowImport import = ImportMelWindow(GenerateWindowScript(f.window, false), imported.window);
        ASSERT_TRUE(import.built) << import.problem;
        EXPECT_TRUE(import.warnings.empty()) << ::testing::PrintToString(placed(import));
        EXPECT_EQ(imported.window.children().front()->children().front()->previewStyles() & kLineBits, c.bits);
    }
}
