// "orvante-cli export" and "orvante-cli tree" run as a user runs them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class WindowCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() /
                   ("orvante_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    CliRun run(const std::string& arguments)
    {
        const auto out = m_folder / "stdout";
        const auto err = m_folder / "stderr";
        const std::string command = std::string("\"") + ORVANTE_CLI + "\" " + arguments + " >\"" + out.string() +
                                    "\" 2>\"" + err.string() + "\"";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
    }

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

    r = run("export \"" + fixture("worked_example.wnd") + "\" -o \"" + (m_folder / "none" / "x.mel").string() + "\"");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Cannot open the file"), std::string::npos) << r.err;
}

TEST_F(WindowCommands, BooleanStyleDecidesWhatIsHidden)
{
    // "false" hides the first button only in the true/false style; the inner layout then
    // holds one button's height, and the button's quote is escaped in the label.
    CliRun r = run("export --boolean-style 1 \"" + fixture("hidden_button.wnd") + "\"");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\t\tcolumnLayout -columnWidth 312 -height 28 -width 312;\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("-label \"Say \\\"hi\\\"\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\t\tsetParent ..;\n"), std::string::npos);
    EXPECT_NE(r.err.find("Error while loading the window hierarchy file\n"), std::string::npos) << r.err;
    r = run("export --boolean-style 0 \"" + fixture("hidden_button.wnd") + "\"");
    EXPECT_NE(r.out.find("\t\tcolumnLayout -columnWidth 312 -height 56 -width 312;\n"), std::string::npos) << r.out;
    EXPECT_EQ(run("export --boolean-style 3 \"" + fixture("hidden_button.wnd") + "\"").exitCode, 2);
}

TEST_F(WindowCommands, TreeShowsElementsWithRectangles)
{
    const CliRun r = run("tree \"" + fixture("hidden_button.wnd") + "\"");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "window Window 0,0,320,240\n"
                     "\tcolumnLayout ColumnLayout0 0,0,312,221\n"
                     "\t\tcolumnLayout Inner 0,0,312,56\n"
                     "\t\t\tbutton Hidden 0,0,80,28\n"
                     "\t\t\tbutton Shown 0,28,80,56\n");
    EXPECT_EQ(r.err, "Error while loading the window hierarchy file\n");
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
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}
