// End to end: "orvante-cli lint" on the check fixtures: the FILE:LINE:COL lines, the exit
// codes with and without --werror, and files that cannot be read.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using orv::cli_test::readFile;
using orv::cli_test::runCli;

const fs::path kFixtures = fs::path(ORVANTE_FIXTURES_DIR) / "lint";

// The fixture's findings ("LINE:COL+LENGTH: ...") as lint prints them for `path`.
std::string expectedLines(const fs::path& fixture, const std::string& path)
{
    std::string out;
    std::istringstream in(readFile(fs::path(fixture).replace_extension(".findings")));
    for (std::string line; std::getline(in, line);) {
        const std::size_t plus = line.find('+');
        const std::size_t colon = line.find(':', plus);
        out += path + ':' + line.substr(0, plus) + line.substr(colon) + '\n';
    }
    return out;
}

TEST(LintCommand, PrintsEveryFindingOfEveryFileInFileLineColumnForm)
{
    std::vector<fs::path> fixtures;
    for (const auto& entry : fs::directory_iterator(kFixtures))
        if (entry.path().extension() == ".mel")
            fixtures.push_back(entry.path());
    std::sort(fixtures.begin(), fixtures.end());
    std::vector<std::string> arguments = {"lint"};
    std::string expected;
    for (const fs::path& fixture : fixtures) {
        arguments.push_back(fixture.string());
        expected += expectedLines(fixture, fixture.string());
    }
    const auto run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 1) << run.err;  // brackets.mel and strings.mel hold errors
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
    const std::string brackets = (kFixtures / "brackets.mel").string();
    EXPECT_NE(run.out.find(brackets + ":11:20: error: { is never closed\n"), std::string::npos);
}

TEST(LintCommand, WarningsAloneExitZeroUnlessWerror)
{
    const fs::path dir = fs::temp_directory_path() / ("orvante_lint_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path clean = dir / "clean.mel";
    const fs::path warned = dir / "warned.mel";
    std::ofstream(clean, std::ios::binary) << "button -label \"OK\" -width 80;\r\n";
    std::ofstream(warned, std::ios::binary) << "button -lable \"OK\";\r\n";

    const auto quiet = runCli({"lint", clean.string()});
    EXPECT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(quiet.out, "");

    const auto warning = runCli({"lint", warned.string()});
    EXPECT_EQ(warning.exitCode, 0) << warning.err;
    EXPECT_EQ(warning.out, warned.string() + ":1:8: warning: unknown flag -lable of button: did you mean -label?\n");

    const auto strict = runCli({"lint", "--werror", warned.string(), clean.string()});
    EXPECT_EQ(strict.exitCode, 1) << strict.err;
    EXPECT_EQ(strict.out, warned.string() + ":1:8: error: unknown flag -lable of button: did you mean -label?\n");
    fs::remove_all(dir);
}

TEST(LintCommand, UnreadableFilesAndBadArgumentsFailClearly)
{
    const fs::path brackets = kFixtures / "brackets.mel";
    const auto missing = runCli({"lint", "/nonexistent/x.mel", brackets.string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("orvante-cli lint: "), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("\"/nonexistent/x.mel\""), std::string::npos) << missing.err;
    EXPECT_EQ(missing.out, expectedLines(brackets, brackets.string()));  // the other files are still checked

    const auto folder = runCli({"lint", kFixtures.string()});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_NE(folder.err.find(kFixtures.string()), std::string::npos) << folder.err;

    const auto none = runCli({"lint"});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_NE(none.err.find("usage: orvante-cli lint"), std::string::npos);
    const auto option = runCli({"lint", "--strict", brackets.string()});
    EXPECT_EQ(option.exitCode, 2);
    EXPECT_NE(option.err.find("unknown option \"--strict\""), std::string::npos);
}

} // namespace
