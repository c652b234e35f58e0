// "orvante-cli export" and "orvante-cli tree" run as a user runs them.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using orv::cli_test::CliRun;

std::string slurp(const std::filesystem::path& path) { return orv::cli_test::readFile(path); }

class WindowCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() /
                   ("orvante_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    static CliRun run(const std::string& arguments) { return orv::cli_test::runCliLine(arguments); }

    static std::string fixture(const char* name) { return std::string(ORVANTE_FIXTURES_DIR) + "/uimodel/" + name; }
    std::filesystem::path m_folder;
};

} // namespace

TEST_F(WindowCommands, ExportPrintsTheWorkedExampleScript)
{
    const CliRun r = run("export \"" + fixture("worked_example.wnd") + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, slurp(fixture("worked_example.mel")));
    EXPECT_EQ(r.err.rfind("Generating script of the current window ...\n", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("Generation successful.\n"), std::string::npos);
}

TEST_F(WindowCommands, ExportToAFileWithLineEndsAndOptions)
{
    const std::string script = slurp(fixture("worked_example.mel"));
    std::string crlf;
    for (const char c : script)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const auto out = (m_folder / "out.mel").string();
    CliRun r = run("export \"" + fixture("worked_example.wnd") + "\" -o \"" + out + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(slurp(out), crlf);
    r = run("export \"" + fixture("worked_example.wnd") + "\" --unix -o \"" + out + "\"");
    EXPECT_EQ(slurp(out), script);

    r = run("export --short-flags \"" + fixture("worked_example.wnd") + "\" --use-width-height");
    EXPECT_NE(r.out.find("window -wh 320 240;\n\tcolumnLayout -cw 312 -h 221 -w 312;\n"), std::string::npos) << r.out;

    const std::string missingFolder = (m_folder / "none" / "x.mel").string();
    r = run("export \"" + fixture("worked_example.wnd") + "\" -o \"" + missingFolder + "\"");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("The script was not saved: cannot create a temporary file beside \"" + missingFolder +
                         "\": No such file or directory.\n"),
              std::string::npos)
        << r.err;
}

// --python writes the same calls through maya.cmds: to standard output, or to a file with LF
// line ends whatever --unix says; the log and the left-out lines are the MEL export's.
TEST_F(WindowCommands, ExportWritesPythonOnRequest)
{
    CliRun r = run("export --python \"" + fixture("worked_example.wnd") + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, slurp(fixture("worked_example.py")));
    EXPECT_EQ(r.err.rfind("Generating script of the current window ...\n", 0), 0u) << r.err;
    const auto out = (m_folder / "out.py").string();
    r = run("export \"" + fixture("worked_example.wnd") + "\" --python -o \"" + out + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(slurp(out), slurp(fixture("worked_example.py")));

    r = run("export --python --short-flags \"" + fixture("hostile_values.wnd") + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\ncmds.button(bgc=(1.0, 0.5, 0.0), h=28, l='Button0', w=80)\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("system"), std::string::npos);
    EXPECT_NE(r.err.find("Left out -enable of button \"Button0\": the value is not of type \"on|off\".\n"),
              std::string::npos)
        << r.err;
}

// --names writes the element names, in MEL and in Python.
TEST_F(WindowCommands, ExportWritesElementNamesOnRequest)
{
    CliRun r = run("export --names \"" + fixture("worked_example.wnd") + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\nif (`window -exists Window`) deleteUI Window;\nwindow -height 240 -width 320 Window;\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(r.out.ends_with("-width 80 Button0;\n\nshowWindow Window;\n")) << r.out;
    r = run("export --python --names \"" + fixture("worked_example.wnd") + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.ends_with("cmds.button('Button0', height=28, label='Button0', width=80)\n\ncmds.showWindow('Window')\n"))
        << r.out;
}

TEST_F(WindowCommands, BooleanStyleDecidesWhatIsHidden)
{
    // "false" hides the first button only in the true/false style; the inner layout then
    // holds one button's height, and the button's quote is escaped in the label.
    CliRun r = run("export --boolean-style 1 \"" + fixture("hidden_button.wnd") + "\"");
    EXPECT_NE(r.out.find("\t\tcolumnLayout -columnWidth 312 -height 28 -width 312;\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("-label \"Say \\\"hi\\\"\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\t\tsetParent ..;\n"), std::string::npos);
    EXPECT_NE(r.err.find("Error while loading the window hierarchy file\n"), std::string::npos) << r.err;
    EXPECT_EQ(r.exitCode, 2);
    r = run("export --boolean-style 0 \"" + fixture("hidden_button.wnd") + "\"");
    EXPECT_NE(r.out.find("\t\tcolumnLayout -columnWidth 312 -height 56 -width 312;\n"), std::string::npos) << r.out;
    EXPECT_EQ(run("export --boolean-style 3 \"" + fixture("hidden_button.wnd") + "\"").exitCode, 2);
}

TEST_F(WindowCommands, TreeShowsElementsWithRectangles)
{
    // The block of the unknown tag is left out: the tree of the rest is shown all the same.
    const CliRun r = run("tree \"" + fixture("hidden_button.wnd") + "\"");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "window Window 0,0,320,240\n"
                     "\tcolumnLayout ColumnLayout0 0,0,312,221\n"
                     "\t\tcolumnLayout Inner 0,0,312,56\n"
                     "\t\t\tbutton Hidden 0,0,80,28\n"
                     "\t\t\tbutton Shown 0,28,80,56\n");
    EXPECT_EQ(r.err, "Error while loading the window hierarchy file\n"
                     "orvante-cli tree: loaded with errors: unknown tag \"[gizmo]\"\n");
}

TEST_F(WindowCommands, APartialLoadWritesWhatWasReadAndExitsWithTwo)
{
    const std::string full = slurp(fixture("worked_example.wnd"));
    const auto cut = m_folder / "cut.wnd";
    std::ofstream(cut, std::ios::binary) << full.substr(0, full.find("\t\t1\r\n\t\t9"));
    const std::string reason = "the file ends inside an element";
    CliRun r = run("export \"" + cut.string() + "\"");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.out.find("\tcolumnLayout"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("button"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("Error while loading the window hierarchy file: " + reason + "\n"), std::string::npos) << r.err;
    EXPECT_TRUE(r.err.ends_with("orvante-cli export: loaded with errors: " + reason + "\n")) << r.err;
    EXPECT_EQ(r.err.find("Generation successful.\n"), r.err.rfind("Generation successful.\n"));

    const auto out = m_folder / "cut.mel";
    r = run("export \"" + cut.string() + "\" -o \"" + out.string() + "\"");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(slurp(out).find("columnLayout"), std::string::npos);

    r = run("tree \"" + cut.string() + "\"");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "window Window 0,0,320,240\n\tcolumnLayout ColumnLayout0 0,0,312,221\n");
    EXPECT_TRUE(r.err.ends_with("orvante-cli tree: loaded with errors: " + reason + "\n")) << r.err;
}

TEST_F(WindowCommands, TreeShowsControlBytesOfNamesInCaretNotation)
{
    const auto named = m_folder / "named.wnd";
    const char bytes[] = "[ORVANTE 0.4]\r\n[UI_Window]\r\n[window]\r\nWin\0dow\x1b[2J\r\n1\r\n[EUI]\r\n";
    std::ofstream(named, std::ios::binary) << std::string(bytes, sizeof bytes - 1);
    const CliRun r = run("tree \"" + named.string() + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "window Win^@dow^[[2J 0,0,320,240\n");
}

TEST_F(WindowCommands, ExportTargetsKeepWhatTheyAre)
{
    // A link is followed (a dangling one makes its file), a pipe or device is written in place.
    const auto wnd = fixture("worked_example.wnd");
    std::filesystem::create_symlink("made.mel", m_folder / "link.mel");
    CliRun r = run("export \"" + wnd + "\" -o \"" + (m_folder / "link.mel").string() + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(std::filesystem::is_symlink(m_folder / "link.mel"));
    EXPECT_NE(slurp(m_folder / "made.mel").find("showWindow;"), std::string::npos);

    r = run("export \"" + wnd + "\" --unix -o /dev/stdout");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, slurp(fixture("worked_example.mel")));

    const auto readOnly = m_folder / "kept.mel";
    std::ofstream(readOnly) << "kept";
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    r = run("export \"" + wnd + "\" -o \"" + readOnly.string() + "\"");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("cannot replace \"" + readOnly.string() + "\": the file is read-only"), std::string::npos)
        << r.err;
    EXPECT_EQ(slurp(readOnly), "kept");
}

TEST_F(WindowCommands, NotAWindowFileIsOneClearLine)
{
    const auto notWindow = m_folder / "notes.wnd";
    std::ofstream(notWindow) << "just some text\nmore\nthird\n";
    for (const char* command : {"tree", "export"}) {
        const CliRun r = run(std::string(command) + " \"" + notWindow.string() + "\"");
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "orvante-cli " + std::string(command) + ": \"" + notWindow.string() + "\" is not a window file\n");
    }
    const CliRun missing = run("tree \"" + (m_folder / "missing.wnd").string() + "\"");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "orvante-cli tree: cannot open \"" + (m_folder / "missing.wnd").string() +
                               "\": No such file or directory\n");
}
