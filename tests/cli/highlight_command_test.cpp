// End to end: "orvante-cli highlight" on the colouring fixtures, in its three formats.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs "orvante-cli highlight" with the arguments, each passed quoted.
CliResult highlight(const std::vector<std::string>& arguments)
{
    const fs::path dir = fs::temp_directory_path() / ("orvante_cli_highlight_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string command = "'";
    command += ORVANTE_CLI;
    command += "' highlight";
    for (const std::string& argument : arguments) {
        command += " '";
        command += argument;
        command += '\'';
    }
    command += " >'";
    command += (dir / "out").string();
    command += "' 2>'";
    command += (dir / "err").string();
    command += '\'';
    CliResult run;
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = slurp(dir / "out");
    run.err = slurp(dir / "err");
    fs::remove_all(dir);
    return run;
}

const fs::path kFixtures = fs::path(ORVANTE_FIXTURES_DIR) / "colouring";

TEST(HighlightCommand, BlocksFormatGivesTheExpectedOutputOfEveryFixture)
{
    for (const auto& entry : fs::directory_iterator(kFixtures)) {
        if (entry.path().extension() != ".mel")
            continue;
        const bool off = entry.path().string().find(".nocolour.") != std::string::npos;
        std::vector<std::string> arguments = {entry.path().string(), "--format", "blocks"};
        if (off)
            arguments.push_back("--no-colouring");
        const CliResult run = highlight(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        auto expected = entry.path();
        expected.replace_extension(".blocks");
        EXPECT_EQ(run.out, slurp(expected)) << entry.path().filename();
    }
}

TEST(HighlightCommand, HtmlHasOneSpanPerRunInItsColourAndEscapesText)
{
    const CliResult run = highlight({(kFixtures / "words.mel").string(), "--format", "html"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("<span style=\"color:#C000C0\">window</span>"), std::string::npos);
    EXPECT_NE(run.out.find("<span style=\"color:#C08080\">title</span>"), std::string::npos);
    EXPECT_NE(run.out.find("&quot;My Window&quot;"), std::string::npos);
    EXPECT_NE(run.out.find(">&#233; <"), std::string::npos);
    EXPECT_EQ(run.out.rfind("</pre></body></html>\n"), run.out.size() - 21);
}

TEST(HighlightCommand, AnsiColoursCommandsWithTrueColourEscapes)
{
    const CliResult run = highlight({(kFixtures / "words.mel").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\x1b[38;2;192;0;192mwindow"), std::string::npos);
    const CliResult off = highlight({(kFixtures / "words.mel").string(), "--no-colouring"});
    EXPECT_EQ(off.out.find("\x1b[38;2;"), std::string::npos);
}

TEST(HighlightCommand, ControlBytesShowInCaretNotationAndNeverCutALine)
{
    const fs::path file = fs::temp_directory_path() / ("orvante_cli_controls_" + std::to_string(::getpid()) + ".mel");
    {
        std::ofstream out(file, std::ios::binary);
        out << std::string("int $a\0 = 1;\x1b[2J // tail\x7f\r\n", 27);
    }
    const CliResult ansi = highlight({file.string()});
    ASSERT_EQ(ansi.exitCode, 0) << ansi.err;
    EXPECT_EQ(ansi.out.find('\0'), std::string::npos);
    EXPECT_EQ(ansi.out.find("\x1b[2J"), std::string::npos);
    EXPECT_NE(ansi.out.find("^@"), std::string::npos);
    EXPECT_NE(ansi.out.find("^[[2J"), std::string::npos);
    EXPECT_NE(ansi.out.find("tail^?"), std::string::npos);

    const CliResult html = highlight({file.string(), "--format", "html"});
    ASSERT_EQ(html.exitCode, 0) << html.err;
    EXPECT_EQ(html.out.find("&#0;"), std::string::npos);
    EXPECT_NE(html.out.find("^@"), std::string::npos);
    EXPECT_NE(html.out.find("tail^?"), std::string::npos);
    fs::remove(file);
}

TEST(HighlightCommand, BadArgumentsAndMissingFilesFailClearly)
{
    EXPECT_EQ(highlight({}).exitCode, 2);
    EXPECT_EQ(highlight({"x.mel", "--format", "pdf"}).exitCode, 2);
    const CliResult missing = highlight({"/no/such/file.mel", "--format", "blocks"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("/no/such/file.mel"), std::string::npos);
    EXPECT_TRUE(missing.out.empty());
}

} // namespace
