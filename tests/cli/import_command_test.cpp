// "orvante-cli import" run as a user runs it: the window file out, the warnings in compiler
// form, the exit codes.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using orv::cli_test::CliRun;

std::string slurp(const std::filesystem::path& path) { return orv::cli_test::readFile(path); }

class ImportCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() /
                   ("orvante_cli_import_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    static CliRun run(const std::string& arguments) { return orv::cli_test::runCliLine(arguments); }

    static std::string fixture(const char* name) { return std::string(ORVANTE_FIXTURES_DIR) + "/" + name; }
    std::filesystem::path m_folder;
};

} // namespace

TEST_F(ImportCommand, TheExportedWorkedExampleComesBackAndExportsAgainAsItWas)
{
    const CliRun r = run("import \"" + fixture("uimodel/worked_example.mel") + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, slurp(fixture("uimodel/worked_example.wnd")));

    const std::string wnd = (m_folder / "worked.wnd").string();
    ASSERT_EQ(run("import \"" + fixture("uimodel/worked_example.mel") + "\" -o \"" + wnd + "\"").exitCode, 0);
    const CliRun exported = run("export \"" + wnd + "\"");
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, slurp(fixture("uimodel/worked_example.mel")));
}

TEST_F(ImportCommand, WarningsInCompilerFormAndTheChosenWindow)
{
    const std::string script = fixture("melimport/studio_tool.mel");
    const std::string wnd = (m_folder / "tool.wnd").string();
    const CliRun r = run("import \"" + script + "\" -o \"" + wnd + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1),
              script + ":19:13: warning: frameLayout \"optFrame\" does not take this intField: skipped\n");
    EXPECT_NE(r.err.find(script + ":28:11: warning: -bogusFlag is not a flag of button: skipped with its values\n"),
              std::string::npos);
    const CliRun tree = run("tree \"" + wnd + "\"");
    EXPECT_EQ(tree.exitCode, 0) << tree.err;
    EXPECT_EQ(tree.out.substr(0, tree.out.find(' ')), "window");
    EXPECT_NE(tree.out.find("\t\ttextScrollList jointList "), std::string::npos);

    const CliRun second = run("import \"" + fixture("melimport/parents.mel") + "\" --window secondWin");
    EXPECT_EQ(second.exitCode, 0) << second.err;
    EXPECT_NE(second.out.find("\r\nsecondWin\r\n"), std::string::npos);
}

TEST_F(ImportCommand, NoWindowUnreadableFileAndWrongArguments)
{
    const std::filesystem::path empty = m_folder / "nothing.mel";
    std::ofstream(empty) << "// no window here\nbutton -l \"x\";\n";
    struct Case {
        std::string arguments;
        int exitCode;
        std::string err;  // the start of the one line on stderr
    };
    const std::vector<Case> cases = {
        {"import \"" + empty.string() + "\"", 1, "orvante-cli import: " + empty.string() + ": the script makes no window\n"},
        {"import \"" + fixture("melimport/parents.mel") + "\" --window thirdWin", 1,
         "orvante-cli import: " + fixture("melimport/parents.mel") + ": the script makes no window named \"thirdWin\"\n"},
        {"import \"" + (m_folder / "missing.mel").string() + "\"", 1, "orvante-cli import: "},
        {"import", 2, "usage: orvante-cli import "},
        {"import a.mel --window", 2, "usage: orvante-cli import "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}
