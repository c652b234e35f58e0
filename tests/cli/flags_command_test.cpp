// End to end: "orvante-cli flags" as a user runs it, on the built database and on another
// installation folder's.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

CliRun runCli(const std::string& arguments)
{
    const fs::path dir = fs::temp_directory_path() / ("orvante_cli_flags_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string command = std::string("'") + ORVANTE_CLI + "' " + arguments + " >'" + (dir / "out").string()
        + "' 2>'" + (dir / "err").string() + "'";
    CliRun run;
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readAll(dir / "out");
    run.err = readAll(dir / "err");
    fs::remove_all(dir);
    return run;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST(FlagsCommand, ButtonListsItsTypedFlagsInDatabaseOrder)
{
    const CliRun run = runCli("flags button");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 17u);
    EXPECT_EQ(out[0], "0\t-al\t-align\tString");
    EXPECT_EQ(out[2], "2\t-bgc\t-backgroundColor\tFloat Float Float");
    EXPECT_EQ(out[8], "8\t-en\t-enable\ton|off");
    EXPECT_EQ(out[9], "9\t-h\t-height\tInt");
    EXPECT_EQ(out[10], "10\t-l\t-label\tString");
    EXPECT_EQ(out[15], "15\t-vis\t-visible\ton|off");
    EXPECT_EQ(out[16], "16\t-w\t-width\tInt");
}

TEST(FlagsCommand, WindowFlagsStandWhereTheDesignerReadsThem)
{
    const CliRun run = runCli("flags window");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 25u);
    EXPECT_EQ(out[4], "4\t-tbm\t-titleBarMenu\ton|off");
    EXPECT_EQ(out[20], "20\t-tlc\t-topLeftCorner\tInt Int");
    EXPECT_EQ(out[24], "24\t-wh\t-widthHeight\tInt Int");
}

TEST(FlagsCommand, UnknownCommandsAndBadArgumentsFail)
{
    const struct { const char* arguments; int exitCode; } cases[] = {
        {"flags Button", 1}, {"flags showWindow", 1}, {"flags ''", 1},
        {"flags", 2}, {"flags button extra", 2}, {"flags button --database", 2},
        {"flags button --database /nonexistent-orvante", 1},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_EQ(lines(run.err).size(), 1u) << c.arguments << ": " << run.err;
    }
}

std::string le16(int value)
{
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
}

TEST(FlagsCommand, ReadsAnotherInstallationsDatabase)
{
    const fs::path install = fs::temp_directory_path() / ("orvante_cli_install_" + std::to_string(::getpid()));
    fs::create_directories(install / "Database");
    // "about" (index 0): flag 0 untyped, flag 1 typed "Int" (16), flag 2 typed "String" (46).
    const std::string bytes = le16(1) + le16(0) + le16(3) + le16(0) + le16(-1) + le16(1) + le16(16) + le16(2) + le16(46);
    std::ofstream(install / "Database" / "melcmd.dat", std::ios::binary) << bytes;

    CliRun run = runCli("flags about --database '" + install.string() + "'");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "0\t-a\t-above\tInt\n1\t-a\t-absolute\tString\n");
    run = runCli("flags button --database '" + install.string() + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");

    // A damaged file still lists what it holds, with a warning.
    std::ofstream(install / "Database" / "melcmd.dat", std::ios::binary) << bytes.substr(0, bytes.size() - 2);
    run = runCli("flags about --database '" + install.string() + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "0\t-a\t-above\tInt\n");
    EXPECT_NE(run.err.find("damaged"), std::string::npos);
    fs::remove_all(install);
}

} // namespace
