// MEL generation and the export: byte-exact lines, escaping, the log's texts, file line ends.
#include "ModelFixture.h"

#include "files/FileReader.h"
#include "files/SafeFileWriter.h"
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "uimodel/MelExport.h"
#include "uimodel/MelGenerator.h"
#include "uimodel/WindowFile.h"

#include <gtest/gtest.h>

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
    // the row's own table now holds what was written
    EXPECT_EQ(row.flags()[CUIRowLayout::kNumberOfColumns], "1");
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
