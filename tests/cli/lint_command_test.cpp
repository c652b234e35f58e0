// End to end: "orvante-cli lint" on the check fixtures: the FILE:LINE:COL lines, the exit
// codes with and without --werror, and files that cannot be read.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

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
    const fs::path brackets = kFixtures / "brackets.mel";
    const fs::path strings = kFixtures / "strings.mel";
    const auto run = runCli({"lint", brackets.string(), strings.string()});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out, expectedLines(brackets, brackets.string()) + expectedLines(strings, strings.string()));
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find(brackets.string() + ":11:20: error: { is never closed\n"), std::string::npos);
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
